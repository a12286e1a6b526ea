#include "gui/trade/market_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <exception>

#include "core/common/translation.h"
#include "core/sound/sound_player.h"
#include "core/trade/cpu_merchant.h"
#include "core/trade/market_lines.h"
#include "core/trade/market_visit.h"
#include "core/trade/portraits.h"
#include "core/trade/trade_reason.h"
#include "core/trade/user_merchant.h"
#include "gui/app/scaled_view.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/council/text_bubbla.h"
#include "gui/dialogs/game_message_box.h"
#include "gui/dialogs/question_box.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/inet_msg_dlg.h"
#include "gui/trade/market_dlg.h"
#include "gui/trade/separated_goods_container.h"

namespace fjordheim {

namespace {

constexpr TWorkRect CounterpartGoodsBounds{16, 30, 213, 219};
constexpr TWorkRect PlayerGoodsBounds{16, 227, 213, 394};
constexpr TWorkRect TableBounds{215, 267, 553, 412};
constexpr TWorkRect BubbleTextRect{30, 27, 179, 124};
constexpr int RecordingChannel = 1;
constexpr int TradeSoundChannel = 4;
// Over the foot of the table scene, clear of the goods, the table and the buttons.
constexpr QRect HowToLine{220, 228, 410, 32};
// About what the other player's bubble holds.
constexpr int MaxChatLetters = 80;

QWidget* BlackPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setAutoFillBackground(true);
  QPalette colours = page->palette();
  colours.setColor(QPalette::Window, Qt::black);
  page->setPalette(colours);
  return page;
}

QFont ArialPixels(int pixels, bool bold, bool italic = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

QLabel* NameLabelOn(QWidget* parent, int x, int y) {
  auto* label = new QLabel(parent);
  label->setGeometry(x, y, 197, 16);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(ArialPixels(13, true));
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

TMerchant* MerchantOf(const QListWidgetItem* item) {
  return item == nullptr ? nullptr : static_cast<TMerchant*>(item->data(Qt::UserRole).value<void*>());
}

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

// A sentence of the market's messages with the name of a player or merchant in it.
QString Named(const char* bokmal, const QString& name) { return QString::fromStdString(Tr(bokmal, name.toStdString())); }

QString Hinted(const char* hint, const QKeySequence& key) {
  return Translated(hint) + " (" + key.toString(QKeySequence::NativeText) + ")";
}

}  // namespace

TMarketForm::TMarketForm(QWidget* parent, TMarketWindowParts parts)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), FParts(std::move(parts)) {
  setWindowTitle(QStringLiteral("Fjordheim"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::black);
  setPalette(colours);

  FScreen = BlackPage(nullptr);
  FScreen->setFixedSize(GameWidth, GameHeight);
  FPageControl = new QStackedWidget(FScreen);
  FPageControl->setGeometry(0, 0, GameWidth, GameHeight);
  FMarketPage = BlackPage(nullptr);
  FTradePage = BlackPage(nullptr);
  FPageControl->addWidget(FMarketPage);
  FPageControl->addWidget(FTradePage);
  BuildMarketPage();
  BuildTradePage();
  BindKeys();
  FView = new TScaledView(FScreen, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FView);
  resize(GameWidth, GameHeight);
  FPageControl->setCurrentWidget(FMarketPage);
}

TMarketForm::~TMarketForm() {
  if (FShowTimer != 0 && FVisit != nullptr) FVisit->Scheduler().CancelTimer(FShowTimer);
  ClearUnits();
  FGoods->SetBubble(nullptr);
}

void TMarketForm::BuildMarketPage() {
  FMainImage = new QLabel(FMarketPage);
  FMainImage->setGeometry(0, 0, GameWidth, GameHeight);
  const QImage market = FParts.Pictures.Load(FParts.PicsPath + "market.bmp");
  if (!market.isNull()) FMainImage->setPixmap(QPixmap::fromImage(market.scaled(GameWidth, GameHeight)));

  auto* label3 = new QLabel(Translated(TrMark("Markedsplassen")), FMarketPage);
  label3->setFont(ArialPixels(33, true, true));
  label3->setStyleSheet(QStringLiteral("background: transparent;"));
  label3->move(152, 16);
  label3->adjustSize();
  auto* label1 = new QLabel(Translated(TrMark("Personer på markedet:")), FMarketPage);
  label1->setFont(ArialPixels(13, true, true));
  label1->setStyleSheet(QStringLiteral("background: transparent;"));
  label1->move(304, 160);
  label1->adjustSize();

  auto* panel1 = new QFrame(FMarketPage);
  panel1->setGeometry(136, 160, 160, 200);
  panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // The window is black; the panel keeps the button face so that its dark text shows.
  QPalette face = panel1->palette();
  face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  face.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ButtonText));
  panel1->setPalette(face);
  panel1->setAutoFillBackground(true);
  FMerchImage = new QLabel(panel1);
  FMerchImage->setGeometry(2, 2, 156, 196);
  FMerchImage->setAlignment(Qt::AlignCenter);
  FMerchImage->hide();
  FInfoLabel = new QLabel(Translated(MarketTexts::PickPerson), panel1);
  FInfoLabel->setGeometry(8, 8, 144, 184);
  FInfoLabel->setWordWrap(true);
  FInfoLabel->setAlignment(Qt::AlignCenter);
  FInfoLabel->setFont(ArialPixels(13, false));

  auto* panel2 = new QFrame(FMarketPage);
  panel2->setGeometry(304, 176, 161, 185);
  FMerchLB = new QListWidget(panel2);
  FMerchLB->setGeometry(0, 0, 161, 185);
  FMerchLB->setFont(ArialPixels(13, true));
  FMerchLB->setStyleSheet(QStringLiteral("QListWidget { color: white; background: black; }"));
  connect(FMerchLB, &QListWidget::itemSelectionChanged, this, [this] { Guarded([this] { MerchLBClick(); }); });
  connect(FMerchLB, &QListWidget::itemActivated, this, [this] { Guarded([this] { InviteBtnClick(); }); });

  const QKeySequence inviteKey(Qt::Key_I);
  FInviteBtn = new QPushButton(FMarketPage);
  FInviteBtn->setGeometry(224, 376, 161, 41);
  // Translators: the invite button's caption, on at most two short lines.
  constexpr const char* inviteCaption = TrMark("Inviter kjøpemannen til handel");
  FInviteBtn->setToolTip(Hinted(inviteCaption, inviteKey));
  // The caption is longer than the button is wide; it wraps onto two lines.
  auto* inviteText = new QLabel(Translated(inviteCaption), FInviteBtn);
  inviteText->setWordWrap(true);
  inviteText->setAlignment(Qt::AlignCenter);
  inviteText->setAttribute(Qt::WA_TransparentForMouseEvents);
  inviteText->setFont(ArialPixels(13, false));
  auto* inviteLayout = new QHBoxLayout(FInviteBtn);
  inviteLayout->setContentsMargins(4, 2, 4, 2);
  inviteLayout->addWidget(inviteText);
  connect(FInviteBtn, &QPushButton::clicked, this, [this] { Guarded([this] { InviteBtnClick(); }); });
  new QShortcut(inviteKey, FInviteBtn, [this] {
    if (!TradePageShown() && FInviteBtn->isEnabled()) FInviteBtn->click();
  });

  // Translators: a button 113 pixels wide.
  constexpr const char* leaveCaption = TrMark("Forlat markedet");
  FAvsluta = new QPushButton(Translated(leaveCaption), FMarketPage);
  FAvsluta->setGeometry(512, 432, 113, 31);
  FAvsluta->setFont(ArialPixels(13, false));
  FAvsluta->setToolTip(Hinted(leaveCaption, QKeySequence(Qt::Key_Escape)));
  connect(FAvsluta, &QPushButton::clicked, this, &QDialog::accept);
}

TPictureButton* TMarketForm::TradeButton(const char* name, QRect where, const char* hint, const QKeySequence& key) {
  TPictureButton* button = CreatePictureButton(FTradePage, FParts.Pictures, FParts.PicsPath, name, where, true);
  button->setToolTip(Hinted(hint, key));
  return button;
}

void TMarketForm::BuildTradePage() {
  FBackground = QPixmap::fromImage(FParts.Pictures.Load(FParts.PicsPath + "Trade.bmp"));
  FGoods = new TGoodsDivider(FTradePage, FBackground);
  FGoods->move(0, 0);
  FTradePage->setFocusProxy(FGoods);
  FCounterpartGoods = std::make_unique<TGoodsContainer>(FGoods, SideCounterpart, CounterpartGoodsBounds);
  FPlayerGoods = std::make_unique<TGoodsContainer>(FGoods, SidePlayer, PlayerGoodsBounds);
  FTable = std::make_unique<TSeparatedGoodsContainer>(FGoods, SideAny, TableBounds);
  FTable->TopOwner = SideCounterpart;
  FTable->BottomOwner = SidePlayer;
  FTable->MarginY = 30;
  FGoods->AddGoodsContainer(FCounterpartGoods.get());
  FGoods->AddGoodsContainer(FPlayerGoods.get());
  FGoods->AddGoodsContainer(FTable.get());

  const QSize bubbleSize =
      FParts.BubblePictures.Size().isEmpty() ? TTextBubbla::FallbackSize : FParts.BubblePictures.Size();
  FBubble = std::make_unique<TTextBubbla>(FGoods, &FParts.BubblePictures, 630 - bubbleSize.width(), 0);
  FBubble->SetTextRect(BubbleTextRect);
  FBubble->SetFrame(2);
  FBubble->SetVisible(true);
  FGoods->SetBubble(FBubble.get());

  FCounterPartNameLabel = NameLabelOn(FGoods, 16, 20);
  FNameLabel = NameLabelOn(FGoods, 16, 217);
  FHowToLabel = new QLabel(Translated(MarketTexts::HowToTrade), FGoods);
  FHowToLabel->setGeometry(HowToLine);
  FHowToLabel->setWordWrap(true);
  FHowToLabel->setAlignment(Qt::AlignCenter);
  FHowToLabel->setFont(ArialPixels(12, true));
  FHowToLabel->setStyleSheet(QStringLiteral("color: white; background: rgba(0, 0, 0, 150);"));
  FHowToLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

  FAccBtn = TradeButton("AccBtn", {233, 335, 60, 38}, TrMark("Godta byttet"), QKeySequence(Qt::Key_J));
  FProposeBtn = TradeButton("ProposeBtn", {338, 335, 95, 38}, TrMark("Foreslå byttet på bordet"), QKeySequence(Qt::Key_F));
  FDenyBtn = TradeButton("DenyBtn", {483, 335, 36, 39}, TrMark("Avslå byttet"), QKeySequence(Qt::Key_N));
  FChatBtn = TradeButton("ChatBtn", {192, 422, 44, 35}, TrMark("Send det du har skrevet"), QKeySequence(Qt::Key_Return));
  FDismissBtn = TradeButton("DismissBtn", {582, 422, 38, 36}, TrMark("Slutt å handle"), QKeySequence(Qt::Key_Escape));
  FChatEdit = new QLineEdit(FTradePage);
  FChatEdit->setGeometry(29, 428, 156, 21);
  FChatEdit->setMaxLength(MaxChatLetters);
  connect(FChatEdit, &QLineEdit::returnPressed, this, [this] { Guarded([this] { ChatBtnClick(); }); });

  connect(FAccBtn, &TPictureButton::Clicked, this, [this] { Guarded([this] { AccBtnClick(); }); });
  connect(FProposeBtn, &TPictureButton::Clicked, this, [this] { Guarded([this] { ProposeBtnClick(); }); });
  connect(FDenyBtn, &TPictureButton::Clicked, this, [this] { Guarded([this] { DenyBtnClick(); }); });
  connect(FChatBtn, &TPictureButton::Clicked, this, [this] { Guarded([this] { ChatBtnClick(); }); });
  connect(FDismissBtn, &TPictureButton::Clicked, this, [this] { Guarded([this] { DismissBtnClick(); }); });
  for (QWidget* front : {static_cast<QWidget*>(FDismissBtn), static_cast<QWidget*>(FProposeBtn),
                         static_cast<QWidget*>(FAccBtn), static_cast<QWidget*>(FDenyBtn),
                         static_cast<QWidget*>(FChatBtn), static_cast<QWidget*>(FChatEdit)}) {
    front->raise();
  }
}

// The trading page's buttons answer their letters; a key does what a click on the visible
// button would do.
void TMarketForm::BindKeys() {
  const auto bind = [this](Qt::Key key, TPictureButton* button) {
    new QShortcut(QKeySequence(key), this, [this, button] {
      if (TradePageShown() && button->isVisible() && button->isEnabled()) emit button->Clicked();
    });
  };
  bind(Qt::Key_J, FAccBtn);
  bind(Qt::Key_F, FProposeBtn);
  bind(Qt::Key_N, FDenyBtn);
}

void TMarketForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Without a window manager a maximised state alone leaves the window small.
  if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);
}

void TMarketForm::reject() {
  if (!TradePageShown()) {
    QDialog::reject();
  } else if (FDismissBtn->isVisible()) {
    Guarded([this] { DismissBtnClick(); });
  }
}

bool TMarketForm::TradePageShown() const { return FPageControl->currentWidget() == FTradePage; }

TUserMerchant* TMarketForm::Player() const { return FVisit != nullptr ? FVisit->Player() : nullptr; }

bool TMarketForm::OpenMarket(TMarketVisit& visit, const std::string& name, std::int32_t imageNo, TTrade& store) {
  // The market window is not shown yet: the choice stands over the game that opened it.
  TMarketDlg choice(parentWidget() != nullptr ? parentWidget() : this, FParts.Layout);
  QStringList names;
  for (const std::string& market : visit.MarketNames()) names.push_back(QString::fromStdString(market));
  choice.SetMarkets(names);
  if (choice.exec() != QDialog::Accepted) return false;
  if (!OpenChosenMarket(visit, static_cast<std::size_t>(choice.Chosen()), name, imageNo, store)) return false;
  exec();
  LeaveMarket();
  return true;
}

bool TMarketForm::OpenChosenMarket(TMarketVisit& visit, std::size_t index, const std::string& name,
                                   std::int32_t imageNo, TTrade& store) {
  const TMarketOpening opening = visit.Open(index, name, imageNo, store, this, this);
  if (!opening.Opened) {
    if (!opening.Message.empty()) Tell(QString::fromStdString(Tr(opening.Message)));
    return false;
  }
  FVisit = &visit;
  SetChatVisible(visit.ShowsChat());
  return true;
}

bool TMarketForm::Traded() const { return FVisit != nullptr && FVisit->Traded(); }

void TMarketForm::LeaveMarket() {
  if (FVisit != nullptr) FVisit->LeaveMarket();
}

void TMarketForm::SetChatVisible(bool visible) {
  FChatEdit->setVisible(visible);
  FChatBtn->setVisible(visible);
}

void TMarketForm::Guarded(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& error) {
    FParts.Sink.ShowMessage(error.what());
  } catch (...) {
    FParts.Sink.ShowMessage(Tr("Ukjent feil"));
  }
}

void TMarketForm::Tell(const QString& message) { FParts.Sink.ShowMessage(message.toStdString()); }

bool TMarketForm::Ask(const QString& title, const QString& question) {
  if (OnAsk) return OnAsk(title, question);
  if (title == Translated(MarketTexts::WarningTitle)) {
    return ShowGameMessageBox(this, FParts.Layout, QMessageBox::Warning, title, question,
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  return AskYesNo(this, question, FParts.Layout);
}

TINetMsgDlg* TMarketForm::Waiting() {
  if (FWaiting == nullptr) {
    FWaiting = new TINetMsgDlg(this, FParts.Layout);
    FWaiting->OnHidden = [this] { FInviteBtn->setEnabled(true); };
  }
  return FWaiting;
}

void TMarketForm::HideWaiting() {
  if (FWaiting != nullptr && FWaiting->isVisible()) FWaiting->hide();
}

// ---------------------------------------------------------------------------------------------
// The market page

// The chief himself is at the market too, as the other players see him there; his own name
// says so under the pointer.
void TMarketForm::MerchantEntered(TMerchant& merchant) {
  auto* item = new QListWidgetItem(QString::fromStdString(merchant.Name));
  item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(&merchant)));
  if (&merchant == Player()) item->setToolTip(Translated(MarketTexts::ThisIsYou));
  FMerchLB->addItem(item);
}

// A counterpart who leaves while a trade is shown is gone once this returns: what waited
// behind the trade is told now, while he still exists.
void TMarketForm::MerchantLeft(TMerchant& merchant) {
  if (&merchant == FCounterpart && ShowingTrade()) {
    FVisit->Scheduler().CancelTimer(FShowTimer);
    TradeSeen();
  }
  for (int row = FMerchLB->count() - 1; row >= 0; --row) {
    if (MerchantOf(FMerchLB->item(row)) == &merchant) delete FMerchLB->takeItem(row);
  }
}

void TMarketForm::MarketEvent(TMarketEvent event, TMerchant& merchant) {
  if (event == TMarketEvent::Entered) {
    MerchantEntered(merchant);
  } else {
    MerchantLeft(merchant);
  }
}

void TMarketForm::MerchLBClick() {
  const QList<QListWidgetItem*> chosen = FMerchLB->selectedItems();
  if (chosen.isEmpty()) {
    FMerchImage->hide();
    return;
  }
  const TMerchant* merchant = MerchantOf(chosen.front());
  const QImage face = FParts.Pictures.Load(FParts.PicsPath + "face" + std::to_string(merchant->ImageNo) + ".bmp");
  FMerchImage->setPixmap(face.isNull() ? QPixmap()
                                       : QPixmap::fromImage(face.scaled(FMerchImage->size(), Qt::KeepAspectRatio,
                                                                         Qt::SmoothTransformation)));
  FMerchImage->show();
  FInfoLabel->hide();
}

void TMarketForm::InviteBtnClick() {
  const QList<QListWidgetItem*> chosen = FMerchLB->selectedItems();
  if (chosen.isEmpty()) return Tell(Translated(MarketTexts::NobodyChosen));
  TMerchant* merchant = MerchantOf(chosen.front());
  const TUserMerchant* player = Player();
  if (player == nullptr || merchant == player) return Tell(Translated(MarketTexts::NotYourself));
  if (player->State != TMerchantState::Idle) return Tell(Translated(MarketTexts::AlreadyInvited));
  FCounterpart = merchant;
  FCounterpartName = QString::fromStdString(merchant->Name);
  FVisit->Invite(*FCounterpart, FLastError);
  // A computer merchant answers within a second; a player may take his time.
  if (dynamic_cast<TCPUMerchant*>(FCounterpart) == nullptr && player->State == TMerchantState::InviteSent) {
    FInviteBtn->setEnabled(false);
    Waiting()->ShowMessage(Translated(MarketTexts::WaitForAnswer), [this] { FVisit->Dismiss(FLastError); });
  }
}

// ---------------------------------------------------------------------------------------------
// The merchant's events

// While an accepted trade is being shown, what the counterpart does next waits until the player
// has seen it.
void TMarketForm::MerchantEvent(TMerchantEvent event, TUserMerchant& merchant) {
  if (ShowingTrade()) {
    FHeldEvents.push_back(event);
    return;
  }
  HandleEvent(event, merchant);
}

void TMarketForm::HandleEvent(TMerchantEvent event, TUserMerchant& merchant) {
  Guarded([this, event, &merchant] {
    HideWaiting();
    switch (event) {
      case TMerchantEvent::Invited: AnsweredInvitation(merchant); break;
      case TMerchantEvent::InviteAccepted:
        ShowTradingButtons(true, false);
        StartTrade();
        Say(MarketLines::InviteAccepted);
        break;
      case TMerchantEvent::InviteDeclined: Tell(Named(MarketTexts::DeclinesInvitation, FCounterpartName)); break;
      case TMerchantEvent::InviteBusy: Tell(Named(MarketTexts::IsBusy, FCounterpartName)); break;
      case TMerchantEvent::ProposalArrived: ShowProposal(merchant.Proposal); break;
      case TMerchantEvent::ProposalAccepted: ShowTradeMade(MarketLines::ProposalAccepted); break;
      case TMerchantEvent::ProposalDeclined: CounterpartDeclined(); break;
      case TMerchantEvent::Dismissed: CounterpartDismissed(); break;
      case TMerchantEvent::TextArrived: SayText(FBubble->Fitted(QString::fromStdString(merchant.Text))); break;
    }
  });
}

// The goods that changed hands come to their new owners and stay framed there while the
// counterpart says the trade is made and the coins ring; the player cannot propose, and nothing
// the counterpart does is shown, until the trade has stood for a while.
void TMarketForm::ShowTradeMade(std::span<const TMarketLine> lines) {
  const QList<TGoodsIcon*> traded = FTable->GoodsIcons();
  SwapTableOwners();
  ReturnTableGoods();
  for (TGoodsIcon* icon : traded) icon->SetSelected(true);
  Say(lines);
  if (FParts.Sound != nullptr) FParts.Sound->PlayWave(FParts.SoundPath + TradeSound, TradeSoundChannel, 0, false, false);
  ShowTradingButtons(false, false);
  StopShowingTrade();
  FShowTimer = FVisit->Scheduler().StartTimer(TradeShownMs, [this] { TradeSeen(); });
}

void TMarketForm::TradeSeen() {
  FShowTimer = 0;
  for (TGoodsIcon* icon : FGoods->GoodsIcons()) icon->SetSelected(false);
  const TUserMerchant* player = Player();
  if (TradePageShown() && player != nullptr && player->State == TMerchantState::MayPropose) ShowTradingButtons(true, false);
  const std::vector<TMerchantEvent> held = std::move(FHeldEvents);
  FHeldEvents.clear();
  for (const TMerchantEvent event : held) {
    if (TUserMerchant* merchant = Player(); merchant != nullptr) MerchantEvent(event, *merchant);
  }
}

// A trade ended while it was being shown takes what waited with it, all but a new invitation.
void TMarketForm::StopShowingTrade() {
  if (FShowTimer == 0) return;
  FVisit->Scheduler().CancelTimer(FShowTimer);
  FShowTimer = 0;
  const std::vector<TMerchantEvent> held = std::move(FHeldEvents);
  FHeldEvents.clear();
  for (const TMerchantEvent event : held) {
    if (TUserMerchant* merchant = Player(); merchant != nullptr && event == TMerchantEvent::Invited) {
      MerchantEvent(event, *merchant);
    }
  }
}

void TMarketForm::AnsweredInvitation(TUserMerchant& merchant) {
  TMerchant* partner = merchant.Partner;
  const QString name = partner != nullptr ? QString::fromStdString(partner->Name) : QString();
  FCounterpart = nullptr;
  FCounterpartName.clear();
  const bool yes = Ask(Translated(MarketTexts::QuestionTitle), Named(MarketTexts::Invites, name));
  if (merchant.State != TMerchantState::InviteReceived || merchant.Partner != partner) {
    Tell(Translated(MarketTexts::TiredOfWaiting));
    return;
  }
  if (!yes) {
    FVisit->AnswerInvite(TAnswer::Decline, FLastError);
    return;
  }
  ShowTradingButtons(false, false);
  FVisit->AnswerInvite(TAnswer::Accept, FLastError);
  FCounterpart = partner;
  FCounterpartName = name;
  StartTrade();
  Say(MarketLines::InviteAnswered);
}

void TMarketForm::CounterpartDeclined() {
  std::string reason;
  if (const auto* computer = dynamic_cast<const TCPUMerchant*>(FCounterpart); computer && computer->Store) {
    reason = DeclineReason(*computer->Store, computer->Proposal);
  }
  Say(MarketLines::ProposalDeclined, reason);
}

void TMarketForm::CounterpartDismissed() {
  // An inviter who gives up before the player's yes was taken leaves no trade to end: the
  // answer tells the player he came too late.
  if (FCounterpart == nullptr) return;
  QString message = Named(MarketTexts::TradesNoMore, FCounterpartName);
  const auto* computer = dynamic_cast<const TCPUMerchant*>(FCounterpart);
  const TUserMerchant* player = Player();
  if (computer != nullptr && computer->Store != nullptr && player != nullptr && player->Store != nullptr) {
    message += "\n" + QString::fromStdString(DismissReason(*computer->Store, *player->Store, PortraitSex(computer->ImageNo)));
  }
  Tell(message);
  EndTrade();
}

// ---------------------------------------------------------------------------------------------
// The trading page

void TMarketForm::ShowTradingButtons(bool mayPropose, bool answering) {
  FProposeBtn->setVisible(mayPropose);
  FAccBtn->setVisible(answering);
  FDenyBtn->setVisible(answering);
  FGoods->setEnabled(mayPropose);
}

void TMarketForm::AddUnits(const TTrade& store, std::int32_t side, TGoodsContainer* container) {
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const int shown = std::min<int>(store.Goods[static_cast<std::size_t>(kind)], MostUnitsShown);
    for (int n = 0; n < shown; ++n) {
      FIcons.push_back(std::make_unique<TGoodsIcon>(static_cast<TGoodsKind>(kind), 0, 0, side, &FParts.GoodsPictures));
      FIcons.back()->SetContainer(container);
      FGoods->AddIcon(FIcons.back().get());
    }
  }
}

void TMarketForm::ClearUnits() {
  for (const auto& icon : FIcons) {
    icon->SetContainer(nullptr);
    FGoods->RemoveIcon(icon.get());
  }
  FIcons.clear();
}

void TMarketForm::ComposeBackground(std::int32_t imageNo) {
  QImage scene = FParts.Pictures.Load(FParts.PicsPath + "Trade.bmp");
  if (scene.isNull()) {
    scene = QImage(TGoodsDivider::PageSize, QImage::Format_RGB32);
    scene.fill(QColor(90, 70, 50));
  }
  const QImage person = FParts.Pictures.Load(FParts.PicsPath + "trade" + std::to_string(imageNo) + ".bmp");
  if (!person.isNull()) {
    const TPicturePlace place = TradingPicturePlace(imageNo);
    QPainter painter(&scene);
    painter.drawImage(place.X, place.Y, person);
  }
  FBackground = QPixmap::fromImage(scene);
  FGoods->SetBackground(FBackground);
}

void TMarketForm::StartTrade() {
  ClearUnits();
  const TTrade* theirs = FCounterpart != nullptr ? FCounterpart->Store : nullptr;
  const TUserMerchant* player = Player();
  const TTrade* mine = player != nullptr ? player->Store : nullptr;
  if (theirs != nullptr) FCounterpartGoods->Demands = theirs->Demands;
  if (mine != nullptr) FPlayerGoods->Demands = mine->Demands;
  if (theirs != nullptr) AddUnits(*theirs, SideCounterpart, FCounterpartGoods.get());
  if (mine != nullptr) AddUnits(*mine, SidePlayer, FPlayerGoods.get());
  FCounterpartGoods->Arrange();
  FPlayerGoods->Arrange();
  ComposeBackground(FCounterpart != nullptr ? FCounterpart->ImageNo : 0);
  FCounterPartNameLabel->setText(FCounterpartName);
  FNameLabel->setText(player != nullptr ? QString::fromStdString(player->Name) : QString());
  FCounterPartNameLabel->raise();
  FNameLabel->raise();
  FHowToLabel->raise();
  FGoods->NameTip()->hide();
  FPageControl->setCurrentWidget(FTradePage);
  FGoods->setFocus();
}

std::vector<TGoodsUnit> TMarketForm::TableUnits() const {
  std::vector<TGoodsUnit> units;
  for (const TGoodsIcon* icon : FTable->GoodsIcons()) units.push_back(icon->Unit());
  return units;
}

void TMarketForm::ShowProposal(const TProposal& deltas) {
  const QList<TGoodsIcon*> icons = FGoods->GoodsIcons();
  std::vector<TGoodsUnit> units;
  for (TGoodsIcon* icon : icons) {
    icon->SetContainer(icon->Owner() == SideCounterpart ? FCounterpartGoods.get() : FPlayerGoods.get());
    units.push_back(icon->Unit());
  }
  const std::vector<bool> onTable = UnitsShowingProposal(units, deltas);
  for (qsizetype i = 0; i < icons.size(); ++i) {
    if (onTable[static_cast<std::size_t>(i)]) icons[i]->SetContainer(FTable.get());
  }
  FCounterpartGoods->Arrange();
  FPlayerGoods->Arrange();
  FTable->Arrange();
  Say(MarketLines::Proposing);
  ShowTradingButtons(false, true);
}

void TMarketForm::SwapTableOwners() {
  for (TGoodsIcon* icon : FTable->GoodsIcons()) {
    icon->SetOwner(icon->Owner() == SideCounterpart ? SidePlayer : SideCounterpart);
  }
  FTable->Arrange();
}

void TMarketForm::ReturnTableGoods() {
  for (TGoodsIcon* icon : FTable->GoodsIcons()) {
    icon->SetContainer(icon->Owner() == SideCounterpart ? FCounterpartGoods.get() : FPlayerGoods.get());
  }
  FGoods->ArrangeAll();
}

void TMarketForm::EndTrade() {
  StopShowingTrade();
  ClearUnits();
  FCounterpart = nullptr;
  FCounterpartName.clear();
  FBubble->SetText(QString());
  FPageControl->setCurrentWidget(FMarketPage);
  FInviteBtn->setEnabled(true);
}

void TMarketForm::Say(std::span<const TMarketLine> lines, const std::string& extra) {
  const TMarketLine& line = PickMarketLine(lines, FParts.Random);
  QString text = Translated(line.Text);
  if (!extra.empty()) text += " " + QString::fromStdString(extra);
  SayText(text);
  if (FParts.Sound != nullptr) {
    FParts.Sound->PlayWave(FParts.SoundPath + line.Recording + ".wav", RecordingChannel, 0, false, true);
  }
}

void TMarketForm::SayText(const QString& text) {
  FBubble->SetText(text);
  FBubble->Invalidate();
}

void TMarketForm::StopRecording() {
  if (FParts.Sound != nullptr) FParts.Sound->StopWave(RecordingChannel);
}

void TMarketForm::ProposeBtnClick() {
  StopRecording();
  const TTableProposal proposal = ProposalOnTable(TableUnits());
  if (!proposal.FromBothSides() &&
      !Ask(Translated(MarketTexts::WarningTitle), Translated(MarketTexts::OneSidedProposal))) {
    return;
  }
  FVisit->Propose(proposal.Deltas, FLastError);
  Say(MarketLines::Considering);
  ShowTradingButtons(false, false);
}

// A proposal the village cannot pay is not accepted: the player is told why, and may still
// decline it or leave.
void TMarketForm::AccBtnClick() {
  StopRecording();
  if (const std::string refusal = FVisit->AcceptRefusal(); !refusal.empty()) return Tell(QString::fromStdString(refusal));
  FVisit->AnswerProposal(TAnswer::Accept, FLastError);
  ShowTradeMade(MarketLines::PlayerAccepted);
}

void TMarketForm::DenyBtnClick() {
  StopRecording();
  FVisit->AnswerProposal(TAnswer::Decline, FLastError);
  Say(MarketLines::PlayerDeclined);
  ShowTradingButtons(true, false);
}

void TMarketForm::DismissBtnClick() {
  StopRecording();
  FVisit->Dismiss(FLastError);
  EndTrade();
}

void TMarketForm::ChatBtnClick() {
  StopRecording();
  const QString text = FChatEdit->text();
  if (text.isEmpty()) return;
  FVisit->SendText(text.toStdString(), FLastError);
  FChatEdit->clear();
}

}  // namespace fjordheim

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/common/catalog.h"
#include "core/common/translation.h"
#include "core/trade/cpu_merchant.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/market_lines.h"
#include "core/trade/market_visit.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/council/text_bubbla.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/inet_msg_dlg.h"
#include "gui/trade/market_dlg.h"
#include "gui/trade/market_form.h"
#include "gui/trade/separated_goods_container.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/goods_on_page.h"

namespace fjordheim {
namespace {

// The pictures the build makes for the game; without them the window shows empty places.
std::string PicturesFolder() {
  return (QCoreApplication::applicationDirPath() + "/../../game/Bilder/").toStdString();
}

QStringList Texts(const std::vector<std::string>& messages) {
  QStringList texts;
  for (const std::string& message : messages) texts.push_back(QString::fromStdString(message));
  return texts;
}

TCPUMerchantData Merchant(const char* name, std::int32_t image, TGoodsCounts goods, TGoodsCounts demands) {
  TCPUMerchantData merchant;
  merchant.Name = name;
  merchant.ImageNo = image;
  merchant.Store = TTrade{goods, demands};
  return merchant;
}

// Kaupang with both merchants of the settings, on a hand-driven clock: the village lacks
// iron; Tore has iron to spare and lacks amber, jewellery and weapons; Gunnar wants nothing.
TMarketSettings Settings() {
  TMarketSettings settings;
  TMarketData kaupang;
  kaupang.Name = "Kaupang i Vestfold";
  kaupang.CPUMerchants = 2;
  settings.Markets.push_back(kaupang);
  settings.CPUMerchants.push_back(Merchant("Tore Jernhånd", 4, {2, 0, 5, 6, 0, 1}, {1, 2, 1, 1, 3, 3}));
  settings.CPUMerchants.push_back(Merchant("Gunnar", 8, {3, 3, 3, 3, 3, 3}, {}));
  return settings;
}

class MarketWindow : public ::testing::Test {
 protected:
  MarketWindow() {
    FGoodsPictures = CreatePictureList(qRgb(255, 0, 255), {"i_silver", "i_barnst", "i_furs", "i_iron", "i_jewel", "i_weap"},
                                       PicturesFolder(), FLoader);
    FBubblePictures = CreatePictureList(qRgb(255, 0, 255), {"bubbla1", "bubbla2", "bubbla3"}, PicturesFolder(), FLoader);
    FForm = std::make_unique<TMarketForm>(
        nullptr, TMarketWindowParts{PicturesFolder(), "", FLoader, FBubblePictures, FGoodsPictures, nullptr, FRandom,
                                    FSink, TGameLayout()});
    FForm->OnAsk = [this](const QString& title, const QString& question) {
      FQuestions.push_back(title + ": " + question);
      return FAnswer;
    };
    EXPECT_TRUE(FForm->OpenChosenMarket(FVisit, 0, "Astrid", 2, FVillage));
    FClock.RunPosted();
    FForm->resize(640, 480);
    FForm->show();
  }
  ~MarketWindow() override {
    FForm->LeaveMarket();
    FForm.reset();
    FVisit.Close();
  }

  int Row(const char* name) {
    for (int row = 0; row < FForm->MerchLB()->count(); ++row) {
      if (FForm->MerchLB()->item(row)->text() == QString::fromUtf8(name)) return row;
    }
    ADD_FAILURE() << name << " is not at the market";
    return -1;
  }
  TMerchant& Present(const char* name) {
    for (TMerchant* merchant : FVisit.Market()->Merchants) {
      if (merchant->Name == name) return *merchant;
    }
    throw std::runtime_error(name);
  }
  void Choose(const char* name) { FForm->MerchLB()->setCurrentRow(Row(name)); }
  // The computer merchant's second passes, and what it told the window arrives.
  void Wait() { FClock.Advance(TCPUMerchant::TimerInterval); }
  void TradeWithTore() {
    Choose("Tore Jernhånd");
    FForm->InviteBtnClick();
    Wait();
    ASSERT_TRUE(FForm->TradePageShown());
  }
  // Puts count units of a side's kind on the table, as a drag would.
  void OnTable(std::int32_t side, TGoodsKind kind, int count) {
    TGoodsContainer* from = side == SideCounterpart ? FForm->CounterpartGoods() : FForm->PlayerGoods();
    for (TGoodsIcon* icon : from->GoodsIcons()) {
      if (count == 0) break;
      if (icon->Kind() != kind) continue;
      icon->SetContainer(FForm->Table());
      --count;
    }
    FForm->Goods()->ArrangeAll();
  }
  int Units(TGoodsContainer* container, TGoodsKind kind) {
    return container->PresentUnits()[static_cast<std::size_t>(kind)];
  }
  int Dots(TGoodsContainer* container) {
    return static_cast<int>(MissingDemandDots(container->Bounds(), container->MarginX, container->MarginY,
                                              container->Demands, container->PresentUnits())
                                .size());
  }
  const TTrade& ToreStore() { return *Present("Tore Jernhånd").Store; }

  TRandom FRandom{42};
  TManualScheduler FClock;
  TCollectingMessageSink FSink;
  TPictureLoader FLoader;
  TPictureList FGoodsPictures;
  TPictureList FBubblePictures;
  TTrade FVillage = TTrade{{2, 4, 6, 0, 1, 2}, {1, 1, 2, 3, 1, 1}};
  TMarketVisit FVisit{Settings(), FClock, FRandom};
  std::unique_ptr<TMarketForm> FForm;
  QStringList FQuestions;
  bool FAnswer = true;
};

// The window speaks the language whose catalog is in use when it is made, and goes back to
// Bokmål after the test.
class TCatalogInUse {
 protected:
  explicit TCatalogInUse(std::string_view language) {
    UseCatalog(std::make_shared<const TCatalog>(TCatalog::FromFolder(FJORDHEIM_CATALOG_DIR, language)));
  }
  ~TCatalogInUse() { UseCatalog(nullptr); }
};

class NynorskMarketWindow : private TCatalogInUse, public MarketWindow {
 protected:
  NynorskMarketWindow() : TCatalogInUse("nn") {}
};

class EnglishMarketWindow : private TCatalogInUse, public MarketWindow {
 protected:
  EnglishMarketWindow() : TCatalogInUse("en") {}
};

bool SaysOneOfTranslated(const TTextBubbla& bubble, std::span<const TMarketLine> lines) {
  for (const TMarketLine& line : lines) {
    if (bubble.Text().startsWith(QString::fromStdString(Tr(line.Text)))) return true;
  }
  return false;
}

TEST_F(MarketWindow, ThePeopleAtTheMarketAreListedWithTheirFaces) {
  ASSERT_EQ(FForm->MerchLB()->count(), 3);
  EXPECT_EQ(FForm->MerchLB()->item(2)->text(), QString::fromUtf8("Astrid")) << "the player enters last";
  EXPECT_TRUE(FForm->InfoLabel()->isVisible());
  const QColor text = FForm->InfoLabel()->palette().color(QPalette::WindowText);
  const QColor panel = FForm->InfoLabel()->parentWidget()->palette().color(QPalette::Window);
  EXPECT_GT(std::abs(text.lightness() - panel.lightness()), 100) << "the hint must be readable on its panel";
  Choose("Tore Jernhånd");
  EXPECT_TRUE(FForm->MerchImage()->isVisible());
  EXPECT_FALSE(FForm->InfoLabel()->isVisible());
  SaveScreenshot(*FForm->Screen(), "market_page");
  FForm->LeaveMarket();
  EXPECT_EQ(FForm->MerchLB()->count(), 2) << "a departure is gone from the list at once";
}

TEST_F(MarketWindow, WrongInvitationsAreRefusedWithTheirMessages) {
  FForm->InviteBtnClick();
  Choose("Astrid");
  FForm->InviteBtnClick();
  EXPECT_EQ(Texts(FSink.Messages), (QStringList{QString::fromUtf8("Du har ikke valgt noen du vil invitere til handel."),
                                                 QString::fromUtf8("Du kan ikke handle med deg selv.")}));
  EXPECT_EQ(FForm->Player()->State, TMerchantState::Idle);
  EXPECT_FALSE(FForm->TradePageShown());
}

TEST_F(MarketWindow, AnInvitedMerchantAnswersAfterASecondAndLaysOutBothSidesGoods) {
  Choose("Tore Jernhånd");
  FForm->InviteBtnClick();
  FClock.RunPosted();
  EXPECT_FALSE(FForm->TradePageShown()) << "the merchant answers only after its second";
  FForm->InviteBtnClick();
  EXPECT_EQ(Texts(FSink.Messages), QStringList{QString::fromUtf8("Du har allerede invitert en handelsmann.")});
  Wait();
  ASSERT_TRUE(FForm->TradePageShown());
  EXPECT_EQ(FForm->CounterpartGoods()->Items().size(), 14);
  EXPECT_EQ(FForm->PlayerGoods()->Items().size(), 15);
  EXPECT_EQ(Dots(FForm->PlayerGoods()), 3) << "the village lacks three iron";
  EXPECT_EQ(FForm->CounterPartNameLabel()->text(), QString::fromUtf8("Tore Jernhånd"));
  EXPECT_EQ(FForm->NameLabel()->text(), QStringLiteral("Astrid"));
  EXPECT_TRUE(FForm->ProposeBtn()->isVisible());
  EXPECT_FALSE(FForm->AccBtn()->isVisible());
  EXPECT_TRUE(FForm->Goods()->isEnabled());
  EXPECT_FALSE(FForm->Bubble()->Text().isEmpty());
}

TEST_F(MarketWindow, AOneSidedProposalIsQuestionedAndNoChangesNothing) {
  TradeWithTore();
  OnTable(SidePlayer, TGoodsKind::Furs, 2);
  FAnswer = false;
  FForm->ProposeBtnClick();
  ASSERT_EQ(FQuestions.size(), 1);
  EXPECT_TRUE(FQuestions.front().startsWith(QString::fromUtf8("Advarsel: Du gir et bud ved å dra varer fra BÅDE deg")));
  EXPECT_EQ(Present("Tore Jernhånd").State, TMerchantState::AwaitingProposal);
  EXPECT_EQ(FForm->Table()->Items().size(), 2);
  EXPECT_TRUE(FForm->ProposeBtn()->isVisible());
  EXPECT_TRUE(FForm->Goods()->isEnabled());
}

TEST_F(MarketWindow, ADeclinedProposalStaysOnTheTableAndTheMerchantSaysWhy) {
  TradeWithTore();
  OnTable(SideCounterpart, TGoodsKind::Iron, 3);
  OnTable(SidePlayer, TGoodsKind::Silver, 1);
  FForm->ProposeBtnClick();
  EXPECT_TRUE(FQuestions.isEmpty());
  EXPECT_FALSE(FForm->Goods()->isEnabled());
  EXPECT_FALSE(FForm->ProposeBtn()->isVisible());
  Wait();
  EXPECT_EQ(FForm->Table()->Items().size(), 4);
  EXPECT_TRUE(FForm->Bubble()->Text().endsWith(QString::fromUtf8(" Jeg trenger smykker, ikke sølv.")))
      << FForm->Bubble()->Text().toStdString();
  EXPECT_EQ(FVillage.Goods, (TGoodsCounts{2, 4, 6, 0, 1, 2}));
  SaveScreenshot(*FForm->Screen(), "trading_page_declined");

  // A second later the merchant raises the proposal by a weapon it lacks; the player takes it.
  Wait();
  ASSERT_TRUE(FForm->AccBtn()->isVisible());
  ASSERT_TRUE(FForm->DenyBtn()->isVisible());
  EXPECT_EQ(FForm->Table()->Items().size(), 5);
  SaveScreenshot(*FForm->Screen(), "trading_page_counter_offer");
  FForm->AccBtnClick();
  EXPECT_EQ(FVillage.Goods, (TGoodsCounts{1, 4, 6, 3, 1, 1}));
  EXPECT_EQ(ToreStore().Goods, (TGoodsCounts{3, 0, 5, 3, 0, 2}));
  EXPECT_TRUE(FForm->Traded());
  EXPECT_TRUE(FForm->Table()->Items().isEmpty());
  EXPECT_EQ(Units(FForm->PlayerGoods(), TGoodsKind::Iron), 3);
  EXPECT_EQ(Units(FForm->CounterpartGoods(), TGoodsKind::Weapons), 2);
  EXPECT_EQ(Dots(FForm->PlayerGoods()), 0) << "the iron the village lacked has come";
  SaveScreenshot(*FForm->Screen(), "trading_page_after_trade");
  EXPECT_FALSE(FForm->ProposeBtn()->isVisible()) << "the trade is shown before the next one";
  FClock.Advance(TradeShownMs);
  EXPECT_TRUE(FForm->ProposeBtn()->isVisible());
}

// The village's store may have changed under a proposal (a network partner's view of it is
// old): the acceptance is refused with the reason, and the player may still decline.
TEST_F(MarketWindow, AProposalTheVillageCannotPayIsRefusedWithTheReason) {
  TradeWithTore();
  OnTable(SideCounterpart, TGoodsKind::Iron, 3);
  OnTable(SidePlayer, TGoodsKind::Silver, 1);
  FForm->ProposeBtnClick();
  Wait();
  Wait();
  ASSERT_TRUE(FForm->AccBtn()->isVisible());
  const TProposal proposal = FForm->Player()->Proposal;
  ASSERT_LT(proposal[0], 0) << "the counter-offer asks for the village's silver";
  FVillage.Goods[0] = 0;
  const TGoodsCounts before = FVillage.Goods;
  FForm->AccBtnClick();
  EXPECT_EQ(Texts(FSink.Messages), QStringList{QString::fromUtf8("Du har ikke nok sølv til dette byttet.")});
  EXPECT_EQ(FVillage.Goods, before);
  EXPECT_FALSE(FForm->Traded());
  EXPECT_EQ(FForm->Player()->State, TMerchantState::ProposalReceived);
  EXPECT_TRUE(FForm->AccBtn()->isVisible());
  EXPECT_FALSE(FForm->Bubble()->Text().startsWith(QString::fromUtf8("Neivel")));
  FForm->DenyBtnClick();
  EXPECT_EQ(FForm->Player()->State, TMerchantState::MayPropose);
}

TEST_F(MarketWindow, AnAcceptedProposalBringsTheUnitsHomeAndCoversTheDots) {
  TradeWithTore();
  OnTable(SideCounterpart, TGoodsKind::Iron, 2);
  OnTable(SidePlayer, TGoodsKind::Amber, 2);
  SaveScreenshot(*FForm->Screen(), "trading_page_units_on_table");
  FForm->ProposeBtnClick();
  Wait();
  EXPECT_TRUE(FForm->Traded());
  EXPECT_EQ(FVillage.Goods, (TGoodsCounts{2, 2, 6, 2, 1, 2}));
  EXPECT_EQ(Units(FForm->PlayerGoods(), TGoodsKind::Iron), 2);
  EXPECT_EQ(Units(FForm->CounterpartGoods(), TGoodsKind::Amber), 2);
  EXPECT_EQ(Dots(FForm->PlayerGoods()), 1);
  EXPECT_EQ(Dots(FForm->CounterpartGoods()), 3 + 2) << "Tore still lacks jewellery and weapons";
}

TEST_F(MarketWindow, AMerchantWhoWantsNothingLeavesAndThePlayerMayInviteAgain) {
  Choose("Gunnar");
  FForm->InviteBtnClick();
  Wait();
  OnTable(SideCounterpart, TGoodsKind::Silver, 1);
  OnTable(SidePlayer, TGoodsKind::Furs, 1);
  FForm->ProposeBtnClick();
  Wait();
  EXPECT_TRUE(FForm->Traded());
  Wait();
  EXPECT_TRUE(FSink.Messages.empty()) << "the merchant leaves only once the trade has been seen";
  FClock.Advance(TradeShownMs);
  EXPECT_EQ(Texts(FSink.Messages),
            QStringList{QString::fromUtf8("Gunnar vil ikke handle mer!\nHan har alt han trenger.")});
  EXPECT_FALSE(FForm->TradePageShown());
  EXPECT_TRUE(FForm->Goods()->Icons().isEmpty());
  EXPECT_TRUE(FForm->InviteBtn()->isEnabled());
  Choose("Tore Jernhånd");
  FForm->InviteBtnClick();
  Wait();
  EXPECT_TRUE(FForm->TradePageShown());
}

bool SaysOneOf(const TTextBubbla& bubble, std::span<const TMarketLine> lines) {
  for (const TMarketLine& line : lines) {
    if (bubble.Text() == QString::fromUtf8(line.Text)) return true;
  }
  return false;
}

// The child sees the trade made: the merchant's word, the goods framed in their new places, and
// the merchant's next proposal only once the trade has stood for a while.
TEST_F(MarketWindow, AnAcceptedTradeStandsOnThePageBeforeTheNextProposal) {
  TradeWithTore();
  OnTable(SideCounterpart, TGoodsKind::Iron, 2);
  OnTable(SidePlayer, TGoodsKind::Amber, 2);
  FForm->ProposeBtnClick();
  Wait();
  ASSERT_TRUE(FForm->Traded());
  ASSERT_TRUE(FForm->ShowingTrade());
  EXPECT_TRUE(SaysOneOf(*FForm->Bubble(), MarketLines::ProposalAccepted)) << FForm->Bubble()->Text().toStdString();
  int framed = 0;
  for (TGoodsIcon* icon : FForm->Goods()->GoodsIcons()) {
    if (!icon->Selected()) continue;
    ++framed;
    const bool arrived = (icon->Kind() == TGoodsKind::Iron && icon->GoodsContainer() == FForm->PlayerGoods()) ||
                         (icon->Kind() == TGoodsKind::Amber && icon->GoodsContainer() == FForm->CounterpartGoods());
    EXPECT_TRUE(arrived) << "only the units that changed hands are framed";
  }
  EXPECT_EQ(framed, 4);
  EXPECT_FALSE(FForm->Goods()->isEnabled());
  SaveScreenshot(*FForm->Screen(), "trading_page_trade_made");
  // Tore's own proposal is ready a second later, but waits.
  Wait();
  FClock.Advance(TradeShownMs - TCPUMerchant::TimerInterval - 1);
  EXPECT_FALSE(FForm->AccBtn()->isVisible());
  EXPECT_TRUE(SaysOneOf(*FForm->Bubble(), MarketLines::ProposalAccepted));
  FClock.Advance(2);
  EXPECT_FALSE(FForm->ShowingTrade());
  EXPECT_TRUE(FForm->AccBtn()->isVisible()) << "the proposal that waited is shown";
  EXPECT_TRUE(SaysOneOf(*FForm->Bubble(), MarketLines::Proposing));
  for (TGoodsIcon* icon : FForm->Goods()->GoodsIcons()) EXPECT_FALSE(icon->Selected());
}

// Leaving while a trade is shown ends it at once; nothing of it comes back later.
TEST_F(MarketWindow, LeavingWhileATradeIsShownEndsItAtOnce) {
  TradeWithTore();
  OnTable(SideCounterpart, TGoodsKind::Iron, 2);
  OnTable(SidePlayer, TGoodsKind::Amber, 2);
  FForm->ProposeBtnClick();
  Wait();
  ASSERT_TRUE(FForm->ShowingTrade());
  Wait();
  FForm->DismissBtnClick();
  EXPECT_FALSE(FForm->ShowingTrade());
  EXPECT_FALSE(FForm->TradePageShown());
  FClock.Advance(10 * TradeShownMs);
  EXPECT_FALSE(FForm->TradePageShown());
  EXPECT_TRUE(FSink.Messages.empty());
}

TEST_F(MarketWindow, EachUnitSaysItsKindAndCountUnderThePointerAndToTheKeys) {
  TradeWithTore();
  QLabel* tip = FForm->Goods()->NameTip();
  EXPECT_FALSE(tip->isVisible());
  const QList<TGoodsIcon*> iron = UnitsOf(FForm->CounterpartGoods(), TGoodsKind::Iron);
  ASSERT_EQ(iron.size(), 6);
  QMouseEvent move(QEvent::MouseMove, QPointF(Centre(iron[2])), QPointF(Centre(iron[2])), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->Goods(), &move);
  ASSERT_TRUE(tip->isVisible());
  EXPECT_EQ(tip->text(), QString::fromUtf8("Jern: 6"));
  EXPECT_LE(tip->geometry().bottom(), iron[2]->Bounds().Top) << "the name stands above the unit";
  SaveScreenshot(*FForm->Screen(), "trading_page_unit_name");
  OnTable(SidePlayer, TGoodsKind::Furs, 2);
  const QList<TGoodsIcon*> furs = UnitsOf(FForm->Table(), TGoodsKind::Furs);
  ASSERT_EQ(furs.size(), 2);
  EXPECT_EQ(FForm->Goods()->KindLabel(*furs[0]), QString::fromUtf8("Pels: 2"));
  EXPECT_EQ(FForm->Goods()->KindLabel(*UnitsOf(FForm->PlayerGoods(), TGoodsKind::Furs)[0]), QString::fromUtf8("Pels: 4"));
  QMouseEvent away(QEvent::MouseMove, QPointF(600, 300), QPointF(600, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->Goods(), &away);
  EXPECT_FALSE(tip->isVisible());
  // The keys choose the first unit in reading order: the counterpart's silver.
  QTest::keyClick(FForm->Goods(), Qt::Key_Right);
  ASSERT_TRUE(tip->isVisible());
  EXPECT_EQ(tip->text(), QString::fromUtf8("Sølv: 2"));
}

TEST_F(MarketWindow, TheTradingPageSaysHowToTradeWithoutCoveringTheGoods) {
  TradeWithTore();
  const QLabel* line = FForm->HowToLabel();
  ASSERT_TRUE(line->isVisible());
  EXPECT_TRUE(line->text().contains(QString::fromUtf8("Dra varer")));
  EXPECT_TRUE(line->text().contains(QString::fromUtf8("rød prikk")));
  const QRect where = line->geometry();
  const std::vector<const TGoodsContainer*> containers = {FForm->CounterpartGoods(), FForm->PlayerGoods(), FForm->Table()};
  for (const TGoodsContainer* container : containers) {
    const TWorkRect& b = container->Bounds();
    EXPECT_FALSE(where.intersects(QRect(b.Left, b.Top, b.Width(), b.Height())));
  }
  const TWorkRect& bubble = FForm->Bubble()->Bounds();
  EXPECT_FALSE(where.intersects(QRect(bubble.Left, bubble.Top, bubble.Width(), bubble.Height())));
  for (const QWidget* button : {static_cast<const QWidget*>(FForm->AccBtn()), static_cast<const QWidget*>(FForm->ProposeBtn()),
                                static_cast<const QWidget*>(FForm->DenyBtn())}) {
    EXPECT_FALSE(where.intersects(button->geometry()));
  }
}

TEST_F(MarketWindow, TheChiefsOwnNameIsListedAsHimself) {
  const QListWidgetItem* own = FForm->MerchLB()->item(Row("Astrid"));
  EXPECT_EQ(own->toolTip(), QString::fromUtf8("Dette er deg selv."));
  EXPECT_TRUE(FForm->MerchLB()->item(Row("Gunnar"))->toolTip().isEmpty());
}

TEST_F(MarketWindow, TheChatSendsOnlyWhatWasWritten) {
  TradeWithTore();
  FForm->SetChatVisible(true);
  QTest::keyClick(FForm->ChatEdit(), Qt::Key_Return);
  EXPECT_TRUE(Present("Tore Jernhånd").Text.empty());
  FForm->ChatEdit()->setText(QString::fromUtf8("Hei på deg"));
  QTest::keyClick(FForm->ChatEdit(), Qt::Key_Return);
  EXPECT_EQ(Present("Tore Jernhånd").Text, "Hei på deg");
  EXPECT_TRUE(FForm->ChatEdit()->text().isEmpty());
}

TEST_F(MarketWindow, LeavingTheTableEndsTheTradeAndTheMerchantIsFreeAgain) {
  TradeWithTore();
  FForm->DismissBtnClick();
  EXPECT_FALSE(FForm->TradePageShown());
  EXPECT_EQ(Present("Tore Jernhånd").State, TMerchantState::Idle);
  EXPECT_EQ(FForm->Player()->State, TMerchantState::Idle);
  EXPECT_FALSE(FForm->Traded());
}

// A merchant's line, his reason and the goods' names are the player's language; the names of
// people stay as they are.
TEST_F(NynorskMarketWindow, EveryTextOfTheMarketAndTheTradeIsNynorsk) {
  FForm->InviteBtnClick();
  EXPECT_EQ(Texts(FSink.Messages), QStringList{QString::fromUtf8("Du har ikkje valt nokon du vil invitere til handel.")});
  EXPECT_TRUE(FForm->InviteBtn()->toolTip().startsWith(QString::fromUtf8("Inviter kjøpmannen til handel (")));
  EXPECT_EQ(FForm->Avsluta()->text(), QString::fromUtf8("Forlat marknaden"));
  SaveScreenshot(*FForm->Screen(), "market_page_nn");
  TradeWithTore();
  EXPECT_TRUE(SaysOneOfTranslated(*FForm->Bubble(), MarketLines::InviteAccepted)) << FForm->Bubble()->Text().toStdString();
  EXPECT_TRUE(FForm->Bubble()->Text().contains(QString::fromUtf8("høvding")));
  EXPECT_TRUE(FForm->HowToLabel()->text().startsWith(QString::fromUtf8("Dra varer ut på bordet og trykk Føreslå.")));
  const TGoodsIcon* jewel = UnitsOf(FForm->PlayerGoods(), TGoodsKind::Jewellery).front();
  QMouseEvent move(QEvent::MouseMove, QPointF(Centre(jewel)), QPointF(Centre(jewel)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->Goods(), &move);
  EXPECT_EQ(FForm->Goods()->NameTip()->text(), QString::fromUtf8("Smykke: 1"));
  SaveScreenshot(*FForm->Screen(), "trading_page_tip_nn");
  OnTable(SideCounterpart, TGoodsKind::Iron, 3);
  OnTable(SidePlayer, TGoodsKind::Silver, 1);
  FForm->ProposeBtnClick();
  Wait();
  EXPECT_TRUE(SaysOneOfTranslated(*FForm->Bubble(), MarketLines::ProposalDeclined));
  EXPECT_TRUE(FForm->Bubble()->Text().endsWith(QString::fromUtf8(" Eg treng smykke, ikkje sølv.")))
      << FForm->Bubble()->Text().toStdString();
  SaveScreenshot(*FForm->Screen(), "trading_page_declined_nn");
}

TEST_F(EnglishMarketWindow, EveryTextOfTheMarketAndTheTradeIsEnglish) {
  Choose("Tore Jernhånd");
  EXPECT_EQ(FForm->Avsluta()->text(), QString::fromUtf8("Leave the market"));
  SaveScreenshot(*FForm->Screen(), "market_page_en");
  TradeWithTore();
  EXPECT_TRUE(SaysOneOfTranslated(*FForm->Bubble(), MarketLines::InviteAccepted)) << FForm->Bubble()->Text().toStdString();
  const TGoodsIcon* jewel = UnitsOf(FForm->PlayerGoods(), TGoodsKind::Jewellery).front();
  QMouseEvent move(QEvent::MouseMove, QPointF(Centre(jewel)), QPointF(Centre(jewel)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(FForm->Goods(), &move);
  EXPECT_EQ(FForm->Goods()->NameTip()->text(), QStringLiteral("Jewellery: 1"));
  SaveScreenshot(*FForm->Screen(), "trading_page_tip_en");
  OnTable(SideCounterpart, TGoodsKind::Iron, 3);
  FAnswer = false;
  FForm->ProposeBtnClick();
  ASSERT_EQ(FQuestions.size(), 1);
  EXPECT_TRUE(FQuestions.front().startsWith("Warning: You make an offer by dragging goods from BOTH"))
      << FQuestions.front().toStdString();
  OnTable(SidePlayer, TGoodsKind::Silver, 1);
  FForm->ProposeBtnClick();
  Wait();
  EXPECT_TRUE(FForm->Bubble()->Text().endsWith(" I need jewellery, not silver.")) << FForm->Bubble()->Text().toStdString();
  SaveScreenshot(*FForm->Screen(), "trading_page_declined_en");
}

// The choice of market and the wait for a player's answer, as the player sees them.
TEST_F(EnglishMarketWindow, TheMarketChoiceAndTheWaitingWindowAreEnglish) {
  TMarketDlg choice(nullptr, TGameLayout());
  choice.SetMarkets({QStringLiteral("Kaupang in Vestfold"), QStringLiteral("The network market")});
  QString told;
  choice.OnMessage = [&told](const QString& text) { told = text; };
  choice.show();
  EXPECT_EQ(choice.windowTitle(), QStringLiteral("Choose a market"));
  SaveScreenshot(choice, "market_choice_en");
  choice.OkBtnClick();
  EXPECT_EQ(told, QStringLiteral("You have not chosen a market."));
  FForm->Waiting()->ShowMessage(QString::fromStdString(Tr(MarketTexts::WaitForAnswer)), [] {});
  EXPECT_EQ(FForm->Waiting()->windowTitle(), QStringLiteral("Internet"));
  SaveScreenshot(*FForm->Waiting(), "network_waiting_en");
  FForm->Waiting()->hide();
}

TEST_F(NynorskMarketWindow, TheMarketChoiceAndTheWaitingWindowAreNynorsk) {
  TMarketDlg choice(nullptr, TGameLayout());
  choice.SetMarkets({QStringLiteral("Kaupang i Vestfold"), QStringLiteral("Nettmarknaden")});
  choice.show();
  EXPECT_EQ(choice.windowTitle(), QStringLiteral("Vel marknad"));
  SaveScreenshot(choice, "market_choice_nn");
  FForm->Waiting()->ShowMessage(QString::fromStdString(Tr(MarketTexts::WaitForAnswer)), [] {});
  EXPECT_EQ(FForm->Waiting()->windowTitle(), QStringLiteral("Internett"));
  SaveScreenshot(*FForm->Waiting(), "network_waiting_nn");
  FForm->Waiting()->hide();
}

}  // namespace
}  // namespace fjordheim

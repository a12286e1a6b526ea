#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/trade/market_lines.h"
#include "core/trade/market_listener.h"
#include "core/trade/merchant_listener.h"
#include "core/trade/scheduler.h"
#include "core/trade/table_proposal.h"
#include "gui/controls/picture_list.h"
#include "gui/dialogs/game_layout.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace fjordheim {

class TGoodsContainer;
class TGoodsDivider;
class TGoodsIcon;
class TINetMsgDlg;
class TMarketVisit;
class TMerchant;
class TPictureButton;
class TPictureLoader;
class TScaledView;
class TSeparatedGoodsContainer;
class TSoundPlayer;
class TTextBubbla;
class TTrade;
class TUserMerchant;

/// What the market window needs of the game: its pictures, sounds, random numbers and
/// message boxes.
struct TMarketWindowParts {
  std::string PicsPath;
  std::string SoundPath;
  TPictureLoader& Pictures;
  const TPictureList& BubblePictures;
  const TPictureList& GoodsPictures;
  /// Null plays nothing.
  TSoundPlayer* Sound = nullptr;
  TRandom& Random;
  TMessageSink& Sink;
  TGameLayout Layout;
};

/// The window of one market visit, the whole screen with the 640 × 480 game scaled into
/// it. The market page shows who is at the market and lets the player invite one of them;
/// the trading page lays both parties' goods on a table scene, where the player drags
/// units onto the table, proposes, and answers the counterpart's proposals while the
/// counterpart speaks in a bubble. The merchants decide; the window shows and asks.
class TMarketForm : public QDialog, public TMerchantListener, public TMarketListener {
 public:
  TMarketForm(QWidget* parent, TMarketWindowParts parts);
  ~TMarketForm() override;

  /// Lets the chief choose a market, opens it for him with his name, face and the village's
  /// store, and shows the window until he leaves. False when he chose none, or the market
  /// could not be opened (he has been told why).
  bool OpenMarket(TMarketVisit& visit, const std::string& name, std::int32_t imageNo, TTrade& store);
  /// Opens market number index of the visit without asking and without showing the window.
  bool OpenChosenMarket(TMarketVisit& visit, std::size_t index, const std::string& name, std::int32_t imageNo,
                        TTrade& store);
  /// The player leaves the market; the window hears it before this returns.
  void LeaveMarket();
  TUserMerchant* Player() const;
  /// True after any accepted proposal of this visit.
  bool Traded() const;
  /// Shows or hides the chat field and its button (network markets only).
  void SetChatVisible(bool visible);

  /// A merchant came to the market, or left it.
  void MerchantEntered(TMerchant& merchant);
  void MerchantLeft(TMerchant& merchant);
  void MerchantEvent(TMerchantEvent event, TUserMerchant& merchant) override;
  void MarketEvent(TMarketEvent event, TMerchant& merchant) override;

  // The player's actions.
  void MerchLBClick();
  void InviteBtnClick();
  void ProposeBtnClick();
  void AccBtnClick();
  void DenyBtnClick();
  void DismissBtnClick();
  void ChatBtnClick();

  /// Asks a yes/no question with a title; a message box unless a test answers.
  std::function<bool(const QString& title, const QString& question)> OnAsk;
  /// The waiting window "Internet", made when first wanted.
  TINetMsgDlg* Waiting();

  bool TradePageShown() const;
  TGoodsDivider* Goods() const { return FGoods; }
  TGoodsContainer* CounterpartGoods() const { return FCounterpartGoods.get(); }
  TGoodsContainer* PlayerGoods() const { return FPlayerGoods.get(); }
  TSeparatedGoodsContainer* Table() const { return FTable.get(); }
  TTextBubbla* Bubble() const { return FBubble.get(); }
  QListWidget* MerchLB() const { return FMerchLB; }
  QLabel* MerchImage() const { return FMerchImage; }
  QLabel* InfoLabel() const { return FInfoLabel; }
  QPushButton* InviteBtn() const { return FInviteBtn; }
  QPushButton* Avsluta() const { return FAvsluta; }
  TPictureButton* AccBtn() const { return FAccBtn; }
  TPictureButton* ProposeBtn() const { return FProposeBtn; }
  TPictureButton* DenyBtn() const { return FDenyBtn; }
  TPictureButton* ChatBtn() const { return FChatBtn; }
  TPictureButton* DismissBtn() const { return FDismissBtn; }
  QLineEdit* ChatEdit() const { return FChatEdit; }
  QLabel* CounterPartNameLabel() const { return FCounterPartNameLabel; }
  QLabel* NameLabel() const { return FNameLabel; }
  /// The line that tells how to trade and what the red dots mean.
  QLabel* HowToLabel() const { return FHowToLabel; }
  /// True while an accepted trade is shown and the counterpart's next step waits.
  bool ShowingTrade() const { return FShowTimer != 0; }
  QWidget* Screen() const { return FScreen; }
  TScaledView* View() const { return FView; }
  TMerchant* Counterpart() const { return FCounterpart; }

 protected:
  void showEvent(QShowEvent* event) override;
  /// Escape ends a trade on the trading page and leaves the market on the market page.
  void reject() override;

 private:
  void BuildMarketPage();
  void BuildTradePage();
  TPictureButton* TradeButton(const char* name, QRect where, const char* hint, const QKeySequence& key);
  void BindKeys();
  void StartTrade();
  void ShowProposal(const TProposal& deltas);
  void SwapTableOwners();
  void ReturnTableGoods();
  void ShowTradeMade(std::span<const TMarketLine> lines);
  void TradeSeen();
  void StopShowingTrade();
  void HandleEvent(TMerchantEvent event, TUserMerchant& merchant);
  void EndTrade();
  void ShowTradingButtons(bool mayPropose, bool answering);
  void Say(std::span<const TMarketLine> lines, const std::string& extra = {});
  void SayText(const QString& text);
  void StopRecording();
  void Tell(const QString& message);
  bool Ask(const QString& title, const QString& question);
  void HideWaiting();
  void ComposeBackground(std::int32_t imageNo);
  void AddUnits(const TTrade& store, std::int32_t side, TGoodsContainer* container);
  void ClearUnits();
  std::vector<TGoodsUnit> TableUnits() const;
  void AnsweredInvitation(TUserMerchant& merchant);
  void CounterpartDeclined();
  void CounterpartDismissed();
  void Guarded(const std::function<void()>& step);

  TMarketWindowParts FParts;
  TScaledView* FView = nullptr;
  QWidget* FScreen = nullptr;
  QStackedWidget* FPageControl = nullptr;
  QWidget* FMarketPage = nullptr;
  QWidget* FTradePage = nullptr;

  QLabel* FMainImage = nullptr;
  QListWidget* FMerchLB = nullptr;
  QLabel* FMerchImage = nullptr;
  QLabel* FInfoLabel = nullptr;
  QPushButton* FInviteBtn = nullptr;
  QPushButton* FAvsluta = nullptr;

  QPixmap FBackground;
  TGoodsDivider* FGoods = nullptr;
  std::unique_ptr<TGoodsContainer> FCounterpartGoods;
  std::unique_ptr<TGoodsContainer> FPlayerGoods;
  std::unique_ptr<TSeparatedGoodsContainer> FTable;
  std::unique_ptr<TTextBubbla> FBubble;
  std::vector<std::unique_ptr<TGoodsIcon>> FIcons;
  QLabel* FCounterPartNameLabel = nullptr;
  QLabel* FNameLabel = nullptr;
  QLabel* FHowToLabel = nullptr;
  TPictureButton* FAccBtn = nullptr;
  TPictureButton* FProposeBtn = nullptr;
  TPictureButton* FDenyBtn = nullptr;
  TPictureButton* FChatBtn = nullptr;
  TPictureButton* FDismissBtn = nullptr;
  QLineEdit* FChatEdit = nullptr;
  TINetMsgDlg* FWaiting = nullptr;

  TMarketVisit* FVisit = nullptr;
  TMerchant* FCounterpart = nullptr;
  QString FCounterpartName;
  std::int32_t FLastError = 0;
  TTimerId FShowTimer = 0;
  std::vector<TMerchantEvent> FHeldEvents;
};

}  // namespace fjordheim

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/trade/cpu_merchant.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/market_visit.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/council/text_bubbla.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/market_form.h"
#include "gui/trade/separated_goods_container.h"
#include "tests/gui/screenshot.h"

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
  EXPECT_TRUE(FForm->ProposeBtn()->isVisible());
  SaveScreenshot(*FForm->Screen(), "trading_page_after_trade");
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
  EXPECT_EQ(Texts(FSink.Messages),
            QStringList{QString::fromUtf8("Gunnar vil ikke handle mer!\nJeg har alt jeg trenger.")});
  EXPECT_FALSE(FForm->TradePageShown());
  EXPECT_TRUE(FForm->Goods()->Icons().isEmpty());
  EXPECT_TRUE(FForm->InviteBtn()->isEnabled());
  Choose("Tore Jernhånd");
  FForm->InviteBtnClick();
  Wait();
  EXPECT_TRUE(FForm->TradePageShown());
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

}  // namespace
}  // namespace fjordheim

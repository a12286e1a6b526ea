#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/trade/market_dlg.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

class MarketChoice : public ::testing::Test {
 protected:
  MarketChoice() {
    FDialog.OnMessage = [this](const QString& message) { FMessages.push_back(message); };
    FDialog.SetMarkets({QString::fromUtf8("Kaupang i Vestfold"), QString::fromUtf8("Hedeby ved Slien"),
                        QString::fromUtf8("Nettmarkedet")});
    FDialog.show();
  }
  TMarketDlg FDialog{nullptr};
  QStringList FMessages;
};

TEST_F(MarketChoice, OkWithoutAChoiceSaysSoAndStaysOpen) {
  SaveScreenshot(FDialog, "market_choice");
  FDialog.OkBtn()->click();
  EXPECT_EQ(FMessages, QStringList{QString::fromUtf8("Du har ikke valgt noe marked.")});
  EXPECT_TRUE(FDialog.isVisible());
  EXPECT_EQ(FDialog.result(), 0);
  FDialog.CancelBtn()->click();
  EXPECT_EQ(FDialog.result(), QDialog::Rejected);
  EXPECT_EQ(FDialog.Chosen(), -1);
}

TEST_F(MarketChoice, ADoubleClickOnAMarketChoosesIt) {
  QListWidget* list = FDialog.MarketLB();
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(FDialog.result(), QDialog::Accepted);
  EXPECT_EQ(FDialog.Chosen(), 1);
  EXPECT_TRUE(FMessages.isEmpty());
}

TEST_F(MarketChoice, TheKeysChooseAMarketAndEnterTakesIt) {
  FDialog.activateWindow();
  FDialog.MarketLB()->setFocus();
  QTest::keyClick(FDialog.MarketLB(), Qt::Key_Down);
  QTest::keyClick(FDialog.MarketLB(), Qt::Key_Down);
  QTest::keyClick(FDialog.MarketLB(), Qt::Key_Return);
  EXPECT_EQ(FDialog.result(), QDialog::Accepted);
  EXPECT_GE(FDialog.Chosen(), 1);
  EXPECT_EQ(FDialog.Chosen(), FDialog.MarketLB()->currentRow());
}

TEST(MarketChoiceEmpty, WithNoMarketsOkOnlyRepeatsTheMessage) {
  TMarketDlg dialog(nullptr);
  QStringList messages;
  dialog.OnMessage = [&messages](const QString& message) { messages.push_back(message); };
  dialog.SetMarkets({});
  dialog.show();
  dialog.OkBtn()->click();
  dialog.OkBtn()->click();
  EXPECT_EQ(messages.size(), 2);
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace fjordheim

#include "core/game/popup_tips.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fjordheim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const PopupFile =
    "[INFO]\r\n"
    "POPUP_COUNT=4\r\n"
    "POPUP_PERIOD=2\r\n"
    "[POPUP1]\r\n"
    "TEXT=Vikingene spiste to m\xE5ltider om dagen.\r\n"
    "URL=mat.htm\r\n"
    "BITMAP=   mat.bmp   \r\n"
    "[popup2]\r\n"
    "text=Skipene ble bygd av eik.\r\n"
    "BITMAP=skip.bmp\r\n"
    "COLOR=red\r\n"
    "[POPUP3]\r\n"
    "URL=tom.htm\r\n"
    "[POPUP9]\r\n"
    "TEXT=Aldri vist.\r\n";

// The run's shuffled order: tip number 1 is the section "POPUP2", and so on.
const std::vector<std::string> Sections{"POPUP2", "POPUP1", "POPUP4", "POPUP3"};

TEST(PopupTips, TipWithTextPageAndPicture) {
  const TTip tip = TPopupTips::FromBytes(PopupFile).Tip(2, Sections);
  EXPECT_TRUE(tip.Found);
  EXPECT_EQ(tip.Text, "Vikingene spiste to måltider om dagen.");
  EXPECT_EQ(tip.PageName, "mat.htm");
  EXPECT_EQ(tip.PictureName, "mat.bmp");
  EXPECT_TRUE(tip.MoreButton);
}

TEST(PopupTips, TipWithoutPageShowsNoMoreButtonAndNamesAreMatchedWithoutCase) {
  const TTip tip = TPopupTips::FromBytes(PopupFile).Tip(1, Sections);
  EXPECT_TRUE(tip.Found);
  EXPECT_EQ(tip.Text, "Skipene ble bygd av eik.");
  EXPECT_EQ(tip.PageName, "");
  EXPECT_FALSE(tip.MoreButton);
  EXPECT_EQ(tip.PictureName, "skip.bmp");
}

// A number beyond the list must not find the "[]" section by its empty name.
TEST(PopupTips, TipWithoutSectionOrTextIsMissingAndSaysWhichNumber) {
  const TPopupTips tips = TPopupTips::FromBytes(std::string(PopupFile) + "[]\r\nTEXT=Uten navn\r\n");
  for (const std::int32_t number : {4, 3, 5, 0, -1}) {
    const TTip tip = tips.Tip(number, Sections);
    EXPECT_FALSE(tip.Found) << number;
    EXPECT_EQ(tip.Text, "Kan ikke finne node nummer " + std::to_string(number));
    EXPECT_EQ(tip.PageName, "") << number;
    EXPECT_EQ(tip.PictureName, "") << number;
  }
}

TEST(PopupTips, UnreadableFileHoldsNoTips) {
  const TTip tip = TPopupTips::FromFile("no-such-folder\\popup.txt").Tip(1, {"POPUP1"});
  EXPECT_FALSE(tip.Found);
  EXPECT_EQ(tip.Text, "Kan ikke finne node nummer 1");
}

TEST(PopupTips, ListsWhatTheGameWillNotUse) {
  EXPECT_THAT(TPopupTips::FromBytes(PopupFile).Problems("Data/popup.txt", 4),
              ElementsAre("Data/popup.txt: ignored: \"[popup2] COLOR\"", "Data/popup.txt: ignored: \"[POPUP9]\"",
                          "Data/popup.txt: missing: \"[POPUP3] TEXT\"", "Data/popup.txt: missing: \"[POPUP4] TEXT\""));
  EXPECT_THAT(TPopupTips::FromBytes("[INFO]\nPOPUP_COUNT=1\n[POPUP1]\nTEXT=x\n").Problems("popup.txt", 1), IsEmpty());
  EXPECT_THAT(TPopupTips::FromBytes("[POPUP01]\nTEXT=x\n[INFO]\nPOPUPCOUNT=1\n").Problems("popup.txt", 0),
              ElementsAre("popup.txt: ignored: \"[POPUP01]\"", "popup.txt: ignored: \"[INFO] POPUPCOUNT\""));
}

}  // namespace
}  // namespace fjordheim

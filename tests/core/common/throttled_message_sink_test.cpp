#include "core/common/throttled_message_sink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/core/settings/spoken_language.h"

namespace fjordheim {
namespace {

// A modal box: while it is "open", whatever arrives meanwhile runs, as events do in a nested loop.
class TModalSink : public TMessageSink {
 public:
  void ShowMessage(const std::string& text) override {
    ++Open;
    MostOpen = std::max(MostOpen, Open);
    Shown.push_back(text);
    if (WhileOpen) {
      auto arrivals = std::move(WhileOpen);
      WhileOpen = nullptr;
      arrivals();
    }
    --Open;
  }
  std::function<void()> WhileOpen;
  std::vector<std::string> Shown;
  int Open = 0;
  int MostOpen = 0;
};

TEST(ThrottledMessageSink, AFloodWhileABoxIsOpenBecomesOneLine) {
  TModalSink boxes;
  TThrottledMessageSink sink(boxes);
  boxes.WhileOpen = [&] {
    for (int i = 0; i < 10000; ++i) sink.ShowMessage("From ID not found: " + std::to_string(i));
  };
  sink.ShowMessage("To ID not found: 1");
  EXPECT_EQ(boxes.MostOpen, 1);
  EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"To ID not found: 1", MessagesNotShownText(10000)}));
  EXPECT_EQ(sink.HeldBack(), 10000U);

  sink.ShowMessage("ERROR: Connection refused");
  EXPECT_EQ(boxes.Shown.back(), "ERROR: Connection refused");
}

// A flood that goes on through the box of the sum opens no third box: what came meanwhile is
// summed after the next message.
TEST(ThrottledMessageSink, MessagesDuringTheSumUpWaitForTheNextMessage) {
  TModalSink boxes;
  TThrottledMessageSink sink(boxes);
  boxes.WhileOpen = [&] {
    sink.ShowMessage("b");
    boxes.WhileOpen = [&] {
      sink.ShowMessage("c");
      sink.ShowMessage("d");
    };
  };
  sink.ShowMessage("a");
  EXPECT_EQ(boxes.MostOpen, 1);
  EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"a", MessagesNotShownText(1)}));
  EXPECT_EQ(MessagesNotShownText(1), "1 melding til fra nettverket ble ikke vist.");
  sink.ShowMessage("e");
  EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"a", MessagesNotShownText(1), "e", MessagesNotShownText(2)}));
  EXPECT_EQ(sink.HeldBack(), 3U);
}

TEST(ThrottledMessageSink, OneArrivalShowsItsFirstMessageAndCountsTheRest) {
  TModalSink boxes;
  TThrottledMessageSink sink(boxes);
  sink.Hold();
  sink.ShowMessage("PROPOSE: Wrong parameters");
  sink.Hold();
  sink.ShowMessage("From ID not found: 9");
  sink.Release();
  sink.ShowMessage("To ID not found: 9");
  EXPECT_TRUE(boxes.Shown.empty());
  sink.Release();
  EXPECT_EQ(boxes.Shown, (std::vector<std::string>{"PROPOSE: Wrong parameters", MessagesNotShownText(2)}));

  sink.Release();
  sink.Hold();
  sink.Release();
  sink.ShowMessage("ERROR: Connection refused");
  EXPECT_EQ(boxes.Shown.back(), "ERROR: Connection refused");
  EXPECT_EQ(boxes.MostOpen, 1);
}

TEST(ThrottledMessageSink, TheCountOfMessagesNotShownTakesTheFormItsNumberAsks) {
  const testing::TSpokenLanguage english(TLanguageCode::English);
  EXPECT_EQ(MessagesNotShownText(1), "1 more message from the network was not shown.");
  EXPECT_EQ(MessagesNotShownText(12), "12 more messages from the network were not shown.");
}

}  // namespace
}  // namespace fjordheim

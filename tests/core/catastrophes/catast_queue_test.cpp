#include "core/catastrophes/catast_queue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace fjordheim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<TCatastNode> NodesWithKeys(int count) {
  std::vector<TCatastNode> nodes;
  for (int i = 0; i < count; ++i) nodes.emplace_back("key" + std::to_string(i));
  return nodes;
}

std::string CurrentKey(const TCatastQueue& queue) { return queue.Current() ? queue.Current()->Key : "(none)"; }

std::filesystem::path WriteTempFile(const std::string& name, const std::string& bytes) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(CatastQueue, DealsEveryEventOncePerCycleAndThenStartsANewCycle) {
  TRandom random(7);
  TCatastQueue queue;
  queue.Fill(NodesWithKeys(3), random);
  std::multiset<std::string> firstCycle{CurrentKey(queue)};
  EXPECT_EQ(queue.PendingCount(), 2U);
  queue.Next(random);
  firstCycle.insert(CurrentKey(queue));
  queue.Next(random);
  firstCycle.insert(CurrentKey(queue));
  EXPECT_EQ(firstCycle, (std::multiset<std::string>{"key0", "key1", "key2"}));
  EXPECT_EQ(queue.PendingCount(), 0U);
  queue.Next(random);
  EXPECT_EQ(queue.PendingCount(), 2U);
}

// The order must be the one of drawing k from the remaining events, one draw per event,
// so that a seeded game deals its events in the same order every time.
TEST(CatastQueue, ShuffleDrawsTheKthOfTheRemainingEventsOnePerEvent) {
  for (std::uint32_t seed : {1U, 2U, 99U}) {
    TRandom random(seed);
    TCatastQueue queue;
    queue.Fill(NodesWithKeys(40), random);
    std::vector<std::string> dealt{CurrentKey(queue)};
    for (int i = 1; i < 40; ++i) {
      queue.Next(random);
      dealt.push_back(CurrentKey(queue));
    }

    TRandom replay(seed);
    std::vector<std::string> remaining;
    for (int i = 0; i < 40; ++i) remaining.push_back("key" + std::to_string(i));
    std::vector<std::string> expected;
    while (!remaining.empty()) {
      const auto k = static_cast<std::size_t>(replay.Random(static_cast<std::int32_t>(remaining.size())));
      expected.push_back(remaining[k]);
      remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(k));
    }
    EXPECT_EQ(dealt, expected) << "seed " << seed;
    EXPECT_EQ(random.Random(1000000), replay.Random(1000000)) << "seed " << seed;
  }
}

TEST(CatastQueue, ManyEventsAreDealtCompletely) {
  TRandom random(3);
  TCatastQueue queue;
  queue.Fill(NodesWithKeys(20000), random);
  std::set<std::string> seen{CurrentKey(queue)};
  while (queue.PendingCount() > 0) {
    queue.Next(random);
    seen.insert(CurrentKey(queue));
  }
  EXPECT_EQ(seen.size(), 20000U);
}

TEST(CatastQueue, UnreadableFileIsReportedOnceAndLeavesTheQueueEmpty) {
  TRandom random(1);
  TCollectingMessageSink messages;
  TCatastQueue queue;
  queue.ReadFile("no-such-folder\\Catasts.txt", messages, random);
  EXPECT_THAT(messages.Messages, ElementsAre("Kan ikke lese filen: no-such-folder\\Catasts.txt"));
  EXPECT_EQ(queue.Current(), nullptr);
  EXPECT_THAT(queue.All(), IsEmpty());
  queue.Next(random);
  EXPECT_EQ(queue.Current(), nullptr);
}

TEST(CatastQueue, EmptyFileIsNoErrorAndDealsNothing) {
  const auto path = WriteTempFile("fjordheim_empty_catasts.txt", "");
  TRandom random(1);
  TCollectingMessageSink messages;
  TCatastQueue queue;
  queue.ReadFile(path.string(), messages, random);
  EXPECT_THAT(messages.Messages, IsEmpty());
  EXPECT_EQ(queue.Current(), nullptr);
  std::filesystem::remove(path);
}

TEST(CatastQueue, ReadFileDealsTheFirstEventAndKeepsTheIgnoredLines) {
  const auto path = WriteTempFile("fjordheim_catasts.txt", "stray\r\nNODE _Epidemy\r\n* Pest\r\nENDNODE\r\n");
  TRandom random(1);
  TCollectingMessageSink messages;
  TCatastQueue queue;
  queue.ReadFile(path.string(), messages, random);
  EXPECT_THAT(messages.Messages, IsEmpty());
  ASSERT_NE(queue.Current(), nullptr);
  EXPECT_EQ(queue.Current()->Heading, "Pest");
  EXPECT_THAT(queue.IgnoredLines(), ElementsAre(path.string() + ":1: ignored: \"stray\""));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace fjordheim

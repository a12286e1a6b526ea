#include "core/catastrophes/catastrophe_check.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace fjordheim {
namespace {

std::vector<TCatastNode> Events(std::initializer_list<const char*> keys) {
  std::vector<TCatastNode> nodes;
  for (const char* key : keys) nodes.emplace_back(key);
  return nodes;
}

class CatastropheCheckTest : public ::testing::Test {
 protected:
  void Start(std::initializer_list<const char*> keys, std::int32_t catastrophyRandom = 0,
             std::int32_t catastrophyPeriod = 0) {
    Queue.Fill(Events(keys), Random);
    Check.emplace(Queue, Random, catastrophyRandom, catastrophyPeriod);
    Check->NewGame();
  }

  // One change of season as the turn cycle runs it: the countdown, then the check.
  const TCatastNode* ChangeOfSeason(TSeason ending) {
    Check->CountDown();
    return Check->CheckCatastrophe(ending, Village, [this](const TCatastNode& event) { Shown.push_back(event.Key); });
  }

  TRandom Random{11};
  TCatastQueue Queue;
  std::optional<TCatastropheCheck> Check;
  TVillage Village;
  std::vector<std::string> Shown;
};

TEST_F(CatastropheCheckTest, EpidemyStrikesAtTheVeryNextChangeWhateverTheSeason) {
  for (TSeason season : {TSeason::Autumn, TSeason::Winter, TSeason::Spring, TSeason::Summer}) {
    Start({"_Epidemy"});
    Village.Events = {};
    ASSERT_NE(ChangeOfSeason(season), nullptr);
    EXPECT_TRUE(Village.HasEvent(TVillageEvent::Epidemy));
    EXPECT_EQ(Check->SpecialSituation, TSpecialSituation::None);
  }
  EXPECT_EQ(Shown.size(), 4U);
}

TEST_F(CatastropheCheckTest, FrostWaitsAtTheHeadUntilSummerEnds) {
  Start({"_Frost", "_Frost"});
  EXPECT_EQ(ChangeOfSeason(TSeason::Autumn), nullptr);
  EXPECT_EQ(ChangeOfSeason(TSeason::Winter), nullptr);
  EXPECT_EQ(ChangeOfSeason(TSeason::Spring), nullptr);
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Queue.PendingCount(), 1U);
  ASSERT_NE(ChangeOfSeason(TSeason::Summer), nullptr);
  EXPECT_EQ(Shown, std::vector<std::string>{"_Frost"});
  EXPECT_TRUE(Village.HasEvent(TVillageEvent::Frost));
  EXPECT_EQ(Check->SpecialSituation, TSpecialSituation::Frost);
  EXPECT_EQ(Queue.PendingCount(), 0U);
}

TEST_F(CatastropheCheckTest, EveryKeySetsItsOwnFlagAtTheEndOfItsSeason) {
  struct TCase {
    const char* Key;
    TSeason Ending;
    TVillageEvent Event;
    TSpecialSituation Situation;
  };
  const TCase cases[] = {
      {"_GoodSummHarvest", TSeason::Summer, TVillageEvent::GoodSummerHarvest, TSpecialSituation::None},
      {"_GoodAutuHarvest", TSeason::Autumn, TVillageEvent::GoodAutumnHarvest, TSpecialSituation::None},
      {"_Visit", TSeason::Winter, TVillageEvent::Visit, TSpecialSituation::None},
      {"_Fire", TSeason::Summer, TVillageEvent::Fire, TSpecialSituation::Fire},
      {"_GoodHunting", TSeason::Winter, TVillageEvent::GoodHunting, TSpecialSituation::None},
      {"_Dryness", TSeason::Summer, TVillageEvent::Dryness, TSpecialSituation::None},
  };
  for (const TCase& c : cases) {
    Start({c.Key});
    Village.Events = {};
    const TSeason before = static_cast<TSeason>((static_cast<int>(c.Ending) + 3) % 4);
    EXPECT_EQ(ChangeOfSeason(before), nullptr) << c.Key;
    ASSERT_NE(ChangeOfSeason(c.Ending), nullptr) << c.Key;
    std::array<bool, VillageEventCount> expected{};
    expected[static_cast<std::size_t>(c.Event)] = true;
    EXPECT_EQ(Village.Events, expected) << c.Key;
    EXPECT_EQ(Check->SpecialSituation, c.Situation) << c.Key;
  }
}

TEST_F(CatastropheCheckTest, UnknownKeyBlocksTheQueueForEver) {
  Start({"_epidemy"});
  for (int i = 0; i < 12; ++i) EXPECT_EQ(ChangeOfSeason(static_cast<TSeason>(i % 4)), nullptr);
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Village.Events, (std::array<bool, VillageEventCount>{}));
}

TEST_F(CatastropheCheckTest, EmptyQueueDoesNothing) {
  Start({});
  EXPECT_EQ(ChangeOfSeason(TSeason::Summer), nullptr);
  EXPECT_TRUE(Shown.empty());
  EXPECT_EQ(Village.Events, (std::array<bool, VillageEventCount>{}));
}

TEST_F(CatastropheCheckTest, ThreeShownEventsOfThreeUseUpACycleAndANewOneIsDealt) {
  Start({"_Epidemy", "_Epidemy", "_Epidemy"});
  EXPECT_EQ(Queue.PendingCount(), 2U);
  for (int i = 0; i < 3; ++i) ASSERT_NE(ChangeOfSeason(TSeason::Spring), nullptr);
  EXPECT_EQ(Queue.PendingCount(), 2U);
  EXPECT_EQ(Shown.size(), 3U);
}

TEST_F(CatastropheCheckTest, CountdownHoldsEventsBackUntilItHasRunOut) {
  Start({"_Epidemy"}, 0, 3);
  EXPECT_EQ(Check->Countdown, 3);
  EXPECT_EQ(ChangeOfSeason(TSeason::Autumn), nullptr);
  EXPECT_EQ(ChangeOfSeason(TSeason::Winter), nullptr);
  ASSERT_NE(ChangeOfSeason(TSeason::Spring), nullptr);
  EXPECT_EQ(Check->Countdown, 3);
}

// After a shown event the queue moves on before the countdown is drawn.
TEST_F(CatastropheCheckTest, DrawsTheNewCycleBeforeTheNewCountdown) {
  Random.Seed(5);
  Start({"_Epidemy"}, 1000, 0);
  Check->Countdown = 0;
  ASSERT_NE(ChangeOfSeason(TSeason::Autumn), nullptr);

  TRandom replay(5);
  replay.Random(1);     // the first cycle, dealt on filling
  replay.Random(1000);  // the countdown of the new game
  replay.Random(1);     // the new cycle after the shown event
  EXPECT_EQ(Check->Countdown, replay.Random(1000));
}

TEST_F(CatastropheCheckTest, CountdownNeitherWrapsWhenLoweredNorWhenDrawn) {
  Start({"_Epidemy"}, 10, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(Check->Countdown, std::numeric_limits<std::int32_t>::max());
  Check->Countdown = std::numeric_limits<std::int32_t>::min();
  Check->CountDown();
  EXPECT_EQ(Check->Countdown, std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace fjordheim

// Reads the text sources of the default data set with the game's own readers: every line
// must take effect and every pool, group and quiz must be full.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/common/lines.h"
#include "core/council/advice_generator.h"
#include "core/decisions/decision_generator.h"
#include "core/game/first_decision_quiz.h"

namespace fjordheim {
namespace {

// The sources are UTF-8 already; the build writes them to Windows-1252 for the game.
std::vector<std::string> DataLines(const std::string& name) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(std::string(FJORDHEIM_SOURCE_DIR) + "/data/text/Data/" + name, bytes)) << name;
  return SplitLines(bytes);
}

TEST(ShippedContent, AdviceFileFillsEveryPoolAndEveryLineTakesEffect) {
  const TAdviceGenerator generator(DataLines("advice.txt"), "advice.txt");
  EXPECT_EQ(generator.MissingAdvice(), std::vector<std::string>{});
  EXPECT_EQ(generator.IgnoredLines(), std::vector<std::string>{});
}

TEST(ShippedContent, EveryDecisionFileIsCompleteAndEveryLineTakesEffect) {
  const std::array<std::string, 6> names = {"elsesumm.dec", "elseautu.dec", "elsewint.dec",
                                            "elsespri.dec", "elsefire.dec", "elsefrst.dec"};
  TRandom random(1);
  for (const std::string& name : names) {
    const TDecisionGenerator generator(DataLines(name), name, random);
    EXPECT_EQ(generator.MissingTasks(), std::vector<std::string>{});
    EXPECT_EQ(generator.IgnoredLines(), std::vector<std::string>{});
  }
}

TEST(ShippedContent, QuizFilesGiveADrawAndHaveNoLineWithoutPartner) {
  const TFirstDecisionQuiz quiz(DataLines("Correct.que"), DataLines("False.que"));
  EXPECT_TRUE(quiz.CanDraw());
  EXPECT_EQ(quiz.IgnoredLines(), std::vector<std::string>{});
}

}  // namespace
}  // namespace fjordheim

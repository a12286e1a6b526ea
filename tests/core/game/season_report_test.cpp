#include "core/game/season_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "tests/core/common/game_language.h"

namespace fjordheim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

enum class TLabel { Birth, Death, AnimalBirth, AnimalDeath };

struct TSentenceRow {
  const char* Situation;
  TSeason Season;
  std::array<std::int32_t, SexCount> Born;
  std::array<std::int32_t, AgeGroupCount> Dead;
  std::array<std::uint16_t, AnimalKindCount> AnimalsBorn;
  std::array<std::uint16_t, AnimalKindCount> AnimalsDead;
  TLabel Label;
  const char* Text;
};

std::string LabelText(const TSeasonReport& report, TLabel label) {
  switch (label) {
    case TLabel::Birth:
      return report.BirthText;
    case TLabel::Death:
      return report.DeathText;
    case TLabel::AnimalBirth:
      return report.AnimalBirthText;
    case TLabel::AnimalDeath:
      return report.AnimalDeathText;
  }
  return {};
}

TSeasonChangeInfo InfoOf(const TSentenceRow& row) {
  TSeasonChangeInfo info;
  info.Season = row.Season;
  info.BornBySex = row.Born;
  info.DeadByAgeGroup = row.Dead;
  info.AnimalsBorn = row.AnimalsBorn;
  info.AnimalsDead = row.AnimalsDead;
  return info;
}

class SeasonReportSentence : public ::testing::TestWithParam<TSentenceRow> {};

TEST_P(SeasonReportSentence, ReadsExactlyAsWritten) {
  const TSentenceRow& row = GetParam();
  EXPECT_EQ(LabelText(TSeasonReport(InfoOf(row)), row.Label), row.Text) << row.Situation;
}

// Dead by age group: infant, child, youth, adult, elder. Animals: cow, pig, sheep, hen.
const TSentenceRow SentenceRows[] = {
    {"2 boys and 1 girl born", TSeason::Summer, {2, 1}, {}, {}, {}, TLabel::Birth,
     "Det ble født 2 gutter og 1 jente  i løpet av sommeren."},
    {"1 boy born", TSeason::Summer, {1, 0}, {}, {}, {}, TLabel::Birth, "Det ble født 1 gutt  i løpet av sommeren."},
    {"no child born", TSeason::Autumn, {}, {}, {}, {}, TLabel::Birth, "Det ble født ingen barn i løpet av høsten."},
    {"nobody died", TSeason::Autumn, {}, {}, {}, {}, TLabel::Death, "Ingen mennesker døde i løpet av  høsten."},
    {"1 child, 2 adults, 1 old died", TSeason::Winter, {}, {0, 1, 0, 2, 1}, {}, {}, TLabel::Death,
     "I løpet av vinteren døde 1 barn, 2 voksne og 1 gammel."},
    {"1 adult and 1 old died", TSeason::Spring, {}, {0, 0, 0, 1, 1}, {}, {}, TLabel::Death,
     "I løpet av våren døde 1 voksen og 1 gammel."},
    {"3 children and 2 adults died", TSeason::Spring, {}, {1, 1, 1, 2, 0}, {}, {}, TLabel::Death,
     "I løpet av våren døde 3 barn og 2 voksne."},
    {"2 cows, 3 pigs, 1 sheep, 4 hens born", TSeason::Winter, {}, {}, {2, 3, 1, 4}, {}, TLabel::AnimalBirth,
     "I løpet av vinteren ble født 2 kalver, 3 grisunger, 1 sau og 4 høns."},
    {"1 sheep and 1 hen born", TSeason::Winter, {}, {}, {0, 0, 1, 1}, {}, TLabel::AnimalBirth,
     "I løpet av vinteren ble født 1 sau og 1 høne."},
    {"no animal born", TSeason::Autumn, {}, {}, {}, {}, TLabel::AnimalBirth,
     "Det ble ikke født noen dyr i løpet av høsten."},
    {"2 cows and 5 hens lost", TSeason::Winter, {}, {}, {}, {2, 0, 0, 5}, TLabel::AnimalDeath,
     "I løpet av vinteren døde 2 kyr og 5 høns."},
    {"no animal lost", TSeason::Autumn, {}, {}, {}, {}, TLabel::AnimalDeath, "Ingen dyr døde i løpet av høsten."},
    // The forms the table above does not reach.
    {"girls only", TSeason::Summer, {0, 2}, {}, {}, {}, TLabel::Birth, "Det ble født 2 jenter  i løpet av sommeren."},
    {"old only", TSeason::Summer, {}, {0, 0, 0, 0, 2}, {}, {}, TLabel::Death, "I løpet av sommeren døde 2 gamle."},
    {"1 infant", TSeason::Summer, {}, {1, 0, 0, 0, 0}, {}, {}, TLabel::Death, "I løpet av sommeren døde 1 barn."},
    {"one animal of each kind born", TSeason::Winter, {}, {}, {1, 1, 1, 1}, {}, TLabel::AnimalBirth,
     "I løpet av vinteren ble født 1 kalv, 1 grisunge, 1 sau og 1 høne."},
    {"one animal of each kind lost", TSeason::Spring, {}, {}, {}, {1, 1, 1, 1}, TLabel::AnimalDeath,
     "I løpet av våren døde 1 ku, 1 gris, 1 sau og 1 høne."},
    {"2 pigs and 3 sheep lost", TSeason::Spring, {}, {}, {}, {0, 2, 3, 0}, TLabel::AnimalDeath,
     "I løpet av våren døde 2 griser og 3 sauer."},
};

INSTANTIATE_TEST_SUITE_P(EveryForm, SeasonReportSentence, ::testing::ValuesIn(SentenceRows));

TEST(SeasonReport, CaptionNamesTheSeasonThatEnded) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Spring;
  EXPECT_EQ(TSeasonReport(info).Caption, "Dette skjedde i løpet av våren.");
}

TEST(SeasonReport, TheYoungHaveTheirOwnWordsAndTheSlaughterItsFood) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Winter;
  info.AnimalsBorn = {2, 20, 4, 1};
  const TSeasonReport report(info);
  EXPECT_EQ(report.AnimalBirthText, "I løpet av vinteren ble født 2 kalver, 20 grisunger, 4 sauer og 1 høne.");
  EXPECT_EQ(report.YoungText, "Dyrene fikk 2 kalver, 20 grisunger, 4 lam og 1 kylling.");
  info.AnimalsBorn = {0, 0, 1, 3};
  EXPECT_EQ(TSeasonReport(info).YoungText, "Dyrene fikk 1 lam og 3 kyllinger.");
  EXPECT_EQ(report.SlaughterText, "");

  info.AnimalsSlaughtered = {0, 0, 2, 0};
  EXPECT_EQ(TSeasonReport(info).SlaughterText, "Slakten av 2 sauer ga 2 i mat, nok til 2 voksne i en årstid.");
  info.Clear();
  EXPECT_EQ(TSeasonReport(info).SlaughterText + TSeasonReport(info).YoungText, "");
}

TEST(SeasonReport, NothingHappenedGivesEmptyPicturesOfTheWindowSizes) {
  const TSeasonReport report{TSeasonChangeInfo{}};
  for (const TPictureArea* area : {&report.BornHumans, &report.DeadHumans, &report.BornAnimals, &report.DeadAnimals}) {
    EXPECT_THAT(area->Pictures, IsEmpty());
  }
  EXPECT_EQ(std::pair(report.BornHumans.Width, report.BornHumans.Height), std::pair(209, 25));
  EXPECT_EQ(std::pair(report.DeadHumans.Width, report.DeadHumans.Height), std::pair(153, 50));
  EXPECT_EQ(std::pair(report.BornAnimals.Width, report.BornAnimals.Height), std::pair(209, 57));
  EXPECT_EQ(std::pair(report.DeadAnimals.Width, report.DeadAnimals.Height), std::pair(209, 57));
}

TEST(SeasonReport, BoysFromTheLeftAndGirlsFromTheMiddle) {
  TSeasonChangeInfo info;
  info.BornBySex = {2, 2};
  EXPECT_THAT(TSeasonReport(info).BornHumans.Pictures,
              ElementsAre(TPicturePlacement{0, 0, 0}, TPicturePlacement{0, 12, 0}, TPicturePlacement{1, 104, 0},
                          TPicturePlacement{1, 116, 0}));
}

TEST(SeasonReport, DeadStandInRowsOfOldAdultsAndYoungWithPictureZero) {
  TSeasonChangeInfo info;
  info.DeadByAgeGroup = {1, 0, 1, 1, 2};
  EXPECT_THAT(TSeasonReport(info).DeadHumans.Pictures,
              ElementsAre(TPicturePlacement{0, 0, 0}, TPicturePlacement{0, 12, 0}, TPicturePlacement{0, 0, 16},
                          TPicturePlacement{0, 0, 32}, TPicturePlacement{0, 12, 32}));
}

// A full row ends less than one step from the right edge.
constexpr int HumanStepSlack = 12;

// Fourteen adults dead do not fit twelve apart: the row closes up to end at the right edge.
TEST(SeasonReport, EveryRowOfTheDeadStaysInsideItsPicture) {
  for (std::int32_t count : {12, 13, 14, 37, 500}) {
    TSeasonChangeInfo info;
    info.DeadByAgeGroup = {count, 0, 0, count, count};
    const TPictureArea& area = TSeasonReport(info).DeadHumans;
    for (int row = 0; row < 3; ++row) {
      std::vector<int> xs;
      for (const TPicturePlacement& p : area.Pictures) {
        if (p.Y == 16 * row) xs.push_back(p.X);
      }
      ASSERT_FALSE(xs.empty()) << count;
      EXPECT_EQ(xs.front(), 0) << count;
      EXPECT_LE(xs.back() + TSeasonReport::HumanPictureSize, area.Width) << count;
      EXPECT_GE(xs.back() + TSeasonReport::HumanPictureSize, area.Width - HumanStepSlack) << count;
      EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end())) << count;
      EXPECT_EQ(xs.size(), static_cast<std::size_t>(std::min(count, 138))) << count;
    }
    for (const TPicturePlacement& p : area.Pictures) EXPECT_LE(p.Y + TSeasonReport::HumanPictureSize, area.Height);
  }
}

TEST(SeasonReport, AnimalsStandInOneRowPerKindForBirthsAndLossesAlike) {
  TSeasonChangeInfo info;
  info.AnimalsBorn = {1, 0, 2, 1};
  info.AnimalsDead = {0, 1, 0, 0};
  const TSeasonReport report(info);
  EXPECT_THAT(report.BornAnimals.Pictures, ElementsAre(TPicturePlacement{0, 0, 0}, TPicturePlacement{2, 0, 28},
                                                       TPicturePlacement{2, 16, 28}, TPicturePlacement{3, 0, 42}));
  EXPECT_THAT(report.DeadAnimals.Pictures, ElementsAre(TPicturePlacement{1, 0, 14}));
}

// What is drawn must look the same as drawing every picture, but huge counts must not make
// the window draw millions.
TEST(SeasonReport, PicturesOutsideTheAreaOrOnTopOfTheSameOneAreLeftOut) {
  TSeasonChangeInfo info;
  info.BornBySex = {std::numeric_limits<std::int32_t>::max(), 9};
  info.DeadByAgeGroup = {0, 0, 0, 1013, std::numeric_limits<std::int32_t>::max()};
  info.AnimalsBorn = {101, 0, 0, 0};
  const TSeasonReport report(info);

  const auto& born = report.BornHumans.Pictures;
  EXPECT_EQ(std::count(born.begin(), born.end(), TPicturePlacement{0, 204, 0}), 1);
  EXPECT_EQ(born.size(), 18U + 9U);
  EXPECT_EQ(born.back(), (TPicturePlacement{1, 200, 0}));

  // One figure at each pixel of the row's room, and no row in another's band.
  const auto& dead = report.DeadHumans.Pictures;
  EXPECT_EQ(dead.size(), 2U * 138U);
  EXPECT_EQ(std::count(dead.begin(), dead.end(), TPicturePlacement{0, 137, 16}), 1);
  EXPECT_EQ(std::count(dead.begin(), dead.end(), TPicturePlacement{0, 137, 0}), 1);

  TSeasonChangeInfo hundred;
  hundred.AnimalsBorn = {100, 0, 0, 0};
  EXPECT_EQ(report.BornAnimals.Pictures, TSeasonReport(hundred).BornAnimals.Pictures);
  EXPECT_EQ(report.BornAnimals.Pictures.size(), 14U);
}

// The counted words follow their counts and the lists their language's "and", inside sentences
// that name the season as the language does.
TEST(SeasonReport, EveryLanguageCountsInItsOwnWords) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Autumn;
  info.AddBirth(TSex::Male);
  info.AddBirth(TSex::Female);
  info.AddBirth(TSex::Female);
  info.AnimalsBorn = {1, 0, 3, 0};
  info.AnimalsDead = {2, 0, 0, 1};
  info.AnimalsSlaughtered = {2, 0, 0, 1};
  {
    const TGameLanguage english("en");
    ASSERT_TRUE(english.Loaded());
    const TSeasonReport report(info);
    EXPECT_EQ(report.Caption, "This happened during the autumn.");
    EXPECT_EQ(report.BirthText, "Born during the autumn: 1 boy and 2 girls.");
    EXPECT_EQ(report.DeathText, "Nobody died during the autumn.");
    EXPECT_EQ(report.AnimalBirthText, "Born during the autumn: 1 calf and 3 sheep.");
    EXPECT_EQ(report.AnimalDeathText, "During the autumn, 2 cows and 1 hen died.");
    EXPECT_EQ(report.YoungText, "The animals had 1 calf and 3 lambs.");
    EXPECT_EQ(report.SlaughterText, "Slaughtering 2 cows and 1 hen gave 8.2 food, enough for 8 grown-ups for a season.");
  }
  const TGameLanguage nynorsk("nn");
  ASSERT_TRUE(nynorsk.Loaded());
  const TSeasonReport report(info);
  EXPECT_EQ(report.BirthText, "Det vart fødd 1 gut og 2 jenter i løpet av hausten.");
  EXPECT_EQ(report.YoungText, "Dyra fekk 1 kalv og 3 lam.");
  EXPECT_EQ(report.SlaughterText, "Slaktinga av 2 kyr og 1 høne gav 8,2 i mat, nok til 8 vaksne i ei årstid.");
}

TEST(SeasonChangeInfo, CountsWithSixteenBitAnimalsAndClearKeepsTheSeason) {
  TSeasonChangeInfo info;
  info.Season = TSeason::Summer;
  info.AddBirth(TSex::Female);
  info.AddDeath(TAgeGroup::Youth);
  info.AddAnimalBirths(TAnimalKind::Hen, 65535);
  info.AddAnimalBirths(TAnimalKind::Hen, 2);
  EXPECT_EQ(info.Births(TSex::Female), 1);
  EXPECT_EQ(info.Deaths(TAgeGroup::Youth), 1);
  EXPECT_THAT(info.AnimalsBorn, ElementsAre(0, 0, 0, 1));
  info.Clear();
  EXPECT_EQ(info.Season, TSeason::Summer);
  EXPECT_EQ(TSeasonReport(info).DeathText, "Ingen mennesker døde i løpet av  sommeren.");
  EXPECT_THAT(info.AnimalsBorn, ElementsAre(0, 0, 0, 0));
}

}  // namespace
}  // namespace fjordheim

#include "core/game/first_year_guide.h"

#include <gtest/gtest.h>

#include "tests/core/game/game_fixture.h"
#include "tests/core/settings/spoken_language.h"

namespace fjordheim {
namespace {

using testing::TGameFolder;
using testing::TGameRig;
using testing::TSpokenLanguage;

// A new chief's game, watched by the guide as the screen would after each click.
class FirstYearGuide : public ::testing::Test {
 protected:
  FirstYearGuide() : Folder("guide"), Rig(Folder, 7) {
    Rig.Game->SetAutosave(false);
    Rig.Game->SetWarnings(false);
    Rig.Game->NewGame("Astrid", 0, 0);
    // A well-fed village, so that no season of the first year ends the chief.
    Rig.Game->Village().SetFoodStore(1e9L);
    Guide.Start(Facts(TGuidePlace::Village));
  }

  TGuideFacts Facts(TGuidePlace place) const { return TGuideFacts::Of(*Rig.Game, place); }
  void At(TGuidePlace place) { Guide.Observe(Facts(place)); }

  void GiveEveryoneWork() {
    for (const THumanFigure& figure : Rig.Game->HumanFigures()) {
      if (figure.InWork) Rig.Game->SetWork(figure.Id, TWorkKind::Household);
    }
  }
  void MarkACow() {
    ASSERT_FALSE(Rig.Game->AnimalFigures(TAnimalKind::Cow).empty());
    ASSERT_TRUE(Rig.Game->MarkForSlaughter(Rig.Game->AnimalFigures(TAnimalKind::Cow).front().Id).Accepted);
  }
  // "Neste årstid", with the report seen as the screen shows it in the middle of the change.
  void ChangeSeasonReadingTheReport() {
    Rig.View.OnReport = [this] { At(TGuidePlace::Report); };
    ASSERT_EQ(Rig.Game->BtnChgSeasonClick(), TSeasonChange::Changed);
    Rig.View.OnReport = nullptr;
  }

  TGameFolder Folder;
  TGameRig Rig;
  TFirstYearGuide Guide;
};

// The whole first autumn, step after step, and the arrow at the place of each.
TEST_F(FirstYearGuide, TheFirstAutumnLeadsFromTheCouncilToTheReport) {
  EXPECT_EQ(Guide.Step(), TGuideStep::HearAdvisers);
  EXPECT_EQ(Guide.Target(), TGuideTarget::CouncilButton);
  EXPECT_NE(Guide.Sentence().find("fem"), std::string::npos);
  At(TGuidePlace::Council);
  EXPECT_EQ(Guide.Target(), TGuideTarget::Adviser);
  EXPECT_EQ(Guide.NextAdviser(), 0);
  Rig.Game->HearAdviser(0);
  Rig.Game->HearAdviser(2);
  At(TGuidePlace::Council);
  EXPECT_EQ(Guide.NextAdviser(), 1);
  EXPECT_NE(Guide.Sentence().find("2 av 5"), std::string::npos) << Guide.Sentence();
  Rig.HearCouncil();
  At(TGuidePlace::Council);
  EXPECT_EQ(Guide.Step(), TGuideStep::DivideWork);
  EXPECT_EQ(Guide.Target(), TGuideTarget::WorkButton);

  At(TGuidePlace::Work);
  EXPECT_EQ(Guide.Target(), TGuideTarget::IdlePeople);
  GiveEveryoneWork();
  At(TGuidePlace::Work);
  // The child who gave work stays to watch the forecast.
  EXPECT_EQ(Guide.Step(), TGuideStep::DivideWork);
  EXPECT_EQ(Guide.Target(), TGuideTarget::ForecastLine);
  At(TGuidePlace::Village);
  EXPECT_EQ(Guide.Step(), TGuideStep::MarkAnimals);
  EXPECT_EQ(Guide.Target(), TGuideTarget::SlaughterButton);
  At(TGuidePlace::Slaughter);
  EXPECT_EQ(Guide.Target(), TGuideTarget::AnimalPen);
  MarkACow();
  At(TGuidePlace::Slaughter);
  EXPECT_EQ(Guide.Step(), TGuideStep::TakeDecisions);
  EXPECT_EQ(Guide.Target(), TGuideTarget::DecisionsButton);
  Rig.Game->TakeDecisions();
  At(TGuidePlace::Slaughter);
  EXPECT_EQ(Guide.Step(), TGuideStep::ChangeSeason);
  EXPECT_EQ(Guide.Target(), TGuideTarget::NextSeasonButton);

  ChangeSeasonReadingTheReport();
  EXPECT_EQ(Guide.Step(), TGuideStep::ReadReport);
  EXPECT_EQ(Guide.Target(), TGuideTarget::Report);
  At(TGuidePlace::Village);
  EXPECT_EQ(Guide.Step(), TGuideStep::HearAdvisers);
}

// The count of advisers heard stands inside the sentence, in the form its number asks for.
TEST_F(FirstYearGuide, InNynorskAndEnglishTheAdvisersHeardAreCountedInTheSentence) {
  Rig.Game->HearAdviser(0);
  At(TGuidePlace::Council);
  {
    const TSpokenLanguage nynorsk(TLanguageCode::Nynorsk);
    EXPECT_EQ(Guide.Sentence(),
              "Klikk på kvar rådgjevar: 1 av 5 er høyrd. Når alle er høyrde, kjem knappane for arbeid, slakting og "
              "avgjerder.");
  }
  Rig.Game->HearAdviser(3);
  At(TGuidePlace::Council);
  const TSpokenLanguage english(TLanguageCode::English);
  EXPECT_EQ(Guide.Sentence(),
            "Click each adviser: 2 of 5 have been heard. When all are heard, the buttons for work, slaughter and "
            "decisions appear.");
  At(TGuidePlace::Village);
  EXPECT_EQ(Guide.Sentence().find("Press “Hold a council meeting”"), 0U) << Guide.Sentence();
}

// After the autumn no animals are asked for, and after the fourth report the help is over.
TEST_F(FirstYearGuide, TheHelpEndsWithTheReportOfTheFirstYearsLastSeason) {
  GiveEveryoneWork();
  for (int season = 0; season < TFirstYearGuide::GuidedSeasons; ++season) {
    SCOPED_TRACE(season);
    ASSERT_EQ(Guide.Step(), TGuideStep::HearAdvisers);
    Rig.HearCouncil();
    At(TGuidePlace::Work);
    At(TGuidePlace::Village);
    // Work from the seasons before counts once the page was looked at again.
    EXPECT_EQ(Guide.Step(), season == 0 ? TGuideStep::MarkAnimals : TGuideStep::TakeDecisions);
    if (season == 0) {
      At(TGuidePlace::Slaughter);
      At(TGuidePlace::Village);
    }
    Rig.Game->TakeDecisions();
    At(TGuidePlace::Village);
    ASSERT_EQ(Guide.Step(), TGuideStep::ChangeSeason);
    ChangeSeasonReadingTheReport();
    EXPECT_EQ(Guide.Step(), TGuideStep::ReadReport);
    At(TGuidePlace::Village);
  }
  EXPECT_FALSE(Guide.Shown());
  EXPECT_EQ(Guide.Target(), TGuideTarget::None);
  EXPECT_EQ(Guide.Sentence(), "");
}

// A step taken out of order is passed over, and one not taken is asked for again: the
// decisions taken before the work leave the work the step to do.
TEST_F(FirstYearGuide, AStepTakenEarlyIsPassedOverAndOneLeftOutIsAskedFor) {
  Rig.HearCouncil();
  Rig.Game->TakeDecisions();
  At(TGuidePlace::Village);
  EXPECT_EQ(Guide.Step(), TGuideStep::DivideWork);
  // A look at the work page without giving anyone work is not the work done.
  At(TGuidePlace::Work);
  At(TGuidePlace::Village);
  EXPECT_EQ(Guide.Step(), TGuideStep::DivideWork);
  At(TGuidePlace::Work);
  GiveEveryoneWork();
  At(TGuidePlace::Slaughter);
  // A look at the animals without marking one is enough: keeping them all is a choice.
  EXPECT_EQ(Guide.Step(), TGuideStep::MarkAnimals);
  At(TGuidePlace::Council);
  EXPECT_EQ(Guide.Step(), TGuideStep::ChangeSeason);
}

TEST_F(FirstYearGuide, SwitchedOffItIsGoneAndANewGameDoesNotBringItBack) {
  Guide.SwitchOff();
  EXPECT_FALSE(Guide.Shown());
  At(TGuidePlace::Council);
  EXPECT_FALSE(Guide.Shown());
  Rig.Game->NewGame("Astrid", 0, 1);
  Guide.Start(Facts(TGuidePlace::Village));
  EXPECT_FALSE(Guide.Shown());
  EXPECT_TRUE(Guide.SwitchedOff());
}

// The game left (or the chief deposed) in the first year ends the help; a new game starts it
// again from the council.
TEST_F(FirstYearGuide, AGameThatEndsEndsTheHelpAndANewOneStartsItAgain) {
  Rig.HearCouncil();
  At(TGuidePlace::Village);
  ASSERT_EQ(Guide.Step(), TGuideStep::DivideWork);
  Rig.Game->Leave();
  At(TGuidePlace::Village);
  EXPECT_FALSE(Guide.Shown());
  Rig.Game->NewGame("Astrid", 0, 2);
  Guide.Start(Facts(TGuidePlace::Village));
  EXPECT_EQ(Guide.Step(), TGuideStep::HearAdvisers);
}

TEST(GuideFacts, WithoutAGameTheHelpNeverStarts) {
  TFirstYearGuide guide;
  guide.Start(TGuideFacts{});
  EXPECT_FALSE(guide.Shown());
}

}  // namespace
}  // namespace fjordheim

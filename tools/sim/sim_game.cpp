#include "tools/sim/sim_game.h"

namespace fjordheim {

namespace {

// An event comes in one season of four, on average.
constexpr int EventChance = 4;

// The judgement of a chief who keeps the given standing with the council, as the game makes it after
// every season change: the council's view, how many adults survived and how well the goods cover.
float SeasonRating(const TVillage& village, int standing) {
  const long double council = (standing + 20) * 0.025L;
  const long double survival = 2 - 6 / (village.SurvivalFactor() + 3);
  const long double trade = 0.5L * village.Trade.DemandCoverage();
  return static_cast<float>(council * survival * trade / 0.125L);
}

}  // namespace

TSimGame::TSimGame(const TSimOptions& options)
    : FOptions(options), FRandom(options.Seed), FVillage(TVillage::CreateForLand(options.Land, FRandom)) {
  FVillage.OnBirths = [this](const TPersonRefs& born) { FBirths = static_cast<int>(born.size()); };
}

void TSimGame::AssignWork() {
  for (auto& person : FVillage.People) {
    if (person->IsAdultMan()) {
      person->Work = FOptions.Work.Men;
    } else if (person->IsAdultWoman()) {
      person->Work = FOptions.Work.Women;
    } else if (person->IsYouth()) {
      person->Work = FOptions.Work.Youths;
    } else {
      person->Work = TWorkKind::Idle;
    }
  }
}

TSeasonRecord TSimGame::PlaySeason() {
  AssignWork();
  if (FVillage.Season == TSeason::Autumn) {
    const TAnimalCounts& plan = FOptions.Slaughter;
    FVillage.Slaughter(plan[0], plan[1], plan[2], plan[3]);
  }
  if (FOptions.Events && FRandom.Random(EventChance) == 0) {
    FVillage.SetEvent(static_cast<TVillageEvent>(FRandom.Random(VillageEventCount)));
  }
  FBirths = 0;
  FVillage.ChangeSeason(FRandom);
  FVillage.AddRating(SeasonRating(FVillage, FOptions.Standing));
  return RecordOf(FVillage, FBirths);
}

}  // namespace fjordheim

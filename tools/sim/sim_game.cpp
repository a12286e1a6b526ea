#include "tools/sim/sim_game.h"

#include "core/game/game_controller.h"

namespace fjordheim {

namespace {

// An event comes in one season of four, on average.
constexpr int EventChance = 4;

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
  // The game's own judgement of a chief who keeps this standing with the council.
  FVillage.AddRating(static_cast<float>(TGameController::RatingOf(FVillage, FOptions.Standing, true)));
  return RecordOf(FVillage, FBirths);
}

}  // namespace fjordheim

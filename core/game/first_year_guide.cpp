#include "core/game/first_year_guide.h"

#include <algorithm>

#include "core/game/game_controller.h"

namespace fjordheim {

TGuideFacts TGuideFacts::Of(const TGameController& game, TGuidePlace place) {
  TGuideFacts facts;
  facts.InGame = game.InGame() && !game.Deposed();
  facts.Season = game.Village().Season;
  facts.Year = game.Village().Year;
  for (int area = 0; area < AdviceAreaCount; ++area) facts.Heard[static_cast<std::size_t>(area)] = game.Heard(area);
  facts.CouncilHeld = game.CouncilHeld();
  for (const THumanFigure& figure : game.HumanFigures()) {
    if (figure.InWork && figure.Person != nullptr && figure.Person->Work != TWorkKind::Idle) ++facts.Working;
  }
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    for (const TAnimalFigure& animal : game.AnimalFigures(static_cast<TAnimalKind>(kind))) facts.Marked += animal.Marked;
  }
  facts.DecisionsTaken = game.DecisionsTaken();
  facts.Place = place;
  return facts;
}

void TFirstYearGuide::Start(const TGuideFacts& facts) {
  FStep = TGuideStep::Done;
  if (FSwitchedOff || !facts.InGame) return;
  FSeasonsChanged = 0;
  BeginSeason(facts);
  FStep = TGuideStep::HearAdvisers;
  Observe(facts);
}

void TFirstYearGuide::SwitchOff() {
  FSwitchedOff = true;
  FStep = TGuideStep::Done;
}

void TFirstYearGuide::BeginSeason(const TGuideFacts& facts) {
  FFacts = facts;
  FWorkSeen = false;
  FWorkDone = false;
  FPenSeen = false;
  FPenDone = false;
}

// A page counts as done once it was seen and then left: the child who gave work stays on
// the work page to watch the forecast, and a child who looked at the animals and chose to
// keep them all may do so.
void TFirstYearGuide::Observe(const TGuideFacts& facts) {
  if (FStep == TGuideStep::Done) return;
  if (!facts.InGame) {
    FStep = TGuideStep::Done;
    return;
  }
  if (facts.Season != FFacts.Season || facts.Year != FFacts.Year) {
    ++FSeasonsChanged;
    BeginSeason(facts);
  }
  FFacts = facts;
  if (facts.Place == TGuidePlace::Work) {
    FWorkSeen = true;
  } else if (FWorkSeen && facts.Working > 0) {
    FWorkDone = true;
  }
  if (facts.Place == TGuidePlace::Slaughter) {
    FPenSeen = true;
  } else if (FPenSeen) {
    FPenDone = true;
  }
  if (facts.Marked > 0) FPenDone = true;

  if (FSeasonsChanged > 0 && facts.Place == TGuidePlace::Report && !facts.CouncilHeld) {
    FStep = TGuideStep::ReadReport;
  } else if (FSeasonsChanged >= GuidedSeasons) {
    FStep = TGuideStep::Done;
  } else {
    FStep = StepInSeason(facts);
  }
}

TGuideStep TFirstYearGuide::StepInSeason(const TGuideFacts& facts) const {
  if (!facts.CouncilHeld) return TGuideStep::HearAdvisers;
  if (!FWorkDone) return TGuideStep::DivideWork;
  if (facts.Season == TSeason::Autumn && !FPenDone) return TGuideStep::MarkAnimals;
  if (!facts.DecisionsTaken) return TGuideStep::TakeDecisions;
  return TGuideStep::ChangeSeason;
}

TGuideTarget TFirstYearGuide::Target() const {
  const TGuidePlace place = FFacts.Place;
  switch (FStep) {
    case TGuideStep::HearAdvisers: return place == TGuidePlace::Council ? TGuideTarget::Adviser : TGuideTarget::CouncilButton;
    case TGuideStep::DivideWork:
      if (place != TGuidePlace::Work) return TGuideTarget::WorkButton;
      return FFacts.Working == 0 ? TGuideTarget::IdlePeople : TGuideTarget::ForecastLine;
    case TGuideStep::MarkAnimals:
      return place == TGuidePlace::Slaughter ? TGuideTarget::AnimalPen : TGuideTarget::SlaughterButton;
    case TGuideStep::TakeDecisions: return TGuideTarget::DecisionsButton;
    case TGuideStep::ChangeSeason: return TGuideTarget::NextSeasonButton;
    case TGuideStep::ReadReport: return TGuideTarget::Report;
    case TGuideStep::Done: return TGuideTarget::None;
  }
  return TGuideTarget::None;
}

int TFirstYearGuide::NextAdviser() const {
  const auto unheard = std::find(FFacts.Heard.begin(), FFacts.Heard.end(), false);
  return unheard == FFacts.Heard.end() ? -1 : static_cast<int>(unheard - FFacts.Heard.begin());
}

std::string TFirstYearGuide::Sentence() const {
  const TGuidePlace place = FFacts.Place;
  switch (FStep) {
    case TGuideStep::HearAdvisers: {
      if (place != TGuidePlace::Council) {
        return Tr("Trykk på «Hold rådsmøte» og hør alle fem rådgiverne. Først da kommer knappene for arbeid, "
                  "slakting og avgjørelser.");
      }
      const auto heard = std::count(FFacts.Heard.begin(), FFacts.Heard.end(), true);
      // Translators: {0} advisers of the {1} have been heard.
      return TrPlural("Klikk på hver rådgiver: {0} av {1} er hørt. Når alle er hørt, kommer knappene for arbeid, "
                      "slakting og avgjørelser.",
                      "Klikk på hver rådgiver: {0} av {1} er hørt. Når alle er hørt, kommer knappene for arbeid, "
                      "slakting og avgjørelser.",
                      heard, heard, AdviceAreaCount);
    }
    case TGuideStep::DivideWork:
      if (place != TGuidePlace::Work) return Tr("Trykk på «Fordel arbeidsoppgaver» og gi folket arbeid.");
      if (FFacts.Working == 0) return Tr("Dra folk fra rekka øverst til en arbeidsplass.");
      return Tr("Lappen til høyre sier om maten rekker. Flytt folk til alle blir mette.");
    case TGuideStep::MarkAnimals:
      if (place != TGuidePlace::Slaughter) return Tr("Før vinteren kan du slakte noen dyr. Trykk på «Slakte».");
      return Tr("Dra dyr ned til slakteplassen. De blir mat når årstiden er over.");
    case TGuideStep::TakeDecisions: return Tr("Trykk på «Andre avgjørelser» og velg tre oppgaver.");
    case TGuideStep::ChangeSeason: return Tr("Nå er du klar. Trykk på «Neste årstid».");
    case TGuideStep::ReadReport: return Tr("Les rapporten. Den forteller hva som hendte i bygda.");
    case TGuideStep::Done: return "";
  }
  return "";
}

}  // namespace fjordheim

#include "core/game/council_concerns.h"

#include <algorithm>

#include "core/common/translation.h"
#include "core/settings/name_tables.h"

namespace fjordheim {

namespace {

// The store's shortfall, then the work that would mend it.
std::string FoodShort(TSeason ending, const std::string& remedy) {
  // Translators: {0} is the season with its article: "vinteren".
  return Tr("Forrådet rekker ikke gjennom {0}.", Tr(SeasonNamesDefinite[ending])) + " " + remedy;
}

}  // namespace

TCouncilConcerns TCouncilConcerns::Of(const TSeasonForecast& forecast) {
  TCouncilConcerns concerns;
  if (!forecast.Available) return concerns;
  if (forecast.NobodyWorks) {
    concerns.Say(TAdviceArea::People,
                 Tr("Ingen har fått arbeid ennå. Gi folket arbeid, ellers blir det nesten ingen mat."));
  } else if (forecast.Starvation()) {
    // Both works are named when one more pair of hands would feed about as many in either.
    if (forecast.Short(TWorkKind::HuntFish)) {
      concerns.Say(TAdviceArea::Hunting, FoodShort(forecast.Season, Tr("Vi trenger flere på jakt og fiske.")));
    }
    if (forecast.Short(TWorkKind::Household) || forecast.FoodWork() == TWorkKind::Idle) {
      concerns.Say(TAdviceArea::People, FoodShort(forecast.Season, Tr("Vi trenger flere i husholdningen.")));
    }
  }
  if (!forecast.AnimalsFed) {
    concerns.Say(TAdviceArea::Cattle, Tr("Dyrene får ikke nok fôr. Sett flere til å stelle dem, eller slakt noen."));
  }
  if (forecast.Short(TWorkKind::Farming)) {
    concerns.Say(TAdviceArea::Agriculture, Tr("Kornet på åkeren får for lite stell. Vi trenger flere på åkeren."));
  }
  if (forecast.DeposeLikely()) {
    concerns.Say(TAdviceArea::Miscellaneous,
                 Tr("Høvding, rådet er misfornøyd. Slik det går nå, blir du avsatt etter denne årstiden."));
  }
  return concerns;
}

bool TCouncilConcerns::Any() const {
  return std::any_of(FSentences.begin(), FSentences.end(),
                     [](const std::string& sentence) { return !sentence.empty(); });
}

}  // namespace fjordheim

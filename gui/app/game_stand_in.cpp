#include "gui/app/game_stand_in.h"

#include <stdexcept>

#include "core/settings/name_tables.h"

namespace fjordheim {

void TGameStandIn::NewGame() {
  FSeason = TSeason::Autumn;
  FYear = 852;
}

void TGameStandIn::LoadGame(const std::string&) { throw std::runtime_error(NotYetMessage); }
void TGameStandIn::SaveGame(const std::string&) { throw std::runtime_error(NotYetMessage); }
void TGameStandIn::ChangeSeason() { throw std::runtime_error(NotYetMessage); }
void TGameStandIn::TakeDecisions() { throw std::runtime_error(NotYetMessage); }
void TGameStandIn::Slaughter() { throw std::runtime_error(NotYetMessage); }
void TGameStandIn::ShowVillageStatus() { throw std::runtime_error(NotYetMessage); }

std::string TGameStandIn::StatusCaption() const {
  return std::string(SeasonYearNames[FSeason]) + " " + std::to_string(FYear);
}

}  // namespace fjordheim

#pragma once

#include "gui/app/game_actions.h"

namespace fjordheim {

inline constexpr const char* NotYetMessage = "Dette er ikke med i spillet ennå.";

/// Stands in for the turn cycle until it is joined: a new game is the autumn of 852,
/// every other step answers that it is not there yet.
class TGameStandIn : public TGameActions {
 public:
  void NewGame() override;
  void LoadGame(const std::string& path) override;
  void SaveGame(const std::string& path) override;
  void ChangeSeason() override;
  void TakeDecisions() override;
  void Slaughter() override;
  void ShowVillageStatus() override;
  void LeaveGame() override {}

  TSeason Season() const override { return FSeason; }
  std::string StatusCaption() const override;

 private:
  TSeason FSeason = TSeason::Autumn;
  int FYear = 852;
};

}  // namespace fjordheim

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/season.h"
#include "core/game/first_year_guide.h"

namespace fjordheim {

/// The chief of the game in play.
struct TChief {
  std::string Name;
  std::int32_t Face = 0;
};

/// What the main window asks of the game; TScreenGame answers with the turn cycle. Every
/// operation may throw with a message for the player; the main window shows it and the
/// game in play stays as it was.
class TGameActions {
 public:
  virtual ~TGameActions() = default;

  /// A new chief was accepted: found the village of the land chosen.
  virtual void NewGame() = 0;
  /// False when the game was not loaded; the player has been told why.
  virtual bool LoadGame(const std::string& path) = 0;
  /// False when the game was not saved; the player has been told why.
  virtual bool SaveGame(const std::string& path) = 0;
  virtual void ChangeSeason() = 0;
  virtual void TakeDecisions() = 0;
  virtual void ShowVillageStatus() = 0;
  /// The market visit of the trade button; returns when the market window has closed.
  /// A game without markets has nothing to visit.
  virtual void VisitMarket() {}
  /// The status window at its food tab.
  virtual void ShowFoodStatus() { ShowVillageStatus(); }
  /// "Krønike": the game's history in graphs.
  virtual void ShowChronicle() {}
  /// The chief leaves: the score list for a chief past the first year, then no village.
  virtual void LeaveGame() = 0;
  /// The player chose another language: the content of the game is read in it.
  virtual void ReadContent() {}

  virtual TSeason Season() const = 0;
  /// The season and year for the status button ("Høsten år 852").
  virtual std::string StatusCaption() const = 0;
  /// The chief's personal page; empty while no game is in play.
  virtual std::string BookmarkFile() const = 0;
  /// The chief of the game in play; none while no game is in play.
  virtual std::optional<TChief> Chief() const = 0;
  /// What the help of the first year reads of the game in play, the player being at place;
  /// none while no game is in play.
  virtual std::optional<TGuideFacts> GuideFacts(TGuidePlace) const { return std::nullopt; }
};

}  // namespace fjordheim

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/village/human_info.h"
#include "core/village/village.h"

namespace fjordheim {

/// Who does which work: every adult man, every adult woman and every youth at one kind each.
struct TWorkPlan {
  TWorkKind Men = TWorkKind::HuntFish;
  TWorkKind Women = TWorkKind::Household;
  TWorkKind Youths = TWorkKind::Farming;
};

/// Who leads the village in play mode.
enum class TSimChief : std::uint8_t {
  /// Sends the men and youths hunting and the women to the household and the cattle.
  Rules = 0,
  /// Knows no rule and divides the work by the forecast alone.
  Forecast = 1,
  /// Gives nobody work.
  Idle = 2
};

/// What one run of the simulator does.
struct TSimOptions {
  int Land = 0;
  std::uint32_t Seed = 1;
  int Seasons = 40;
  TWorkPlan Work;
  /// Animals slaughtered before each autumn's change, per kind.
  TAnimalCounts Slaughter{};
  /// The chief's standing with the council (-20 to 20), which weighs the rating behind the score.
  int Standing = 0;
  bool Events = false;
  bool Csv = false;
  bool Help = false;
  /// Plays whole games through the game's own turn cycle on a data set, with the simple
  /// chief, instead of the fixed plan; Seasons is then the most a chief may last.
  bool Play = false;
  /// In play mode: three decisions at random instead of the right ones.
  bool RandomDecisions = false;
  /// In play mode: the game folder holding "tunstad.ini" and the data set.
  std::string GameFolder;
  /// In play mode: once a year, in summer, the chief visits the first local market of the
  /// settings and negotiates with every computer merchant there.
  bool Trade = false;
  /// In play mode: when above 0, plays this many seeds from Seed on, each without and with
  /// trade, and prints how long the chiefs lasted instead of the chronicle.
  int CompareTrade = 0;
  /// In play mode: who leads the village.
  TSimChief Chief = TSimChief::Rules;
  /// In play mode: when above 0, plays this many seeds from Seed on in each land with every
  /// kind of chief and prints how long they lasted.
  int CompareChiefs = 0;
};

/// The options, or the reason the arguments were refused.
struct TSimParseResult {
  std::optional<TSimOptions> Options;
  std::string Error;
};

/// Reads the command line (without the program name).
TSimParseResult ParseSimArguments(const std::vector<std::string>& arguments);

/// The text shown for --help.
std::string SimUsage();

}  // namespace fjordheim

#include "tools/sim/sim_options.h"

#include <array>
#include <limits>
#include <string_view>
#include <utility>

#include "core/common/checked_number.h"
#include "core/common/command_line.h"

namespace fjordheim {

namespace {

constexpr int MostSeasons = 10000;
constexpr int MostGames = 1000;

constexpr std::array<std::pair<std::string_view, TWorkKind>, WorkKindCount> WorkNames{{
    {"idle", TWorkKind::Idle},
    {"cattle", TWorkKind::Cattle},
    {"household", TWorkKind::Household},
    {"huntfish", TWorkKind::HuntFish},
    {"farming", TWorkKind::Farming},
}};

constexpr std::array<std::string_view, AnimalKindCount> AnimalNames{"cows", "pigs", "sheep", "hens"};

constexpr std::array<std::pair<std::string_view, TSimChief>, 3> ChiefNames{{
    {"rules", TSimChief::Rules},
    {"forecast", TSimChief::Forecast},
    {"idle", TSimChief::Idle},
}};

std::optional<TSimChief> ParseChief(std::string_view text) {
  for (const auto& [name, chief] : ChiefNames) {
    if (name == text) return chief;
  }
  return std::nullopt;
}

std::optional<TWorkKind> ParseWorkKind(std::string_view text) {
  for (const auto& [name, kind] : WorkNames) {
    if (name == text) return kind;
  }
  return std::nullopt;
}

// Splits "a=1,b=2" into its pairs; an empty list or a pair without a name before '=' gives nothing.
std::optional<std::vector<std::pair<std::string_view, std::string_view>>> SplitPairs(std::string_view text) {
  std::vector<std::pair<std::string_view, std::string_view>> pairs;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos || equals == 0) return std::nullopt;
    pairs.emplace_back(item.substr(0, equals), item.substr(equals + 1));
    if (comma == std::string_view::npos) return pairs;
    text.remove_prefix(comma + 1);
  }
}

std::string ParseWorkPlan(std::string_view text, TWorkPlan& plan) {
  const auto pairs = SplitPairs(text);
  if (!pairs) return "--work wants group=work pairs, e.g. men=huntfish,women=household,youths=farming";
  for (const auto& [group, work] : *pairs) {
    const auto kind = ParseWorkKind(work);
    if (!kind) return "unknown work '" + std::string(work) + "' (idle, cattle, household, huntfish, farming)";
    if (group == "men") {
      plan.Men = *kind;
    } else if (group == "women") {
      plan.Women = *kind;
    } else if (group == "youths") {
      plan.Youths = *kind;
    } else {
      return "unknown group '" + std::string(group) + "' in --work (men, women, youths)";
    }
  }
  return {};
}

std::string ParseSlaughterPlan(std::string_view text, TAnimalCounts& counts) {
  const auto pairs = SplitPairs(text);
  if (!pairs) return "--slaughter wants kind=count pairs, e.g. cows=1,pigs=2";
  for (const auto& [animal, count] : *pairs) {
    std::size_t kind = 0;
    while (kind < AnimalNames.size() && AnimalNames[kind] != animal) ++kind;
    if (kind == AnimalNames.size())
      return "unknown animal '" + std::string(animal) + "' in --slaughter (cows, pigs, sheep, hens)";
    const auto value = ParseCheckedNumber<std::uint16_t>(count, 0, std::numeric_limits<std::uint16_t>::max());
    if (!value) return "--slaughter " + std::string(animal) + " wants a count from 0 to 65535";
    counts[kind] = *value;
  }
  return {};
}

// Applies one option with its value; returns what was wrong, or nothing.
std::string ApplyValued(std::string_view name, std::string_view value, TSimOptions& options) {
  if (name == "--land") {
    const auto land = ParseCheckedNumber<int>(value, 0, 2);
    if (!land) return "--land wants 0, 1 or 2";
    options.Land = *land;
  } else if (name == "--seed") {
    const auto seed = ParseCheckedNumber<std::uint32_t>(value, 0, std::numeric_limits<std::uint32_t>::max());
    if (!seed) return "--seed wants a whole number from 0 to 4294967295";
    options.Seed = *seed;
  } else if (name == "--seasons") {
    const auto seasons = ParseCheckedNumber<int>(value, 0, MostSeasons);
    if (!seasons) return "--seasons wants a whole number from 0 to " + std::to_string(MostSeasons);
    options.Seasons = *seasons;
  } else if (name == "--standing") {
    const auto standing = ParseCheckedNumber<int>(value, -20, 20);
    if (!standing) return "--standing wants a whole number from -20 to 20";
    options.Standing = *standing;
  } else if (name == "--compare-trade") {
    const auto games = ParseCheckedNumber<int>(value, 1, MostGames);
    if (!games) return "--compare-trade wants a whole number from 1 to " + std::to_string(MostGames);
    options.CompareTrade = *games;
  } else if (name == "--compare-chiefs") {
    const auto games = ParseCheckedNumber<int>(value, 1, MostGames);
    if (!games) return "--compare-chiefs wants a whole number from 1 to " + std::to_string(MostGames);
    options.CompareChiefs = *games;
  } else if (name == "--chief") {
    const auto chief = ParseChief(value);
    if (!chief) return "unknown chief '" + std::string(value) + "' (rules, forecast, idle)";
    options.Chief = *chief;
  } else if (name == "--game") {
    if (value.empty()) return "--game wants a folder";
    // The game reads its settings beside the program file it is named for: "DIR/fjordheim".
    options.GameFolder = std::string(value);
    if (!options.GameFolder.ends_with('/')) options.GameFolder += '/';
  } else if (name == "--work") {
    return ParseWorkPlan(value, options.Work);
  } else {
    return ParseSlaughterPlan(value, options.Slaughter);
  }
  return {};
}

// Sets the switch of that name; false when there is none.
bool SetSwitch(std::string_view name, TSimOptions& options) {
  if (name == "--help" || name == "-h") {
    options.Help = true;
  } else if (name == "--events") {
    options.Events = true;
  } else if (name == "--csv") {
    options.Csv = true;
  } else if (name == "--play") {
    options.Play = true;
  } else if (name == "--trade") {
    options.Trade = true;
  } else if (name == "--random-decisions") {
    options.RandomDecisions = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

TSimParseResult ParseSimArguments(const std::vector<std::string>& arguments) {
  TSimOptions options;
  options.GameFolder = FJORDHEIM_DEFAULT_GAME_DIR;
  const std::string error = ReadCommandLine(
      arguments, {"--land", "--seed", "--seasons", "--standing", "--work", "--slaughter", "--game", "--compare-trade",
                  "--compare-chiefs", "--chief"},
      [&options](std::string_view name) { return SetSwitch(name, options); },
      [&options](std::string_view name, std::string_view value) { return ApplyValued(name, value, options); });
  if (!error.empty()) return {std::nullopt, error};
  return {options, {}};
}

std::string SimUsage() {
  return "Usage: fjordheim-sim [options]\n"
         "Founds a village and lives through its seasons without the game's windows,\n"
         "printing one line a season.\n"
         "\n"
         "  --land N          the land the village is founded in: 0, 1 or 2 (default 0)\n"
         "  --seed S          seed of the random generator, so that a run replays (default 1)\n"
         "  --seasons N       number of season changes (default 40)\n"
         "  --work PLAN       who works at what, e.g. men=huntfish,women=household,youths=farming\n"
         "                    (the default); works: idle, cattle, household, huntfish, farming\n"
         "  --slaughter PLAN  animals slaughtered before each autumn's change, e.g. cows=1,pigs=2\n"
         "                    (kinds: cows, pigs, sheep, hens; default none)\n"
         "  --standing N      the chief's standing with the council, -20 to 20 (default 0);\n"
         "                    it weighs the seasonal rating the score is made of\n"
         "  --events          now and then a village event (good harvest, frost, fire, ...)\n"
         "  --csv             print a comma-separated table instead of lines\n"
         "  --play            play whole games through the game's turn cycle with a simple chief\n"
         "                    (hears the council, divides the work, takes the right decisions)\n"
         "                    until he is deposed or --seasons have passed; prints the chronicle\n"
         "                    and how many seasons the chief lasted\n"
         "  --random-decisions  with --play: three decisions at random instead of the right ones\n"
         "  --trade           with --play: once a year, in summer, the chief visits the first\n"
         "                    local market and trades with its computer merchants\n"
         "  --compare-trade N with --play: plays N seeds from --seed on, each without and with\n"
         "                    trade, and prints how many seasons the chiefs lasted\n"
         "  --chief WHO       with --play: who leads: rules (the simple chief, the default),\n"
         "                    forecast (knows no rule and divides the work by the forecast\n"
         "                    alone) or idle (gives nobody work)\n"
         "  --compare-chiefs N  with --play: plays N seeds from --seed on in each land with\n"
         "                    every chief and prints how many seasons each lasted\n"
         "  --game DIR        with --play: the game folder with tunstad.ini and the data set\n"
         "                    (default: the game folder of the build)\n"
         "  --help            print this text\n";
}

}  // namespace fjordheim

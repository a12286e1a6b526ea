#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/sim_game.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/sim_play.h"

int main(int argc, char** argv) {
  using namespace fjordheim;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const TSimParseResult parsed = ParseSimArguments(arguments);
  if (!parsed.Options) {
    std::cerr << "fjordheim-sim: " << parsed.Error << "\nTry 'fjordheim-sim --help'.\n";
    return 2;
  }
  const TSimOptions& options = *parsed.Options;
  if (options.Help) {
    std::cout << SimUsage();
    return 0;
  }
  if (options.Play && options.CompareChiefs > 0) {
    CompareChiefs(options, std::cout, std::cerr);
    return std::cout.good() ? 0 : 1;
  }
  if (options.Play && options.CompareTrade > 0) {
    CompareTrade(options, std::cout, std::cerr);
    return std::cout.good() ? 0 : 1;
  }
  if (options.Play) {
    const TPlayResult result = PlayGame(options, std::cout, std::cerr);
    std::cerr << "The chief lasted " << result.Seasons << (result.Seasons == 1 ? " season" : " seasons")
              << (result.Deposed ? " and was deposed.\n" : " and still rules.\n");
    return std::cout.good() ? 0 : 1;
  }
  TSimGame game(options);
  if (options.Csv) std::cout << CsvHeader() << '\n';
  for (int season = 0; season < options.Seasons; ++season) {
    const TSeasonRecord record = game.PlaySeason();
    std::cout << (options.Csv ? FormatCsvRow(record) : FormatSeasonLine(record)) << '\n';
  }
  return std::cout.good() ? 0 : 1;
}

#include "core/council/advice_generator.h"

#include <utility>

#include "core/common/line_use.h"
#include "core/common/file_messages.h"
#include "core/common/lines.h"

namespace fjordheim {

TAdviceGenerator::TAdviceGenerator(const std::string& path, TMessageSink& sink) : FSourceName(path) {
  std::vector<std::string> lines;
  if (!Read1252Lines(path, lines)) {
    for (int season = 0; season < AdviceSeasonCount; ++season) sink.ShowMessage(CannotReadAdviceFileMessage(path));
    return;
  }
  ReadAllSeasons(lines);
}

TAdviceGenerator::TAdviceGenerator(const std::vector<std::string>& lines, std::string sourceName)
    : FSourceName(std::move(sourceName)) {
  ReadAllSeasons(lines);
}

void TAdviceGenerator::ReadAllSeasons(const std::vector<std::string>& lines) {
  TLineUse use(lines.size());
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    FGroups[static_cast<std::size_t>(season)].ReadSeason(lines, AdviceSeasonKeywords[season], &use);
  }
  FIgnoredLines = use.IgnoredLines(FSourceName, lines);
}

void TAdviceGenerator::SelectAdvice(TAdviceSeason season, TRandom& random) {
  const TAdviceGroup& group = Group(season);
  for (int area = 0; area < AdviceAreaCount; ++area) {
    FCurrent[static_cast<std::size_t>(area)] = group.PickRandom(static_cast<TAdviceArea>(area), random);
  }
}

std::string TAdviceGenerator::AdviceText(int area) const {
  const TAdviceNode* node = AdviceNode(area);
  return node ? node->Text : std::string();
}

const TAdviceNode* TAdviceGenerator::AdviceNode(int area) const {
  if (area < 0 || area >= AdviceAreaCount) return nullptr;
  return FCurrent[static_cast<std::size_t>(area)];
}

std::vector<std::string> TAdviceGenerator::MissingAdvice() const {
  std::vector<std::string> missing;
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    for (int area = 0; area < AdviceAreaCount; ++area) {
      if (FGroups[static_cast<std::size_t>(season)].HasAdvice(static_cast<TAdviceArea>(area))) continue;
      missing.push_back(FSourceName + ": no advice for " + std::string(AdviceSeasonKeywords[season]) + " " +
                        std::string(AdviceAreaKeywords[area]));
    }
  }
  return missing;
}

}  // namespace fjordheim

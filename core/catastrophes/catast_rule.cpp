#include "core/catastrophes/catast_rule.h"

#include <array>
#include <utility>

namespace fjordheim {
namespace {

using TKeyedRule = std::pair<std::string_view, TCatastRule>;

const std::array<TKeyedRule, 8> KeyedRules{{
    {"_GoodSummHarvest", {TSeason::Summer, TVillageEvent::GoodSummerHarvest}},
    {"_GoodAutuHarvest", {TSeason::Autumn, TVillageEvent::GoodAutumnHarvest}},
    {"_Visit", {TSeason::Winter, TVillageEvent::Visit}},
    {"_Frost", {TSeason::Summer, TVillageEvent::Frost, TSpecialSituation::Frost}},
    {"_Fire", {TSeason::Summer, TVillageEvent::Fire, TSpecialSituation::Fire}},
    {"_Epidemy", {std::nullopt, TVillageEvent::Epidemy}},
    {"_GoodHunting", {TSeason::Winter, TVillageEvent::GoodHunting}},
    {"_Dryness", {TSeason::Summer, TVillageEvent::Dryness}},
}};

}  // namespace

std::optional<TCatastRule> FindCatastRule(std::string_view key) {
  for (const auto& [known, rule] : KeyedRules) {
    if (known == key) return rule;
  }
  return std::nullopt;
}

}  // namespace fjordheim

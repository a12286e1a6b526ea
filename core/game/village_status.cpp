#include "core/game/village_status.h"

#include <algorithm>

#include "core/common/rounding.h"
#include "core/trade/goods_names.h"

namespace fjordheim {

namespace {

// Rows far past the bottom or right of a picture only draw over each other or outside;
// the lists stop there so that a huge village gives a short list.
constexpr int MaxPicturesPerRow = 2000;

std::string InParentheses(int n) { return "(" + std::to_string(n) + ")"; }

}  // namespace

TStatusBar TVillageStatus::Bar(long double factor) {
  return {static_cast<int>(78 + Round((1.0L - factor) * 112.0L)), static_cast<int>(50 + Round(factor * 112.0L))};
}

TVillageStatus::TVillageStatus(const TVillage& village) {
  const std::array<int, 5> people{village.CountElders(), village.CountAdultMen(), village.CountAdultWomen(),
                                  village.CountYouths() + village.CountChildren(), village.CountInfants()};
  People = {HumanWidth, HumanHeight, {}};
  const int perHumanRow = HumanWidth / 12;
  for (std::size_t r = 0; r < people.size(); ++r) {
    PeopleCounts[r] = InParentheses(people[r]);
    for (int i = 0; i < std::min(people[r], MaxPicturesPerRow); ++i) {
      People.Pictures.push_back({PersonPicture, 12 * (i % perHumanRow), 12 * (i / perHumanRow) + 40 * static_cast<int>(r)});
    }
  }

  Animals = {CattleWidth, CattleHeight, {}};
  const int perAnimalRow = CattleWidth / 16;
  for (int k = 0; k < AnimalKindCount; ++k) {
    const int count = village.Animals[static_cast<std::size_t>(k)];
    AnimalCounts[static_cast<std::size_t>(k)] = std::to_string(count);
    for (int i = 0; i < std::min(count, MaxPicturesPerRow); ++i) {
      Animals.Pictures.push_back({k, 16 * (i % perAnimalRow), 48 * k + 32 - 10 * (i / perAnimalRow)});
    }
  }

  Goods = {TradeWidth, TradeHeight, {}};
  for (int k = 0; k < GoodsKindCount; ++k) {
    const auto kind = static_cast<TGoodsKind>(k);
    const int held = std::min<int>(village.Trade.GetGoods(kind), MaxPicturesPerRow);
    const int wanted = std::min<int>(village.Trade.GetDemand(kind), MaxPicturesPerRow);
    for (int i = 0; i < held; ++i) {
      const int slot = i < wanted ? i : i - wanted + 4;
      Goods.Pictures.push_back({k, 20 * slot, GoodsRowHeight * k});
    }
    for (int j = held; j < wanted; ++j) MissingDots.push_back({k, 20 * j + 7, GoodsRowHeight * k + 10});
    GoodsLabels[static_cast<std::size_t>(k)] = GoodsCountLabel(kind, village.Trade.GetGoods(kind));
  }
}

}  // namespace fjordheim

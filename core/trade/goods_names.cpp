#include "core/trade/goods_names.h"

#include <array>

namespace fjordheim {

namespace {

constexpr std::array<TGoodsName, GoodsKindCount> Names{{
    {"Sølv", "sølv", false},
    {"Rav", "rav", false},
    {"Pels", "pels", false},
    {"Jern", "jern", false},
    {"Smykker", "smykker", true},
    {"Våpen", "våpen", true},
}};

}  // namespace

const TGoodsName& GoodsName(TGoodsKind kind) { return Names[static_cast<std::size_t>(kind)]; }

std::string GoodsCountLabel(TGoodsKind kind, int count) {
  return std::string(GoodsName(kind).Label) + ": " + std::to_string(count);
}

std::string TooLittleOf(TGoodsKind kind) {
  const TGoodsName& name = GoodsName(kind);
  return std::string(name.Counted ? "for få " : "for lite ") + name.Word;
}

}  // namespace fjordheim

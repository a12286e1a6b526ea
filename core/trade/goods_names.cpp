#include "core/trade/goods_names.h"

#include <array>

#include "core/common/translation.h"

namespace fjordheim {

namespace {

constexpr std::array<TGoodsName, GoodsKindCount> Names{{
    // Translators: each kind of goods by its name on the picture, then by its word inside a sentence.
    {TrMark("Sølv"), TrMark("sølv"), false},
    {TrMark("Rav"), TrMark("rav"), false},
    {TrMark("Pels"), TrMark("pels"), false},
    {TrMark("Jern"), TrMark("jern"), false},
    {TrMark("Smykker"), TrMark("smykker"), true},
    {TrMark("Våpen"), TrMark("våpen"), true},
}};

}  // namespace

const TGoodsName& GoodsName(TGoodsKind kind) { return Names[static_cast<std::size_t>(kind)]; }

std::string GoodsCountLabel(TGoodsKind kind, int count) {
  // Translators: a kind of goods and how many there are, as a tip over the goods: "Pels: 4".
  return Tr("{0}: {1}", Tr(GoodsName(kind).Label), count);
}

std::string GoodsWord(TGoodsKind kind) { return Tr(GoodsName(kind).Word); }

}  // namespace fjordheim

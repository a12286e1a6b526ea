#pragma once

#include <string>

#include "core/trade/trade.h"

namespace fjordheim {

/// How the game names a kind of goods: on its picture, and inside a sentence.
struct TGoodsName {
  /// On the picture and in the stores: "Pels".
  const char* Label;
  /// Inside a sentence: "pels".
  const char* Word;
  /// Counted ("for få smykker") rather than measured ("for lite sølv").
  bool Counted;
};

/// "Sølv", "Rav", "Pels", "Jern", "Smykker", "Våpen", with their words in a sentence.
const TGoodsName& GoodsName(TGoodsKind kind);

/// What the pointer or the keyboard's selection on a kind tells, in the game's language: "Pels: 4".
std::string GoodsCountLabel(TGoodsKind kind, int count);

/// The kind's word inside a sentence, in the game's language: "pels".
std::string GoodsWord(TGoodsKind kind);

}  // namespace fjordheim

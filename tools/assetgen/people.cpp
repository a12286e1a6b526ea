#include "tools/assetgen/people.h"

namespace fjordheim {

QMap<QString, QString> TPerson::Colours(const QString& background) const {
  return {{"#ff00a1", Skin}, {"#ff00a2", Hair}, {"#ff00a3", Clothes}, {"#ff00a4", Trim}, {"#ff00a5", background}};
}

const std::vector<TPerson>& People() {
  static const std::vector<TPerson> people = {
      {"#f1c9a5", "#e8c15a", "#3a6ea5", "#d9b44a", {"hair-short", "beard-full", "man"}},
      {"#f3cfb3", "#b8472a", "#4e8a3c", "#e0d070", {"hair-braids", "necklace", "woman"}},
      {"#e2b48e", "#3b2a1e", "#a33a32", "#c9c9c9", {"hair-long", "beard-short", "man", "helmet"}},
      {"#f5d6bd", "#f0d483", "#5b7fc2", "#ffffff", {"hair-long", "woman", "headscarf"}},
      {"#e9bf9c", "#e4e4e4", "#7a5a3a", "#b08040", {"bald", "beard-long", "man"}},
      {"#c98f64", "#1f1a17", "#7b4a9a", "#e6c35c", {"hair-braids", "woman", "necklace"}},
      {"#f2c6a0", "#c8622d", "#3f7d4f", "#8b5a2b", {"hair-short", "moustache", "man"}},
      {"#ecc3a2", "#9a9a9a", "#35578a", "#d8d0b8", {"hair-long", "woman", "headscarf", "necklace"}},
      {"#f0c8a8", "#6b4423", "#d4a72c", "#6b4423", {"hair-short", "man"}},
      {"#b98058", "#4a2c1a", "#b23b3b", "#f0d060", {"hair-long", "woman", "necklace"}},
      {"#d9a982", "#141414", "#6f6f6f", "#a0522d", {"hair-long", "beard-full", "man", "helmet"}},
      {"#f6d2b8", "#f3dc8c", "#e07b2a", "#7bb0d8", {"hair-braids", "woman"}},
  };
  return people;
}

TPerson Chief() { return {"#eec29e", "#c9a04a", "#8b2f2f", "#d9b44a", {"hair-long", "beard-long", "man", "helmet", "cloak"}}; }

}  // namespace fjordheim

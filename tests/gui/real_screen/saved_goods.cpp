// Prints the village's goods in a saved game as one line of six counts in kind order
// (silver, amber, furs, iron, jewellery, weapons), so that a test driving the real game
// through the window system can see what a trade did to the store.
//   fjordheim-saved-goods <saved game>

#include <cstdio>
#include <exception>

#include "core/game/saved_game.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fjordheim-saved-goods <saved game>\n");
    return 2;
  }
  try {
    const fjordheim::TSavedGame game = fjordheim::LoadSavedGame(argv[1]);
    const fjordheim::TGoodsCounts& goods = game.Village.Trade.Goods;
    for (std::size_t kind = 0; kind < goods.size(); ++kind) std::printf(kind == 0 ? "%u" : " %u", goods[kind]);
    std::printf("\n");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
    return 1;
  }
  return 0;
}

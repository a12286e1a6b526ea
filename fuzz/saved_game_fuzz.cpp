#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/memory_stream.h"
#include "core/common/random.h"
#include "core/game/saved_game.h"
#include "core/village/village_file_error.h"

using fjordheim::EVillageFileError;
using fjordheim::TMemoryStream;
using fjordheim::TSavedGame;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string BytesOf(const TSavedGame& game) {
  TMemoryStream memory;
  fjordheim::WriteSavedGame(memory, game);
  return memory.Bytes();
}

}  // namespace

// Any bytes are a saved game or an error. A game that loads must save, read back to the
// same bytes, and live through a season change however odd its villagers are.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream input(std::string(reinterpret_cast<const char*>(data), size));
  TSavedGame game;
  try {
    game = fjordheim::ReadSavedGame(input);
  } catch (const EVillageFileError&) {
    return 0;
  }
  const std::string saved = BytesOf(game);
  TMemoryStream again(saved);
  Require(BytesOf(fjordheim::ReadSavedGame(again)) == saved);

  fjordheim::TRandom random(1);
  game.Village.ChangeSeason(random);
  return 0;
}

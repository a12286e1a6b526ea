#include "core/game/saved_game.h"

#include "core/common/atomic_file.h"
#include "core/common/file_stream.h"
#include "core/common/memory_stream.h"
#include "core/trade/trade.h"
#include "core/village/village_file_error.h"
#include "core/village/village_stream.h"

namespace fjordheim {
namespace {

TSavedGame ReadGameFields(TVillageStream& stream) {
  TSavedGame game;
  game.ChiefName = stream.ReadString();
  game.ChiefFace = static_cast<std::int32_t>(stream.ReadLongWord());
  game.ChiefStanding = static_cast<std::int32_t>(stream.ReadLongWord());
  game.PopupSeasonCounter = static_cast<std::int32_t>(stream.ReadLongWord());
  game.PopupIndex = static_cast<std::int32_t>(stream.ReadLongWord());
  game.CatastropheCountdown = static_cast<std::int32_t>(stream.ReadLongWord());
  game.TradedThisYear = stream.ReadBoolean();
  game.Village.LoadFromStream(stream);
  return game;
}

void WriteGameFields(TVillageStream& stream, const TSavedGame& game) {
  stream.WriteString(game.ChiefName);
  stream.WriteLongWord(static_cast<std::uint32_t>(game.ChiefFace));
  stream.WriteLongWord(static_cast<std::uint32_t>(game.ChiefStanding));
  stream.WriteLongWord(static_cast<std::uint32_t>(game.PopupSeasonCounter));
  stream.WriteLongWord(static_cast<std::uint32_t>(game.PopupIndex));
  stream.WriteLongWord(static_cast<std::uint32_t>(game.CatastropheCountdown));
  stream.WriteBoolean(game.TradedThisYear);
  game.Village.SaveToStream(stream);
}

}  // namespace

// The goods store raises its own error type; callers of a saved game catch one.
TSavedGame ReadSavedGame(TByteStream& bytes) {
  TVillageStream stream(bytes);
  stream.ReadHeader();
  try {
    return ReadGameFields(stream);
  } catch (const ETradeError&) {
    throw EVillageFileError(DamagedFileMessage);
  }
}

void WriteSavedGame(TByteStream& bytes, const TSavedGame& game) {
  TVillageStream stream(bytes);
  try {
    stream.WriteHeader();
    WriteGameFields(stream, game);
  } catch (const ETradeError&) {
    throw EVillageFileError(CannotOpenMessage);
  }
}

TSavedGame LoadSavedGame(const std::string& path) {
  TFileStream file(path, TFileStream::TMode::Read);
  if (!file.IsOpen()) throw EVillageFileError(CannotOpenMessage);
  return ReadSavedGame(file);
}

// The whole file is made in memory first, so that nothing on disk is touched until the
// game is known to be savable.
void SaveSavedGame(const std::string& path, const TSavedGame& game) {
  TMemoryStream memory;
  WriteSavedGame(memory, game);
  if (!WriteFileAtomically(path, memory.Bytes())) throw EVillageFileError(CannotOpenMessage);
}

}  // namespace fjordheim

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/byte_stream.h"
#include "core/common/season.h"
#include "core/village/human_info.h"

namespace fjordheim {

/// The typed primitives of the saved-game file over a stream of bytes, little-endian, each
/// with its own check. A read that gets fewer bytes than it needs, or a season or work
/// byte out of range, raises EVillageFileError with DamagedFileMessage; a write that
/// writes fewer bytes than it has raises it with CannotOpenMessage.
class TVillageStream {
 public:
  /// The header text that marks a saved game; it is written as a string (with its 0).
  static constexpr std::string_view HeaderText = "Village";
  /// The longest string a saved game may hold; a longer one is damage (names are a few
  /// letters, so this only stops a file without any 0 byte from filling the memory).
  static constexpr std::size_t MaxStringLength = 65535;

  /// Reads and writes through `bytes`, which must outlive the stream.
  explicit TVillageStream(TByteStream& bytes) : FBytes(bytes) {}

  /// The bytes beneath, for records that read and write themselves (the goods store).
  TByteStream& Bytes() { return FBytes; }

  void WriteHeader();
  /// Checks the header, letter case significant; raises EVillageFileError with
  /// WrongFormatMessage when it is not "Village".
  void ReadHeader();

  std::uint16_t ReadWord();
  void WriteWord(std::uint16_t value);
  /// Four bytes; the saved game keeps its single floats this way (see ReadSingle).
  std::int32_t ReadInteger();
  void WriteInteger(std::int32_t value);
  /// Four bytes; the turn-cycle numbers, which the caller holds as signed.
  std::uint32_t ReadLongWord();
  void WriteLongWord(std::uint32_t value);
  /// The raw bytes of an IEEE single, read and written as an Integer.
  float ReadSingle();
  void WriteSingle(float value);
  /// Ten bytes in the x87 extended layout.
  long double ReadFloat();
  void WriteFloat(long double value);
  /// One byte, 0 to 3.
  TSeason ReadSeason();
  void WriteSeason(TSeason value);
  std::uint8_t ReadByte();
  void WriteByte(std::uint8_t value);
  /// One byte; any byte but 0 reads as true, true is written as 1.
  bool ReadBoolean();
  void WriteBoolean(bool value);
  /// One byte, 0 to 4.
  TWorkKind ReadWorkKind();
  void WriteWorkKind(TWorkKind value);
  /// Windows-1252 characters up to a 0 byte, returned as UTF-8. A string that the end of
  /// the bytes cuts short is returned as it stands (the read after it fails instead); one
  /// longer than MaxStringLength is damage.
  std::string ReadString();
  /// Writes the UTF-8 text as Windows-1252 and its 0 in one write. A character with no
  /// Windows-1252 code, and a 0 inside the text (which would end the string early and
  /// shift every field after it), are written as '?'. A text longer than MaxStringLength
  /// is refused with CannotOpenMessage, as it could not be read back.
  void WriteString(std::string_view text);

 private:
  void ReadExactly(void* buffer, std::size_t count);
  void WriteExactly(const void* buffer, std::size_t count);
  // Reads up to a 0 byte or the end of the bytes; false when more than `limit`
  // characters come before either.
  bool ReadTerminated(std::string& text, std::size_t limit);

  TByteStream& FBytes;
};

}  // namespace fjordheim

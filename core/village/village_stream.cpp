#include "core/village/village_stream.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/common/text.h"
#include "core/village/extended_float.h"
#include "core/village/village_file_error.h"

namespace fjordheim {
namespace {

constexpr std::uint8_t LastSeason = static_cast<std::uint8_t>(TSeason::Summer);
constexpr std::uint8_t LastWorkKind = static_cast<std::uint8_t>(TWorkKind::Farming);

template <std::size_t N>
std::uint64_t LittleEndian(const std::array<std::uint8_t, N>& bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = N; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

template <std::size_t N>
std::array<std::uint8_t, N> LittleEndianBytes(std::uint64_t value) {
  std::array<std::uint8_t, N> bytes{};
  for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  return bytes;
}

[[noreturn]] void ThrowDamaged() { throw EVillageFileError(DamagedFileMessage); }

}  // namespace

void TVillageStream::ReadExactly(void* buffer, std::size_t count) {
  if (FBytes.Read(buffer, count) != count) ThrowDamaged();
}

void TVillageStream::WriteExactly(const void* buffer, std::size_t count) {
  if (FBytes.Write(buffer, count) != count) throw EVillageFileError(CannotOpenMessage);
}

bool TVillageStream::ReadTerminated(std::string& text, std::size_t limit) {
  text.clear();
  char next = 0;
  while (FBytes.Read(&next, 1) == 1 && next != 0) {
    if (text.size() == limit) return false;
    text += next;
  }
  return true;
}

void TVillageStream::WriteHeader() { WriteString(HeaderText); }

void TVillageStream::ReadHeader() {
  std::string header;
  if (!ReadTerminated(header, HeaderText.size()) || header != HeaderText) {
    throw EVillageFileError(WrongFormatMessage);
  }
}

std::uint16_t TVillageStream::ReadWord() {
  std::array<std::uint8_t, 2> bytes{};
  ReadExactly(bytes.data(), bytes.size());
  return static_cast<std::uint16_t>(LittleEndian(bytes));
}

void TVillageStream::WriteWord(std::uint16_t value) {
  const auto bytes = LittleEndianBytes<2>(value);
  WriteExactly(bytes.data(), bytes.size());
}

std::int32_t TVillageStream::ReadInteger() { return static_cast<std::int32_t>(ReadLongWord()); }

void TVillageStream::WriteInteger(std::int32_t value) { WriteLongWord(static_cast<std::uint32_t>(value)); }

std::uint32_t TVillageStream::ReadLongWord() {
  std::array<std::uint8_t, 4> bytes{};
  ReadExactly(bytes.data(), bytes.size());
  return static_cast<std::uint32_t>(LittleEndian(bytes));
}

void TVillageStream::WriteLongWord(std::uint32_t value) {
  const auto bytes = LittleEndianBytes<4>(value);
  WriteExactly(bytes.data(), bytes.size());
}

float TVillageStream::ReadSingle() { return std::bit_cast<float>(ReadInteger()); }

void TVillageStream::WriteSingle(float value) { WriteInteger(std::bit_cast<std::int32_t>(value)); }

long double TVillageStream::ReadFloat() {
  TExtendedBytes bytes{};
  ReadExactly(bytes.data(), bytes.size());
  return DecodeExtended(bytes);
}

void TVillageStream::WriteFloat(long double value) {
  const TExtendedBytes bytes = EncodeExtended(value);
  WriteExactly(bytes.data(), bytes.size());
}

TSeason TVillageStream::ReadSeason() {
  const std::uint8_t value = ReadByte();
  if (value > LastSeason) ThrowDamaged();
  return static_cast<TSeason>(value);
}

void TVillageStream::WriteSeason(TSeason value) { WriteByte(static_cast<std::uint8_t>(value)); }

std::uint8_t TVillageStream::ReadByte() {
  std::uint8_t value = 0;
  ReadExactly(&value, 1);
  return value;
}

void TVillageStream::WriteByte(std::uint8_t value) { WriteExactly(&value, 1); }

bool TVillageStream::ReadBoolean() { return ReadByte() != 0; }

void TVillageStream::WriteBoolean(bool value) { WriteByte(value ? 1 : 0); }

TWorkKind TVillageStream::ReadWorkKind() {
  const std::uint8_t value = ReadByte();
  if (value > LastWorkKind) ThrowDamaged();
  return static_cast<TWorkKind>(value);
}

void TVillageStream::WriteWorkKind(TWorkKind value) { WriteByte(static_cast<std::uint8_t>(value)); }

std::string TVillageStream::ReadString() {
  std::string text;
  if (!ReadTerminated(text, MaxStringLength)) ThrowDamaged();
  return Utf8From1252(text);
}

void TVillageStream::WriteString(std::string_view text) {
  std::string bytes = Cp1252FromUtf8(text);
  if (bytes.size() > MaxStringLength) throw EVillageFileError(CannotOpenMessage);
  std::replace(bytes.begin(), bytes.end(), '\0', '?');
  bytes += '\0';
  WriteExactly(bytes.data(), bytes.size());
}

}  // namespace fjordheim

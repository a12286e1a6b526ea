#include "core/village/village_stream.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/common/memory_stream.h"
#include "core/village/village_file_error.h"

namespace fjordheim {
namespace {

using namespace std::string_literals;

std::string Written(const std::function<void(TVillageStream&)>& write) {
  TMemoryStream memory;
  TVillageStream stream(memory);
  write(stream);
  return memory.Bytes();
}

// Runs `read` over the bytes and returns the message it raised, or "" when it raised none.
std::string ErrorOf(const std::string& bytes, const std::function<void(TVillageStream&)>& read) {
  TMemoryStream memory(bytes);
  TVillageStream stream(memory);
  try {
    read(stream);
  } catch (const EVillageFileError& error) {
    return error.what();
  }
  return "";
}

TEST(VillageStream, StringsAreWindows1252WithATerminatingZero) {
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteString("Tor"); }), "\x54\x6F\x72\x00"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteString(""); }), "\0"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteString("Thorbjørn"); }), "Thorbj\xF8rn\0"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteHeader(); }), "Village\0"s);

  TMemoryStream memory("Thorbj\xF8rn\0\0Ulla"s);
  TVillageStream stream(memory);
  EXPECT_EQ(stream.ReadString(), "Thorbjørn");
  EXPECT_EQ(stream.ReadString(), "");
  EXPECT_EQ(stream.ReadString(), "Ulla");  // the end of the bytes ends it without an error
  EXPECT_EQ(stream.ReadString(), "");
}

TEST(VillageStream, AZeroInsideATextIsWrittenAsAQuestionMark) {
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteString("T\0r"s); }), "T?r\0"s);
}

TEST(VillageStream, AStringLongerThanAnyNameIsDamage) {
  const std::string longest(TVillageStream::MaxStringLength, 'a');
  EXPECT_EQ(ErrorOf(longest + '\0', [](TVillageStream& s) { s.ReadString(); }), "");
  EXPECT_EQ(ErrorOf(longest + 'a', [](TVillageStream& s) { s.ReadString(); }), DamagedFileMessage);
  TMemoryStream memory;
  TVillageStream stream(memory);
  EXPECT_THROW(stream.WriteString(longest + 'a'), EVillageFileError);
  EXPECT_TRUE(memory.Bytes().empty());
}

TEST(VillageStream, TheHeaderIsVillageWithItsLetterCase) {
  EXPECT_EQ(ErrorOf("Village\0"s, [](TVillageStream& s) { s.ReadHeader(); }), "");
  for (const std::string& wrong : {"village\0"s, "VILLAGE\0"s, "Villag"s, "Village"s + "s\0"s, ""s, "\0"s}) {
    EXPECT_EQ(ErrorOf(wrong, [](TVillageStream& s) { s.ReadHeader(); }), WrongFormatMessage) << wrong;
  }
}

TEST(VillageStream, NumbersAreLittleEndian) {
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteWord(852); }), "\x54\x03"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteLongWord(static_cast<std::uint32_t>(-2)); }), "\xFE\xFF\xFF\xFF"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteSingle(1.0F); }), "\x00\x00\x80\x3F"s);
  EXPECT_EQ(Written([](TVillageStream& s) { s.WriteFloat(1.0L); }), "\0\0\0\0\0\0\0\x80\xFF\x3F"s);

  TMemoryStream memory("\x54\x03\xFE\xFF\xFF\xFF\x00\x00\x80\x3F\x00\x00\x00\x00\x00\x00\x00\xC0\x00\x40"s);
  TVillageStream stream(memory);
  EXPECT_EQ(stream.ReadWord(), 852);
  EXPECT_EQ(stream.ReadInteger(), -2);
  EXPECT_EQ(stream.ReadSingle(), 1.0F);
  EXPECT_EQ(stream.ReadFloat(), 3.0L);
}

TEST(VillageStream, SeasonAndWorkBytesAreCheckedOtherBytesAreNot) {
  EXPECT_EQ(ErrorOf("\x03"s, [](TVillageStream& s) { EXPECT_EQ(s.ReadSeason(), TSeason::Summer); }), "");
  EXPECT_EQ(ErrorOf("\x04"s, [](TVillageStream& s) { s.ReadSeason(); }), DamagedFileMessage);
  EXPECT_EQ(ErrorOf("\x04"s, [](TVillageStream& s) { EXPECT_EQ(s.ReadWorkKind(), TWorkKind::Farming); }), "");
  EXPECT_EQ(ErrorOf("\x05"s, [](TVillageStream& s) { s.ReadWorkKind(); }), DamagedFileMessage);
  EXPECT_EQ(ErrorOf("\xFF"s, [](TVillageStream& s) { s.ReadWorkKind(); }), DamagedFileMessage);
  EXPECT_EQ(ErrorOf("\x02\x00"s,
                    [](TVillageStream& s) {
                      EXPECT_TRUE(s.ReadBoolean());
                      EXPECT_FALSE(s.ReadBoolean());
                    }),
            "");
}

TEST(VillageStream, EveryShortReadIsDamage) {
  const std::function<void(TVillageStream&)> reads[] = {
      [](TVillageStream& s) { s.ReadWord(); },    [](TVillageStream& s) { s.ReadInteger(); },
      [](TVillageStream& s) { s.ReadLongWord(); }, [](TVillageStream& s) { s.ReadFloat(); },
      [](TVillageStream& s) { s.ReadSeason(); },  [](TVillageStream& s) { s.ReadByte(); },
      [](TVillageStream& s) { s.ReadBoolean(); }, [](TVillageStream& s) { s.ReadWorkKind(); }};
  for (const auto& read : reads) EXPECT_EQ(ErrorOf("", read), DamagedFileMessage);
  EXPECT_EQ(ErrorOf("\x01\x02\x03", [](TVillageStream& s) { s.ReadLongWord(); }), DamagedFileMessage);
  EXPECT_EQ(ErrorOf(std::string(9, '\0'), [](TVillageStream& s) { s.ReadFloat(); }), DamagedFileMessage);
}

}  // namespace
}  // namespace fjordheim

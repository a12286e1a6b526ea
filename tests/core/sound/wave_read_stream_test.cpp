#include "core/sound/wave_read_stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/sound/memory_source.h"
#include "tests/core/sound/wave_bytes.h"

namespace fjordheim {
namespace {

TWaveReadStream StreamOf(const std::string& bytes) {
  return TWaveReadStream(std::make_unique<TMemorySource>(bytes), "crafted.wav");
}

std::string ReadAll(TWaveReadStream& stream, std::int64_t chunk = 3) {
  std::string out;
  char buffer[64];
  for (std::int64_t n; (n = stream.Read(buffer, chunk)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
  return out;
}

TEST(WaveReadStream, SixteenByteFormatChunkOpensWithoutExtraBytes) {
  TWaveBytes wave;
  wave.Channels = 1;
  wave.Rate = 22050;
  wave.Data = Pcm16({1, -2, 3});
  auto stream = StreamOf(wave.Bytes());
  TWaveFormat format;
  stream.GetFormat(format);
  EXPECT_EQ(format.FormatTag, 1);
  EXPECT_EQ(format.Channels, 1);
  EXPECT_EQ(format.SamplesPerSec, 22050u);
  EXPECT_EQ(format.AvgBytesPerSec, 44100u);
  EXPECT_EQ(format.BlockAlign, 2);
  EXPECT_EQ(format.BitsPerSample, 16);
  EXPECT_EQ(format.ExtraSize, 0);
  EXPECT_EQ(stream.DataSize(), 6u);
  EXPECT_EQ(ReadAll(stream), wave.Data);
}

TEST(WaveReadStream, ChunksBeforeDataAreSkippedAndExtraBytesKept) {
  TWaveBytes wave;
  wave.Tag = 0xFFFE;
  wave.FormatTail = std::string("\x04\x00", 2) + "abcd";
  wave.ChunksBeforeData = {{"LIST", "INFOISFT\x03\x00\x00\x00odd"}, {"fact", "1234"}};
  wave.Data = "samples!";
  auto stream = StreamOf(wave.Bytes());
  TWaveFormat format;
  stream.GetFormat(format);
  EXPECT_EQ(format.ExtraSize, 4);
  EXPECT_EQ(std::string(stream.ExtraFormatBytes().begin(), stream.ExtraFormatBytes().end()), "abcd");
  EXPECT_EQ(ReadAll(stream), "samples!");
}

TEST(WaveReadStream, ReadingPastTheEndGivesTheRestThenNothing) {
  TWaveBytes wave;
  wave.Data = "0123456789";
  auto stream = StreamOf(wave.Bytes());
  char buffer[32];
  EXPECT_EQ(stream.Read(buffer, 4), 4);
  EXPECT_EQ(stream.Read(buffer, 32), 6);
  EXPECT_EQ(std::string(buffer, 6), "456789");
  EXPECT_EQ(stream.Read(buffer, 32), 0);
  EXPECT_EQ(stream.Read(buffer, -5), 0);
}

TEST(WaveReadStream, SeeksWithTheThreeOrigins) {
  TWaveBytes wave;
  wave.Data = "0123456789";
  auto stream = StreamOf(wave.Bytes());
  ReadAll(stream);
  EXPECT_EQ(stream.Seek(0, TWaveReadStream::FromBeginning), 0);
  EXPECT_EQ(ReadAll(stream), "0123456789");

  EXPECT_EQ(stream.Seek(2, TWaveReadStream::FromBeginning), 2);
  EXPECT_EQ(stream.Seek(3, TWaveReadStream::FromCurrent), 5);
  EXPECT_EQ(stream.Seek(-1, TWaveReadStream::FromCurrent), 4);
  EXPECT_EQ(ReadAll(stream), "456789");
  // Past the end from the current position lands on the last byte, as from the end.
  stream.Seek(5, TWaveReadStream::FromBeginning);
  EXPECT_EQ(stream.Seek(50, TWaveReadStream::FromCurrent), 9);
  EXPECT_EQ(ReadAll(stream), "9");
  EXPECT_EQ(stream.Seek(0, TWaveReadStream::FromEnd), 9);
  EXPECT_EQ(stream.Seek(3, TWaveReadStream::FromEnd), 6);
  EXPECT_EQ(stream.Seek(10, TWaveReadStream::FromEnd), 0);
}

TEST(WaveReadStream, SeekingOutsideTheDataStaysInsideIt) {
  TWaveBytes wave;
  wave.Data = "0123456789";
  wave.ChunksBeforeData = {{"junk", "after"}};
  auto stream = StreamOf(wave.Bytes());
  EXPECT_EQ(stream.Seek(100, TWaveReadStream::FromBeginning), 10);
  EXPECT_EQ(ReadAll(stream), "");
  EXPECT_EQ(stream.Seek(-4, TWaveReadStream::FromBeginning), 0);
  EXPECT_EQ(stream.Seek(-4, TWaveReadStream::FromCurrent), 0);
  EXPECT_EQ(stream.Seek(-4, TWaveReadStream::FromEnd), 10);
  EXPECT_EQ(ReadAll(stream), "");
}

TEST(WaveReadStream, SilenceIs128ForEightBitAndZeroOtherwise) {
  TWaveBytes wave;
  wave.Bits = 8;
  wave.Data = "ab";
  char buffer[4] = {1, 1, 1, 1};
  StreamOf(wave.Bytes()).FillSilence(buffer, 3);
  EXPECT_EQ(std::string(buffer, 4), std::string("\x80\x80\x80\x01"));
  wave.Bits = 16;
  StreamOf(wave.Bytes()).FillSilence(buffer, 4);
  EXPECT_EQ(std::string(buffer, 4), std::string(4, '\0'));
}

// A medium that fails from a given position on, like a disk that gives up.
class TFailingSource : public TMemorySource {
 public:
  TFailingSource(std::string bytes, std::int64_t failFrom) : TMemorySource(std::move(bytes)), FFailFrom(failFrom) {}
  std::int64_t ReadAt(std::int64_t position, char* dest, std::size_t count) override {
    return position >= FFailFrom ? -1 : TMemorySource::ReadAt(position, dest, std::min<std::size_t>(count, 8));
  }

 private:
  std::int64_t FFailFrom;
};

std::string PlainReadError(std::unique_ptr<TByteSource> source) {
  TWaveReadStream stream(std::move(source), "t.wav");
  char buffer[64];
  try {
    stream.Read(buffer, sizeof buffer);
  } catch (const EMMIOError&) {
    return "raised as an open error";
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "a failed read went unnoticed";
}

TEST(WaveReadStream, ReadFailuresInsideTheDataRaiseThePlainException) {
  TWaveBytes wave;
  wave.Data = std::string(40, 'x');
  std::string bytes = wave.Bytes();
  EXPECT_EQ(PlainReadError(std::make_unique<TFailingSource>(bytes, 60)), "Error advancing then wave file buffer.");
  bytes.resize(bytes.size() - 4);
  EXPECT_EQ(PlainReadError(std::make_unique<TMemorySource>(bytes)), "Corrupt wave file.");
}

TEST(WaveReadStream, MissingFileCannotBeOpened) {
  const std::string name = (std::filesystem::temp_directory_path() / "fjordheim-no-such.wav").string();
  try {
    TWaveReadStream stream(name);
    FAIL();
  } catch (const EMMIOError& error) {
    EXPECT_EQ(error.what(), "Cannot open: " + name);
  }
}

TEST(WaveReadStream, OpensARealFileThroughAGamePath) {
  const auto folder = std::filesystem::temp_directory_path() / "fjordheim-wave-read";
  std::filesystem::create_directories(folder / "Mono");
  TWaveBytes wave;
  wave.Data = "abcd";
  std::ofstream(folder / "Mono" / "Klikk.wav", std::ios::binary) << wave.Bytes();
  TWaveReadStream stream(folder.string() + "\\mono\\klikk.WAV");
  EXPECT_EQ(ReadAll(stream), "abcd");
  std::filesystem::remove_all(folder);
}

struct TOpenError {
  const char* Name;
  std::function<std::string()> Bytes;
  std::string Message;
  bool IsMMIOError;
};

std::string Bent(const std::function<void(TWaveBytes&)>& bend) {
  TWaveBytes wave;
  wave.Data = "abcd";
  bend(wave);
  return wave.Bytes();
}

class WaveOpenErrors : public ::testing::TestWithParam<TOpenError> {};

TEST_P(WaveOpenErrors, RaiseTheirMessageAndClass) {
  const TOpenError& c = GetParam();
  try {
    StreamOf(c.Bytes());
    FAIL() << "opened";
  } catch (const EMMIOError& error) {
    EXPECT_TRUE(c.IsMMIOError);
    EXPECT_EQ(error.what(), c.Message);
  } catch (const std::runtime_error& error) {
    EXPECT_FALSE(c.IsMMIOError);
    EXPECT_EQ(error.what(), c.Message);
  }
}

std::string FloatFormatBody() {
  TWaveBytes wave;
  wave.Tag = 3;
  return wave.FormatBody();
}

std::string HeaderThen(const std::string& formatChunk) {
  std::string out = "RIFF";
  PutLe32(out, 4 + static_cast<std::uint32_t>(formatChunk.size()) + 100);
  return out + "WAVE" + formatChunk;
}

INSTANTIATE_TEST_SUITE_P(
    Crafted, WaveOpenErrors,
    ::testing::Values(
        TOpenError{"Empty", [] { return std::string(); }, "Cannot find chunk.", true},
        TOpenError{"RiffWithoutFormType", [] { return std::string("RIFF\x04\x00\x00\x00", 8); }, "Cannot find chunk.", true},
        TOpenError{"NotRiff", [] { return Bent([](TWaveBytes& w) { w.RiffId = "RIFX"; }); }, "Not a wavefile: crafted.wav", true},
        TOpenError{"NotWave", [] { return Bent([](TWaveBytes& w) { w.FormType = "AVI "; }); }, "Not a wavefile: crafted.wav", true},
        TOpenError{"NoFormat", [] { return Bent([](TWaveBytes& w) { w.WithFormat = false; }); }, "Cannot find chunk.", true},
        TOpenError{"FormatTooShort", [] { return HeaderThen(Chunk("fmt ", std::string(14, '\x01'))); }, "Not a wavefile: ", true},
        TOpenError{"FormatRecordCut",
                   [] {
                     std::string fmt = "fmt ";
                     PutLe32(fmt, 16);
                     return HeaderThen(fmt + std::string(10, '\x01'));
                   },
                   "Cannot read.", true},
        TOpenError{"ExtraSizeCut",
                   [] {
                     std::string fmt = "fmt ";
                     PutLe32(fmt, 18);
                     return HeaderThen(fmt + FloatFormatBody());
                   },
                   "Cannot read.", true},
        TOpenError{"ExtraBytesMissing",
                   [] { return Bent([](TWaveBytes& w) { w.Tag = 3, w.FormatTail = std::string("\x0A\x00xy", 4); }); },
                   "Not a wavefile: ", true},
        TOpenError{"FormatPastTheEnd",
                   [] {
                     std::string fmt = "fmt ";
                     PutLe32(fmt, 100);
                     return HeaderThen(fmt + TWaveBytes{}.FormatBody());
                   },
                   "Cannot ascend from format chunk.", true},
        TOpenError{"NoData", [] { return Bent([](TWaveBytes& w) { w.WithData = false; }); }, "Cannot find chunk.", false},
        TOpenError{"DataOutsideRiff",
                   [] {
                     std::string bytes = Bent([](TWaveBytes& w) { w.WithData = false; });
                     return bytes + Chunk("data", "abcd");
                   },
                   "Cannot find chunk.", false}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fjordheim

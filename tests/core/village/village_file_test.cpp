#include <gtest/gtest.h>

#include <string>

#include "core/common/memory_stream.h"
#include "core/village/village.h"
#include "core/village/village_file_error.h"
#include "core/village/village_stream.h"
#include "tests/core/village/saved_state.h"

namespace fjordheim {
namespace {

// Where the fields of a new village's block lie: 37 records of four bytes and 25 name letters.
constexpr std::size_t FirstWorkByte = 8;
constexpr std::size_t DeadCountOffset = 175;
constexpr std::size_t SeasonOffset = 189;
constexpr std::size_t FoodOffset = 192;
constexpr std::size_t NewVillageBlockSize = 256;

std::string BlockOf(const TVillage& village) {
  TMemoryStream memory;
  TVillageStream stream(memory);
  village.SaveToStream(stream);
  return memory.Bytes();
}

void LoadBlock(TVillage& village, const std::string& bytes) {
  TMemoryStream memory(bytes);
  TVillageStream stream(memory);
  village.LoadFromStream(stream);
}

std::string LoadError(const std::string& bytes) {
  TVillage village;
  try {
    LoadBlock(village, bytes);
  } catch (const EVillageFileError& error) {
    return error.what();
  } catch (const ETradeError& error) {
    return error.what();
  }
  return "";
}

TEST(VillageFile, ANewVillageHoldsThirtySevenPersonsAndNoDead) {
  const std::string block = BlockOf(TVillage());
  ASSERT_EQ(block.size(), NewVillageBlockSize);
  EXPECT_EQ(block.substr(0, 9), std::string("\x25\x00\x00\x30Tor\x00\x00", 9));
  EXPECT_EQ(block.substr(DeadCountOffset, 2), std::string("\0\0", 2));
  EXPECT_EQ(block.substr(SeasonOffset, 3), std::string("\x00\x54\x03", 3));  // Autumn 852

  TVillage loaded = PlayedVillage();
  LoadBlock(loaded, block);
  ExpectSameSavedState(TVillage(), loaded);
}

TEST(VillageFile, APlayedVillageComesBackFieldForField) {
  const TVillage played = PlayedVillage();
  ASSERT_FALSE(played.Dead.empty());
  TVillage loaded;
  LoadBlock(loaded, BlockOf(played));
  ExpectSameSavedState(played, loaded);
}

TEST(VillageFile, EventsAndCallbacksAreNotInTheFile) {
  TVillage source;
  source.SetEvent(TVillageEvent::Fire);
  const std::string block = BlockOf(source);

  TVillage fresh;
  LoadBlock(fresh, block);
  EXPECT_FALSE(fresh.HasEvent(TVillageEvent::Fire));

  TVillage current = PlayedVillage();
  current.SetEvent(TVillageEvent::Frost);
  int calls = 0;
  current.OnAnimalBirths = [&calls](const TAnimalCounts&) { ++calls; };
  LoadBlock(current, block);
  EXPECT_TRUE(current.HasEvent(TVillageEvent::Frost));
  EXPECT_FALSE(current.HasEvent(TVillageEvent::Fire));
  ASSERT_TRUE(current.OnAnimalBirths);
  current.OnAnimalBirths(TAnimalCounts{});
  EXPECT_EQ(calls, 1);
}

TEST(VillageFile, OddSexBytesAreKeptButWorkAndSeasonBytesAreChecked) {
  std::string block = BlockOf(TVillage());
  block[2] = '\x02';
  TVillage loaded;
  LoadBlock(loaded, block);
  EXPECT_EQ(static_cast<int>(loaded.People[0]->Sex), 2);
  EXPECT_EQ(BlockOf(loaded), block);

  std::string badWork = BlockOf(TVillage());
  badWork[FirstWorkByte] = '\x05';
  EXPECT_EQ(LoadError(badWork), DamagedFileMessage);

  std::string summer = BlockOf(TVillage());
  summer[SeasonOffset] = '\x03';
  LoadBlock(loaded, summer);
  EXPECT_EQ(loaded.Season, TSeason::Summer);
  summer[SeasonOffset] = '\x04';
  EXPECT_EQ(LoadError(summer), DamagedFileMessage);
}

TEST(VillageFile, NumbersNoGameCanHoldAreDamage) {
  std::string block = BlockOf(TVillage());
  block.replace(FoodOffset, 10, std::string("\0\0\0\0\0\0\0\xC0\xFF\x7F", 10));  // NaN
  EXPECT_EQ(LoadError(block), DamagedFileMessage);

  // Food beyond what any village could store is damage too, though a number.
  for (long double TVillage::*field : {&TVillage::Food, &TVillage::FoodStore}) {
    TVillage huge;
    huge.*field = 1e300L;
    EXPECT_EQ(LoadError(BlockOf(huge)), DamagedFileMessage);
    huge.*field = -1e300L;
    EXPECT_EQ(LoadError(BlockOf(huge)), DamagedFileMessage);
    TVillage rich;
    rich.*field = 131070.0L;
    EXPECT_EQ(LoadError(BlockOf(rich)), "");
  }
  TVillage overgrown;
  overgrown.CropGrowth = 1e30F;
  EXPECT_EQ(LoadError(BlockOf(overgrown)), DamagedFileMessage);

  TVillage broken;
  broken.FoodStore = std::numeric_limits<long double>::infinity();
  TMemoryStream memory;
  TVillageStream stream(memory);
  EXPECT_THROW(broken.SaveToStream(stream), EVillageFileError);
  EXPECT_TRUE(memory.Bytes().empty());
}

TEST(VillageFile, ACutBlockLeavesTheVillageExactlyAsItWas) {
  const std::string block = BlockOf(PlayedVillage(7));
  const TVillage before = PlayedVillage(42);
  for (std::size_t length = 0; length < block.size(); ++length) {
    TVillage current = before;
    EXPECT_ANY_THROW(LoadBlock(current, block.substr(0, length))) << length;
    ExpectSameSavedState(before, current);
    if (testing::Test::HasFailure()) FAIL() << "cut at " << length;
  }
}

TEST(VillageFile, AHugePersonCountInAShortFileFailsAtOnce) {
  EXPECT_EQ(LoadError(std::string("\xFF\xFF", 2)), DamagedFileMessage);
  // Every person's name runs to the end of the file, and the record after it fails.
  EXPECT_EQ(LoadError(std::string("\xFF\xFF\x00\x10", 4) + std::string(60000, 'x')), DamagedFileMessage);
}

TEST(VillageFile, MorePersonsThanTheFileCanCountAreNotSaved) {
  TVillage crowded;
  while (crowded.People.size() <= 65535) crowded.People.push_back(std::make_unique<THumanInfo>());
  TMemoryStream memory;
  TVillageStream stream(memory);
  try {
    crowded.SaveToStream(stream);
    FAIL() << "a person count of " << crowded.People.size() << " was written in 16 bits";
  } catch (const EVillageFileError& error) {
    EXPECT_STREQ(error.what(), CannotOpenMessage);
  }
  EXPECT_TRUE(memory.Bytes().empty());

  crowded.People.pop_back();
  EXPECT_NO_THROW(crowded.SaveToStream(stream));
}

}  // namespace
}  // namespace fjordheim

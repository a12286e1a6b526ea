#include "core/game/zone_mask.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fjordheim {
namespace {

TEST(ZoneMask, PixelsAreReadRowByRow) {
  const TZoneMask mask({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(mask.ZoneAt(0, 0, 3), 1);
  EXPECT_EQ(mask.ZoneAt(2, 0, 3), 3);
  EXPECT_EQ(mask.ZoneAt(0, 1, 3), 4);
  EXPECT_EQ(mask.ZoneAt(2, 1, 3), 6);
}

TEST(ZoneMask, PointsOutsideThePictureOrTheDataHaveNoZone) {
  const TZoneMask mask({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(mask.ZoneAt(3, 0, 3), 0);
  EXPECT_EQ(mask.ZoneAt(-1, 1, 3), 0);
  EXPECT_EQ(mask.ZoneAt(0, -1, 3), 0);
  EXPECT_EQ(mask.ZoneAt(0, 2, 3), 0);
  EXPECT_EQ(mask.ZoneAt(0, 0, 0), 0);
  EXPECT_EQ(TZoneMask().ZoneAt(0, 0, 10), 0);
}

TEST(ZoneMask, ReadsAFileWholeAndReportsAMissingOne) {
  const auto path = std::filesystem::temp_directory_path() / "fjordheim_zone_mask_test.map";
  std::ofstream(path, std::ios::binary) << std::string("\x00\x50\xff", 3);
  const TZoneMask mask = TZoneMask::Read(path.string());
  EXPECT_EQ(mask.Size(), 3u);
  EXPECT_EQ(mask.ZoneAt(1, 0, 3), 0x50);
  EXPECT_EQ(mask.ZoneAt(2, 0, 3), 0xff);
  std::filesystem::remove(path);
  try {
    TZoneMask::Read(path.string());
    FAIL() << "a missing mask must throw";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), "Kan ikke åpne filen " + path.string());
  }
}

}  // namespace
}  // namespace fjordheim

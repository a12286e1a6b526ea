#include "core/common/path_resolver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/random.h"

namespace fjordheim {
namespace {

namespace fs = std::filesystem;

class PathResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("fjordheim-paths-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Root);
    fs::create_directories(Root / "Sound" / "stereo");
    std::ofstream(Root / "Sound" / "boo.wav") << "x";
    std::ofstream(Root / "Sound" / "stereo" / "høst.wav") << "x";
  }
  void TearDown() override { fs::remove_all(Root); }
  fs::path Root;
};

TEST_F(PathResolverTest, BackslashesAndLetterCaseAreForgiven) {
  const std::string base = Root.string() + "/";
  EXPECT_EQ(ResolvePath(base + "sound\\Boo.wav"), (Root / "Sound" / "boo.wav").string());
  EXPECT_EQ(ResolvePath(base + "SOUND\\Stereo\\HØST.wav"), (Root / "Sound" / "stereo" / "høst.wav").string());
}

TEST_F(PathResolverTest, MissingFileKeepsTheNameAsWritten) {
  const std::string base = Root.string() + "/";
  EXPECT_EQ(ResolvePath(base + "Sound\\Nope\\x.wav"), (Root / "Sound" / "Nope" / "x.wav").string());
  EXPECT_FALSE(fs::exists(ResolvePath(base + "Sound\\Nope\\x.wav")));
}

TEST(TRandom, SameSeedSameSequenceAndAlwaysInRange) {
  TRandom a(42), b(42);
  for (int i = 0; i < 1000; ++i) {
    const int n = 1 + i % 17;
    const int x = a.Random(n);
    EXPECT_EQ(x, b.Random(n));
    EXPECT_GE(x, 0);
    EXPECT_LT(x, n);
  }
  EXPECT_EQ(a.Random(0), 0);
  EXPECT_EQ(a.Random(-3), 0);
}

}  // namespace
}  // namespace fjordheim

// The committed artwork: every bitmap of the table is a file of the size and depth
// the table gives, and the files are exactly what the art generator draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "panel/bmp.h"
#include "panel/raster.h"

namespace kz {
namespace {

const std::string kArt = KZ_SOURCE_DIR "/resources/art/";

TEST(Art, EveryBitmapOfTheTableIsItsFile) {
  for (const BitmapFile& f : kBitmapFiles) {
    std::vector<std::uint8_t> bytes;
    DecodedBitmap b;
    ASSERT_TRUE(ReadFileBytes(kArt + f.fileName, &bytes) && DecodeBmp(bytes, &b)) << f.fileName;
    EXPECT_EQ(b.width, f.width) << f.fileName;
    EXPECT_EQ(b.height, f.height) << f.fileName;
    EXPECT_EQ(b.bitsPerPixel, f.bitsPerPixel) << f.fileName;
    EXPECT_EQ(static_cast<int>(b.palette.size()), f.paletteSize) << f.fileName;
  }
}

TEST(Art, CommittedFilesAreWhatTheGeneratorDraws) {
  const std::string out = KZ_BINARY_DIR "/artgen-check";
  ASSERT_EQ(std::system(("mkdir -p '" + out + "'").c_str()), 0);
  ASSERT_EQ(std::system(("'" KZ_BINARY_DIR "/tools/artgen/kz_artgen' '" + out + "' >/dev/null").c_str()),
            0);
  std::vector<std::string> names;
  for (const BitmapFile& f : kBitmapFiles) names.push_back(f.fileName);
  for (const IconFile& f : kIconFiles) names.push_back(f.fileName);
  for (const std::string& name : names) {
    std::vector<std::uint8_t> drawn, committed;
    ASSERT_TRUE(ReadFileBytes(out + "/" + name, &drawn)) << name;
    ASSERT_TRUE(ReadFileBytes(kArt + name, &committed)) << name;
    EXPECT_TRUE(drawn == committed) << name << " differs: run kz_artgen and commit";
  }
}

}  // namespace
}  // namespace kz

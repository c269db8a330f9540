// The committed artwork: each bitmap's size, depth and fixed colours, the
// named areas of the lettered strips, the masked pairs, the icons, and that
// the files are exactly what the art generator draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "panel/bmp.h"
#include "panel/raster.h"

namespace kz {
namespace {

const std::string kArt = KZ_SOURCE_DIR "/resources/art/";

std::vector<std::uint8_t> ReadArt(const std::string& name) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(kArt + name, &bytes)) << name;
  return bytes;
}

DecodedBitmap Art(const std::string& name) {
  DecodedBitmap b;
  EXPECT_TRUE(DecodeBmp(ReadArt(name), &b)) << name;
  return b;
}

TEST(Art, EveryBitmapHasItsSizeAndDepth) {
  struct Case {
    const char* name;
    int width, height, bits, colours;
  } cases[] = {
      {"labels.bmp", 150, 17, 8, 256},       {"tiles.bmp", 56, 16, 4, 16},
      {"style_names.bmp", 360, 17, 8, 50},   {"spelling.bmp", 120, 17, 8, 256},
      {"role.bmp", 120, 17, 8, 256},         {"clouds.bmp", 614, 32, 8, 256},
      {"clouds_mask.bmp", 614, 32, 1, 2},    {"creature.bmp", 71, 155, 8, 256},
      {"creature_mask.bmp", 71, 155, 8, 256},
  };
  for (const Case& c : cases) {
    const DecodedBitmap b = Art(c.name);
    EXPECT_EQ(b.width, c.width) << c.name;
    EXPECT_EQ(b.height, c.height) << c.name;
    EXPECT_EQ(b.bitsPerPixel, c.bits) << c.name;
    EXPECT_EQ(static_cast<int>(b.palette.size()), c.colours) << c.name;
  }
}

TEST(Art, TilesHoldTheKnobTrackAndFlashColours) {
  const DecodedBitmap tiles = Art("tiles.bmp");
  const Colour knobs[6] = {Rgb(0, 0, 255),   Rgb(255, 0, 255), Rgb(0, 255, 255),
                           Rgb(0, 255, 0),   Rgb(255, 255, 0), Rgb(255, 0, 0)};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      for (int style = 0; style < 6; ++style) {
        EXPECT_EQ(tiles.At(8 * style + x, y), knobs[style]) << style;
        const Colour tint = tiles.At(8 * style + x, 8 + y);
        EXPECT_NE(tint, knobs[style]);  // lighter: no channel darker, one lighter
        EXPECT_GE(RedOf(tint), RedOf(knobs[style]));
        EXPECT_GE(GreenOf(tint), GreenOf(knobs[style]));
        EXPECT_GE(BlueOf(tint), BlueOf(knobs[style]));
      }
      EXPECT_EQ(tiles.At(48 + x, y), x == 4 ? Rgb(147, 174, 174) : Rgb(148, 206, 255));
      EXPECT_EQ(tiles.At(48 + x, 8 + y), Rgb(255, 255, 255));
    }
  }
}

// Columns of a strip that hold anything but the background colour.
std::vector<bool> InkedColumns(const DecodedBitmap& b) {
  std::vector<bool> inked(static_cast<std::size_t>(b.width), false);
  for (int x = 0; x < b.width; ++x) {
    for (int y = 0; y < b.height; ++y) inked[x] = inked[x] || b.At(x, y) != kBackgroundColour;
  }
  return inked;
}

TEST(Art, LetteringStaysInsideItsNamedAreas) {
  struct Area {
    int first, last;
  };
  struct Case {
    const char* name;
    std::vector<Area> areas;
  } cases[] = {
      {"labels.bmp", {{0, 59}, {60, 99}, {100, 129}, {130, 139}, {140, 149}}},
      {"style_names.bmp",
       {{0, 69}, {71, 114}, {115, 179}, {180, 199}, {201, 239}, {240, 289}}},
      {"spelling.bmp", {{0, 59}, {60, 119}}},
      {"role.bmp", {{0, 59}, {60, 119}}},
  };
  for (const Case& c : cases) {
    const DecodedBitmap b = Art(c.name);
    const std::vector<bool> inked = InkedColumns(b);
    for (const Area& a : c.areas) {
      bool any = false;
      for (int x = a.first; x <= a.last; ++x) any = any || inked[x];
      EXPECT_TRUE(any) << c.name << " area " << a.first;
      // Nothing runs into the next area: its first and last columns are clear.
      EXPECT_FALSE(inked[a.first] && inked[a.last]) << c.name << " area " << a.first;
    }
    for (int x = 0; x < b.width; ++x) {
      bool inside = false;
      for (const Area& a : c.areas) inside = inside || (a.first <= x && x <= a.last);
      if (!inside) {
        EXPECT_FALSE(inked[x]) << c.name << " column " << x;
      }
    }
  }
}

TEST(Art, EachStyleNameIsUnderlinedInItsKnobColour) {
  const DecodedBitmap names = Art("style_names.bmp");
  const DecodedBitmap tiles = Art("tiles.bmp");
  const int columns[6][2] = {{0, 69}, {71, 114}, {115, 179}, {180, 199}, {201, 239}, {240, 289}};
  for (int style = 0; style < 6; ++style) {
    int underline = 0;
    for (int x = columns[style][0]; x <= columns[style][1]; ++x) {
      underline += names.At(x, 16) == tiles.At(8 * style, 0) ? 1 : 0;
    }
    EXPECT_GE(underline, 15) << style;
  }
}

TEST(Art, MaskedPairsFollowTheMaskRule) {
  const std::pair<const char*, const char*> pairs[] = {{"clouds.bmp", "clouds_mask.bmp"},
                                                      {"creature.bmp", "creature_mask.bmp"}};
  for (const auto& [pictureName, maskName] : pairs) {
    const DecodedBitmap picture = Art(pictureName);
    const DecodedBitmap mask = Art(maskName);
    ASSERT_EQ(picture.width, mask.width);
    ASSERT_EQ(picture.height, mask.height);
    int opaque = 0;
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < mask.width; ++x) {
        const Colour m = mask.At(x, y);
        ASSERT_TRUE(m == kBlack || m == kWhite) << maskName << " " << x << "," << y;
        if (m == kWhite) {
          ASSERT_EQ(picture.At(x, y), kBlack) << pictureName << " " << x << "," << y;
        } else {
          ++opaque;
        }
      }
    }
    EXPECT_GT(opaque, mask.width * mask.height / 10) << pictureName;
    EXPECT_LT(opaque, mask.width * mask.height) << pictureName;
  }
}

TEST(Art, IconsAreSixteenColourImagesWithATransparencyMask) {
  struct Case {
    const char* name;
    int size;
  } cases[] = {{"app32.ico", 32}, {"app16.ico", 16}};
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> f = ReadArt(c.name);
    const std::size_t colourBytes = static_cast<std::size_t>(c.size) * c.size / 2;
    const std::size_t maskBytes = static_cast<std::size_t>(((c.size + 31) / 32) * 4) * c.size;
    ASSERT_EQ(f.size(), 6 + 16 + 40 + 64 + colourBytes + maskBytes) << c.name;
    EXPECT_EQ(f[2], 1);  // an icon
    EXPECT_EQ(f[4], 1);  // one image
    EXPECT_EQ(f[6], c.size);
    EXPECT_EQ(f[7], c.size);
    EXPECT_EQ(f[8], 16);   // colours
    EXPECT_EQ(f[12], 4);   // bits per pixel
    EXPECT_EQ(f[22 + 8], 2 * c.size);  // the header counts both masks
    EXPECT_EQ(f[22 + 14], 4);
    // The top-left corner (last row of the bottom-up AND mask) is transparent,
    // the centre is not.
    const std::size_t mask = 22 + 40 + 64 + colourBytes;
    const std::size_t stride = maskBytes / c.size;
    EXPECT_NE(f[mask + stride * (c.size - 1)] & 0x80, 0) << c.name;
    const int centre = c.size / 2;
    EXPECT_EQ(f[mask + stride * centre + centre / 8] & (0x80 >> (centre % 8)), 0) << c.name;
  }
}

TEST(Art, CommittedFilesAreWhatTheGeneratorDraws) {
  const std::string generator = KZ_BINARY_DIR "/tools/artgen/kz_artgen";
  const std::string out = KZ_BINARY_DIR "/artgen-check";
  ASSERT_EQ(std::system(("mkdir -p '" + out + "'").c_str()), 0);
  ASSERT_EQ(std::system(("'" + generator + "' '" + out + "' >/dev/null").c_str()), 0)
      << "build kz_artgen first";
  const char* files[] = {"labels.bmp",   "tiles.bmp",       "style_names.bmp",
                         "spelling.bmp", "role.bmp",        "clouds.bmp",
                         "clouds_mask.bmp", "creature.bmp", "creature_mask.bmp",
                         "app32.ico",    "app16.ico"};
  for (const char* name : files) {
    std::vector<std::uint8_t> drawn;
    ASSERT_TRUE(ReadFileBytes(out + "/" + name, &drawn)) << name;
    EXPECT_TRUE(drawn == ReadArt(name)) << name << " differs: run kz_artgen and commit";
  }
}

}  // namespace
}  // namespace kz

// Where everything on the control panel is, and what the panel's bitmaps
// hold: ids, sizes, the columns of every named area, the colours and the
// style table. The drawing code, the raster, the art generator and the tests
// all read these numbers from here.
#pragma once

#include <cstdint>

#include "resources/styles.h"
#include "resources/resource_ids.h"

namespace kz {

// A colour as GDI's COLORREF holds it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 |
         static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Colour kFrameColour = Rgb(147, 174, 174);       // 11447955
constexpr Colour kConnectorColour = Rgb(240, 110, 170);   // 11169520
constexpr Colour kBackgroundColour = Rgb(148, 206, 255);  // 16764564
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

// Knob colours by style, as the tiles bitmap holds them.
constexpr Colour kKnobColours[kStyleCount] = {
#define KZ_STYLE(command, id, name, knobColumn, nameColumn, nameWidth, red, green, blue) \
  Rgb(red, green, blue),
#include "resources/styles.def"
#undef KZ_STYLE
};

// Bitmap resource ids. A masked picture's mask has the picture's id + 1.
enum BitmapId : int {
#define KZ_BITMAP(name, id, file, width, height, bitsPerPixel, paletteSize, drawing) name = id,
#include "resources/bitmaps.def"
#undef KZ_BITMAP
};

// The copies of a masked picture load its mask by the next id.
static_assert(kCloudsMaskBitmap == kCloudsBitmap + 1 && kCreatureMaskBitmap == kCreatureBitmap + 1,
              "a mask's id follows its picture's");

// Icon resource ids (the window class's large and small icon).
constexpr int kLargeIcon = IDI_APP;
constexpr int kSmallIcon = IDI_APP_SMALL;

// One bitmap resource: id, file in resources/art/, size and bits per pixel.
struct BitmapFile {
  int id;
  const char* fileName;
  int width;
  int height;
  int bitsPerPixel;
  int paletteSize;  // colour-table entries written to the file
};

constexpr BitmapFile kBitmapFiles[] = {
#define KZ_BITMAP(name, id, file, width, height, bitsPerPixel, paletteSize, drawing) \
  {name, file, width, height, bitsPerPixel, paletteSize},
#include "resources/bitmaps.def"
#undef KZ_BITMAP
};

// The file entry of bitmap `id`, or nullptr when there is no such bitmap.
constexpr const BitmapFile* FindBitmapFile(int id) {
  for (const BitmapFile& f : kBitmapFiles) {
    if (f.id == id) return &f;
  }
  return nullptr;
}

struct IconFile {
  int id;
  const char* fileName;
  int size;  // square, in pixels
};

constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;

constexpr IconFile kIconFiles[] = {
    {kLargeIcon, "app32.ico", kLargeIconSize},
    {kSmallIcon, "app16.ico", kSmallIconSize},
};

// A horizontal area of a strip bitmap: first column and width. Every strip
// is 17 rows high and every area spans its full height.
struct StripArea {
  int column;
  int width;
};

constexpr int kStripHeight = 17;

// The labels bitmap: the section labels and the two signs beside the first track.
constexpr StripArea kBeginningLabel = {0, 60};
constexpr StripArea kMiddleLabel = {60, 40};
constexpr StripArea kEndLabel = {100, 30};
constexpr StripArea kPlusSign = {130, 10};
constexpr StripArea kMinusSign = {140, 10};

// The spelling and role bitmaps: value 0 on the left half, value 1 on the right.
constexpr int kChoiceWidth = 60;

// The style-names bitmap beyond the names: plain background, copied to clear
// the name.
constexpr StripArea kBlankName = {290, 70};

// The tiles bitmap: 8 x 8 tiles; row 0 the knobs and the blank track tile, row 1
// the lighter knobs and the white flash tile.
constexpr int kTileSize = 8;
constexpr int kTrackTileColumn = 48;
constexpr int kFlashTileRow = 8;
constexpr int kTrackLineColumn = 4;  // the frame-coloured line in the track tile

// Panel geometry in client coordinates.
constexpr int kFrameLeft = 108;
constexpr int kFrameRight = 508;
constexpr int kFrameTop = 42;
constexpr int kFrameBottom = 122;
constexpr int kInnerTracks[2] = {208, 408};
// The tracks the knobs run on: the frame's left line and the inner tracks.
constexpr int kTrackColumns[3] = {kFrameLeft, kInnerTracks[0], kInnerTracks[1]};
constexpr int kInputRow = 82;
constexpr int kInputFirstColumn = 44;
// A record's horizontal connector starts at its knob's left edge and runs
// to the next track; the middle one spans two sections.
constexpr int ConnectorLength(int index) { return index == 1 ? 204 : 104; }
constexpr int kTrackFirstKnobTop = 43;  // track tiles are redrawn from here ...
constexpr int kTrackLastKnobTop = 114;  // ... through here: 72 tiles

constexpr int kCloudsX = 0, kCloudsY = 195, kCloudsWidth = 614, kCloudsHeight = 32;
constexpr int kCreatureX = 0, kCreatureY = -14, kCreatureWidth = 71, kCreatureHeight = 155;

struct Placement {
  StripArea area;
  int x;
  int y;
};

// The five labels from the labels bitmap, in the order they are drawn.
constexpr Placement kLabelPlacements[5] = {
    {kBeginningLabel, 120, 23}, {kMiddleLabel, 220, 23}, {kEndLabel, 418, 23},
    {kPlusSign, 92, 35},        {kMinusSign, 92, 115},
};

constexpr int kSpellingX = 520, kSpellingY = 40;
constexpr int kRoleX = 520, kRoleY = 60;
constexpr int kStyleNameX = 522, kStyleNameY = 80;

// The main window's client area. The window is 620 x 270 outside; with the
// classic metrics (3-pixel fixed frame, 19-pixel caption and menu bar) its
// client area is 614 x 226, which cuts off the clouds' last row. The native
// raster keeps one row more so that every pixel the panel draws is seen.
constexpr int kClientWidth = 614;
constexpr int kClientHeight = 226;
constexpr int kRasterWidth = 614;
constexpr int kRasterHeight = 227;

}  // namespace kz

// The program's artwork, drawn from the source in this folder: the panel's
// bitmaps and the window's icons, each as the canvas it is drawn on and as
// the file that goes into resources/art/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"

namespace kz::art {

// A picture drawn through a mask: the mask is black where the picture is
// opaque and white elsewhere, and the picture is black wherever the mask is
// white.
struct MaskedPicture {
  Canvas picture;
  Canvas mask;
};

Canvas DrawLabels();      // kLabelsBitmap
Canvas DrawTiles();       // kTilesBitmap
Canvas DrawStyleNames();  // kStyleNamesBitmap
Canvas DrawSpelling();    // kSpellingBitmap
Canvas DrawRole();        // kRoleBitmap
MaskedPicture DrawClouds();    // bitmaps 109 and 110
MaskedPicture DrawCreature();  // bitmaps 111 and 112

// The 16 colours of both icons, and the icons themselves; pixels left in
// kIconClear are transparent.
constexpr Colour kIconClear = Rgb(1, 2, 3);
const std::vector<Colour>& IconPalette();
Canvas DrawIcon(int size);  // 32 or 16

// Builds the mask of a picture drawn on a canvas filled with `clear`: white
// where the picture still shows `clear`, black elsewhere; those clear pixels
// of the picture become black.
MaskedPicture SplitMask(Canvas picture, Colour clear);

struct ArtFile {
  std::string fileName;
  std::vector<std::uint8_t> bytes;
};

// Every file of resources/art/, in a fixed order. False, with a message in
// `error`, when a picture does not fit its file format.
bool GenerateArt(std::vector<ArtFile>* files, std::string* error);

}  // namespace kz::art

// Putting the artwork into its files; see art.h.
#include "tools/artgen/art.h"

#include <utility>

#include "tools/artgen/file_formats.h"

namespace kz::art {

MaskedPicture SplitMask(Canvas picture, Colour clear) {
  Canvas mask(picture.Width(), picture.Height(), kBlack);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.At(x, y) != clear) continue;
      mask.Set(x, y, kWhite);
      picture.Set(x, y, kBlack);
    }
  }
  return {std::move(picture), std::move(mask)};
}

// The two halves of the masked pictures, as the bitmap list names them.
Canvas CloudsPicture() { return DrawClouds().picture; }
Canvas CloudsMask() { return DrawClouds().mask; }
Canvas CreaturePicture() { return DrawCreature().picture; }
Canvas CreatureMask() { return DrawCreature().mask; }

bool GenerateArt(std::vector<ArtFile>* files, std::string* error) {
  std::vector<std::pair<int, Canvas>> bitmaps;
#define KZ_BITMAP(name, id, file, width, height, bitsPerPixel, paletteSize, drawing) \
  bitmaps.emplace_back(name, drawing());
#include "resources/bitmaps.def"
#undef KZ_BITMAP
  files->clear();
  for (const auto& [id, canvas] : bitmaps) {
    const BitmapFile* file = FindBitmapFile(id);
    if (canvas.Width() != file->width || canvas.Height() != file->height) {
      *error = std::string(file->fileName) + ": drawn at the wrong size";
      return false;
    }
    std::string why;
    std::vector<std::uint8_t> bytes =
        EncodePalettedBmp(canvas, file->bitsPerPixel, file->paletteSize, &why);
    if (bytes.empty()) {
      *error = std::string(file->fileName) + ": " + why;
      return false;
    }
    files->push_back({file->fileName, std::move(bytes)});
  }
  for (const IconFile& icon : kIconFiles) {
    std::string why;
    std::vector<std::uint8_t> bytes = EncodeIcon(DrawIcon(icon.size), IconPalette(), kIconClear, &why);
    if (bytes.empty()) {
      *error = std::string(icon.fileName) + ": " + why;
      return false;
    }
    files->push_back({icon.fileName, std::move(bytes)});
  }
  return true;
}

}  // namespace kz::art

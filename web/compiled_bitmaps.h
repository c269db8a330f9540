// The page's bitmap source: the program's .bmp files compiled into it (see
// embed_art.py), found by the names the art layout gives each bitmap id.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "panel/raster.h"

namespace kz {

struct ArtFile {
  const char* name;  // as in kBitmapFiles
  const unsigned char* bytes;
  std::size_t size;
};

extern const ArtFile kArtFiles[];
extern const int kArtFileCount;

class CompiledBitmaps final : public RasterBitmaps {
 public:
  // The file of bitmap `id`, copied out once and kept; nullptr when the art
  // layout names no file for it or none was compiled in.
  const std::vector<std::uint8_t>* FileBytes(int id) override;

 private:
  std::map<int, std::vector<std::uint8_t>> files_;
};

}  // namespace kz

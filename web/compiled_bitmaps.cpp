// The page's bitmaps, looked up in the compiled-in art by file name.
#include "web/compiled_bitmaps.h"

#include <cstring>

namespace kz {

const std::vector<std::uint8_t>* CompiledBitmaps::FileBytes(int id) {
  auto kept = files_.find(id);
  if (kept != files_.end()) return &kept->second;
  const BitmapFile* file = FindBitmapFile(id);
  if (!file) return nullptr;
  for (int i = 0; i < kArtFileCount; ++i) {
    if (std::strcmp(kArtFiles[i].name, file->fileName) == 0) {
      const ArtFile& art = kArtFiles[i];
      return &files_.emplace(id, std::vector<std::uint8_t>(art.bytes, art.bytes + art.size))
                  .first->second;
    }
  }
  return nullptr;
}

}  // namespace kz

// Draws the program's artwork and writes it into a folder:
//   kz_artgen [folder]   (default: resources/art of this source tree)
// The files are committed; the unit tests check that they are exactly what
// this program writes, so after changing the art run it and commit the
// result.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/artgen/art.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : KZ_SOURCE_DIR "/resources/art";
  std::vector<kz::art::ArtFile> files;
  std::string error;
  if (!kz::art::GenerateArt(&files, &error)) {
    std::fprintf(stderr, "kz_artgen: %s\n", error.c_str());
    return 1;
  }
  for (const kz::art::ArtFile& f : files) {
    const std::string path = folder + "/" + f.fileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()),
              static_cast<std::streamsize>(f.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "kz_artgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  std::printf("kz_artgen: %zu files in %s\n", files.size(), folder.c_str());
  return 0;
}

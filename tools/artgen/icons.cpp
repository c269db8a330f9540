// The window's icons (resources 107 and 108): the creature's dark-red head
// seen from the front, one large eye with a gold iris, two ivory horns and a
// grin with two fangs. Drawn by hand as pixel art, one character per pixel:
//   .  transparent        o  outline            d r R h  skin, dark to light
//   W  white              g  sclera shade       y Y  iris, light and dark
//   K  pupil              m  mouth              p  tongue
//   t T  horns and teeth, light and shaded
#include "tools/artgen/art.h"

namespace kz::art {
namespace {

// clang-format off
const std::vector<const char*> kIcon32 = {
    "...o.......................o....",
    "...ooo...................ooo....",
    "....oTo.................oTo.....",
    ".....oTo...............oTo......",
    ".....oTTo.............oTTo......",
    "......oTto..ooooooo..otTo.......",
    "......oTttooWWWWWWWoottTo.......",
    "......oTtooWWWWWWWWWootTo.......",
    "......oRRoWWWWWWWWWWWorro.......",
    "......oRoWWWWWWyyWWWWWoro.......",
    ".....oRhoWWWWyyyyyyWWWorro......",
    "....oRhoWWWWyyyKKyyWWWWorro.....",
    "....oRhoWWWWyyWKKKyyWggorro.....",
    "...oRRhoWWWWyyKKKKyygggorrdo....",
    "...oRRhoWWWWYYKKKKYYgggorrdo....",
    "...oRRhhoWWWYYYYYYYgggorrrdo....",
    "..oRRRRRoWWWWYYYYYggggorrdddo...",
    "..oRRRRRRoWWWggggggggorrrdddo...",
    "..oRRRRRRoogggggggggoorrrdddo...",
    "..oRRRRRRRRogggggggorrrrddddo...",
    "...oRRRRRRRRooooooorrrrrdddo....",
    "...orRRRRtttmmmmmmmtttrddddo....",
    "...orrrRRmttmmmmmmmttmdddddo....",
    "....orrrrmtmmmmmmmmmtmddddo.....",
    "....orrrrrpppppppppppdddddo.....",
    ".....orrrrrrpppppppddddddo......",
    "......orrrrrrrrrddddddddo.......",
    ".......odrrrrddddddddddo........",
    "........oodddddddddddoo.........",
    "..........ooodddddooo...........",
    ".............ooooo..............",
    "................................",
};

const std::vector<const char*> kIcon16 = {
    "................",
    ".o...........o..",
    ".oto.......oto..",
    "..oTo.ooo.oTo...",
    "..ooooWWWoooo...",
    ".ohoWWyyyWWoro..",
    "ohoWWyWKKyWWoro.",
    "oRoWWyKKKyWgoro.",
    "oRoWWYKKKYggoro.",
    "oRRoWWYYYggorro.",
    "oRRRoogggoorrdo.",
    "oRRtmmmmmmmtrdo.",
    ".oRrmpppppmddo..",
    "..orrrrdddddo...",
    "...oodddddoo....",
    ".....ooooo......",
};
// clang-format on

const std::vector<ColourKey>& Key() {
  static const std::vector<ColourKey> key = {
      {'.', kIconClear},           {'K', Rgb(0, 0, 0)},         {'o', Rgb(48, 0, 8)},
      {'d', Rgb(96, 0, 16)},       {'r', Rgb(136, 16, 24)},     {'R', Rgb(176, 36, 36)},
      {'h', Rgb(224, 96, 80)},     {'W', Rgb(255, 255, 255)},   {'g', Rgb(176, 184, 208)},
      {'y', Rgb(240, 192, 32)},    {'Y', Rgb(176, 112, 0)},     {'m', Rgb(40, 0, 8)},
      {'p', Rgb(224, 96, 128)},    {'t', Rgb(248, 240, 208)},   {'T', Rgb(200, 184, 144)},
  };
  return key;
}

}  // namespace

const std::vector<Colour>& IconPalette() {
  // Index 0 is black, the colour of the transparent pixels; the last two
  // entries are spare.
  static const std::vector<Colour> palette = [] {
    std::vector<Colour> p;
    for (const ColourKey& k : Key()) {
      if (k.colour != kIconClear) p.push_back(k.colour);
    }
    p.push_back(Rgb(128, 128, 128));
    p.push_back(Rgb(192, 192, 192));
    return p;
  }();
  return palette;
}

Canvas DrawIcon(int size) {
  Canvas canvas(size, size, kIconClear);
  DrawAsciiArt(canvas, 0, 0, size == 16 ? kIcon16 : kIcon32, Key());
  return canvas;
}

}  // namespace kz::art

// Writing the artwork's files: palettised .bmp (bottom-up, uncompressed)
// and 16-colour .ico with its transparency mask.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"

namespace kz::art {

// The canvas as a .bmp of `bitsPerPixel` (1, 4 or 8) with a colour table of
// `paletteSize` entries: the colours the canvas uses, in ascending COLORREF
// order (so black comes first and white last), the rest black. Fails (empty
// result and a message in `error`) when the canvas uses more colours.
std::vector<std::uint8_t> EncodePalettedBmp(const Canvas& canvas, int bitsPerPixel,
                                            int paletteSize, std::string* error);

// A one-image 4-bit .ico of the square canvas with the given 16 colours; a
// pixel of colour `transparent` becomes a transparent pixel (colour index
// 0, mask bit set). Fails when a pixel's colour is not in the palette.
std::vector<std::uint8_t> EncodeIcon(const Canvas& canvas, const std::vector<Colour>& palette,
                                     Colour transparent, std::string* error);

}  // namespace kz::art

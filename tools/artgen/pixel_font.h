// The panel's lettering: a hand-made pixel font with a cap height of nine
// pixels and three-pixel descenders, one pixel between letters.
#pragma once

#include <string>

#include "tools/artgen/canvas.h"

namespace kz::art {

constexpr int kCapHeight = 9;  // rows above the baseline; descenders go 3 below

// Width in pixels of `text` as DrawText lays it out.
int TextWidth(const std::string& text, int spacing = 1);

// Draws `text` in `ink` with the top of its capitals on row `top`, its
// first column at `left` and `spacing` blank columns between letters;
// returns the column after the last letter. Characters the font lacks are
// drawn as nothing.
int DrawText(Canvas& canvas, int left, int top, const std::string& text, Colour ink,
             int spacing = 1);

}  // namespace kz::art

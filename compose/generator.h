// The generator's view of a knob and of a drawn word: which row of a section
// table a knob position selects, whether the section is shown at all, and how
// a word joins the text.
#pragma once

#include <cstdint>

#include "compose/compose_settings.h"

namespace kz {

// 1 near the top of the slider, 2 in the middle band, 3 near the bottom.
using Level = std::int32_t;

// The middle band runs from knob y 59 to 98; y 58 joins the top band and
// y 98 the middle one, and a y beyond either end takes the nearest band.
constexpr std::int32_t kLevel1LastY = 58;
constexpr std::int32_t kLevel2LastY = 98;

constexpr Level KnobLevel(std::int32_t y) {
  return y <= kLevel1LastY ? 1 : y <= kLevel2LastY ? 2 : 3;
}

// A section whose knob y is this or more is left out of the comment.
constexpr std::int32_t kLeftOutY = 110;

constexpr bool IsShown(std::int32_t y) { return y < kLeftOutY; }

// The Edit menu's rows each stand in a band of their own, and its bottom
// row is left out.
static_assert(KnobLevel(KnobTop(kTopRow)) == 1 && KnobLevel(KnobTop(kMiddleRow)) == 2 &&
                  KnobLevel(KnobTop(kBottomRow)) == 3,
              "top, middle and bottom rows are Levels 1, 2 and 3");
static_assert(!IsShown(KnobTop(kBottomRow)) && IsShown(KnobTop(kMiddleRow)),
              "the bottom row is left out, the middle row shown");

// How the working word joins a section text when its step is included.
enum WordClass : std::int32_t {
  kPlainWord = 0,     // a blank (none at step 0), then the word
  kEmptyEntry = 1,    // no word here: the step is drawn again
  kAttachedMark = 2,  // the word with no blank before it
  kLoneBlank = 3,     // nothing at all
};

}  // namespace kz

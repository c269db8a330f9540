// How the window shows the panel's picture: as the panel drew it, or, while
// high contrast is on, in the system's colours; and with the focus ring
// around the knob that has the keyboard focus while keyboard cues show.
#pragma once

#include <windows.h>

#include "panel/high_contrast.h"
#include "shell/panel_picture.h"

namespace kz {

class PanelLooks {
 public:
  // Reads whether high contrast is on and its colours (SPI_GETHIGHCONTRAST,
  // GetSysColor); true when what is shown changes with them.
  bool ReadSettings();

  // Shows `part` (panel pixels) of `picture` on `target` at scale k, and
  // wherever the focus ring was or now is: around knob `ring`, or none (-1).
  void Show(HDC target, const RECT& part, int k, const PanelPicture& picture,
            const SliderRecord (&sliders)[kSectionCount], const KnobLook (&looks)[kSectionCount],
            int ring);

  bool highContrast() const { return highContrast_; }

 private:
  bool highContrast_ = false;
  SystemColours colours_ = {};
  PanelPicture shown_;  // the picture as shown, when that differs from it
  bool made_ = false;
  RECT lastRing_ = {};  // where the ring was last shown
  // The picture's pixels, then mapped to the system colours: fixed arrays,
  // as growable ones would link the C++ run-time's exception machinery.
  Colour drawn_[kClientWidth * kClientHeight];
  Colour mapped_[kClientWidth * kClientHeight];
};

}  // namespace kz

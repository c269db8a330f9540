// The panel in system colours: the real painting mapped for several knob
// states, and the focus ring's square.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "compose/stored_strings.h"
#include "panel/high_contrast.h"
#include "panel/raster.h"
#include "tests/midend/recording_front_end.h"

namespace kz {
namespace {

// The panel as the program paints it: knobs on rows 60, 82 and 104.
std::vector<Colour> Painting(SliderRecord (&sliders)[kSectionCount]) {
  static const StoredStrings strings;
  static Raster raster;
  static BitmapFolder bitmaps(KZ_SOURCE_DIR "/resources/art");
  static RasterSurface surface(raster, &bitmaps);
  static RecordingFrontEnd frontEnd;
  static KudomatZub app(strings, surface, frontEnd);
  app.Command(IDM_ENABLE_ALL);
  const int rows[] = {60, 82, 104};
  for (int s = 0; s < kSectionCount; ++s) app.StepKnob(s, app.Knob(s).row - rows[s]);
  app.Repaint();
  for (int s = 0; s < kSectionCount; ++s) sliders[s] = app.Save().session.panel.sliders[s];
  std::vector<Colour> pixels;
  for (int y = 0; y < raster.Height(); ++y) {
    for (int x = 0; x < raster.Width(); ++x) pixels.push_back(raster.At(x, y));
  }
  return pixels;
}

TEST(HighContrast, OnlyTheSystemColoursWithShapesKnobsAndFrozenSections) {
  SliderRecord sliders[kSectionCount];
  const std::vector<Colour> painting = Painting(sliders);
  const int w = kRasterWidth, h = kRasterHeight;
  const SystemColours c = {Rgb(1, 2, 3), Rgb(250, 251, 252), Rgb(0, 128, 255), Rgb(90, 91, 92)};
  struct Case {
    KnobLook looks[kSectionCount];
    Colour knobs[kSectionCount];  // what each knob tile is filled with
  } cases[] = {
      {{{true, true}, {false, false}, {true, false}}, {c.highlight, c.grayText, c.windowText}},
      {{{false, false}, {false, true}, {false, false}}, {c.grayText, c.highlight, c.grayText}},
  };
  auto inside = [](int x, int y, int left, int top, int width, int height) {
    return left <= x && x < left + width && top <= y && y < top + height;
  };
  for (const Case& k : cases) {
    std::vector<Colour> out(painting.size());
    HighContrastPicture(painting.data(), w, h, sliders, k.looks, c, out.data());
    const std::string what = ::testing::PrintToString(k.knobs);
    std::set<Colour> labelColours[kSectionCount];
    int cloudInk = 0, cloudShape = 0, creatureLight = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const Colour was = painting[y * w + x], is = out[y * w + x];
        auto drawnAt = [&](int dx, int dy) {
          const int u = x + dx, v = y + dy;
          return u < 0 || u >= w || v < 0 || v >= h || painting[v * w + u] != kBackgroundColour;
        };
        const bool edge = was != kBackgroundColour &&
                          !(drawnAt(-1, 0) && drawnAt(1, 0) && drawnAt(0, -1) && drawnAt(0, 1));
        int knob = -1;
        for (int s = 0; s < kSectionCount; ++s) {
          if (inside(x, y, sliders[s].x, sliders[s].y, kTileSize, kTileSize)) knob = s;
          const Placement& l = kLabelPlacements[s];
          if (inside(x, y, l.x, l.y, l.area.width, kStripHeight) && is != c.window) labelColours[s].insert(is);
        }
        if (knob >= 0) {
          ASSERT_EQ(is, k.knobs[knob]) << what << " knob " << knob << " at " << x << ", " << y;
          continue;
        }
        ASSERT_TRUE(is == c.window || is == c.windowText || is == c.grayText) << what << " at " << x << ", " << y;
        ASSERT_TRUE(was == kBackgroundColour ? is == c.window : !edge || is != c.window)
            << what << (edge ? " outline" : " background") << " at " << x << ", " << y;
        if (y >= kCloudsY && was != kBackgroundColour) ++cloudShape, cloudInk += is != c.window;
        if (inside(x, y, kCreatureX, kCreatureY, kCreatureWidth, kCreatureHeight) && was != kBackgroundColour &&
            is == c.window) {
          ++creatureLight;
        }
      }
    }
    // Outlined clouds, not blobs; the creature keeps light details inside.
    EXPECT_LT(cloudInk, cloudShape / 2) << what;
    EXPECT_GT(creatureLight, 10) << what;
    for (int s = 0; s < kSectionCount; ++s) {
      EXPECT_EQ(labelColours[s], std::set<Colour>{k.looks[s].enabled ? c.windowText : c.grayText}) << what;
    }
  }
}

// Dotted, two pixels outside the tile all round, clipped at the edges.
TEST(HighContrast, FocusRingSurroundsTheKnobTile) {
  const int w = 30, h = 20;
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{10, 6}, {0, 0}, {24, 14}}) {
    std::vector<Colour> pixels(w * h, kWhite);
    DrawFocusRing(pixels.data(), w, h, x, y, kBlack);
    int onRing = 0, inked = 0;
    for (int v = 0; v < h; ++v) {
      for (int u = 0; u < w; ++u) {
        const int du = u - x + kFocusRingMargin, dv = v - y + kFocusRingMargin, last = kFocusRingSize - 1;
        const bool ring = 0 <= du && du <= last && 0 <= dv && dv <= last && (du % last == 0 || dv % last == 0);
        onRing += ring, inked += pixels[v * w + u] == kBlack;
        EXPECT_TRUE(ring || pixels[v * w + u] == kWhite) << x << ", " << y << ": " << u << ", " << v;
      }
    }
    EXPECT_TRUE(inked >= onRing / 2 - 1 && inked < onRing) << x << ", " << y << ": " << inked << " of " << onRing;
  }
}

}  // namespace
}  // namespace kz

// The strip of clouds along the bottom of the panel (bitmaps 109 and 110).
// Each cloud is a heap of round puffs on a flat base; every pixel takes its
// light from the puff whose surface stands highest there, lit from the
// upper left, so the puffs bulge and overlap like heaped cotton. The rims
// of the lower halves get a soft blue-grey line against the sky.
#include <cmath>
#include <vector>

#include "tools/artgen/art.h"

namespace kz::art {
namespace {

constexpr Colour kClear = Rgb(1, 1, 1);
constexpr Colour kCloud[] = {Rgb(178, 198, 230), Rgb(204, 220, 244), Rgb(228, 238, 252),
                             Rgb(255, 255, 255)};
constexpr Colour kRim = Rgb(150, 176, 218);

constexpr double kLight[3] = {-0.45, -0.60, 0.66};

struct Puff {
  double dx, cy, r;  // centre relative to the cloud's x, and radius
};

struct Cloud {
  double x;     // where the cloud's puffs are measured from
  double base;  // the flat underside: nothing of this cloud below this row
  std::vector<Puff> puffs;
};

// Left to right along the strip; the strip is 32 rows high and the window
// shows rows 0 to 30 of it.
const std::vector<Cloud>& Clouds() {
  static const std::vector<Cloud> clouds = {
      {-6, 29.5, {{6, 24, 8}, {16, 19, 9}, {28, 21, 8}, {38, 25, 6}}},
      {58, 28.5, {{6, 23, 6}, {17, 17, 9}, {30, 13, 11}, {44, 17, 9}, {56, 22, 7}, {64, 25, 5}}},
      {140, 30.0, {{4, 25, 6}, {14, 20, 8}, {25, 22, 7}}},
      {188, 28.0, {{6, 22, 7}, {18, 15, 10}, {32, 10, 12}, {47, 14, 10}, {60, 19, 8},
                   {72, 23, 6}}},
      {280, 29.5, {{4, 24, 6}, {13, 19, 8}, {25, 17, 9}, {37, 22, 7}, {46, 25, 5}}},
      {352, 28.5, {{6, 21, 8}, {20, 14, 11}, {36, 12, 12}, {52, 17, 10}, {66, 21, 8},
                   {78, 25, 6}}},
      {450, 30.0, {{5, 24, 6}, {15, 21, 7}, {25, 24, 6}}},
      {496, 28.0, {{6, 22, 7}, {19, 16, 10}, {34, 13, 11}, {49, 18, 9}, {61, 23, 6}}},
      {574, 29.5, {{6, 23, 7}, {18, 18, 9}, {31, 20, 9}, {42, 24, 7}}},
  };
  return clouds;
}

// The height of the cloud's surface at a point, and its normal there; false
// outside the cloud.
bool Surface(const Cloud& cloud, double x, double y, double normal[3]) {
  if (y > cloud.base) return false;
  double best = -1.0;
  for (const Puff& p : cloud.puffs) {
    const double dx = x - (cloud.x + p.dx), dy = y - p.cy;
    const double inside = p.r * p.r - dx * dx - dy * dy;
    if (inside < 0) continue;
    const double height = std::sqrt(inside);
    if (height > best) {
      best = height;
      normal[0] = dx / p.r;
      normal[1] = dy / p.r;
      normal[2] = height / p.r;
    }
  }
  return best >= 0;
}

}  // namespace

MaskedPicture DrawClouds() {
  Canvas picture(kCloudsWidth, kCloudsHeight, kClear);
  std::vector<int> owner(static_cast<std::size_t>(kCloudsWidth) * kCloudsHeight, -1);
  const std::vector<Cloud>& clouds = Clouds();
  for (int y = 0; y < kCloudsHeight; ++y) {
    for (int x = 0; x < kCloudsWidth; ++x) {
      for (std::size_t k = 0; k < clouds.size(); ++k) {
        double normal[3];
        if (!Surface(clouds[k], x + 0.5, y + 0.5, normal)) continue;
        double light = 0.0;
        for (int i = 0; i < 3; ++i) light += normal[i] * kLight[i];
        // The underside is in the cloud's own shadow, whatever the puff.
        if (y + 0.5 > clouds[k].base - 3) light -= 0.35;
        const int step = light > 0.55 ? 3 : light > 0.25 ? 2 : light > -0.1 ? 1 : 0;
        picture.Set(x, y, kCloud[step]);
        owner[static_cast<std::size_t>(y) * kCloudsWidth + x] = static_cast<int>(k);
        break;
      }
    }
  }
  // A rim where the lower half of a cloud meets the sky.
  auto clear = [&](int x, int y) {
    return x < 0 || y < 0 || x >= kCloudsWidth || y >= kCloudsHeight ||
           owner[static_cast<std::size_t>(y) * kCloudsWidth + x] < 0;
  };
  for (int y = 0; y < kCloudsHeight; ++y) {
    for (int x = 0; x < kCloudsWidth; ++x) {
      if (clear(x, y)) continue;
      const bool lower = clear(x, y + 1) || ((clear(x - 1, y) || clear(x + 1, y)) && y > 18);
      if (lower && x > 0 && x < kCloudsWidth - 1) picture.Set(x, y, kRim);
    }
  }
  return SplitMask(std::move(picture), kClear);
}

}  // namespace kz::art

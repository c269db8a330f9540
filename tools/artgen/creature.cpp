// The creature's head in profile (bitmaps 111 and 112): a one-eyed, dark-red
// beast looking right, at the panel, with the input line coming out of its
// mouth. The head is modelled from a few rounded parts, each lit from the
// upper right and outlined where it meets the background or a part behind
// it; eye, mouth, teeth and nostril are drawn over the top.
//
// Picture coordinates: 71 x 155, drawn at client (0, -14), so rows 0 to 13
// never show and picture row 96 is client row 82, the input line's row.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/art.h"

namespace kz::art {
namespace {

// The skin: a ramp from deep shadow to a bright highlight.
constexpr Colour kSkin[] = {
    Rgb(74, 8, 18), Rgb(106, 14, 26), Rgb(136, 22, 32), Rgb(166, 36, 40), Rgb(196, 62, 54),
    Rgb(226, 108, 90),
};
constexpr Colour kOutline = Rgb(36, 2, 8);
constexpr Colour kInnerLine = Rgb(62, 6, 14);
constexpr Colour kThroat[] = {Rgb(150, 50, 40), Rgb(182, 84, 62), Rgb(212, 122, 88)};
constexpr Colour kMouth = Rgb(44, 0, 10);
constexpr Colour kTongue = Rgb(214, 84, 112);
constexpr Colour kTooth = Rgb(250, 246, 226);
constexpr Colour kToothShade = Rgb(204, 196, 170);
constexpr Colour kSclera = Rgb(252, 252, 248);
constexpr Colour kScleraShade = Rgb(198, 204, 222);
constexpr Colour kIris = Rgb(236, 186, 36);
constexpr Colour kIrisDark = Rgb(170, 104, 10);
constexpr Colour kPupil = Rgb(0, 0, 0);

constexpr Colour kClear = Rgb(1, 1, 1);  // not yet painted: becomes transparent

// Light from the upper right and in front.
constexpr double kLight[3] = {0.50, -0.55, 0.67};

enum class Shape { kEllipse, kTaper, kPolygon };

struct Part {
  Shape shape;
  // Ellipse: centre, radii and `a`, the tilt in degrees (clockwise, as y
  // runs down). Taper: a vertical body from row `cy` to row `ry`, its middle
  // running from `cx` to `rx`, its half width from `a` to `b`.
  double cx, cy, rx, ry;
  double a, b;
  std::vector<double> polygon;  // x0, y0, x1, y1, ... (flat colour)
  const Colour* ramp;           // kSkin or kThroat; polygons use ramp[0]
  int rampSize;
  bool innerLine;  // outlined where it overlaps the parts behind it
};

Part Ellipse(double cx, double cy, double rx, double ry, double tilt, bool innerLine) {
  return {Shape::kEllipse, cx, cy, rx, ry, tilt, 0, {}, kSkin, 6, innerLine};
}

// Does the part cover the point, and which way does its surface face there?
bool Covers(const Part& p, double x, double y, double normal[3]) {
  switch (p.shape) {
    case Shape::kEllipse: {
      const double turn = p.a * 3.14159265358979 / 180.0;
      const double c = std::cos(turn), s = std::sin(turn);
      const double u = ((x - p.cx) * c + (y - p.cy) * s) / p.rx;
      const double v = (-(x - p.cx) * s + (y - p.cy) * c) / p.ry;
      const double d = u * u + v * v;
      if (d > 1.0) return false;
      normal[0] = u * c - v * s;
      normal[1] = u * s + v * c;
      normal[2] = std::sqrt(1.0 - d);
      return true;
    }
    case Shape::kTaper: {
      if (y < p.cy || y > p.ry) return false;
      const double t = (y - p.cy) / (p.ry - p.cy);
      const double middle = p.cx + (p.rx - p.cx) * t, half = p.a + (p.b - p.a) * t;
      const double nx = (x - middle) / half;
      if (nx < -1.0 || nx > 1.0) return false;
      normal[0] = nx;
      normal[1] = 0.0;
      normal[2] = std::sqrt(1.0 - nx * nx);
      return true;
    }
    case Shape::kPolygon: {
      bool inside = false;
      const std::size_t n = p.polygon.size() / 2;
      for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = p.polygon[2 * i], yi = p.polygon[2 * i + 1];
        const double xj = p.polygon[2 * j], yj = p.polygon[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
      }
      normal[0] = normal[1] = 0.0;
      normal[2] = 1.0;
      return inside;
    }
  }
  return false;
}

// The ramp step for a surface facing `normal`.
Colour Shade(const Part& p, const double normal[3]) {
  if (p.shape == Shape::kPolygon) return p.ramp[0];
  double light = 0.0;
  for (int i = 0; i < 3; ++i) light += normal[i] * kLight[i];
  const double thresholds[] = {-0.05, 0.25, 0.52, 0.76, 0.93};
  int step = 0;
  while (step < p.rampSize - 1 && step < 5 && light > thresholds[step]) ++step;
  return p.ramp[step];
}

// The head's parts, back to front.
std::vector<Part> HeadParts() {
  std::vector<Part> parts;
  Part neck = {Shape::kTaper, 30, 70, 22, 160, 17, 24, {}, kSkin, 6, true};
  parts.push_back(neck);
  Part throat = {Shape::kTaper, 41, 100, 42, 160, 5, 6, {}, kThroat, 3, true};
  parts.push_back(throat);
  parts.push_back(Ellipse(9, 64, 13, 6, -40, true));   // ear, laid back
  parts.push_back(Ellipse(33, 52, 29, 35, 0, true));   // skull
  Part mouth = {Shape::kPolygon, 0, 0, 0, 0, 0, 0, {40, 96, 69, 87, 65, 106}, &kMouth, 1,
                false};
  parts.push_back(mouth);
  parts.push_back(Ellipse(46, 105, 20, 6.5, 10, true));  // lower jaw, dropped open
  parts.push_back(Ellipse(48, 82, 23, 11, -6, false));  // snout, grown out of the skull
  return parts;
}

void FillCircle(Canvas& c, double cx, double cy, double r, Colour colour) {
  for (int y = static_cast<int>(cy - r) - 1; y <= static_cast<int>(cy + r) + 1; ++y) {
    for (int x = static_cast<int>(cx - r) - 1; x <= static_cast<int>(cx + r) + 1; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= r * r) c.Set(x, y, colour);
    }
  }
}

// The one large eye: sclera shaded toward the lower left, a gold iris with a
// dark lower half, the pupil looking right, two glints, and the upper lid.
void DrawEye(Canvas& c) {
  const double cx = 41, cy = 49, r = 13;
  FillCircle(c, cx, cy, r + 1, kOutline);
  FillCircle(c, cx, cy, r, kScleraShade);
  FillCircle(c, cx + 1.2, cy - 1.2, r - 1.5, kSclera);
  FillCircle(c, cx + 5, cy + 0.5, 7.5, kOutline);
  FillCircle(c, cx + 5, cy + 0.5, 6.5, kIrisDark);
  FillCircle(c, cx + 5.4, cy - 0.6, 5.5, kIris);
  FillCircle(c, cx + 6, cy + 0.5, 3.4, kPupil);
  c.FillRect(static_cast<int>(cx + 2), static_cast<int>(cy - 4), 2, 2, kSclera);
  c.Set(static_cast<int>(cx + 8), static_cast<int>(cy + 3), kSclera);
  // Upper lid: skin over the top of the eye, with a dark rim.
  for (int x = static_cast<int>(cx - r - 1); x <= static_cast<int>(cx + r + 1); ++x) {
    const double lid = cy - 8.5 + 0.18 * (cx - x);
    for (int y = static_cast<int>(cy - r - 2); y <= static_cast<int>(cy + r); ++y) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy > (r + 1) * (r + 1)) continue;
      if (y < lid - 1) {
        c.Set(x, y, y < lid - 4 ? kSkin[3] : kSkin[2]);
      } else if (y < lid + 1) {
        c.Set(x, y, kOutline);
      }
    }
  }
}

// The first row at or below `from` in column x that shows the mouth's
// inside, or -1.
int MouthTop(const Canvas& c, int x, int from) {
  for (int y = from; y < kCreatureHeight; ++y) {
    if (c.At(x, y) == kMouth) return y;
  }
  return -1;
}

void DrawMouthDetails(Canvas& c) {
  // The tongue lies on the floor of the mouth: the lowest two rows of it.
  for (int x = 48; x < kCreatureWidth; ++x) {
    int bottom = -1;
    for (int y = 85; y < 115; ++y) {
      if (c.At(x, y) == kMouth) bottom = y;
    }
    if (bottom < 0) continue;
    for (int y = bottom - 1; y <= bottom; ++y) {
      if (c.At(x, y) == kMouth) c.Set(x, y, kTongue);
    }
  }
  // Two fangs hang from the snout into the mouth, shaded on their far side.
  for (int x : {57, 65}) {
    const int top = MouthTop(c, x, 85);
    if (top < 0) continue;
    for (int row = 0; row < 5; ++row) {
      const int half = row < 3 ? 1 : 0;
      for (int dx = -half; dx <= half; ++dx) {
        c.Set(x + dx, top + row, dx > 0 || row == 4 ? kToothShade : kTooth);
      }
    }
  }
  // Nostril near the tip of the snout, and a crease at the mouth's corner.
  c.FillRect(64, 77, 3, 2, kInnerLine);
  c.Set(63, 78, kOutline);
  for (int i = 0; i < 4; ++i) c.Set(41 - i, 95 - i / 2, kInnerLine);
}

// A few darker scales on the back of the skull, and ridges on the throat.
void DrawSkinDetails(Canvas& c) {
  const double spots[][3] = {{14, 40, 2.6}, {10, 48, 2.0}, {20, 30, 2.2}, {17, 76, 2.4},
                             {23, 84, 1.8}};
  for (const auto& s : spots) FillCircle(c, s[0], s[1], s[2], kSkin[1]);
  for (int y = 112; y < 155; y += 7) {
    for (int x = 34; x <= 46; ++x) {
      if (c.At(x, y) == kThroat[0] || c.At(x, y) == kThroat[1] || c.At(x, y) == kThroat[2]) {
        c.Set(x, y, kThroat[0]);
      }
    }
  }
}

}  // namespace

MaskedPicture DrawCreature() {
  Canvas picture(kCreatureWidth, kCreatureHeight, kClear);
  const std::vector<Part> parts = HeadParts();
  std::vector<int> owner(static_cast<std::size_t>(kCreatureWidth) * kCreatureHeight, -1);
  auto ownerAt = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= kCreatureWidth || y >= kCreatureHeight) return -1;
    return owner[static_cast<std::size_t>(y) * kCreatureWidth + x];
  };

  for (int y = 0; y < kCreatureHeight; ++y) {
    for (int x = 0; x < kCreatureWidth; ++x) {
      double normal[3];
      for (int k = static_cast<int>(parts.size()) - 1; k >= 0; --k) {
        if (Covers(parts[k], x + 0.5, y + 0.5, normal)) {
          owner[static_cast<std::size_t>(y) * kCreatureWidth + x] = k;
          picture.Set(x, y, Shade(parts[k], normal));
          break;
        }
      }
    }
  }

  // Outlines: against the background everywhere, against a part behind
  // where the front part asks for it.
  for (int y = 0; y < kCreatureHeight; ++y) {
    for (int x = 0; x < kCreatureWidth; ++x) {
      const int k = ownerAt(x, y);
      if (k < 0) continue;
      const int around[4] = {ownerAt(x - 1, y), ownerAt(x + 1, y), ownerAt(x, y - 1),
                             ownerAt(x, y + 1)};
      bool edge = false, seam = false;
      for (int n : around) {
        if (n < 0 && !(y + 1 >= kCreatureHeight && n == ownerAt(x, y + 1))) edge = true;
        if (n >= 0 && n < k && parts[k].innerLine) seam = true;
      }
      // The neck runs out of the picture at the bottom: no outline there.
      if (y == kCreatureHeight - 1) {
        edge = ownerAt(x - 1, y) < 0 || ownerAt(x + 1, y) < 0;
      }
      if (edge) {
        picture.Set(x, y, kOutline);
      } else if (seam) {
        picture.Set(x, y, kInnerLine);
      }
    }
  }

  DrawSkinDetails(picture);
  DrawEye(picture);
  DrawMouthDetails(picture);
  return SplitMask(std::move(picture), kClear);
}

}  // namespace kz::art

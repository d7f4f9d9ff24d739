#include "gauges/TrayImageList.h"

#include <cmath>

namespace gauges {

namespace {

constexpr int kSize = gfx::IconImage::kSize;

// Distance of the pixel centre from the picture's centre.
double Radius(int x, int y) { return std::hypot(x - 7.5, y - 7.5); }

gfx::IconImage Badge(gfx::Color face) {
  gfx::IconImage image;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const double r = Radius(x, y);
      if (r > 8.0) image.Set({x, y}, gfx::clBlack, true);
      else image.Set({x, y}, r > 7.0 ? gfx::Rgb(64, 64, 64) : face);
    }
  return image;
}

}  // namespace

std::vector<gfx::IconImage> FreeMemoryBackgrounds() {
  return {Badge(gfx::Rgb(255, 96, 96)), Badge(gfx::Rgb(255, 176, 64)),
          Badge(gfx::Rgb(255, 240, 96)), Badge(gfx::Rgb(128, 224, 128))};
}

std::vector<gfx::IconImage> RunAnimationFrames() {
  constexpr double kPi = 3.14159265358979323846;
  std::vector<gfx::IconImage> frames;
  for (int f = 0; f < 12; ++f) {
    gfx::IconImage image = Badge(gfx::Rgb(0, 96, 0));
    const double angle = f * kPi / 6 - kPi / 2;  // clockwise from twelve o'clock
    const double cx = 7.5 + 5 * std::cos(angle), cy = 7.5 + 5 * std::sin(angle);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (std::hypot(x - cx, y - cy) <= 2.0) image.Set({x, y}, gfx::clLime);
    frames.push_back(image);
  }
  return frames;
}

}  // namespace gauges

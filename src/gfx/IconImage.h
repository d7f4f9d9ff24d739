// A 16 × 16 picture with a transparency mask: the tray icon's backgrounds,
// animation frames and composed number icons, before they become system icons.
#pragma once

#include <array>

#include "gfx/Canvas.h"

namespace gfx {

struct IconImage {
  static constexpr int kSize = 16;
  std::array<Color, kSize * kSize> pixels{};   // plain RGB values
  std::array<bool, kSize * kSize> transparent{};

  static bool Inside(Point p) { return p.x >= 0 && p.y >= 0 && p.x < kSize && p.y < kSize; }
  Color At(Point p) const { return Inside(p) ? pixels[p.y * kSize + p.x] : clBlack; }
  bool ClearAt(Point p) const { return !Inside(p) || transparent[p.y * kSize + p.x]; }
  void Set(Point p, Color c, bool clear = false) {
    if (!Inside(p)) return;
    pixels[p.y * kSize + p.x] = c;
    transparent[p.y * kSize + p.x] = clear;
  }
  bool operator==(const IconImage&) const = default;
};

}  // namespace gfx

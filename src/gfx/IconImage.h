// A 16 × 16 picture with a transparency mask: the tray icon's backgrounds,
// animation frames and composed number icons, before they become system icons.
#pragma once

#include <array>
#include <cstdint>

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

// The two bitmaps a system icon is made of. color: 32-bit pixels, top row
// first, in the bitmap's byte order (blue in the lowest byte), black where
// transparent (the screen is XOR-ed with them there). mask: one bit a pixel,
// the leftmost in the highest bit, rows padded to 16 bits; set = transparent.
struct IconBits {
  std::array<uint32_t, IconImage::kSize * IconImage::kSize> color{};
  std::array<uint8_t, IconImage::kSize * 2> mask{};
};
IconBits ToIconBits(const IconImage& image);

}  // namespace gfx

#include "gfx/IconImage.h"

namespace gfx {

IconBits ToIconBits(const IconImage& image) {
  constexpr int n = IconImage::kSize;
  IconBits bits;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Point p{x, y};
      if (image.ClearAt(p)) {
        bits.mask[y * 2 + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        continue;  // colour stays black
      }
      const Color c = image.At(p);
      bits.color[y * n + x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  return bits;
}

}  // namespace gfx

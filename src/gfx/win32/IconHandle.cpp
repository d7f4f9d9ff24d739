#include "gfx/win32/IconHandle.h"

#include <cstdint>
#include <vector>

namespace gfx::win32 {

HICON MakeIcon(const IconImage& image) {
  constexpr int n = IconImage::kSize;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = n;
  bi.bmiHeader.biHeight = -n;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  // The mask: one bit per pixel, rows padded to 16 bits; a set bit is transparent.
  std::vector<uint8_t> maskBits(n * 2, 0);
  if (color && bits) {
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        const Point p{x, y};
        const bool clear = image.ClearAt(p);
        const Color c = image.At(p);
        // Transparent pixels must be black, or the XOR step would tint the screen.
        out[y * n + x] = clear ? 0 : ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        if (clear) maskBits[y * 2 + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
  }
  HBITMAP mask = CreateBitmap(n, n, 1, 1, maskBits.data());
  HICON icon = nullptr;
  if (color && mask) {
    ICONINFO info{TRUE, 0, 0, mask, color};
    icon = CreateIconIndirect(&info);
  }
  if (color) DeleteObject(color);
  if (mask) DeleteObject(mask);
  return icon;
}

}  // namespace gfx::win32

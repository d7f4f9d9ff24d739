#include "gfx/win32/IconHandle.h"

#include <cstring>

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
  const IconBits parts = ToIconBits(image);
  if (color && bits) std::memcpy(bits, parts.color.data(), sizeof parts.color);
  HBITMAP mask = CreateBitmap(n, n, 1, 1, parts.mask.data());
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

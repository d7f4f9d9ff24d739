#include "gfx/win32/GdiCanvas.h"

#include <vector>

namespace gfx::win32 {

COLORREF ToColorRef(Color c) {
  if (IsSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
  return static_cast<COLORREF>(c & 0x00FFFFFF);
}

static std::vector<POINT> ToPoints(const std::vector<Point>& points) {
  std::vector<POINT> out(points.size());
  for (size_t i = 0; i < points.size(); ++i) out[i] = POINT{points[i].x, points[i].y};
  return out;
}

GdiCanvas::GdiCanvas(HDC dc, int width, int height) : dc_(dc), width_(width), height_(height) {
  SetPen(clBlack);
  SetBrush(clWhite);
  SetFont(Font{});
}

GdiCanvas::~GdiCanvas() { Release(); }

void GdiCanvas::Release() {
  if (!dc_) return;
  if (oldPen_) SelectObject(dc_, oldPen_);
  if (oldBrush_) SelectObject(dc_, oldBrush_);
  if (oldFont_) SelectObject(dc_, oldFont_);
  oldPen_ = oldBrush_ = oldFont_ = nullptr;
  if (pen_) DeleteObject(pen_);
  if (brush_) DeleteObject(brush_);
  if (font_) DeleteObject(font_);
  pen_ = nullptr, brush_ = nullptr, font_ = nullptr;
  hasPen_ = hasBrush_ = hasFont_ = false;
}

void GdiCanvas::Reset() {
  SelectClipRgn(dc_, nullptr);
  SetPen(clBlack);
  SetBrush(clWhite);
  SetFont(Font{});
}

void GdiCanvas::SetPen(Color c) {
  if (hasPen_ && c == penColor_) return;
  HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(c));
  if (!pen) return;
  HGDIOBJ old = SelectObject(dc_, pen);
  if (!oldPen_) oldPen_ = old;
  if (pen_) DeleteObject(pen_);
  pen_ = pen, penColor_ = c, hasPen_ = true;
}

void GdiCanvas::SetBrush(Color c) {
  if (hasBrush_ && c == brushColor_) return;
  HBRUSH brush = CreateSolidBrush(ToColorRef(c));
  if (!brush) return;
  HGDIOBJ old = SelectObject(dc_, brush);
  if (!oldBrush_) oldBrush_ = old;
  if (brush_) DeleteObject(brush_);
  brush_ = brush, brushColor_ = c, hasBrush_ = true;
}

// The font is made when text is measured or written: a canvas that is
// given one and draws no text (a gauge without its figure, the default one
// every canvas starts with) costs no font lookup.
void GdiCanvas::SetFont(const Font& f) { wantedFont_ = f; }

void GdiCanvas::RealizeFont() {
  if (hasFont_ && wantedFont_ == fontSpec_) return;
  const Font& f = wantedFont_;
  HFONT font = CreateFontA(f.height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline,
                           f.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           f.antialiased ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY, DEFAULT_PITCH,
                           f.name.c_str());
  if (!font) return;
  HGDIOBJ old = SelectObject(dc_, font);
  if (!oldFont_) oldFont_ = old;
  if (font_) DeleteObject(font_);
  font_ = font, fontSpec_ = f, hasFont_ = true;
}

void GdiCanvas::Line(Point from, Point to) {
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void GdiCanvas::Polyline(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  const auto pts = ToPoints(points);
  ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
}

void GdiCanvas::Rectangle(const Rect& r) { ::Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

void GdiCanvas::Polygon(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  const auto pts = ToPoints(points);
  ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void GdiCanvas::Pie(const Rect& box, Point start, Point end) {
  ::Pie(dc_, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

Size GdiCanvas::TextExtent(const std::string& text) {
  RealizeFont();
  SIZE s{0, 0};
  GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &s);
  return {s.cx, s.cy};
}

void GdiCanvas::WriteText(Point at, const std::string& text, Color ink) {
  RealizeFont();
  const int oldMode = SetBkMode(dc_, TRANSPARENT);
  const COLORREF oldInk = SetTextColor(dc_, ToColorRef(ink));
  TextOutA(dc_, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
  SetTextColor(dc_, oldInk);
  SetBkMode(dc_, oldMode);
}

void GdiCanvas::ButtonFrame(const Rect& r, Frame style) {
  RECT rc{r.left, r.top, r.right, r.bottom};
  UINT state = DFCS_BUTTONPUSH;
  if (style == Frame::Flat) state |= DFCS_FLAT;
  if (style == Frame::Sunken) state |= DFCS_PUSHED;
  DrawFrameControl(dc_, &rc, DFC_BUTTON, state);
}

void GdiCanvas::ClipTo(const Rect& r) { IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom); }

std::unique_ptr<Canvas> GdiCanvas::CreateImage(int width, int height) {
  if (spareImage_ && spareImage_->Width() == width && spareImage_->Height() == height) {
    static_cast<GdiBitmap&>(*spareImage_).Reset();
    return std::move(spareImage_);
  }
  return std::make_unique<GdiBitmap>(width, height, dc_);
}

void GdiCanvas::ReuseImage(std::unique_ptr<Canvas> image) {
  if (image && image->Family() == &kFamily) spareImage_ = std::move(image);  // one of CreateImage's bitmaps
}

void GdiCanvas::DrawImage(Point at, Canvas& image, CopyMode mode) {
  if (image.Family() != &kFamily) return;
  auto* source = static_cast<GdiCanvas*>(&image);
  BitBlt(dc_, at.x, at.y, source->Width(), source->Height(), source->Dc(), 0, 0,
         mode == CopyMode::Xor ? SRCINVERT : SRCCOPY);
}

Color GdiCanvas::Pixel(Point p) {
  const COLORREF c = GetPixel(dc_, p.x, p.y);
  return c == CLR_INVALID ? clNone : static_cast<Color>(c);
}

Color GdiCanvas::Rgb(Color c) { return ToColorRef(c) & 0xFFFFFF; }

void GdiCanvas::SetPixel(Point p, Color c) { ::SetPixel(dc_, p.x, p.y, ToColorRef(c)); }

HDC GdiBitmap::MakeDc(HDC reference) { return CreateCompatibleDC(reference); }

GdiBitmap::GdiBitmap(int width, int height, HDC reference)
    : GdiCanvas(MakeDc(reference), width > 0 ? width : 0, height > 0 ? height : 0) {
  if (!Dc() || Width() == 0 || Height() == 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = Width();
  info.bmiHeader.biHeight = -Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_ = CreateDIBSection(Dc(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (bitmap_) oldBitmap_ = SelectObject(Dc(), bitmap_);
}

GdiBitmap::~GdiBitmap() {
  Release();
  HDC dc = Dc();
  if (oldBitmap_) SelectObject(dc, oldBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc) DeleteDC(dc);
}

bool GdiBitmap::SaveBmp(const std::string& path) const {
  if (!bits_) return false;
  GdiFlush();
  const int w = Width(), h = Height();
  const int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = w;
  header.biHeight = h;  // bottom-up rows in the file
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride * h);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  const auto write = [out](const void* data, size_t size) {
    DWORD written = 0;
    return WriteFile(out, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
  };
  bool ok = write(&file, sizeof file) && write(&header, sizeof header);
  std::vector<unsigned char> row(stride, 0);
  const auto* pixels = static_cast<const unsigned char*>(bits_);
  for (int y = h - 1; ok && y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const unsigned char* px = pixels + (static_cast<size_t>(y) * w + x) * 4;  // B G R x
      row[x * 3] = px[0], row[x * 3 + 1] = px[1], row[x * 3 + 2] = px[2];
    }
    ok = write(row.data(), row.size());
  }
  return CloseHandle(out) && ok;
}

void BackBuffer::Paint(HDC target, int width, int height, const std::function<void(gfx::Canvas&)>& draw) {
  if (!target || width <= 0 || height <= 0 || !draw) return;
  if (!bitmap_ || bitmap_->Width() != width || bitmap_->Height() != height) {
    bitmap_.reset();  // the old one goes first: never two at once
    auto made = std::make_unique<GdiBitmap>(width, height, target);
    if (!made->Valid()) return;
    bitmap_ = std::move(made);
  } else {
    bitmap_->Reset();
  }
  draw(*bitmap_);
  BitBlt(target, 0, 0, width, height, bitmap_->Dc(), 0, 0, SRCCOPY);
}

void PaintBuffered(void* hdc, int width, int height, const std::function<void(gfx::Canvas&)>& draw) {
  BackBuffer().Paint(static_cast<HDC>(hdc), width, height, draw);
}

}  // namespace gfx::win32

// The canvas over a GDI device context, and off-screen bitmaps to draw into.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "gfx/Canvas.h"

namespace gfx::win32 {

// The system's COLORREF for a colour value (system colours resolved).
COLORREF ToColorRef(Color c);

// Draws on a device context it does not own; the pen, brush and font it
// selects are put back when it goes.
class GdiCanvas : public Canvas {
 public:
  GdiCanvas(HDC dc, int width, int height);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const { return dc_; }
  // Back to a fresh canvas's state: black pen, white brush, default font,
  // no clipping (for a canvas drawn on again).
  void Reset();
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPen(Color c) override;
  void SetBrush(Color c) override;
  void SetFont(const Font& f) override;
  void Line(Point from, Point to) override;
  void Polyline(const std::vector<Point>& points) override;
  void Rectangle(const Rect& r) override;
  void Polygon(const std::vector<Point>& points) override;
  void Pie(const Rect& box, Point start, Point end) override;
  Size TextExtent(const std::string& text) override;
  void WriteText(Point at, const std::string& text, Color ink) override;
  void ButtonFrame(const Rect& r, Frame style) override;
  void ClipTo(const Rect& r) override;
  std::unique_ptr<Canvas> CreateImage(int width, int height) override;
  void DrawImage(Point at, Canvas& image, CopyMode mode) override;
  void ReuseImage(std::unique_ptr<Canvas> image) override;
  const void* Family() const override { return &kFamily; }
  Color Pixel(Point p) override;
  Color Rgb(Color c) override;
  void SetPixel(Point p, Color c) override;

 protected:
  void Release();

 private:
  void RealizeFont();
  static constexpr char kFamily = 0;

  HDC dc_;
  int width_, height_;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
  Color penColor_ = 0, brushColor_ = 0;
  Font fontSpec_, wantedFont_;  // the selected font, and the one the next text uses
  bool hasPen_ = false, hasBrush_ = false, hasFont_ = false;
  // One image kept for the next CreateImage of its size: selecting a font
  // into a fresh one costs Wine's X11 driver a look at the X resources.
  std::unique_ptr<Canvas> spareImage_;
};

// A 32-bit top-down off-screen bitmap with its own memory device context.
class GdiBitmap : public GdiCanvas {
 public:
  // reference: the device context the bitmap is made for, or none for the screen.
  GdiBitmap(int width, int height, HDC reference = nullptr);
  ~GdiBitmap() override;
  bool Valid() const { return bitmap_ != nullptr; }
  // Writes the image as a 24-bit BMP file.
  bool SaveBmp(const std::string& path) const;

 private:
  static HDC MakeDc(HDC reference);
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  void* bits_ = nullptr;
};

// Draws into an off-screen bitmap of width × height and copies it onto hdc at
// (0, 0) in one step, so the screen never shows a half-drawn picture.
void PaintBuffered(void* hdc, int width, int height, const std::function<void(gfx::Canvas&)>& draw);

// The same for a window painted again and again (a gauge, every second): its
// bitmap is kept and made again only when the size changes, since making one
// costs a server round trip and a fresh memory mapping under Wine.
class BackBuffer {
 public:
  void Paint(HDC target, int width, int height, const std::function<void(gfx::Canvas&)>& draw);
  // The bitmap kept for the next paint, if any.
  const GdiBitmap* Bitmap() const { return bitmap_.get(); }

 private:
  std::unique_ptr<GdiBitmap> bitmap_;
};

}  // namespace gfx::win32

#include "cpu/CpuPictures.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace cpu {

namespace {

constexpr gfx::Color kNavy = gfx::Rgb(0, 0, 128);
constexpr gfx::Color kPackage = gfx::Rgb(64, 64, 72);
constexpr gfx::Color kPin = gfx::Rgb(200, 200, 208);
constexpr gfx::Color kDie = gfx::Rgb(216, 168, 48);

// Distance of point (x, y) from the segment a-b.
double SegmentDistance(double x, double y, gfx::Point a, gfx::Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}

// A mark of thick strokes: ink near the strokes, a darker rim, clear elsewhere.
gfx::IconImage Strokes(const std::vector<std::pair<gfx::Point, gfx::Point>>& strokes, gfx::Color ink,
                       gfx::Color rim) {
  gfx::IconImage image;
  constexpr int n = gfx::IconImage::kSize;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      double d = 1e9;
      for (const auto& [a, b] : strokes) d = std::min(d, SegmentDistance(x, y, a, b));
      if (d <= 1.2) image.Set({x, y}, ink);
      else if (d <= 1.9) image.Set({x, y}, rim);
      else image.Set({x, y}, gfx::clBlack, true);
    }
  return image;
}

// A small package with two pins on each side, its top-left corner at (x, y).
void SmallChip(gfx::Canvas& c, int x, int y) {
  c.FillRect({x + 2, y + 2, x + 10, y + 10}, kPackage);
  for (int i : {4, 7}) {
    c.FillRect({x + i, y, x + i + 1, y + 2}, kPin);
    c.FillRect({x + i, y + 10, x + i + 1, y + 12}, kPin);
    c.FillRect({x, y + i, x + 2, y + i + 1}, kPin);
    c.FillRect({x + 10, y + i, x + 12, y + i + 1}, kPin);
  }
  c.FillRect({x + 5, y + 5, x + 7, y + 7}, kDie);
}

// Blue from the top (shade) to the bottom (shade + span), lit on the left
// and top edges, navy on the others.
void BlueTile(gfx::Canvas& c, int shade, int span) {
  const int w = c.Width(), h = c.Height();
  for (int y = 0; y < h; ++y) {
    const int s = h > 1 ? shade + span * y / (h - 1) : shade;
    c.SetPen(gfx::Rgb(0, s / 4, s));
    c.Line({0, y}, {w, y});
  }
  c.SetPen(gfx::Rgb(128, 128, 255));
  c.Line({0, h - 1}, {0, 0});
  c.Line({0, 0}, {w, 0});
  c.SetPen(kNavy);
  c.Line({w - 1, 0}, {w - 1, h});
  c.Line({0, h - 1}, {w, h - 1});
}

}  // namespace

void DrawProcessorStrip(gfx::Canvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  BlueTile(canvas, 128, 112);
  const int x = (w - 12) / 2;
  SmallChip(canvas, x, 6);
  gfx::Font font;
  font.height = -10;
  font.bold = true;
  canvas.SetFont(font);
  int y = 26;
  for (const char* letter : {"C", "P", "U"}) {
    const gfx::Size size = canvas.TextExtent(letter);
    canvas.WriteText({(w - size.cx) / 2, y}, letter, gfx::clWhite);
    y += size.cy;
  }
  if (h > 60) SmallChip(canvas, x, h - 18);
}

void DrawChip(gfx::Canvas& canvas) {
  const int w = canvas.Width(), h = canvas.Height();
  // A tile of its own: the picture sits on pages whose colour depends on the system's look.
  BlueTile(canvas, 96, 128);
  const int size = std::min(w, h);
  const int left = (w - size) / 2, top = (h - size) / 2;
  const int body = size * 5 / 8, inset = (size - body) / 2;
  const gfx::Rect package{left + inset, top + inset, left + inset + body, top + inset + body};

  // Pins on all four sides, evenly spaced.
  constexpr int kPins = 6;
  const int pitch = body / (kPins + 1), pinLength = inset - 2;
  for (int i = 1; i <= kPins; ++i) {
    const int px = package.left + i * pitch - 1, py = package.top + i * pitch - 1;
    canvas.FillRect({px, package.top - pinLength, px + 3, package.top}, kPin);
    canvas.FillRect({px, package.bottom, px + 3, package.bottom + pinLength}, kPin);
    canvas.FillRect({package.left - pinLength, py, package.left, py + 3}, kPin);
    canvas.FillRect({package.right, py, package.right + pinLength, py + 3}, kPin);
  }
  canvas.FillRect(package, kPackage);
  canvas.SetPen(gfx::Rgb(120, 120, 128));
  canvas.Line({package.left, package.bottom - 1}, {package.left, package.top});
  canvas.Line({package.left, package.top}, {package.right, package.top});

  const gfx::Rect die = package.Shrunk(body / 4);
  canvas.FillRect(die, kDie);
  canvas.SetPen(gfx::Rgb(160, 112, 16));
  canvas.SetBrush(kDie);
  canvas.Rectangle(die);
  // The notch that marks pin 1.
  canvas.FillRect({package.left + 3, package.top + 3, package.left + 6, package.top + 6}, kPin);
}

std::vector<gfx::IconImage> SupportMarks() {
  return {Strokes({{{3, 8}, {6, 11}}, {{6, 11}, {12, 4}}}, gfx::Rgb(0, 168, 0), gfx::Rgb(0, 96, 0)),
          Strokes({{{4, 4}, {11, 11}}, {{11, 4}, {4, 11}}}, gfx::Rgb(216, 0, 0), gfx::Rgb(128, 0, 0))};
}

}  // namespace cpu

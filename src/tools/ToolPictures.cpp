#include "tools/ToolPictures.h"

namespace tools {

namespace {

struct StripColors {
  gfx::Color top, bottom, light, dark, disk, letters, emboss;
};

int Mix(int a, int b, int at, int span) { return span > 0 ? a + (b - a) * at / span : a; }

gfx::Color Blend(gfx::Color a, gfx::Color b, int at, int span) {
  return gfx::Rgb(Mix(a & 0xFF, b & 0xFF, at, span), Mix((a >> 8) & 0xFF, (b >> 8) & 0xFF, at, span),
                  Mix((a >> 16) & 0xFF, (b >> 16) & 0xFF, at, span));
}

// A small disk platter seen from above, its top-left corner at (x, y).
void Disk(gfx::Canvas& c, int x, int y, const StripColors& k) {
  c.SetPen(k.dark);
  c.SetBrush(k.disk);
  c.Rectangle({x, y, x + 12, y + 12});
  c.FillRect({x + 2, y + 2, x + 10, y + 10}, k.light);
  c.FillRect({x + 5, y + 5, x + 7, y + 7}, k.dark);
}

void Strip(gfx::Canvas& c, const StripColors& k) {
  const int w = c.Width(), h = c.Height();
  for (int y = 0; y < h; ++y) {
    c.SetPen(Blend(k.top, k.bottom, y, h - 1));
    c.Line({0, y}, {w, y});
  }
  c.SetPen(k.light);
  c.Line({0, h - 1}, {0, 0});
  c.Line({0, 0}, {w, 0});
  c.SetPen(k.dark);
  c.Line({w - 1, 0}, {w - 1, h});
  c.Line({0, h - 1}, {w, h - 1});

  const int x = (w - 12) / 2;
  Disk(c, x, 6, k);
  gfx::Font font;
  font.height = -10;
  font.bold = true;
  c.SetFont(font);
  int y = 24;
  for (const char* letter : {"C", "A", "C", "H", "E"}) {
    const gfx::Size size = c.TextExtent(letter);
    const int left = (w - size.cx) / 2;
    if (k.emboss != gfx::clNone) c.WriteText({left + 1, y + 1}, letter, k.emboss);
    c.WriteText({left, y}, letter, k.letters);
    y += size.cy;
  }
  if (h > 100) Disk(c, x, h - 18, k);
}

}  // namespace

void DrawCacheStrip(gfx::Canvas& canvas) {
  Strip(canvas, {gfx::Rgb(0, 128, 96), gfx::Rgb(0, 64, 40), gfx::Rgb(112, 224, 176), gfx::Rgb(0, 48, 32),
                 gfx::Rgb(160, 160, 168), gfx::clWhite, gfx::clNone});
}

void DrawCacheStripDisabled(gfx::Canvas& canvas) {
  Strip(canvas, {gfx::Rgb(200, 200, 200), gfx::Rgb(168, 168, 168), gfx::Rgb(236, 236, 236),
                 gfx::Rgb(128, 128, 128), gfx::Rgb(184, 184, 184), gfx::Rgb(128, 128, 128), gfx::clWhite});
}

}  // namespace tools

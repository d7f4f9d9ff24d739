// The drawing surface of the gauges and the tray text icon. The GDI canvas
// draws into an off-screen bitmap; tests use a canvas that records the calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gfx {

// Red in the lowest byte, then green, then blue; a top byte of 0x80 names a
// system colour by the index in the lowest byte.
using Color = uint32_t;

constexpr Color clBlack = 0x00000000;
constexpr Color clWhite = 0x00FFFFFF;
constexpr Color clLime = 0x0000FF00;
constexpr Color clRed = 0x000000FF;
constexpr Color clBtnFace = 0x8000000F;
constexpr Color clBtnShadow = 0x80000010;
constexpr Color clNone = 0x1FFFFFFF;

constexpr bool IsSystemColor(Color c) { return (c >> 24) == 0x80; }
constexpr Color Rgb(int r, int g, int b) {
  return Color(r & 0xFF) | Color(g & 0xFF) << 8 | Color(b & 0xFF) << 16;
}

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int cx = 0, cy = 0;
  bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Every edge n pixels inward (outward for negative n).
  Rect Shrunk(int n) const { return {left + n, top + n, right - n, bottom - n}; }
  bool operator==(const Rect&) const = default;
};

// One copy of the name for the whole program: a literal in a default member
// initializer is repeated in every file that makes a font.
inline constexpr char kDefaultFontName[] = "MS Sans Serif";

struct Font {
  std::string name = kDefaultFontName;
  int height = -11;  // negative: character height in pixels, as the system takes it
  Color color = clBlack;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  // Off: every pixel of a glyph is the ink or left alone, never a blend.
  bool antialiased = true;
  bool operator==(const Font&) const = default;
};

// The three push-button frames: flat, pressed (sunken) and raised.
enum class Frame { Flat, Sunken, Raised };

// How an image is combined into a canvas: plain copy, or source XOR destination.
enum class CopyMode { Copy, Xor };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // A solid one-pixel pen for outlines and lines.
  virtual void SetPen(Color c) = 0;
  // A solid brush for interiors.
  virtual void SetBrush(Color c) = 0;
  virtual void SetFont(const Font& f) = 0;

  // A line omits its last pixel; a polyline joins the points the same way.
  virtual void Line(Point from, Point to) = 0;
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // Outline in the pen, interior in the brush.
  virtual void Rectangle(const Rect& r) = 0;
  virtual void Polygon(const std::vector<Point>& points) = 0;
  // The part of the ellipse inscribed in box between the radials through start
  // and end, going counter-clockwise from start to end.
  virtual void Pie(const Rect& box, Point start, Point end) = 0;

  // Size of the text in the current font.
  virtual Size TextExtent(const std::string& text) = 0;
  // Text in the current font and the given colour, with a transparent background.
  virtual void WriteText(Point at, const std::string& text, Color ink) = 0;

  // A push-button frame over r whose face is the system's button face colour.
  virtual void ButtonFrame(const Rect& r, Frame style) = 0;
  // Limits all further drawing on this canvas to r (intersected with any earlier limit).
  virtual void ClipTo(const Rect& r) = 0;

  // A separate image of the same kind, for composing small pictures.
  virtual std::unique_ptr<Canvas> CreateImage(int width, int height) = 0;
  // Combines image (created by CreateImage of this canvas) into this one at.
  virtual void DrawImage(Point at, Canvas& image, CopyMode mode) = 0;
  // Hands an image from CreateImage back when done with it: a canvas drawn
  // on again may keep it for the next CreateImage of that size.
  virtual void ReuseImage(std::unique_ptr<Canvas> image) { image.reset(); }

  // Which implementation this canvas is, as the address of a tag of its own:
  // one that takes another canvas's image tells its own kind by it (the
  // program is built without run-time type information).
  virtual const void* Family() const { return nullptr; }

  virtual Color Pixel(Point p) = 0;
  // The plain RGB value c stands for, a system colour resolved.
  virtual Color Rgb(Color c) = 0;
  virtual void SetPixel(Point p, Color c) = 0;

  // A rectangle whose outline and interior are both c; leaves pen and brush at c.
  void FillRect(const Rect& r, Color c) {
    SetPen(c);
    SetBrush(c);
    Rectangle(r);
  }
};

}  // namespace gfx

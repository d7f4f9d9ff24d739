// A canvas that records every drawing call with the pen, brush and clip in
// force, so tests can assert coordinates and colours.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Canvas.h"

namespace fakes {

struct DrawOp {
  enum Kind { Line, Polyline, Rectangle, Polygon, Pie, Text, Frame, Image, SetPixel } kind = Line;
  gfx::Color pen = 0, brush = 0;
  std::vector<gfx::Point> points;  // lines, polygons; Pie: start and end radial points
  gfx::Rect rect;                  // Rectangle, Pie box, Frame, Image bounds
  std::string text;                // Text
  gfx::Color ink = 0;              // Text, SetPixel
  gfx::Font font;                  // Text
  gfx::Frame frame = gfx::Frame::Flat;
  gfx::CopyMode mode = gfx::CopyMode::Copy;
  std::vector<DrawOp> image;       // Image: what was drawn into the image
  bool clipped = false;            // a clip rectangle was in force
  gfx::Rect clip;
};

class RecordingCanvas : public gfx::Canvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  // Text metrics: every character charWidth wide, lineHeight high.
  int charWidth = 6, lineHeight = 13;
  std::vector<DrawOp> ops;
  std::map<std::pair<int, int>, gfx::Color> pixels;  // answers Pixel; clBlack elsewhere

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPen(gfx::Color c) override { pen_ = c; }
  void SetBrush(gfx::Color c) override { brush_ = c; }
  void SetFont(const gfx::Font& f) override { font_ = f; }
  void Line(gfx::Point from, gfx::Point to) override;
  void Polyline(const std::vector<gfx::Point>& points) override;
  void Rectangle(const gfx::Rect& r) override;
  void Polygon(const std::vector<gfx::Point>& points) override;
  void Pie(const gfx::Rect& box, gfx::Point start, gfx::Point end) override;
  gfx::Size TextExtent(const std::string& text) override;
  void WriteText(gfx::Point at, const std::string& text, gfx::Color ink) override;
  void ButtonFrame(const gfx::Rect& r, gfx::Frame style) override;
  void ClipTo(const gfx::Rect& r) override;
  std::unique_ptr<gfx::Canvas> CreateImage(int width, int height) override;
  void DrawImage(gfx::Point at, gfx::Canvas& image, gfx::CopyMode mode) override;
  const void* Family() const override { return &kFamily; }
  static constexpr char kFamily = 0;
  gfx::Color Pixel(gfx::Point p) override;
  // System colours as a classic desktop shows them: the face 0xC0C0C0, shadows 0x808080.
  gfx::Color Rgb(gfx::Color c) override;
  void SetPixel(gfx::Point p, gfx::Color c) override;

  // The recorded operations of one kind, in order.
  std::vector<DrawOp> OfKind(DrawOp::Kind kind) const;
  const gfx::Font& CurrentFont() const { return font_; }

 private:
  DrawOp Begin(DrawOp::Kind kind) const;
  int width_, height_;
  gfx::Color pen_ = gfx::clBlack, brush_ = gfx::clWhite;
  gfx::Font font_;
  bool clipped_ = false;
  gfx::Rect clip_;
};

}  // namespace fakes

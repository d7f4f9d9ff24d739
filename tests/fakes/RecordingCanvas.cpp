#include "fakes/RecordingCanvas.h"

#include <algorithm>

namespace fakes {

DrawOp RecordingCanvas::Begin(DrawOp::Kind kind) const {
  DrawOp op;
  op.kind = kind;
  op.pen = pen_, op.brush = brush_, op.clipped = clipped_, op.clip = clip_;
  return op;
}

void RecordingCanvas::Line(gfx::Point from, gfx::Point to) {
  DrawOp op = Begin(DrawOp::Line);
  op.points = {from, to};
  ops.push_back(op);
}

void RecordingCanvas::Polyline(const std::vector<gfx::Point>& points) {
  DrawOp op = Begin(DrawOp::Polyline);
  op.points = points;
  ops.push_back(op);
}

void RecordingCanvas::Rectangle(const gfx::Rect& r) {
  DrawOp op = Begin(DrawOp::Rectangle);
  op.rect = r;
  ops.push_back(op);
}

void RecordingCanvas::Polygon(const std::vector<gfx::Point>& points) {
  DrawOp op = Begin(DrawOp::Polygon);
  op.points = points;
  ops.push_back(op);
}

void RecordingCanvas::Pie(const gfx::Rect& box, gfx::Point start, gfx::Point end) {
  DrawOp op = Begin(DrawOp::Pie);
  op.rect = box;
  op.points = {start, end};
  ops.push_back(op);
}

gfx::Size RecordingCanvas::TextExtent(const std::string& text) {
  return {static_cast<int>(text.size()) * charWidth, lineHeight};
}

void RecordingCanvas::WriteText(gfx::Point at, const std::string& text, gfx::Color ink) {
  DrawOp op = Begin(DrawOp::Text);
  op.points = {at};
  op.text = text, op.ink = ink, op.font = font_;
  ops.push_back(op);
}

void RecordingCanvas::ButtonFrame(const gfx::Rect& r, gfx::Frame style) {
  DrawOp op = Begin(DrawOp::Frame);
  op.rect = r, op.frame = style;
  ops.push_back(op);
}

void RecordingCanvas::ClipTo(const gfx::Rect& r) {
  if (!clipped_) {
    clip_ = r;
  } else {
    clip_ = {std::max(clip_.left, r.left), std::max(clip_.top, r.top), std::min(clip_.right, r.right),
             std::min(clip_.bottom, r.bottom)};
  }
  clipped_ = true;
}

std::unique_ptr<gfx::Canvas> RecordingCanvas::CreateImage(int width, int height) {
  auto image = std::make_unique<RecordingCanvas>(width, height);
  image->charWidth = charWidth, image->lineHeight = lineHeight;
  return image;
}

void RecordingCanvas::DrawImage(gfx::Point at, gfx::Canvas& image, gfx::CopyMode mode) {
  DrawOp op = Begin(DrawOp::Image);
  op.rect = {at.x, at.y, at.x + image.Width(), at.y + image.Height()};
  op.mode = mode;
  if (image.Family() == &kFamily) op.image = static_cast<RecordingCanvas&>(image).ops;
  ops.push_back(op);
}

gfx::Color RecordingCanvas::Pixel(gfx::Point p) {
  auto it = pixels.find({p.x, p.y});
  return it == pixels.end() ? gfx::clBlack : it->second;
}

gfx::Color RecordingCanvas::Rgb(gfx::Color c) {
  if (!gfx::IsSystemColor(c)) return c & 0xFFFFFF;
  return c == gfx::clBtnFace ? 0xC0C0C0 : 0x808080;
}

void RecordingCanvas::SetPixel(gfx::Point p, gfx::Color c) {
  pixels[{p.x, p.y}] = c;
  DrawOp op = Begin(DrawOp::SetPixel);
  op.points = {p};
  op.ink = c;
  ops.push_back(op);
}

std::vector<DrawOp> RecordingCanvas::OfKind(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const auto& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

}  // namespace fakes

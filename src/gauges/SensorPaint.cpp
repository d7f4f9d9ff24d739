// The ten drawings of a gauge: five styles, each flat or 3D.
#include <cmath>
#include <limits>
#include <numbers>

#include "gauges/Sensor.h"
#include "gauges/SensorText.h"

namespace gauges {

namespace {

using gfx::Canvas;
using gfx::Point;
using gfx::Rect;

// Coordinates stay far inside the int range, whatever the value.
constexpr double kCoordLimit = 1 << 24;

double Limit(double v) {
  if (std::isnan(v)) return 0;
  return std::fmax(-kCoordLimit, std::fmin(kCoordLimit, v));
}
int Round(double v) { return static_cast<int>(std::nearbyint(Limit(v))); }  // half to even
int Trunc(double v) { return static_cast<int>(std::trunc(Limit(v))); }

class Painter {
 public:
  Painter(const TSensor& s, Canvas& c) : s_(s), c_(c), r0_{0, 0, c.Width(), c.Height()} {}

  void Draw() {
    switch (s_.SensType()) {
      case stDiagramm:
        s_.Style3D() ? Diagram3D() : DiagramFlat();
        break;
      case stBond:
        s_.Style3D() ? Bond3D() : BondFlat();
        break;
      case stColumn:
        s_.Style3D() ? Column3D() : ColumnFlat();
        break;
      case stDigital:
        Digital();
        break;
      case stPie:
        s_.Style3D() ? Pie3D() : PieFlat();
        break;
    }
  }

 private:
  double Range() const { return s_.MaxValue() - s_.MinValue(); }
  // Pixels per unit over length; with a zero range nothing grows.
  double Scale(int length) const { return Range() == 0 ? 0 : length / Range(); }

  void FrameStep() {
    const bool in3D = s_.Style3D();
    c_.SetBrush(in3D ? s_.ColorBack3D() : s_.BackColor());
    c_.SetPen(in3D ? s_.ColorBack3D() : s_.Color());
    const gfx::Frame frame = s_.Border() == sbsSingle    ? gfx::Frame::Flat
                             : s_.Border() == sbsLowered ? gfx::Frame::Sunken
                                                         : gfx::Frame::Raised;
    c_.ButtonFrame(r0_, frame);
    if (in3D) c_.FillRect(r0_.Shrunk(s_.Margin() - 1), s_.ColorBack3D());
  }

  void TextStep(const Rect& t) {
    const std::string text = SensorValueText(s_.Value(), s_.Suffix(), s_.DecimalSeparator());
    c_.SetFont(s_.Font());
    const gfx::Size size = c_.TextExtent(text);
    Point at{t.left, t.top};
    if (s_.SensType() != stDiagramm)
      at = {t.left + (t.Width() - size.cx) / 2, t.top + (t.Height() - size.cy) / 2};
    if (s_.Style3D()) {
      c_.WriteText({at.x + 1, at.y + 1}, text, s_.Shadow3D());
      c_.WriteText({at.x - 1, at.y - 1}, text, s_.Highlight3D());
      c_.WriteText(at, text, s_.Color3D());
      return;
    }
    if (size.cx <= 0 || size.cy <= 0) return;
    auto image = c_.CreateImage(size.cx, size.cy);
    image->FillRect({0, 0, size.cx, size.cy}, s_.BackColor());
    image->SetFont(s_.Font());
    image->WriteText({0, 0}, text, s_.Font().color);
    c_.DrawImage(at, *image, s_.TextCopyMode());
    c_.ReuseImage(std::move(image));
  }

  void GridStep(const Rect& r) {
    if (!s_.Grid()) return;
    const bool in3D = s_.Style3D();
    const int64_t step = s_.XGrid();
    if (step > 0) {
      const int64_t shift = Round(double(r.Width()) / s_.PointCount() * s_.HistoryPos());
      const int64_t x0 = (int64_t(r.right) - shift) % step;  // sign of the dividend
      for (int64_t x = x0; x < r.right; x += step) {
        if (x <= r.left) continue;
        const int xi = static_cast<int>(x);
        if (in3D) {
          c_.SetPen(s_.Shadow3D());
          c_.Line({xi, r.top}, {xi, r.bottom - 1});
          c_.SetPen(s_.Highlight3D());
          c_.Line({xi + 1, r.top}, {xi + 1, r.bottom - 1});
        } else {
          c_.SetPen(s_.GridColor());
          c_.Line({xi, r.top}, {xi, r.bottom});
        }
      }
    }
    if (s_.YGrid() > 0) {
      for (int y = r.top; y < r.bottom; y += s_.YGrid()) {
        if (in3D) {
          c_.SetPen(s_.Shadow3D());
          c_.Line({r.left, y}, {r.right, y});
          c_.SetPen(s_.Highlight3D());
          c_.Line({r.left, y + 1}, {r.right, y + 1});
        } else {
          c_.SetPen(s_.GridColor());
          c_.Line({r.left, y}, {r.right, y});
        }
      }
    }
  }

  // Newest value on the right edge, oldest on the left.
  std::vector<Point> CurvePoints(const Rect& r, double ky) const {
    const auto& history = s_.History();
    const int n = s_.PointCount();
    const double dx = n > 1 ? double(r.Width()) / (n - 1) : 0;
    std::vector<Point> points;
    points.reserve(n + 2);
    int i = s_.HistoryPos();
    for (int j = 0; j < n; ++j) {
      double v = history[i];
      if (std::isnan(v)) v = s_.MinValue();
      v = std::fmax(std::fmin(v, s_.MaxValue()), s_.MinValue());
      points.push_back({r.right - Round(j * dx), r.bottom - Trunc((v - s_.MinValue()) * ky)});
      if (--i < 0) i = n - 1;
    }
    return points;
  }

  void DiagramFlat() {
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin());
    c_.FillRect(r, s_.BackColor());
    GridStep(r);
    r = r.Shrunk(1);
    const auto points = CurvePoints(r, Scale(r.Height()));
    c_.ClipTo(r);
    c_.SetPen(s_.Color());
    c_.Polyline(points);
    if (s_.ShowText()) TextStep(r);
  }

  void Diagram3D() {
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin());
    c_.SetBrush(s_.ColorBack3D());
    c_.SetPen(s_.Color3D());
    c_.Rectangle(r);
    GridStep(r);
    r = r.Shrunk(1);
    std::vector<Point> p = CurvePoints(r, Scale(r.Height()));
    std::vector<Point> upper, lower;
    upper.reserve(p.size() + 2);
    lower.reserve(p.size() + 2);
    for (const Point& q : p) {
      upper.push_back({q.x - 1, q.y - 1});
      lower.push_back({q.x + 1, q.y});
    }
    const int xl = p.back().x;
    p.push_back({xl, r.bottom});
    p.push_back({r.right, r.bottom});
    upper.push_back({xl - 1, r.bottom - 1});
    upper.push_back({r.right - 1, r.bottom - 1});
    lower.push_back({xl + 1, r.bottom + 1});
    lower.push_back({r.right + 1, r.bottom + 1});
    c_.SetBrush(s_.ColorBack3D());
    c_.SetPen(s_.Highlight3D());
    c_.Polygon(upper);
    c_.SetPen(s_.Shadow3D());
    c_.Polygon(lower);
    c_.SetPen(s_.Color3D());
    c_.Polygon(p);
    if (s_.ShowText()) TextStep(r);
  }

  // A bar or column past the scale runs over margin and frame to the gauge's edge.
  int BarRight(const Rect& r) const {
    const int right = r.left + Round(s_.Value() * Scale(r.Width())) - 1;
    return std::max(std::min(right, r0_.right), r0_.left - 1);
  }
  int ColumnTop(const Rect& r) const {
    const int top = r.bottom - Round(s_.Value() * Scale(r.Height()));
    return std::max(std::min(top, r0_.bottom + 1), r0_.top);
  }

  void BondFlat() {
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin());
    const Rect t = r;
    c_.FillRect(r, s_.BackColor());
    r.right = BarRight(r);
    c_.FillRect(r, s_.Color());
    if (s_.ShowText()) TextStep(t);
  }

  void Bond3D() {
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() - 1);
    const Rect t = r;
    r.right = BarRight(r);
    c_.FillRect(r, s_.Color3D());
    c_.SetPen(s_.Highlight3D());
    c_.Polyline({{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}});
    c_.SetPen(s_.Shadow3D());
    c_.Polyline({{r.left, r.bottom - 1}, {r.right, r.bottom - 1}, {r.right, r.top}});
    if (s_.ShowText()) TextStep(t);
  }

  void ColumnFlat() {
    const Rect t = r0_;
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() - 1);
    c_.FillRect(r, s_.BackColor());
    r.top = ColumnTop(r);
    c_.FillRect(r, s_.Color());
    if (s_.ShowText()) TextStep(t);
  }

  void Column3D() {
    const Rect t = r0_;
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() - 1);
    r.top = ColumnTop(r);
    c_.SetPen(s_.Highlight3D());
    c_.Polyline({{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}});
    c_.SetPen(s_.Shadow3D());
    c_.Polyline({{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top}});
    if (s_.ShowText()) TextStep(t);
  }

  void Digital() {
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() - 1);
    if (!s_.Style3D()) c_.FillRect(r, s_.BackColor());
    TextStep(r);
  }

  struct Dial {
    Rect box;
    int cx, cy;
    Point value;
  };

  double PieShare() const {
    double p = s_.Value() / Range();
    if (std::isnan(p) || p < 0) p = 0;
    if (p > 1) p = 1;
    return p;
  }

  static Dial DialIn(const Rect& r, double p) {
    Dial d;
    d.box = {r.left, r.top, r.right, 2 * r.bottom - r.top};
    const int rx = r.Width() / 2, ry = (d.box.bottom - r.top) / 2;
    d.cx = r.left + rx;
    d.cy = r.top + ry;
    d.value = {d.cx - Round(std::cos(p * std::numbers::pi) * rx), d.cy - Round(std::sin(p * std::numbers::pi) * ry)};
    return d;
  }

  void Wedge(const Rect& box, Point from, Point to, int dx, int dy) {
    c_.Pie({box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}, {from.x + dx, from.y + dy},
           {to.x + dx, to.y + dy});
  }

  void PieFlat() {
    const double p = PieShare();
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() + 1);
    const Dial d = DialIn(r, p);
    c_.SetPen(s_.BackColor());
    c_.Pie(d.box, {r.right, d.cy}, {r.left, d.cy});
    if (p >= 0.01) {
      c_.SetBrush(s_.Color());
      c_.SetPen(s_.Color());
      c_.Pie(d.box, d.value, {r.left, d.cy});
    }
    if (s_.ShowText()) TextStep(r);
    c_.SetBrush(s_.BackColor());
  }

  void Pie3D() {
    const double p = PieShare();
    Rect r = r0_;
    FrameStep();
    r = r.Shrunk(s_.Margin() + 2);
    const Dial d = DialIn(r, p);
    const Point right{r.right, d.cy}, left{r.left, d.cy};
    c_.SetBrush(s_.ColorBack3D());
    c_.SetPen(s_.Shadow3D());
    Wedge(d.box, right, left, -1, -1);
    c_.SetPen(s_.Highlight3D());
    Wedge(d.box, right, left, 1, 1);
    c_.SetPen(s_.Color3D());
    Wedge(d.box, right, left, 0, 0);
    if (p >= 0.01) {
      c_.SetBrush(s_.ColorBack3D());
      c_.SetPen(s_.Highlight3D());
      Wedge(d.box, d.value, left, -1, -1);
      c_.SetPen(s_.Shadow3D());
      Wedge(d.box, d.value, left, 1, 1);
      c_.SetPen(s_.Color3D());
      c_.SetBrush(s_.Color3D());
      Wedge(d.box, d.value, left, 0, 0);
    }
    if (s_.ShowText()) TextStep(r);
  }

  const TSensor& s_;
  Canvas& c_;
  const Rect r0_;
};

}  // namespace

void TSensor::Paint(gfx::Canvas& canvas) {
  if (canvas.Width() <= 0 || canvas.Height() <= 0) return;
  Painter(*this, canvas).Draw();
}

}  // namespace gauges

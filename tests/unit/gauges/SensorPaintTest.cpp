#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "fakes/Errors.h"
#include "fakes/Fakes.h"
#include "fakes/RecordingCanvas.h"
#include "gauges/MainWindowGauge.h"
#include "gauges/SensorText.h"
#include "unit/gauges/SensorTestSupport.h"

using namespace gauges;
using fakes::DrawOp;
using fakes::RecordingCanvas;
using gauges_test::Host;

namespace {

struct Painted : ::testing::Test {
  Host h;
  TSensor* s = nullptr;
  RecordingCanvas canvas{197, 65};
  void SetUp() override {
    s = &AddMainWindowGauge(h.window, nullptr, "Gauge", dtUser, {});
  }
  void Paint() {
    canvas.ops.clear();
    s->Paint(canvas);
  }
  std::vector<DrawOp> Lines(bool vertical) const {
    std::vector<DrawOp> out;
    for (const auto& op : canvas.OfKind(DrawOp::Line))
      if ((op.points[0].x == op.points[1].x) == vertical) out.push_back(op);
    return out;
  }
};

}  // namespace

TEST(SensorText, TwoDecimalsAndTheUnit) {
  EXPECT_EQ(SensorValueText(123.456, " %"), "123.46 %");
  EXPECT_EQ(SensorValueText(51.73046875, " mb"), "51.73 mb");
  EXPECT_EQ(SensorValueText(-2.5, ""), "-2.50");
  EXPECT_EQ(SensorValueText(0, " %"), "0.00 %");
  EXPECT_EQ(SensorValueText(51.73046875, " mb", ","), "51,73 mb");  // the locale's separator
  EXPECT_EQ(SensorValueText(-2.5, "", ","), "-2,50");
}

// The program formats the figure itself; the C library's "%.2f" is the
// reference: exact, halves to even (x.125 MB is a common figure), signs of
// zero, and values far past 2^64.
TEST(SensorText, AgreesWithTheLibrarysFixedFormat) {
  std::vector<double> values{0.125, 0.375, 0.625, 0.875, 1.005, 2.675, 0.005, 0.015, 0.995, 99.995,
                             -0.001, -0.0, 0x1p-11, 0x1p-10, 0.0009765625 * 5, 4503599627370495.5,
                             9007199254740993.0, 1e19, 18446744073709551616.0, 1e22, 1.7976931348623157e308,
                             std::numeric_limits<double>::denorm_min(), 51.73046875, 1023.99609375};
  uint64_t x = 0x9E3779B97F4A7C15;
  for (int i = 0; i < 20000; ++i) {  // random bit patterns across all magnitudes
    x ^= x << 13, x ^= x >> 7, x ^= x << 17;
    double v;
    std::memcpy(&v, &x, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
    values.push_back(static_cast<double>(x % 1000000) / 1024);  // gauge-like figures
  }
  for (double v : values) {
    char expected[400];
    std::snprintf(expected, sizeof expected, "%.2f", v);
    ASSERT_EQ(SensorValueText(v, ""), expected) << std::hexfloat << v;
  }
}

TEST_F(Painted, FlatDiagramCurveOnTheMainWindowGauge) {
  EXPECT_OK(s->SetMaxValue(255.484375));  // 267894784 bytes installed
  for (int i = 0; i < 100; ++i) s->SetValue(100);
  Paint();
  const auto frame = canvas.OfKind(DrawOp::Frame);
  ASSERT_EQ(frame.size(), 1u);
  EXPECT_EQ(frame[0].rect, (gfx::Rect{0, 0, 197, 65}));
  EXPECT_EQ(frame[0].frame, gfx::Frame::Sunken);
  const auto fills = canvas.OfKind(DrawOp::Rectangle);
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0].rect, (gfx::Rect{2, 2, 195, 63}));
  EXPECT_EQ(fills[0].brush, gfx::clBlack);

  const auto curve = canvas.OfKind(DrawOp::Polyline);
  ASSERT_EQ(curve.size(), 1u);
  const auto& p = curve[0].points;
  ASSERT_EQ(p.size(), 100u);
  EXPECT_EQ(p[0].x, 194);
  EXPECT_EQ(p[1].x, 192);
  EXPECT_EQ(p[2].x, 190);
  EXPECT_EQ(p[50].x, 98);
  EXPECT_EQ(p[99].x, 3);
  for (const auto& q : p) EXPECT_EQ(q.y, 39);
  EXPECT_EQ(curve[0].pen, gfx::clLime);
  EXPECT_TRUE(curve[0].clipped);
  EXPECT_EQ(curve[0].clip, (gfx::Rect{3, 3, 194, 62}));
}

TEST_F(Painted, DiagramPointsAreLimitedToTheScale) {
  s->SetValue(-5);
  s->SetValue(std::nan(""));
  s->SetValue(1000);
  Paint();
  const auto p = canvas.OfKind(DrawOp::Polyline).at(0).points;
  EXPECT_EQ(p[0], (gfx::Point{194, 3}));  // above the top: on the top edge
  EXPECT_EQ(p[1].y, 62);
  EXPECT_EQ(p[2].y, 62);
}

TEST_F(Painted, GridScrollsWithTheHistory) {
  for (int i = 0; i < 36; ++i) s->SetValue(1);  // the description's Value was the first
  ASSERT_EQ(s->HistoryPos(), 37);
  Paint();
  const auto columns = Lines(true);
  ASSERT_FALSE(columns.empty());
  EXPECT_EQ(columns.front().points[0], (gfx::Point{4, 2}));
  EXPECT_EQ(columns.front().points[1], (gfx::Point{4, 63}));
  EXPECT_EQ(columns.back().points[0].x, 194);
  EXPECT_EQ(columns.size(), 20u);
  EXPECT_EQ(columns.front().pen, 0x8000u);
  const auto rows = Lines(false);
  ASSERT_EQ(rows.size(), 7u);  // 2, 12, … 62
  EXPECT_EQ(rows[0].points[0], (gfx::Point{2, 2}));
  EXPECT_EQ(rows[0].points[1], (gfx::Point{195, 2}));
  EXPECT_EQ(rows[6].points[0].y, 62);

  s->SetStyle3D(true);
  Paint();
  const auto etched = Lines(true);
  ASSERT_EQ(etched.size(), 40u);
  EXPECT_EQ(etched[0].points[1], (gfx::Point{4, 62}));
  EXPECT_EQ(etched[0].pen, s->Shadow3D());
  EXPECT_EQ(etched[1].points[0], (gfx::Point{5, 2}));
  EXPECT_EQ(etched[1].pen, s->Highlight3D());
}

TEST_F(Painted, NoGridLinesWithoutGridNorInOtherStyles) {
  s->SetGrid(false);
  for (bool in3D : {false, true}) {
    s->SetStyle3D(in3D);
    Paint();
    EXPECT_TRUE(canvas.OfKind(DrawOp::Line).empty());
  }
  s->SetGrid(true);
  for (TSensType t : {stBond, stColumn, stDigital, stPie})
    for (bool in3D : {false, true}) {
      s->SetSensType(t);
      s->SetStyle3D(in3D);
      Paint();
      EXPECT_TRUE(canvas.OfKind(DrawOp::Line).empty()) << int(t) << in3D;
    }
}

TEST_F(Painted, DiagramTextAtTheTopLeftReplacesWhatIsBeneath) {
  s->SetSuffix(" %");
  s->SetValue(123.456);
  Paint();
  const auto images = canvas.OfKind(DrawOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].mode, gfx::CopyMode::Copy);
  EXPECT_EQ(images[0].rect, (gfx::Rect{3, 3, 3 + 8 * 6, 3 + 13}));
  EXPECT_TRUE(images[0].clipped);
  ASSERT_EQ(images[0].image.size(), 2u);
  EXPECT_EQ(images[0].image[0].rect, (gfx::Rect{0, 0, 48, 13}));
  EXPECT_EQ(images[0].image[0].brush, gfx::clBlack);
  EXPECT_EQ(images[0].image[1].text, "123.46 %");
  EXPECT_EQ(images[0].image[1].ink, gfx::clLime);
  EXPECT_EQ(images[0].image[1].font.name, "MS Sans Serif");
}

TEST_F(Painted, OtherStylesCentreTheirTextAndXorIt) {
  s->SetSuffix(" %");
  s->SetValue(50);
  s->SetSensType(stDigital);
  s->SetShowText(false);  // the digital style shows its text regardless
  Paint();
  auto images = canvas.OfKind(DrawOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].mode, gfx::CopyMode::Xor);
  // "50.00 %" is 42 × 13 in the area (1, 1, 196, 64).
  EXPECT_EQ(images[0].rect.left, 1 + (195 - 42) / 2);
  EXPECT_EQ(images[0].rect.top, 1 + (63 - 13) / 2);
  EXPECT_FALSE(images[0].clipped);

  for (TSensType t : {stDiagramm, stBond, stColumn, stPie}) {
    s->SetSensType(t);
    Paint();
    EXPECT_TRUE(canvas.OfKind(DrawOp::Image).empty()) << int(t);
  }
  s->SetShowText(true);
  s->SetSensType(stColumn);  // centred in the whole gauge
  Paint();
  images = canvas.OfKind(DrawOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].rect.left, (197 - 42) / 2);
  EXPECT_EQ(images[0].rect.top, (65 - 13) / 2);

  s->SetStyle3D(true);
  Paint();
  const auto texts = canvas.OfKind(DrawOp::Text);
  ASSERT_EQ(texts.size(), 3u);
  const gfx::Point at{(197 - 42) / 2, (65 - 13) / 2};
  EXPECT_EQ(texts[0].points[0], (gfx::Point{at.x + 1, at.y + 1}));
  EXPECT_EQ(texts[0].ink, s->Shadow3D());
  EXPECT_EQ(texts[1].points[0], (gfx::Point{at.x - 1, at.y - 1}));
  EXPECT_EQ(texts[1].ink, s->Highlight3D());
  EXPECT_EQ(texts[2].points[0], at);
  EXPECT_EQ(texts[2].ink, s->Color3D());
}

TEST_F(Painted, BarAndColumnAtHalfScale) {
  s->SetValue(50);
  s->SetSensType(stBond);
  Paint();
  auto fills = canvas.OfKind(DrawOp::Rectangle);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].rect, (gfx::Rect{2, 2, 195, 63}));
  EXPECT_EQ(fills[1].rect, (gfx::Rect{2, 2, 2 + 96 - 1, 63}));  // Round(96.5) = 96
  EXPECT_EQ(fills[1].brush, gfx::clLime);
  EXPECT_EQ(fills[1].pen, gfx::clLime);

  s->SetSensType(stColumn);
  Paint();
  fills = canvas.OfKind(DrawOp::Rectangle);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[1].rect, (gfx::Rect{1, 64 - 32, 196, 64}));  // Round(31.5) = 32

  s->SetValue(1e300);  // far past the scale: up to the gauge's edge only
  Paint();
  EXPECT_EQ(canvas.OfKind(DrawOp::Rectangle)[1].rect.top, 0);

  s->SetStyle3D(true);
  s->SetValue(50);
  Paint();
  const auto edges = canvas.OfKind(DrawOp::Polyline);
  ASSERT_EQ(edges.size(), 2u);
  EXPECT_EQ(edges[0].points, (std::vector<gfx::Point>{{1, 63}, {1, 32}, {195, 32}}));
  EXPECT_EQ(edges[1].points, (std::vector<gfx::Point>{{1, 63}, {195, 63}, {195, 32}}));
}

TEST_F(Painted, PieWedges) {
  s->SetSensType(stPie);
  // The dial box (3, 3, 194, 121): rx 95, ry 59, centre (98, 62).
  s->SetValue(0.5);
  Paint();
  auto pies = canvas.OfKind(DrawOp::Pie);
  ASSERT_EQ(pies.size(), 1u);  // p = 0.005: the background only
  EXPECT_EQ(pies[0].rect, (gfx::Rect{3, 3, 194, 121}));
  EXPECT_EQ(pies[0].points, (std::vector<gfx::Point>{{194, 62}, {3, 62}}));
  EXPECT_EQ(pies[0].pen, gfx::clBlack);
  EXPECT_EQ(pies[0].brush, gfx::clBlack);

  s->SetValue(50);
  Paint();
  pies = canvas.OfKind(DrawOp::Pie);
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[1].points, (std::vector<gfx::Point>{{98, 3}, {3, 62}}));  // upper-left quarter
  EXPECT_EQ(pies[1].brush, gfx::clLime);

  s->SetValue(120);
  Paint();
  pies = canvas.OfKind(DrawOp::Pie);
  EXPECT_EQ(pies[1].points, (std::vector<gfx::Point>{{193, 62}, {3, 62}}));  // the whole half

  s->SetStyle3D(true);
  s->SetValue(50);
  Paint();
  pies = canvas.OfKind(DrawOp::Pie);
  ASSERT_EQ(pies.size(), 6u);
  // Dial box (4, 4, 193, 118): rx 94, ry 57, centre (98, 61).
  EXPECT_EQ(pies[0].rect, (gfx::Rect{3, 3, 192, 117}));
  EXPECT_EQ(pies[0].pen, s->Shadow3D());
  EXPECT_EQ(pies[1].points, (std::vector<gfx::Point>{{194, 62}, {5, 62}}));
  EXPECT_EQ(pies[2].pen, s->Color3D());
  EXPECT_EQ(pies[3].points, (std::vector<gfx::Point>{{97, 3}, {3, 60}}));
  EXPECT_EQ(pies[3].pen, s->Highlight3D());
  EXPECT_EQ(pies[5].points, (std::vector<gfx::Point>{{98, 4}, {4, 61}}));
  EXPECT_EQ(pies[5].brush, s->Color3D());
}

TEST_F(Painted, EmbossedChartIsClosedAlongTheBottom) {
  s->SetStyle3D(true);
  s->SetGrid(false);
  for (int i = 0; i < 100; ++i) s->SetValue(50);
  Paint();
  const auto polygons = canvas.OfKind(DrawOp::Polygon);
  ASSERT_EQ(polygons.size(), 3u);
  const auto &u = polygons[0].points, &l = polygons[1].points, &p = polygons[2].points;
  ASSERT_EQ(p.size(), 102u);
  EXPECT_EQ(p[0], (gfx::Point{194, 62 - 29}));  // Trunc(50 × 59 / 100)
  EXPECT_EQ(u[0], (gfx::Point{193, 32}));
  EXPECT_EQ(l[0], (gfx::Point{195, 33}));
  EXPECT_EQ(p[100], (gfx::Point{3, 62}));
  EXPECT_EQ(p[101], (gfx::Point{194, 62}));
  EXPECT_EQ(u[100], (gfx::Point{2, 61}));
  EXPECT_EQ(u[101], (gfx::Point{193, 61}));
  EXPECT_EQ(l[100], (gfx::Point{4, 63}));
  EXPECT_EQ(l[101], (gfx::Point{195, 63}));
  EXPECT_EQ(polygons[0].pen, s->Highlight3D());
  EXPECT_EQ(polygons[1].pen, s->Shadow3D());
  EXPECT_EQ(polygons[2].pen, s->Color3D());
  EXPECT_EQ(polygons[2].brush, gfx::clBlack);
  EXPECT_FALSE(polygons[2].clipped);
}

TEST_F(Painted, OddScalesAndSizesNeverFail) {
  const double odd[] = {0, 50, -50, 1e308, -1e308, std::numeric_limits<double>::infinity(), std::nan("")};
  for (int points : {1, 2, 100})
    for (bool zeroRange : {false, true})
      for (TSensType t : {stDiagramm, stBond, stColumn, stDigital, stPie})
        for (bool in3D : {false, true}) {
          Host host;
          auto& g = AddMainWindowGauge(host.window, nullptr, "G", dtUser, {});
          if (zeroRange) {
            fakes::FakeMemory none;  // a system without a swap file
            auto& swap = AddMainWindowGauge(host.window, nullptr, "S", dtFreeSwap, {&none, nullptr});
            swap.SetSensType(t);
            swap.SetStyle3D(in3D);
            swap.SetPointCount(points);
            for (double v : odd) swap.SetValue(v);
            for (auto size : {gfx::Size{197, 65}, gfx::Size{3, 2}, gfx::Size{0, 0}}) {
              RecordingCanvas c(size.cx, size.cy);
              swap.Paint(c);
            }
          }
          g.SetSensType(t);
          g.SetStyle3D(in3D);
          g.SetPointCount(points);
          for (double v : odd) {
            g.SetValue(v);
            RecordingCanvas c(197, 65);
            g.Paint(c);
          }
        }
}

TEST_F(Painted, ZeroRangeFlatDiagramLiesOnTheBottom) {
  fakes::FakeMemory none;
  auto& swap = AddMainWindowGauge(h.window, nullptr, "Swap", dtLoadSwap, {&none, nullptr});
  swap.SetValue(20);
  swap.Paint(canvas);
  const auto curve = canvas.OfKind(DrawOp::Polyline).at(0).points;
  for (const auto& q : curve) EXPECT_EQ(q.y, 62);
}

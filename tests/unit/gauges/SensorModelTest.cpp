#include <gtest/gtest.h>

#include <cmath>

#include "engine/CpuUsage.h"
#include "fakes/Errors.h"
#include "fakes/FakePerformance.h"
#include "fakes/Fakes.h"
#include "gauges/MainWindowGauge.h"
#include "gauges/SensorColors.h"
#include "unit/gauges/SensorTestSupport.h"

using namespace gauges;
using gauges_test::Host;


TEST(SensorColors, HalvingAndLighteningRoundHalfToEven) {
  EXPECT_EQ(DarkenColor(gfx::clLime), 0x00008000u);
  EXPECT_EQ(DarkenColor(gfx::Rgb(5, 7, 255)), gfx::Rgb(2, 4, 128));
  EXPECT_EQ(DarkenColor(gfx::clBtnFace), 0x00000008u);  // the reference itself, halved
  EXPECT_EQ(LightenColor(gfx::Rgb(32, 64, 3)), gfx::Rgb(42, 85, 4));
  EXPECT_EQ(LightenColor(gfx::Rgb(192, 0, 0)), gfx::Rgb(255, 0, 0));
  // Channels that would pass 255 stay at 255 rather than wrapping to dark.
  EXPECT_EQ(LightenColor(gfx::clLime), 0x0000FF00u);
  EXPECT_EQ(LightenColor(gfx::clWhite), gfx::clWhite);
}

TEST(SensorModel, NewGaugeDefaults) {
  Host h;
  TSensor& s = h.Add();
  EXPECT_EQ(s.Value(), 0.0);
  EXPECT_EQ(s.PointCount(), 100);
  EXPECT_EQ(s.History().size(), 100u);
  EXPECT_EQ(s.MaxValue(), 100.0);
  EXPECT_EQ(s.MinValue(), 0.0);
  EXPECT_EQ(s.Margin(), 2);
  EXPECT_EQ(s.Color(), gfx::clLime);
  EXPECT_EQ(s.GridColor(), 0x8000u);
  EXPECT_EQ(s.BackColor(), gfx::clBlack);
  EXPECT_EQ(s.Border(), sbsLowered);
  EXPECT_EQ(s.Color3D(), gfx::clBtnFace);
  EXPECT_EQ(s.ColorBack3D(), gfx::clBtnFace);
  EXPECT_EQ(s.Highlight3D(), gfx::clWhite);
  EXPECT_EQ(s.Shadow3D(), gfx::clBtnShadow);
  EXPECT_FALSE(s.Grid());
  EXPECT_TRUE(s.ShowText());
  EXPECT_TRUE(s.Active());
  EXPECT_EQ(s.DataType(), dtUser);
  EXPECT_EQ(s.SensType(), stDiagramm);
  EXPECT_EQ(s.TextCopyMode(), gfx::CopyMode::Copy);
  EXPECT_EQ(s.Interval(), 0u);
  EXPECT_EQ(s.Font().color, gfx::clLime);
  EXPECT_EQ(s.Bounds().width, 300);
  EXPECT_EQ(s.Bounds().height, 100);
  EXPECT_EQ(s.SampleTimer(), nullptr);
}

TEST(SensorModel, HistoryRing) {
  Host h;
  TSensor& s = h.Add();
  for (int i = 1; i <= 100; ++i) s.SetValue(i);
  EXPECT_EQ(s.HistoryPos(), 0);
  EXPECT_EQ(s.History()[0], 100.0);
  EXPECT_EQ(s.Value(), 100.0);
  h.repaints = 0;
  s.SetValue(7);
  s.SetValue(7);
  EXPECT_EQ(s.HistoryPos(), 2);
  EXPECT_EQ(s.History()[1], 7.0);
  EXPECT_EQ(h.repaints, 2);
}

TEST(SensorModel, PointCountKeepsTheFirstEntries) {
  Host h;
  TSensor& s = h.Add();
  for (int i = 1; i <= 70; ++i) s.SetValue(i);
  ASSERT_EQ(s.HistoryPos(), 70);
  h.repaints = 0;
  s.SetPointCount(50);
  EXPECT_EQ(s.HistoryPos(), 0);
  EXPECT_EQ(s.History().size(), 50u);
  EXPECT_EQ(s.History()[0], 0.0);
  EXPECT_EQ(s.History()[49], 49.0);
  s.SetPointCount(60);
  EXPECT_EQ(s.History()[49], 49.0);
  EXPECT_EQ(s.History()[59], 0.0);
  EXPECT_EQ(h.repaints, 0);
  s.SetPointCount(0);  // a ring needs one place at least
  EXPECT_EQ(s.PointCount(), 1);
  s.SetValue(3);
  EXPECT_EQ(s.Value(), 3.0);
}

TEST(SensorModel, WritersIgnoreEqualValuesAndRepaintOtherwise) {
  Host h;
  TSensor& s = h.Add();
  s.SetMargin(2);
  s.SetColor(gfx::clLime);
  s.SetSuffix("");
  s.SetGrid(false);
  EXPECT_EQ(h.repaints, 0);
  s.SetMargin(3);
  s.SetColor(gfx::clRed);
  s.SetSuffix(" %");
  s.SetSuffix(std::string(" %"));
  EXPECT_EQ(h.repaints, 3);
  EXPECT_EQ(s.GridColor(), 0x80u);
  EXPECT_EQ(s.Font().color, gfx::clLime);  // the font keeps its colour
  s.SetColor3D(gfx::clLime);
  EXPECT_EQ(s.Shadow3D(), 0x8000u);
  EXPECT_EQ(s.Highlight3D(), 0xFF00u);
  s.SetSensType(stBond);
  EXPECT_EQ(s.TextCopyMode(), gfx::CopyMode::Xor);
  s.SetSensType(stDiagramm);
  EXPECT_EQ(s.TextCopyMode(), gfx::CopyMode::Copy);
}

TEST(SensorModel, ScaleEndsMayNotMeet) {
  Host h;
  TSensor& s = h.Add();
  EXPECT_OK(s.SetMaxValue(5));
  EXPECT_EQ(s.SetMinValue(5).Message(), "MinValue and MaxValue can't be equal.");
  EXPECT_EQ(s.MinValue(), 0.0);
  EXPECT_EQ(s.MaxValue(), 5.0);
  EXPECT_EQ(s.SetMaxValue(0).Message(), "MinValue and MaxValue can't be equal.");
  EXPECT_OK(s.SetMaxValue(100));
  EXPECT_OK(s.SetMinValue(150));  // no order check
  EXPECT_EQ(s.MinValue(), 150.0);
}

struct SamplingGauge : ::testing::Test {
  Host h;
  fakes::FakeMemory memory;
  void SetUp() override {
    memory.SetMb(256, 100);
    memory.figures.totalPageFile = 512ull << 20;
    memory.figures.availPageFile = 384ull << 20;
  }
};

TEST_F(SamplingGauge, DataTypeSetsTheScaleFromOneQueryAndStartsTheTimer) {
  TSensor& s = h.Add({&memory, nullptr});
  for (int i = 0; i < 5; ++i) s.SetValue(9);
  s.SetSuffix("x");
  s.SetDataType(dtFreePhisMem);
  EXPECT_EQ(memory.queries, 1);
  EXPECT_EQ(s.MaxValue(), 256.0);
  EXPECT_EQ(s.MinValue(), 0.0);
  EXPECT_EQ(s.Suffix(), " mb");
  EXPECT_EQ(s.HistoryPos(), 5);
  for (double v : s.History()) EXPECT_EQ(v, 0.0);
  ASSERT_NE(s.SampleTimer(), nullptr);
  EXPECT_EQ(s.SampleTimer()->Interval(), 1000u);
  EXPECT_TRUE(s.SampleTimer()->Running());
  EXPECT_EQ(h.window.Find("GaugeSampleTimer"), nullptr);  // the gauge's own, not the window's

  memory.figures.availPhys = 150ull << 20;
  s.SampleTimer()->Tick();
  EXPECT_EQ(s.HistoryPos(), 6);
  EXPECT_EQ(s.Value(), 150.0);

  s.SetDataType(dtFreePhisMem);  // the same type keeps the history
  EXPECT_EQ(s.Value(), 150.0);
  s.SetDataType(dtLoadSwap);
  EXPECT_EQ(s.MaxValue(), 512.0);
  s.SampleTimer()->Tick();
  EXPECT_EQ(s.Value(), 128.0);
  s.SetDataType(dtFreeSwap);
  s.SampleTimer()->Tick();
  EXPECT_EQ(s.Value(), 384.0);
  s.SetDataType(dtPhisMemLoadPercent);
  EXPECT_EQ(s.MaxValue(), 100.0);
  EXPECT_EQ(s.Suffix(), " %");
  s.SampleTimer()->Tick();
  EXPECT_NEAR(s.Value(), 41.40625, 1e-12);
}

TEST_F(SamplingGauge, NoSwapFileGivesAZeroRange) {
  memory.figures.totalPageFile = memory.figures.availPageFile = 0;
  TSensor& s = h.Add({&memory, nullptr});
  s.SetDataType(dtFreeSwap);
  EXPECT_EQ(s.MinValue(), 0.0);
  EXPECT_EQ(s.MaxValue(), 0.0);
}

TEST_F(SamplingGauge, IntervalAndActive) {
  TSensor& s = h.Add({&memory, nullptr});
  s.SetInterval(500);  // no timer yet: only stored
  EXPECT_EQ(s.Interval(), 500u);
  s.SetDataType(dtFreePhisMem);
  EXPECT_EQ(s.SampleTimer()->Interval(), 1000u);
  s.SetInterval(250);
  EXPECT_EQ(s.SampleTimer()->Interval(), 250u);
  s.SetActive(false);
  const int pos = s.HistoryPos();
  s.SampleTimer()->Tick();
  EXPECT_EQ(s.HistoryPos(), pos);
  s.SetValue(42);  // values written by hand still count
  EXPECT_EQ(s.Value(), 42.0);
  s.SetActive(true);
  s.SetInterval(0);
  EXPECT_FALSE(s.SampleTimer()->Running());
}

TEST_F(SamplingGauge, UserTypeEndsSamplingAndALaterTypeResumesIt) {
  TSensor& s = h.Add({&memory, nullptr});
  s.SetDataType(dtFreePhisMem);
  s.SetDataType(dtUser);
  EXPECT_EQ(s.SampleTimer(), nullptr);  // destroyed
  EXPECT_EQ(s.Suffix(), "");
  EXPECT_EQ(s.MaxValue(), 256.0);  // unchanged
  s.SetInterval(300);
  s.SetDataType(dtFreeSwap);
  ASSERT_NE(s.SampleTimer(), nullptr);
  EXPECT_TRUE(s.SampleTimer()->Running());
  EXPECT_EQ(s.SampleTimer()->Interval(), 1000u);
  for (const auto& c : h.window.Components()) EXPECT_NE(c->GetKind(), ui::Kind::Timer);
}

TEST_F(SamplingGauge, ProcessorLoadBelowZeroIsStoredAsZero) {
  fakes::FakePerformance perf;
  const engine::SystemTimeFields t1{2024, 3, 5, 12, 10, 20, 1, 0}, t2{2024, 3, 5, 12, 10, 20, 2, 0};
  perf.block = fakes::BuildPerfBlock(t1, {{.idle = {1'000'000}}});
  engine::CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  TSensor& s = h.Add({&memory, &meter});
  s.SetDataType(dtCPU);
  EXPECT_EQ(memory.queries, 0);
  EXPECT_EQ(s.MaxValue(), 100.0);
  EXPECT_EQ(s.Suffix(), " %");
  perf.block = fakes::BuildPerfBlock(t2, {{.idle = {1'000'000 + 12'000'000}}});  // load −0.2
  s.SampleTimer()->Tick();
  EXPECT_EQ(s.Value(), 0.0);
  perf.block = fakes::BuildPerfBlock({2024, 3, 5, 12, 10, 20, 3, 0}, {{.idle = {13'000'000 + 2'500'000}}});
  s.SampleTimer()->Tick();
  EXPECT_DOUBLE_EQ(s.Value(), 75.0);
}

TEST_F(SamplingGauge, ProcessorErrorsGoToTheErrorBoxAndTheTimerGoesOn) {
  fakes::FakePerformance perf;
  perf.family = platform::Family::Win9x;
  engine::CpuUsage meter(perf);
  TSensor& s = h.Add({&memory, &meter});
  s.SetDataType(dtCPU);
  s.SampleTimer()->Tick();
  ASSERT_EQ(h.backend.errors.size(), 1u);
  EXPECT_NE(h.backend.errors[0].find("Unable to start performance monitoring"), std::string::npos);
  EXPECT_TRUE(s.SampleTimer()->Running());
  perf.dynKeys = {"PerfStats\\StartStat", "PerfStats\\StatData"};
  perf.dynValues["PerfStats\\StatData"] = 37;
  s.SampleTimer()->Tick();
  EXPECT_DOUBLE_EQ(s.Value(), 37.0);
}

TEST_F(SamplingGauge, MainWindowGaugeInTheDescriptionsOrder) {
  TSensor& s = AddMainWindowGauge(h.window, nullptr, "RAMUsage", dtFreePhisMem, {&memory, nullptr});
  EXPECT_EQ(s.Name(), "RAMUsage");
  EXPECT_EQ(s.Bounds().width, 197);
  EXPECT_EQ(s.Bounds().height, 65);
  EXPECT_EQ(s.Hint(), "This area displays memory information and statistics");
  EXPECT_TRUE(s.Grid());
  EXPECT_EQ(s.Color3D(), gfx::clLime);
  EXPECT_EQ(s.Shadow3D(), 0x8000u);
  EXPECT_EQ(s.ColorBack3D(), gfx::clBlack);
  EXPECT_EQ(s.Font().name, "MS Sans Serif");
  EXPECT_EQ(s.Font().height, -11);
  EXPECT_EQ(s.Font().color, gfx::clLime);
  EXPECT_EQ(s.MaxValue(), 256.0);
  EXPECT_EQ(s.Suffix(), " mb");
  EXPECT_EQ(s.HistoryPos(), 1);  // the description's Value entered, then was wiped
  EXPECT_EQ(s.SampleTimer()->Interval(), 1000u);
  EXPECT_TRUE(s.SampleTimer()->Running());
}

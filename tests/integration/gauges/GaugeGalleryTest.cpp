// The ten drawings rendered with GDI, written as pictures for review, and the
// processor load meter against the real system.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>

#include "engine/CpuUsage.h"
#include "gauges/MainWindowGauge.h"
#include "gfx/win32/GdiCanvas.h"
#include "platform/win32/PerformanceRegistry.h"
#include "ui/Application.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using namespace gauges;
using gfx::win32::GdiBitmap;

namespace {

std::string GalleryFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder = folder.substr(0, folder.find_last_of("\\/") + 1) + "gallery\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

struct Gallery : ::testing::Test {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "MainForm"};
  TSensor& gauge = AddMainWindowGauge(window, nullptr, "Gauge", dtUser, {});
};

const char* const kStyleNames[] = {"Diagramm", "Bond", "Column", "Digital", "Pie"};

}  // namespace

TEST_F(Gallery, TenDrawingsAt197By65) {
  gauge.SetSuffix(" %");
  for (int i = 0; i < 100; ++i) gauge.SetValue(50 + 40 * std::sin(i / 8.0));
  gauge.SetValue(62.5);
  const std::string folder = GalleryFolder();
  for (int t = stDiagramm; t <= stPie; ++t)
    for (bool in3D : {false, true}) {
      gauge.SetSensType(static_cast<TSensType>(t));
      gauge.SetStyle3D(in3D);
      GdiBitmap picture(197, 65);
      ASSERT_TRUE(picture.Valid());
      gauge.Paint(picture);
      const std::string file = folder + kStyleNames[t] + (in3D ? "-3d" : "-flat") + ".bmp";
      EXPECT_TRUE(picture.SaveBmp(file)) << file;
      // The frame and every style leave the picture not all one colour.
      const gfx::Color corner = picture.Pixel({0, 0});
      bool varied = false;
      for (int x = 0; x < 197 && !varied; x += 3)
        for (int y = 0; y < 65 && !varied; y += 3) varied = picture.Pixel({x, y}) != corner;
      EXPECT_TRUE(varied) << file;
    }
}

TEST_F(Gallery, FlatBarTextIsXoredOverTheBar) {
  gauge.SetSuffix(" %");
  gauge.SetSensType(stBond);
  gauge.SetValue(50);
  GdiBitmap picture(197, 65);
  gauge.Paint(picture);
  picture.SaveBmp(GalleryFolder() + "Bond-flat-50.bmp");
  picture.SetFont(gauge.Font());
  const gfx::Size size = picture.TextExtent("50.00 %");
  const int x = 2 + (193 - size.cx) / 2, y = 2 + (61 - size.cy) / 2;
  const int barEnd = 2 + 96 - 1;  // the bar's last column is barEnd - 1
  ASSERT_LT(x, barEnd - 1);
  ASSERT_GT(x + size.cx, barEnd);
  bool blackOverLime = false, limeOverBlack = false;
  for (int px = x; px < x + size.cx; ++px)
    for (int py = y; py < y + size.cy; ++py) {
      const gfx::Color c = picture.Pixel({px, py});
      if (px < barEnd - 1 && c == gfx::clBlack) blackOverLime = true;
      if (px >= barEnd && c == gfx::clLime) limeOverBlack = true;
    }
  EXPECT_TRUE(blackOverLime);
  EXPECT_TRUE(limeOverBlack);
  EXPECT_EQ(picture.Pixel({10, 10}), gfx::clLime);   // bar beside the text
  EXPECT_EQ(picture.Pixel({180, 10}), gfx::clBlack);  // background beside the text
}

static int DifferingPixels(GdiBitmap& a, GdiBitmap& b) {
  int differing = 0;
  for (int x = 0; x < a.Width(); ++x)
    for (int y = 0; y < a.Height(); ++y) differing += a.Pixel({x, y}) != b.Pixel({x, y});
  return differing;
}

TEST_F(Gallery, PaintBufferedCopiesThePictureInOneStep) {
  GdiBitmap target(197, 65);
  gfx::win32::PaintBuffered(target.Dc(), 197, 65, [&](gfx::Canvas& c) {
    EXPECT_EQ(c.Width(), 197);
    gauge.Paint(c);
  });
  GdiBitmap direct(197, 65);
  gauge.Paint(direct);
  EXPECT_EQ(DifferingPixels(target, direct), 0);
}

// A kept bitmap starts each paint as a fresh one would: a clip or pen left
// by the last paint must not show in the next.
TEST_F(Gallery, BackBufferIsKeptAndStartsEachPaintClean) {
  GdiBitmap target(197, 65);
  gfx::win32::BackBuffer buffer;
  buffer.Paint(target.Dc(), 197, 65, [](gfx::Canvas& c) {
    c.ClipTo({0, 0, 10, 10});
    c.SetPen(gfx::clRed);
    c.SetBrush(gfx::clRed);
  });
  const auto* kept = buffer.Bitmap();
  buffer.Paint(target.Dc(), 197, 65, [&](gfx::Canvas& c) { gauge.Paint(c); });
  EXPECT_EQ(buffer.Bitmap(), kept);
  GdiBitmap direct(197, 65);
  gauge.Paint(direct);
  EXPECT_EQ(DifferingPixels(target, direct), 0);
  buffer.Paint(target.Dc(), 100, 65, [&](gfx::Canvas& c) { EXPECT_EQ(c.Width(), 100); });
  ASSERT_NE(buffer.Bitmap(), nullptr);
  EXPECT_EQ(buffer.Bitmap()->Width(), 100);
}

TEST(ProcessorLoadOnThisSystem, ReadingsStayWithinTheScale) {
  platform::win32::PerformanceRegistry source;
  engine::CpuUsage meter(source);
  ASSERT_TRUE(meter.IsNT());
  EXPECT_TRUE(meter.SampleProcessorLoad().Ok());
  EXPECT_GE(meter.InstanceCount(), 1);
  Sleep(300);
  volatile double spin = 0;
  for (int i = 0; i < 20000000; ++i) spin = spin + i;
  EXPECT_TRUE(meter.SampleProcessorLoad().Ok());
  const double load = *meter.ProcessorLoad(0);
  EXPECT_GE(load, 0.0);
  EXPECT_LE(load, 1.0001);
  std::printf("processor 0 load %.3f, processor 1 %.3f, over %d processor(s)\n", load,
              *meter.ProcessorLoad(1), meter.InstanceCount());
}

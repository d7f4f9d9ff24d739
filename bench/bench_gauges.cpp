// Microseconds per paint of each gauge drawing at the main window's size, and
// the processor time four sampling gauges cost per second of sampling.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "engine/CpuUsage.h"
#include "gauges/MainWindowGauge.h"
#include "platform/Memory.h"
#include "ui/Application.h"
#include "ui/Headless.h"
#include "ui/Window.h"

#ifdef _WIN32
#include <windows.h>

#include "gfx/win32/GdiCanvas.h"
#include "platform/win32/PerformanceRegistry.h"
#endif

namespace {

[[maybe_unused]] double CpuSeconds() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto f = [](FILETIME t) { return (uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
  return f(kernel) + f(user);
#else
  return double(std::clock()) / CLOCKS_PER_SEC;
#endif
}

struct FixedMemory : platform::MemoryInfo {
  platform::MemoryFigures Query() override {
    return {256ull << 20, 100ull << 20, 512ull << 20, 384ull << 20, 2047ull << 20, 1900ull << 20};
  }
};

}  // namespace

int main() {
#ifdef _WIN32
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  auto& g = gauges::AddMainWindowGauge(window, nullptr, "Gauge", gauges::dtUser, {});
  g.SetSuffix(" %");
  for (int i = 0; i < 100; ++i) g.SetValue(50 + 40 * std::sin(i / 8.0));
  const char* names[] = {"stDiagramm", "stBond", "stColumn", "stDigital", "stPie"};
  HDC screen = GetDC(nullptr);
  gfx::win32::GdiBitmap target(197, 65, screen);
  std::printf("paint of a 197 x 65 gauge, buffered and copied (microseconds):\n");
  for (int t = 0; t < 5; ++t)
    for (bool in3D : {false, true}) {
      g.SetSensType(static_cast<gauges::TSensType>(t));
      g.SetStyle3D(in3D);
      const int rounds = 500;
      const auto start = std::chrono::steady_clock::now();
      for (int i = 0; i < rounds; ++i)
        gfx::win32::PaintBuffered(target.Dc(), 197, 65, [&](gfx::Canvas& c) { g.Paint(c); });
      GdiFlush();
      const double us =
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / rounds;
      std::printf("  %-10s %-4s %8.1f\n", names[t], in3D ? "3D" : "flat", us);
    }
  ReleaseDC(nullptr, screen);

  // Four sampling gauges, each ticked and painted once per simulated second.
  FixedMemory memory;
  platform::win32::PerformanceRegistry perf;
  engine::CpuUsage meter(perf);
  ui::Window main(app, "MainForm");
  gauges::TSensor* four[] = {
      &gauges::AddMainWindowGauge(main, nullptr, "RAMUsage", gauges::dtFreePhisMem, {&memory, &meter}),
      &gauges::AddMainWindowGauge(main, nullptr, "RAMLoading", gauges::dtPhisMemLoadPercent, {&memory, &meter}),
      &gauges::AddMainWindowGauge(main, nullptr, "CPUUsage", gauges::dtCPU, {&memory, &meter}),
      &gauges::AddMainWindowGauge(main, nullptr, "SwapUsage", gauges::dtLoadSwap, {&memory, &meter})};
  const int seconds = 200;
  const double cpu0 = CpuSeconds();
  for (int s = 0; s < seconds; ++s)
    for (auto* gauge : four) {
      gauge->SampleTimer()->Tick();
      gfx::win32::PaintBuffered(target.Dc(), 197, 65, [&](gfx::Canvas& c) { gauge->Paint(c); });
    }
  const double cpu = (CpuSeconds() - cpu0) / seconds;
  std::printf("four sampling gauges: %.1f microseconds of processor time per second (%.4f %% of one processor)\n",
              cpu * 1e6, cpu * 100);
#else
  std::printf("bench_gauges measures GDI painting; run the Win32 build under Wine.\n");
#endif
  return 0;
}

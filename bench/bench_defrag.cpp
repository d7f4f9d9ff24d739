// One Defrag(N) against a bare commit + 32-bit zero-fill + release loop of the
// same N MB in the same process, with the same blocks (uncached on Windows, as
// the program commits them). The two alternate, each going first in every
// other round, so that neither always meets the memory the other just gave
// back. Prints the medians of wall and processor (thread) time and the median
// of the per-round processor-time ratios: on a shared machine the processor
// time is the cost itself, the wall time adds whatever else ran.
//   bench_defrag [N=256] [rounds=11]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/DefragMem.h"
#include "ui/Headless.h"
#include "ui/Window.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/Win32System.h"
using Blocks = platform::win32::Win32Blocks;
using Memory = platform::win32::Win32Memory;
#else
#include <time.h>

#include "platform/posix/PosixBlocks.h"
using Blocks = platform::posix::PosixBlocks;
struct Memory : platform::MemoryInfo {
  platform::MemoryFigures Query() override { return {1ull << 31, 1ull << 30, 0, 0, 0, 0}; }
};
#endif

namespace {

double ThreadSeconds() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  auto ticks = [](const FILETIME& t) { return double(ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime); };
  return (ticks(kernel) + ticks(user)) / 1e7;
#else
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
#endif
}

struct Times {
  double wall, cpu;
};

template <typename Run>
Times Measure(Run run) {
  const auto w0 = std::chrono::steady_clock::now();
  const double c0 = ThreadSeconds();
  run();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count(), ThreadSeconds() - c0};
}

void BareLoop(platform::BlockSource& blocks, int n) {
  static void* table[1024];
  for (int i = 0; i < n; ++i) {
    table[i] = blocks.Commit();
    if (table[i]) {
      volatile uint32_t* p = static_cast<volatile uint32_t*>(table[i]);
      for (size_t k = 0; k < platform::kBlockSize / 4; ++k) p[k] = 0;
    }
  }
  for (int i = 0; i < n; ++i)
    if (table[i]) blocks.Release(table[i]);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int n = std::clamp(argc > 1 ? std::atoi(argv[1]) : 256, 1, 1024);
  const int rounds = std::max(argc > 2 ? std::atoi(argv[2]) : 11, 1);
  Blocks blocks;
  Memory memory;
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  auto& engine = window.Add<engine::TDefragMem>("DefragMem", memory, blocks);
  int last = 0;
  engine.OnProgress = [&](int p) { last = p; };  // an event slot in use, as in the program

  std::vector<double> bareWall, bareCpu, runWall, runCpu, ratios;
  BareLoop(blocks, n);  // warm-up of both
  (void)engine.Defrag(n);
  for (int r = 0; r < rounds; ++r) {
    Times bare{}, run{};
    auto doBare = [&] { bare = Measure([&] { BareLoop(blocks, n); }); };
    auto doRun = [&] { run = Measure([&] { (void)engine.Defrag(n); }); };
    if (r % 2) doRun(), doBare();
    else doBare(), doRun();
    bareWall.push_back(bare.wall), bareCpu.push_back(bare.cpu);
    runWall.push_back(run.wall), runCpu.push_back(run.cpu);
    if (bare.cpu > 0) ratios.push_back(run.cpu / bare.cpu);
  }
  std::printf("N=%d MB, %d rounds, medians: bare loop %.1f ms (processor %.1f ms), Defrag %.1f ms (processor %.1f ms)\n",
              n, rounds, Median(bareWall) * 1000, Median(bareCpu) * 1000, Median(runWall) * 1000,
              Median(runCpu) * 1000);
  std::printf("ratio Defrag / bare loop: processor time %.3f (median of per-round ratios %.3f), wall time %.3f (goal <= 1.02; last progress %d)\n",
              Median(runCpu) / Median(bareCpu), ratios.empty() ? 0.0 : Median(ratios),
              Median(runWall) / Median(bareWall), last);
  return 0;
}

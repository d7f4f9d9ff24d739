// One Defrag(N) against a bare commit + 32-bit zero-fill + release loop of the
// same N MB in the same process. Prints both times (median of rounds) and the ratio.
//   bench_defrag [N=256] [rounds=7]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/DefragMem.h"
#include "ui/Headless.h"
#include "ui/Window.h"

#ifdef _WIN32
#include "platform/win32/Win32System.h"
using Blocks = platform::win32::Win32Blocks;
using Memory = platform::win32::Win32Memory;
#else
#include "platform/posix/PosixBlocks.h"
using Blocks = platform::posix::PosixBlocks;
struct Memory : platform::MemoryInfo {
  platform::MemoryFigures Query() override { return {1ull << 31, 1ull << 30, 0, 0, 0, 0}; }
};
#endif

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double BareLoop(platform::BlockSource& blocks, int n) {
  static void* table[1024];
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) {
    table[i] = blocks.Commit();
    if (table[i]) {
      volatile uint32_t* p = static_cast<volatile uint32_t*>(table[i]);
      for (size_t k = 0; k < platform::kBlockSize / 4; ++k) p[k] = 0;
    }
  }
  for (int i = 0; i < n; ++i)
    if (table[i]) blocks.Release(table[i]);
  return Seconds(t0);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 256;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
  Blocks blocks;
  Memory memory;
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  auto& engine = window.Add<engine::TDefragMem>("DefragMem", memory, blocks);
  int last = 0;
  engine.OnProgress = [&](int p) { last = p; };  // an event slot in use, as in the program

  std::vector<double> bare, defrag;
  BareLoop(blocks, n);  // warm-up
  for (int r = 0; r < rounds; ++r) {
    bare.push_back(BareLoop(blocks, n));
    const auto t0 = std::chrono::steady_clock::now();
    engine.Defrag(n);
    defrag.push_back(Seconds(t0));
  }
  const double b = Median(bare), d = Median(defrag);
  std::printf("N=%d MB rounds=%d  bare loop %.1f ms  Defrag %.1f ms  ratio %.3f (last progress %d)\n",
              n, rounds, b * 1000, d * 1000, d / b, last);
  return 0;
}

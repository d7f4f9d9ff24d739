#include <gtest/gtest.h>

#include <windows.h>

#include "engine/DefragMem.h"
#include "platform/win32/Win32System.h"
#include "ui/Headless.h"
#include "ui/Window.h"

namespace {

size_t CommittedBytes() {
  // Walk the address space and add up committed private regions.
  size_t total = 0;
  MEMORY_BASIC_INFORMATION mbi;
  for (char* p = nullptr; VirtualQuery(p, &mbi, sizeof mbi) == sizeof mbi; p = static_cast<char*>(mbi.BaseAddress) + mbi.RegionSize) {
    if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) total += mbi.RegionSize;
    if (reinterpret_cast<uintptr_t>(p) > 0x7FFE0000u) break;
  }
  return total;
}

}  // namespace

TEST(RealEngine, MemoryFiguresAreSaneAndCapped) {
  platform::win32::Win32Memory memory;
  const auto s = engine::ReadMemoryStatus(memory);
  EXPECT_GT(s.totalPhys, 0u);
  EXPECT_LE(s.availPhys, s.totalPhys);
  EXPECT_LE(s.totalPageFile, engine::kFigureCap);
  EXPECT_GT(s.totalVirtual, 0u);
}

TEST(RealEngine, ARunCommitsWritesAndGivesBackItsBlocks) {
  platform::win32::Win32Memory memory;
  platform::win32::Win32Blocks blocks;
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window window(app, "MainForm");
  auto& engine = window.Add<engine::TDefragMem>("DefragMem", memory, blocks);
  const size_t before = CommittedBytes();
  size_t peak = 0;
  int last = -1;
  engine.OnProgress = [&](int p) {
    peak = std::max(peak, CommittedBytes());
    last = p;
  };
  EXPECT_TRUE(engine.Defrag(32).Ok());
  EXPECT_EQ(last, 100);
  EXPECT_GE(peak, before + 31u * 1048576u);  // all blocks held at the turn
  EXPECT_LT(CommittedBytes(), before + 2u * 1048576u);  // and all given back
}

TEST(RealEngine, BlocksAreUncachedReadWrite) {
  platform::win32::Win32Blocks blocks;
  void* b = blocks.Commit();
  ASSERT_NE(b, nullptr);
  MEMORY_BASIC_INFORMATION mbi;
  ASSERT_EQ(VirtualQuery(b, &mbi, sizeof mbi), sizeof mbi);
  EXPECT_EQ(mbi.RegionSize, 1048576u);
  EXPECT_EQ(mbi.AllocationProtect, static_cast<DWORD>(PAGE_READWRITE | PAGE_NOCACHE));
  engine::ZeroFillBlock(b);
  EXPECT_EQ(static_cast<unsigned char*>(b)[1048575], 0);
  blocks.Release(b);
  ASSERT_EQ(VirtualQuery(b, &mbi, sizeof mbi), sizeof mbi);
  EXPECT_EQ(mbi.State, static_cast<DWORD>(MEM_FREE));
}

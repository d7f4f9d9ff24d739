#include "engine/DefragMem.h"

#include <algorithm>

namespace engine {

// Out of line, one call a megabyte: the fuzzers leave this loop out of their
// coverage feedback by name, which only works while it is not inlined.
__attribute__((noinline)) void ZeroFillBlock(void* block) noexcept {
  // volatile keeps every store a real 32-bit write: committing alone would not
  // make the system provide the pages.
  volatile uint32_t* p = static_cast<volatile uint32_t*>(block);
  for (size_t i = 0; i < platform::kBlockSize / sizeof(uint32_t); ++i) p[i] = 0;
}

TDefragMem::TDefragMem(ui::Window* owner, std::string name, platform::MemoryInfo& memory,
                       platform::BlockSource& blocks)
    : ui::NonVisual(owner, std::move(name)),
      totalMemory_(static_cast<int32_t>(ReadMemoryStatus(memory).totalPhys)),
      memory_(memory),
      blocks_(blocks) {}

int32_t TDefragMem::FreeMemory() const {
  return static_cast<int32_t>(ReadMemoryStatus(memory_).availPhys);
}

namespace {

// The run's block table: fixed capacity, on the stack, and every block still
// held goes back to the system however the run ends (an event handler may fail).
class BlockTable {
 public:
  explicit BlockTable(platform::BlockSource& source) : source_(source) {}
  ~BlockTable() { ReleaseFrom(0); }
  void Put(int i, void* block) { slots_[i] = block; }
  void* At(int i) const { return slots_[i]; }
  void Release(int i) {
    if (slots_[i]) source_.Release(slots_[i]);
    slots_[i] = nullptr;
  }
  void ReleaseFrom(int first) {
    for (int i = first; i < TDefragMem::kMaxBlocks; ++i) Release(i);
  }

 private:
  platform::BlockSource& source_;
  void* slots_[TDefragMem::kMaxBlocks] = {};
};

}  // namespace

ui::Status TDefragMem::Defrag(int32_t megabytes) {
  abortRequested_ = false;
  if (busy_) return {};
  busy_ = true;
  struct BusyReset {
    bool& busy;
    ~BusyReset() { busy = false; }
  } busyReset{busy_};

  const int count = std::clamp<int32_t>(megabytes, 0, kMaxBlocks);
  RETURN_IF_FAILED(OnBeforeDefrag());

  const long double totalSteps = 2.0L * count;
  int step = 0;
  auto progress = [&] {
    ++step;
    return OnProgress(static_cast<int>(RoundHalfEven(step / totalSteps * 100.0L)));
  };
  auto finish = [&] {
    busy_ = false;
    return OnAfterDefrag();
  };

  BlockTable table(blocks_);
  for (int i = 0; i < count; ++i) {
    if (void* block = blocks_.Commit()) {
      table.Put(i, block);
      ZeroFillBlock(block);
    }
    RETURN_IF_FAILED(progress());
    if (abortRequested_) {
      table.ReleaseFrom(0);
      return finish();
    }
  }
  for (int i = 0; i < count; ++i) {
    table.Release(i);
    RETURN_IF_FAILED(progress());
    if (abortRequested_) {
      table.ReleaseFrom(i + 1);
      return finish();
    }
  }
  return finish();
}

}  // namespace engine


// The freeing engine: commits up to 1024 blocks of 1 MB, writes zeros over
// every byte so the system must back them with real pages, then releases them.
#pragma once

#include <cstdint>

#include "engine/MemoryStatus.h"
#include "platform/Memory.h"
#include "ui/Controls.h"

namespace engine {

class TDefragMem : public ui::NonVisual {
 public:
  static constexpr int kMaxBlocks = 1024;

  TDefragMem(ui::Window* owner, std::string name, platform::MemoryInfo& memory,
             platform::BlockSource& blocks);

  // Installed bytes, captured once at construction.
  int32_t TotalMemory() const { return totalMemory_; }
  // Free bytes, from a fresh query on every read.
  int32_t FreeMemory() const;
  bool Busy() const { return busy_; }

  // One complete, synchronous run. Refused (no event) while a run is in
  // progress. An event handler's error ends the run (every block goes back)
  // and is the run's.
  ui::Status Defrag(int32_t megabytes);
  // Ends the run in progress after its current step.
  void Abort() { abortRequested_ = true; }

  ui::Event OnBeforeDefrag;
  ui::Callback<ui::Status(int progress)> OnProgress;
  ui::Event OnAfterDefrag;

 private:
  bool abortRequested_ = false;
  int32_t totalMemory_;
  bool busy_ = false;
  platform::MemoryInfo& memory_;
  platform::BlockSource& blocks_;
};

// Writes zero into every byte of a block with aligned 32-bit stores.
void ZeroFillBlock(void* block) noexcept;

}  // namespace engine

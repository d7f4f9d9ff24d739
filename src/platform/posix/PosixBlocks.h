// Blocks from mmap, for native benchmarks and tools.
#pragma once

#include "platform/Memory.h"

namespace platform::posix {

class PosixBlocks : public BlockSource {
 public:
  void* Commit() noexcept override;
  void Release(void* block) noexcept override;
};

}  // namespace platform::posix

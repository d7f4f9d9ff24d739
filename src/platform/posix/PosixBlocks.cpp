#include "platform/posix/PosixBlocks.h"

#include <sys/mman.h>

namespace platform::posix {

void* PosixBlocks::Commit() noexcept {
  void* p = mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

void PosixBlocks::Release(void* block) noexcept { munmap(block, kBlockSize); }

}  // namespace platform::posix

// Memory figures and one-megabyte blocks from the operating system.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// The six byte counts of one memory status query, as the system reports them
// (64-bit so that figures above 2 GB reach the caller, which caps them).
struct MemoryFigures {
  uint64_t totalPhys = 0, availPhys = 0;
  uint64_t totalPageFile = 0, availPageFile = 0;
  uint64_t totalVirtual = 0, availVirtual = 0;
};

class MemoryInfo {
 public:
  virtual ~MemoryInfo() = default;
  virtual MemoryFigures Query() = 0;
};

constexpr size_t kBlockSize = 1048576;

// Commits fresh, writable, uncached 1 MB blocks and gives them back.
class BlockSource {
 public:
  virtual ~BlockSource() = default;
  // A committed block of kBlockSize bytes, or nullptr when the system has none.
  virtual void* Commit() noexcept = 0;
  virtual void Release(void* block) noexcept = 0;
};

}  // namespace platform

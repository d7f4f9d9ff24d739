// Processor statistics: the Windows 9x dynamic statistics (HKEY_DYN_DATA), the
// NT performance registry (HKEY_PERFORMANCE_DATA), and the system's own
// per-processor idle times for systems whose performance data lacks them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace platform {

constexpr long kErrorSuccess = 0;
constexpr long kErrorMoreData = 234;

class PerformanceSource {
 public:
  using Key = uintptr_t;  // 0: no key

  virtual ~PerformanceSource() = default;

  // The platform family from the system's version record; nothing when the
  // version cannot be read.
  virtual std::optional<Family> WindowsFamily() = 0;

  // A key under HKEY_DYN_DATA, opened with full or read access, or 0.
  virtual Key OpenDynData(const std::string& subKey, bool fullAccess) = 0;
  // Reads a 4-byte value; false (and out untouched) when that fails.
  virtual bool ReadDynValue(Key key, const std::string& value, uint32_t& out) = 0;
  virtual void CloseDynData(Key key) = 0;

  // Queries a value of HKEY_PERFORMANCE_DATA into buffer, which holds size
  // bytes; the system's error code (kErrorMoreData when the buffer is too small).
  virtual long QueryPerformanceData(const std::string& value, uint8_t* buffer, uint32_t size) = 0;

  // The cumulative idle time of each processor and a matching time stamp, both
  // in 100-nanosecond units (the stamp counted from 1 January 1601, UTC); false
  // when the system cannot tell.
  virtual bool ProcessorIdleTimes(std::vector<int64_t>& idle, int64_t& stamp) = 0;
};

}  // namespace platform

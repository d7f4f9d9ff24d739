// Reads the processors' idle-time counters out of an NT performance data block.
// Every offset and length in the block is checked against the buffer, so a
// corrupt block is rejected instead of being read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

constexpr uint32_t kProcessorObjectIndex = 238;
constexpr uint32_t kProcessorTimeCounterIndex = 6;

struct SystemTimeFields {
  uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

// 100-nanosecond units since 1 January 1601; false for an impossible date or time.
bool SystemTimeToFileTime(const SystemTimeFields& t, int64_t& fileTime);

class PerfDataReader {
 public:
  enum class Status { Ok, NoObject, NoCounter, Corrupt };

  PerfDataReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // Finds the processor object; its instance count is then known.
  Status FindProcessorObject();
  int32_t NumInstances() const { return numInstances_; }

  // Reads the processor time counter of the first count instances into idle
  // (which must hold count entries) and the block's time stamp.
  Status ReadIdleCounters(int32_t count, std::vector<int64_t>& idle, int64_t& stamp,
                          bool& stampValid);

 private:
  bool Has(uint64_t offset, uint64_t length) const;
  uint32_t U32(uint64_t offset) const;
  uint16_t U16(uint64_t offset) const;
  int64_t I64(uint64_t offset) const;

  const uint8_t* data_;
  size_t size_;
  uint64_t object_ = 0;
  int32_t numInstances_ = -1;
  bool found_ = false;
};

}  // namespace engine

// Scriptable processor statistics and a builder of NT performance data blocks.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/PerfData.h"
#include "platform/Performance.h"

namespace fakes {

class FakePerformance : public platform::PerformanceSource {
 public:
  std::optional<platform::Family> family = platform::Family::NT;
  // Windows 9x: the keys that exist under HKEY_DYN_DATA and their usage value.
  std::set<std::string> dynKeys;
  std::map<std::string, uint32_t> dynValues;  // key path → "KERNEL\CPUUsage"
  std::vector<std::string> log;               // "open X", "read X", "close X"
  std::map<Key, std::string> openKeys;
  // NT: the block the query answers with; a buffer smaller than needed
  // (or than the block) gets kErrorMoreData.
  std::vector<uint8_t> block;
  uint32_t needed = 0;
  long failure = platform::kErrorSuccess;  // answered instead of success when set
  std::vector<uint32_t> querySizes;
  // The system's own idle times, when it has them.
  bool haveIdleTimes = false;
  std::vector<int64_t> idleTimes;
  int64_t idleStamp = 0;

  std::optional<platform::Family> WindowsFamily() override { return family; }
  Key OpenDynData(const std::string& subKey, bool fullAccess) override;
  bool ReadDynValue(Key key, const std::string& value, uint32_t& out) override;
  void CloseDynData(Key key) override;
  long QueryPerformanceData(const std::string& value, uint8_t* buffer, uint32_t size) override;
  bool ProcessorIdleTimes(std::vector<int64_t>& idle, int64_t& stamp) override;

 private:
  Key nextKey_ = 100;
};

// One object of a synthesized performance data block.
struct PerfObjectSpec {
  uint32_t titleIndex = engine::kProcessorObjectIndex;
  std::vector<uint32_t> counterIndexes{2, engine::kProcessorTimeCounterIndex, 142};
  std::vector<int64_t> idle;  // one instance per entry: the processor time counter's value
};

// A little-endian block in the 32-bit layout, with the given objects.
std::vector<uint8_t> BuildPerfBlock(const engine::SystemTimeFields& time,
                                    const std::vector<PerfObjectSpec>& objects);

}  // namespace fakes

// NT performance data blocks of any content: the processor object and its
// idle counters are found or the block is rejected, never read past its end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/PerfData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so ASan sees any read past it.
  std::vector<uint8_t> block(data, data + size);
  engine::PerfDataReader reader(block.data(), block.size());
  if (reader.FindProcessorObject() == engine::PerfDataReader::Status::Ok) {
    // A reader asks for at most the processors it knows of (a count of -1
    // means an object without instances).
    const int32_t n = reader.NumInstances();
    const int32_t count = n < 0 ? 0 : n < 64 ? n : 64;
    std::vector<int64_t> idle(static_cast<size_t>(count), 0);
    int64_t stamp = 0;
    bool stampValid = false;
    (void)reader.ReadIdleCounters(count, idle, stamp, stampValid);
  }
  if (size >= sizeof(engine::SystemTimeFields)) {
    engine::SystemTimeFields t;
    std::memcpy(&t, data, sizeof t);
    int64_t ft = 0;
    if (engine::SystemTimeToFileTime(t, ft) && ft < 0) std::abort();
  }
  return 0;
}

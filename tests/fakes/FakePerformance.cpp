#include "fakes/FakePerformance.h"

#include <cstring>

namespace fakes {

platform::PerformanceSource::Key FakePerformance::OpenDynData(const std::string& subKey, bool fullAccess) {
  log.push_back(std::string("open ") + subKey + (fullAccess ? " full" : " read"));
  if (!dynKeys.count(subKey)) return 0;
  const Key key = nextKey_++;
  openKeys[key] = subKey;
  return key;
}

bool FakePerformance::ReadDynValue(Key key, const std::string& value, uint32_t& out) {
  auto it = openKeys.find(key);
  if (it == openKeys.end()) return false;
  log.push_back("read " + it->second);
  auto v = dynValues.find(it->second);
  if (value != "KERNEL\\CPUUsage" || v == dynValues.end()) return false;
  out = v->second;
  return true;
}

void FakePerformance::CloseDynData(Key key) {
  auto it = openKeys.find(key);
  if (it == openKeys.end()) return;
  log.push_back("close " + it->second);
  openKeys.erase(it);
}

long FakePerformance::QueryPerformanceData(const std::string& value, uint8_t* buffer, uint32_t size) {
  querySizes.push_back(size);
  if (value != "238") return 2;
  const uint32_t need = std::max<uint32_t>(needed, static_cast<uint32_t>(block.size()));
  if (size < need) return platform::kErrorMoreData;
  if (failure != platform::kErrorSuccess) return failure;
  if (!block.empty()) std::memcpy(buffer, block.data(), block.size());
  return platform::kErrorSuccess;
}

bool FakePerformance::ProcessorIdleTimes(std::vector<int64_t>& idle, int64_t& stamp) {
  if (!haveIdleTimes) return false;
  idle = idleTimes;
  stamp = idleStamp;
  return true;
}

namespace {
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put64(std::vector<uint8_t>& b, size_t at, int64_t v) {
  uint64_t u;
  std::memcpy(&u, &v, sizeof u);
  Put32(b, at, static_cast<uint32_t>(u));
  Put32(b, at + 4, static_cast<uint32_t>(u >> 32));
}
}  // namespace

std::vector<uint8_t> BuildPerfBlock(const engine::SystemTimeFields& time,
                                    const std::vector<PerfObjectSpec>& objects) {
  std::vector<uint8_t> b(88, 0);
  std::memcpy(b.data(), "P\0E\0R\0F\0", 8);
  Put32(b, 8, 1);  // little endian
  Put32(b, 24, 88);
  Put32(b, 28, static_cast<uint32_t>(objects.size()));
  const uint16_t fields[] = {time.year, time.month, time.dayOfWeek, time.day,
                             time.hour, time.minute, time.second, time.milliseconds};
  for (int f = 0; f < 8; ++f) b[36 + 2 * f] = fields[f] & 0xFF, b[37 + 2 * f] = fields[f] >> 8;

  for (const auto& spec : objects) {
    const size_t object = b.size();
    const size_t counters = spec.counterIndexes.size();
    const size_t definitionLength = 64 + 40 * counters;
    const uint32_t counterBlockLength = static_cast<uint32_t>(8 + 8 * counters);
    b.resize(object + definitionLength, 0);
    Put32(b, object + 4, static_cast<uint32_t>(definitionLength));
    Put32(b, object + 8, 64);
    Put32(b, object + 12, spec.titleIndex);
    Put32(b, object + 32, static_cast<uint32_t>(counters));
    Put32(b, object + 40, static_cast<uint32_t>(spec.idle.size()));
    for (size_t c = 0; c < counters; ++c) {
      const size_t def = object + 64 + 40 * c;
      Put32(b, def, 40);
      Put32(b, def + 4, spec.counterIndexes[c]);
      Put32(b, def + 32, 8);
      Put32(b, def + 36, static_cast<uint32_t>(8 + 8 * c));
    }
    for (size_t i = 0; i < spec.idle.size(); ++i) {
      const size_t instance = b.size();
      b.resize(instance + 32 + counterBlockLength, 0);
      Put32(b, instance, 32);  // definition and its name "0"
      Put32(b, instance + 16, 24);
      Put32(b, instance + 20, 4);
      b[instance + 24] = static_cast<uint8_t>('0' + i % 10);
      const size_t block = instance + 32;
      Put32(b, block, counterBlockLength);
      for (size_t c = 0; c < counters; ++c)
        Put64(b, block + 8 + 8 * c,
              spec.counterIndexes[c] == engine::kProcessorTimeCounterIndex ? spec.idle[i] : 77777);
    }
    Put32(b, object, static_cast<uint32_t>(b.size() - object));
  }
  Put32(b, 20, static_cast<uint32_t>(b.size()));
  return b;
}

}  // namespace fakes

#include "engine/PerfData.h"

#include <cstring>

namespace engine {

// Offsets in the 32-bit layouts of PERF_DATA_BLOCK, PERF_OBJECT_TYPE,
// PERF_COUNTER_DEFINITION, PERF_INSTANCE_DEFINITION and PERF_COUNTER_BLOCK.
namespace {
constexpr uint64_t kBlockHeaderLength = 24, kBlockNumObjects = 28, kBlockSystemTime = 36,
                   kBlockSize = 88;
constexpr uint64_t kObjTotalLength = 0, kObjDefinitionLength = 4, kObjHeaderLength = 8,
                   kObjTitleIndex = 12, kObjNumCounters = 32, kObjNumInstances = 40, kObjSize = 64;
constexpr uint64_t kCtrByteLength = 0, kCtrTitleIndex = 4, kCtrOffset = 36, kCtrSize = 40;
constexpr uint64_t kInstByteLength = 0, kInstSize = 24;
constexpr uint64_t kCounterBlockSize = 4;
}  // namespace

static int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;  // days since 1970-01-01
}

bool SystemTimeToFileTime(const SystemTimeFields& t, int64_t& fileTime) {
  static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12) return false;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  const unsigned monthDays = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
  if (t.day < 1 || t.day > monthDays || t.hour > 23 || t.minute > 59 || t.second > 59 ||
      t.milliseconds > 999)
    return false;
  const int64_t days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1601, 1, 1);
  const int64_t seconds = ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
  fileTime = seconds * 10000000 + int64_t(t.milliseconds) * 10000;
  return true;
}

bool PerfDataReader::Has(uint64_t offset, uint64_t length) const {
  return offset <= size_ && length <= size_ - offset;
}

uint32_t PerfDataReader::U32(uint64_t offset) const {
  const uint8_t* p = data_ + offset;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t PerfDataReader::U16(uint64_t offset) const {
  return static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
}

int64_t PerfDataReader::I64(uint64_t offset) const {
  const uint64_t v = uint64_t(U32(offset)) | uint64_t(U32(offset + 4)) << 32;
  int64_t out;
  std::memcpy(&out, &v, sizeof out);
  return out;
}

PerfDataReader::Status PerfDataReader::FindProcessorObject() {
  found_ = false;
  if (!data_ || !Has(0, kBlockSize)) return Status::NoObject;
  const uint32_t numObjects = U32(kBlockNumObjects);
  uint64_t object = U32(kBlockHeaderLength);
  for (uint32_t k = 0; k < numObjects; ++k) {
    if (!Has(object, kObjSize)) return Status::Corrupt;
    if (U32(object + kObjTitleIndex) == kProcessorObjectIndex) {
      object_ = object;
      numInstances_ = static_cast<int32_t>(U32(object + kObjNumInstances));
      found_ = true;
      return Status::Ok;
    }
    const uint32_t length = U32(object + kObjTotalLength);
    if (length == 0) return Status::Corrupt;
    object += length;
  }
  return Status::NoObject;
}

PerfDataReader::Status PerfDataReader::ReadIdleCounters(int32_t count, std::vector<int64_t>& idle,
                                                        int64_t& stamp, bool& stampValid) {
  if (!found_) return Status::NoObject;
  const uint32_t numCounters = U32(object_ + kObjNumCounters);
  uint64_t counter = object_ + U32(object_ + kObjHeaderLength);
  bool haveCounter = false;
  for (uint32_t k = 0; k < numCounters; ++k) {
    if (!Has(counter, kCtrSize)) return Status::Corrupt;
    if (U32(counter + kCtrTitleIndex) == kProcessorTimeCounterIndex) {
      haveCounter = true;
      break;
    }
    const uint32_t length = U32(counter + kCtrByteLength);
    if (length == 0) return Status::Corrupt;
    counter += length;
  }
  if (!haveCounter) return Status::NoCounter;
  if (count < 0 || numInstances_ < count || idle.size() < static_cast<size_t>(count))
    return Status::Corrupt;

  const uint64_t valueOffset = U32(counter + kCtrOffset);
  uint64_t instance = object_ + U32(object_ + kObjDefinitionLength);
  for (int32_t i = 0; i < count; ++i) {
    if (!Has(instance, kInstSize)) return Status::Corrupt;
    const uint64_t block = instance + U32(instance + kInstByteLength);
    if (!Has(block, kCounterBlockSize) || !Has(block + valueOffset, 8)) return Status::Corrupt;
    idle[i] = I64(block + valueOffset);
    instance = block + U32(block);
  }

  SystemTimeFields t;
  uint16_t* fields[] = {&t.year, &t.month, &t.dayOfWeek, &t.day,
                        &t.hour, &t.minute, &t.second, &t.milliseconds};
  for (int f = 0; f < 8; ++f) *fields[f] = U16(kBlockSystemTime + 2 * f);
  stampValid = SystemTimeToFileTime(t, stamp);
  return Status::Ok;
}

}  // namespace engine

#include "engine/MemoryStatus.h"

#include <cmath>
#include <limits>

namespace engine {

static uint32_t Cap(uint64_t v) { return v > kFigureCap ? kFigureCap : static_cast<uint32_t>(v); }

TMemorySnapshot ReadMemoryStatus(platform::MemoryInfo& info) {
  const platform::MemoryFigures f = info.Query();
  return {Cap(f.totalPhys),     Cap(f.availPhys),    Cap(f.totalPageFile),
          Cap(f.availPageFile), Cap(f.totalVirtual), Cap(f.availVirtual)};
}

int64_t RoundHalfEven(long double x) {
  // Outside int64's range the conversion is undefined: saturate, and a value
  // that is not a number counts as 0.
  if (std::isnan(x)) return 0;
  constexpr long double kLimit = 9223372036854775808.0L;  // 2^63
  if (x >= kLimit) return std::numeric_limits<int64_t>::max();
  if (x <= -kLimit) return std::numeric_limits<int64_t>::min();
  // nearbyintl uses the current rounding mode, which is round-to-nearest-even.
  return static_cast<int64_t>(std::nearbyintl(x));
}

int64_t BytesToMb(int64_t bytes) {
  return RoundHalfEven(static_cast<long double>(bytes) / 1048576.0L);
}

int64_t FreePercent(int64_t freeBytes, int64_t totalBytes) {
  if (totalBytes == 0) return 0;
  const long double share = static_cast<long double>(freeBytes) / static_cast<long double>(totalBytes);
  return RoundHalfEven(share * 100.0L);
}

int64_t PercentOfTotalMb(int64_t totalBytes, int percent) {
  return RoundHalfEven(static_cast<long double>(totalBytes) / 104857600.0L * percent);
}

int64_t SliderTickSpacing(int64_t totalBytes) {
  return RoundHalfEven(static_cast<long double>(totalBytes) / 10485760.0L);
}

double FreeMb(const TMemorySnapshot& s) { return s.availPhys / 1048576.0; }

double LoadPercent(const TMemorySnapshot& s) {
  if (s.totalPhys == 0) return 0;
  return double(s.totalPhys - s.availPhys) / s.totalPhys * 100;
}

double PageFileUsedMb(const TMemorySnapshot& s) {
  return (double(s.totalPageFile) - double(s.availPageFile)) / 1048576.0;
}

double PageFileFreeMb(const TMemorySnapshot& s) { return s.availPageFile / 1048576.0; }

}  // namespace engine

// Memory figures and the program's only conversions to megabytes and percent.
#pragma once

#include <cstdint>

#include "platform/Memory.h"

namespace engine {

constexpr uint32_t kFigureCap = 2147483647;

// One instant's memory figures, every count capped at 2147483647.
struct TMemorySnapshot {
  uint32_t totalPhys = 0, availPhys = 0;
  uint32_t totalPageFile = 0, availPageFile = 0;
  uint32_t totalVirtual = 0, availVirtual = 0;
};

TMemorySnapshot ReadMemoryStatus(platform::MemoryInfo& info);

// Nearest integer, an exact half going to the even neighbour.
int64_t RoundHalfEven(long double x);

// Whole megabytes: bytes / 1048576 in extended precision, rounded half-even.
int64_t BytesToMb(int64_t bytes);
// free / total × 100 (division first); 0 when nothing is installed.
int64_t FreePercent(int64_t freeBytes, int64_t totalBytes);
// total / 104857600 × p (division first).
int64_t PercentOfTotalMb(int64_t totalBytes, int percent);
// The amount slider's tick spacing: total / 10485760.
int64_t SliderTickSpacing(int64_t totalBytes);

// Unrounded figures for the gauges.
double FreeMb(const TMemorySnapshot& s);
double LoadPercent(const TMemorySnapshot& s);
double PageFileUsedMb(const TMemorySnapshot& s);
double PageFileFreeMb(const TMemorySnapshot& s);

}  // namespace engine

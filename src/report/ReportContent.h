// What the result report shows: three figures with their bars and the
// eleven report lines, built once from the run that just ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/MemoryStatus.h"

namespace report {

// Everything the report reads at creation, besides a fresh memory query.
struct TReportInputs {
  std::string RunStartTime, RunStartDate, RunEndTime, RunEndDate;
  std::string RunElapsedText;
  int32_t FreeBeforeRun = 0, FreeAfterRun = 0;  // bytes
  int32_t TotalMemory = 0;                      // installed bytes
  double SwapValue = 0, SwapMaxValue = 0;       // swap in use and swap size, megabytes
  std::string CloseReport, ReportDelay;         // the settings' texts
};

struct TReportFigure {
  std::string text;  // "Free RAM before freeing: 40 Mb (16% )"
  int percent = 0;   // for the bar
};

struct TReportContent {
  TReportFigure before, after, swap;
  std::vector<std::string> lines;
};

// Without a swap file (size 0) the swap share reads 0 %, and a size or
// value that is no finite number counts as 0 too.
TReportContent BuildReportContent(const TReportInputs& in, const engine::TMemorySnapshot& now);

}  // namespace report

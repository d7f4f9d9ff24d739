// What a freeing run leaves behind for the result report.
#pragma once

#include <cstdint>
#include <string>

namespace app {

struct TRunRecord {
  std::string RunStartTime;    // time of day, long time format
  std::string RunEndTime;
  std::string RunElapsedText;  // ElapsedTimeText of the run
  int32_t FreeBeforeRun = 0;   // free bytes
  int32_t FreeAfterRun = 0;
  std::string RunStartDate;    // short date format
  std::string RunEndDate;
};

// "Elapsed time: 1h 0m 5s": hours only when there are any, minutes when
// there are hours or minutes, seconds always.
std::string ElapsedTimeText(uint64_t ms);

// The change of free memory over the run in whole megabytes; negative when
// less was free afterwards.
int64_t GainedMb(const TRunRecord& run);

}  // namespace app

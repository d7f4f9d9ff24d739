// The time: a millisecond counter for durations, and the time of day and the
// date as the user's regional settings write them, and their decimal separator.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the system started; wraps after about 49.7 days.
  virtual uint32_t TickCount() = 0;
  // The time of day now in the long time format.
  virtual std::string TimeText() = 0;
  // Today in the short date format.
  virtual std::string DateText() = 0;
  // The decimal separator of the same regional settings.
  virtual std::string DecimalSeparator() = 0;
};

}  // namespace platform

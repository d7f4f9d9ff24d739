// Local date-time arithmetic and formatting by pattern, for the uptime box.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Tools.h"

namespace tools {

// t moved by ms milliseconds (negative: back in time), across days, months and years.
platform::LocalTime AddMilliseconds(const platform::LocalTime& t, int64_t ms);
// 0 is Sunday.
int Weekday(const platform::LocalTime& t);

// Formats t by pattern: text in double or single quotes is copied; dddd the
// full weekday name, mmmm the full month name, d/dd the day, m/mm the month,
// yy/yyyy the year, h/hh, n/nn, s/ss hour, minute and second (one letter: no
// leading zero); AM/PM switches to the 12-hour clock and writes AM or PM.
// Every other character is copied.
std::string FormatDateTime(const std::string& pattern, const platform::LocalTime& t,
                           platform::Calendar& names);

// text as a quoted piece of a pattern: copied unchanged whatever it contains.
std::string Quoted(const std::string& text);

}  // namespace tools

#include "tools/DateTimeFormat.h"

#include "text/Text.h"

namespace tools {

namespace {

constexpr int64_t kDayMs = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, platform::LocalTime& t) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0); }

std::string Number(int value, size_t digits) {
  std::string s = std::to_string(value);
  if (s.size() < digits) s.insert(0, digits - s.size(), '0');
  return s;
}

bool MatchesAmPm(const std::string& pattern, size_t at) {
  static const char kAmPm[] = "AM/PM";
  if (pattern.size() - at < 5) return false;
  for (size_t i = 0; i < 5; ++i)
    if (text::UpperChar(pattern[at + i]) != kAmPm[i]) return false;
  return true;
}

}  // namespace

platform::LocalTime AddMilliseconds(const platform::LocalTime& t, int64_t ms) {
  const int64_t total = DaysFromCivil(t.year, t.month, t.day) * kDayMs +
                        ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond + ms;
  const int64_t days = FloorDiv(total, kDayMs);
  int64_t rest = total - days * kDayMs;
  platform::LocalTime out;
  CivilFromDays(days, out);
  out.millisecond = static_cast<int>(rest % 1000);
  rest /= 1000;
  out.second = static_cast<int>(rest % 60);
  rest /= 60;
  out.minute = static_cast<int>(rest % 60);
  out.hour = static_cast<int>(rest / 60);
  return out;
}

int Weekday(const platform::LocalTime& t) {
  // 1970-01-01 was a Thursday.
  const int64_t days = DaysFromCivil(t.year, t.month, t.day);
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

std::string FormatDateTime(const std::string& pattern, const platform::LocalTime& t,
                           platform::Calendar& names) {
  bool twelveHour = false;
  for (size_t i = 0; i < pattern.size(); ++i)
    if (pattern[i] == '"' || pattern[i] == '\'') {
      const size_t close = pattern.find(pattern[i], i + 1);
      if (close == std::string::npos) break;
      i = close;
    } else if (MatchesAmPm(pattern, i)) {
      twelveHour = true;
    }

  std::string out;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      const size_t close = pattern.find(c, i + 1);
      const size_t end = close == std::string::npos ? pattern.size() : close;
      out.append(pattern, i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    if (MatchesAmPm(pattern, i)) {
      out += t.hour < 12 ? "AM" : "PM";
      i += 5;
      continue;
    }
    const char lower = text::LowerChar(c);
    size_t run = 1;
    while (i + run < pattern.size() &&
           text::LowerChar(pattern[i + run]) == lower)
      ++run;
    const size_t two = run >= 2 ? 2 : 1;
    switch (lower) {
      case 'd': out += run >= 4 ? names.DayName(Weekday(t)) : Number(t.day, two); break;
      case 'm': out += run >= 4 ? names.MonthName(t.month) : Number(t.month, two); break;
      case 'y': out += run >= 3 ? Number(t.year, 4) : Number(t.year % 100, 2); break;
      case 'h': {
        const int hour = twelveHour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
        out += Number(hour, two);
        break;
      }
      case 'n': out += Number(t.minute, two); break;
      case 's': out += Number(t.second, two); break;
      default: out.append(pattern, i, run);
    }
    i += run;
  }
  return out;
}

std::string Quoted(const std::string& text) {
  // A double quote cannot stand inside double quotes; it goes in single ones.
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"'\"'\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace tools

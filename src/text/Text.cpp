#include "text/Text.h"

#include <limits>

#include "text/Error.h"

namespace text {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}

std::optional<int32_t> ParseInt(std::string_view s) {
  s = Trim(s);
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : s) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && UpperChar(c) >= 'A' && UpperChar(c) <= 'F') digit = UpperChar(c) - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > int64_t(std::numeric_limits<uint32_t>::max())) return std::nullopt;
  }
  if (negative) value = -value;
  if (base == 10 && (value > std::numeric_limits<int32_t>::max() ||
                     value < std::numeric_limits<int32_t>::min()))
    return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

Result<int32_t> ToInt(std::string_view s) {
  const bool signedText = !s.empty() && (s[0] == '-' || s[0] == '+');
  bool decimal = s.size() > size_t(signedText);
  for (size_t i = signedText; i < s.size(); ++i) decimal = decimal && s[i] >= '0' && s[i] <= '9';
  if (decimal)
    if (auto v = ParseInt(s)) return *v;
  return Error("'" + std::string(s) + "' is not a valid integer value");
}

std::string FromInt(int64_t v) { return std::to_string(v); }

}  // namespace text

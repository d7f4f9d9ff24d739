// Small text helpers shared by every subsystem: 8-bit texts, ASCII case rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/Error.h"

namespace text {

bool EqualsNoCase(std::string_view a, std::string_view b);
// ASCII letters only, as the C library's "C" locale has it.
constexpr char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
constexpr char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
std::string Upper(std::string_view s);
// Removes leading and trailing blanks and control characters (codes up to 32).
std::string_view Trim(std::string_view s);
// Decimal integer text with optional sign and surrounding blanks, or "$" hex;
// nothing when the text is not a 32-bit integer.
std::optional<int32_t> ParseInt(std::string_view s);
// A number setting: decimal digits with an optional sign and nothing else
// (no blanks, no hex); an invalid text fails with "'%s' is not a valid integer value".
Result<int32_t> ToInt(std::string_view s);
std::string FromInt(int64_t v);

}  // namespace text

// Small text helpers shared by every subsystem: 8-bit texts, ASCII case rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string Upper(std::string_view s);
// Removes leading and trailing blanks and control characters (codes up to 32).
std::string_view Trim(std::string_view s);
// Decimal integer text with optional sign and surrounding blanks, or "$" hex;
// nothing when the text is not a 32-bit integer.
std::optional<int32_t> ParseInt(std::string_view s);
// A number setting: decimal digits with an optional sign and nothing else
// (no blanks, no hex); an invalid text raises "'%s' is not a valid integer value".
int32_t ToInt(std::string_view s);
std::string FromInt(int64_t v);

}  // namespace text

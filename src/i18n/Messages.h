// The built-in English message texts, by message id.
#pragma once

#include <span>
#include <string_view>

namespace i18n {

struct BuiltInMessage {
  std::string_view id;
  std::string_view english;
};

// Every message id in table order. Ids are "M" and two digits; where the
// number would end in 0 an extra 1 follows (M101, not M10).
std::span<const BuiltInMessage> BuiltInMessages();

// The English text of a message id (matched exactly), or empty for an id
// that is not in the table.
std::string_view EnglishText(std::string_view id);

}  // namespace i18n

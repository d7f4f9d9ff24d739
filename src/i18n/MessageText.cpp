#include "i18n/MessageText.h"

#include "i18n/LanguageFile.h"
#include "i18n/LanguageTable.h"
#include "i18n/Messages.h"

namespace i18n {

namespace {

constexpr std::string_view kLineBreakMark = "*|*";
constexpr std::string_view kCrLf = "\r\n";

}  // namespace

std::string JoinMessageLines(std::string_view value) {
  if (value.find(kLineBreakMark) == std::string_view::npos) return std::string(value);
  std::string result;
  size_t start = 0;
  for (size_t mark; (mark = value.find(kLineBreakMark, start)) != std::string_view::npos;
       start = mark + kLineBreakMark.size()) {
    const std::string_view piece = value.substr(start, mark - start);
    if (!result.empty()) {
      result += kCrLf;
      result += piece;
    } else {
      result = piece;
    }
  }
  result += kCrLf;
  result += value.substr(start);
  return result;
}

std::string GetMessageText(const LanguageTable* table, std::string_view english, std::string_view id) {
  if (!table) return std::string(english);
  const std::string* value = table->Find("Misc", id);
  return value ? JoinMessageLines(*value) : std::string();
}

std::string GetMessageText(std::string_view english, std::string_view id) {
  return GetMessageText(CurrentLanguage(), english, id);
}

std::string Message(std::string_view id) { return GetMessageText(EnglishText(id), id); }

}  // namespace i18n

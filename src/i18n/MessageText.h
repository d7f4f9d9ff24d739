// Message texts by id: English while no language table is loaded, otherwise
// the table's section Misc.
#pragma once

#include <string>
#include <string_view>

namespace i18n {

class LanguageTable;

// The text to show for a message. With a table loaded, a missing id gives
// the empty text, and "*|*" in the value stands for a line break.
std::string GetMessageText(std::string_view english, std::string_view id);
std::string GetMessageText(const LanguageTable* table, std::string_view english, std::string_view id);

// GetMessageText with the id's built-in English text.
std::string Message(std::string_view id);

// Cuts the value at every "*|*" and joins the pieces with CR LF; empty
// pieces at the very start collapse into one leading line break.
std::string JoinMessageLines(std::string_view value);

}  // namespace i18n

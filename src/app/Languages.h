// The Language menu's nine items, in menu order, with their files.
#pragma once

#include <array>

namespace app {

struct LanguageItem {
  const char* name;
  const char* caption;
  // Relative to the program folder; a leading "/" makes no difference.
  const char* file;
};

inline constexpr std::array<LanguageItem, 9> kLanguages = {{
    {"Eng", "English", "/Language/English.ini"},
    {"Ger", "German", "/Language/German.ini"},
    {"Fr", "French", "/Language/French.ini"},
    {"Ital", "Italian", "/Language/Italian.ini"},
    {"Pol", "Polish", "/Language/Polish.ini"},
    {"Bul", "Bulgarian", "/Language/Bulgarian.ini"},
    {"Rus", "Russian", "Language/Russian.ini"},
    {"UA", "Ukrainian", "/Language/Ukrainian.ini"},
    {"Chi", "Chinese", "Language/Chinese.ini"},
}};

// The order in which start-up visits the items; only the checked one acts.
inline constexpr std::array<const char*, 9> kLanguageStartupOrder = {
    "Rus", "Chi", "Eng", "Ger", "Ital", "Fr", "UA", "Bul", "Pol"};

}  // namespace app

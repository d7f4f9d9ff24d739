// The shipped language files, and every window opened the way the program
// opens it, for the tests that read what each language shows.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ui {
class Window;
}

namespace i18n_test {

struct Shipped {
  const char* name;  // the file is name + ".ini"
  unsigned codePage;
};
inline constexpr Shipped kShipped[] = {
    {"English", 1252}, {"German", 1252},    {"French", 1252},    {"Italian", 1252}, {"Polish", 1250},
    {"Bulgarian", 1251}, {"Russian", 1251}, {"Ukrainian", 1251}, {"Chinese", 936},
};

// The file's bytes from the source tree's folder, or from the folder that
// BRANTELLE_LANGUAGE_FILES names (to try the tests on another set); empty
// when there is none.
std::string ReadShipped(const std::string& name);

// Starts the main window with these bytes as the checked language's file
// (none: no file, the built-in English) and opens the settings dialog, the
// colour window from it, the result report, the processor window and the
// swap file window as their buttons and menus do. `visit` sees each window
// as it shows, the main window first.
void VisitWindows(const std::optional<std::string>& file, const std::function<void(ui::Window&)>& visit);

}  // namespace i18n_test

// Re-captioning windows from a language table.
#pragma once

#include <span>

namespace ui {
class Window;
}

namespace i18n {

class LanguageTable;

// Sets the window's title and its components' captions, hints, lines and
// items from the window's section. Entries only replace existing texts; an
// empty value leaves a caption, hint or item alone but empties a line.
void ApplyLanguage(ui::Window& window, const LanguageTable& table);
void ApplyLanguage(std::span<ui::Window* const> windows, const LanguageTable& table);

// What every window does right after it is created: applies the current
// language table, when one is loaded.
void ApplyCurrentLanguage(ui::Window& window);

}  // namespace i18n

#include "i18n/ApplyLanguage.h"

#include <string>

#include "i18n/LanguageFile.h"
#include "i18n/LanguageTable.h"
#include "ui/Window.h"

namespace i18n {

namespace {

// A memo line whose entry has this value, or no entry, stays as it is.
constexpr std::string_view kUnchangedLine = "fsdef";

std::string Indexed(const std::string& prefix, const char* list, size_t i) {
  return prefix + list + '[' + std::to_string(i) + ']';
}

}  // namespace

void ApplyLanguage(ui::Window& window, const LanguageTable& table) {
  const std::string& section = window.Name();
  if (table.EntryCount(section) == 0) return;  // nothing for this window
  if (const std::string* title = table.Find(section, section + ".Caption"); title && !title->empty())
    window.SetCaption(*title);

  for (const auto& owned : window.Components()) {
    ui::Component& c = *owned;
    const std::string prefix = section + '.' + c.Name() + '.';
    if (c.HasCaption())
      if (const std::string* v = table.Find(section, prefix + "Caption"); v && !v->empty())
        c.SetCaption(*v);
    if (const std::string* v = table.Find(section, prefix + "Hint"); v && !v->empty())
      c.SetHint(*v);
    for (size_t i = 0, n = c.LineCount(); i < n; ++i)
      if (const std::string* v = table.Find(section, Indexed(prefix, "lines", i)); v && *v != kUnchangedLine)
        c.SetLine(i, *v);
    for (size_t i = 0, n = c.ItemCount(); i < n; ++i)
      if (const std::string* v = table.Find(section, Indexed(prefix, "items", i)); v && !v->empty())
        c.SetItem(i, *v);
  }
}

void ApplyLanguage(std::span<ui::Window* const> windows, const LanguageTable& table) {
  for (ui::Window* w : windows)
    if (w) ApplyLanguage(*w, table);
}

void ApplyCurrentLanguage(ui::Window& window) {
  if (const LanguageTable* table = CurrentLanguage()) ApplyLanguage(window, *table);
}

}  // namespace i18n

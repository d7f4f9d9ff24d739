// Alt+letter must reach one control: within what a window offers at once
// (its controls and menu bar, each page with them, a tab strip, each menu's
// items) no two captions mark the same letter, in any shipped language.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/Menu.h"
#include "ui/PageControl.h"
#include "ui/Window.h"
#include "unit/i18n/ShippedWindows.h"

namespace {

// Upper case in the single-byte code pages the files use.
unsigned char Upper(unsigned char c, unsigned codePage) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c < 0x80) return c;
  if (codePage == 1251) {
    if (c >= 0xE0) return c - 0x20;
    switch (c) {
      case 0xB8: return 0xA8;  // ё
      case 0xBA: return 0xAA;  // є
      case 0xBF: return 0xAF;  // ї
      case 0xB3: return 0xB2;  // і
      case 0xB4: return 0xA5;  // ґ
      case 0xA2: return 0xA1;  // ў
      default: return c;
    }
  }
  // 1250 and 1252 keep the letters of the Latin-1 block where it has them.
  if (c >= 0xE0 && c != 0xF7 && c != 0xFF) return c - 0x20;
  if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 0x10;  // š, œ or ś, ž
  if (codePage == 1250)
    switch (c) {
      case 0x9D: case 0x9F: return c - 0x10;  // ť, ź
      case 0xB3: return 0xA3;                  // ł
      case 0xB9: return 0xA5;                  // ą
      case 0xBA: return 0xAA;                  // ş
      case 0xBE: return 0xBC;                  // ľ
      case 0xBF: return 0xAF;                  // ż
      default: return c;
    }
  return c == 0xFF ? 0x9F : c;  // ÿ
}

// The key a caption's "&" marks, upper-cased; empty when it marks none ("&&"
// is a plain "&").
std::string Accelerator(const std::string& caption, unsigned codePage) {
  const auto lead = [codePage](unsigned char c) { return codePage == 936 && c >= 0x81; };
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (lead(c)) {
      ++i;
      continue;
    }
    if (c != '&') continue;
    const auto next = static_cast<unsigned char>(caption[i + 1]);
    if (next == '&') {
      ++i;
      continue;
    }
    if (lead(next)) return caption.substr(i + 1, 2);
    return std::string(1, static_cast<char>(Upper(next, codePage)));
  }
  return {};
}

struct Group {
  std::string name;
  std::vector<const ui::Component*> members;
};

const ui::TabSheet* PageOf(const ui::Component& c) {
  for (const ui::Component* up = c.Parent(); up; up = up->Parent())
    if (up->GetKind() == ui::Kind::TabSheet) return static_cast<const ui::TabSheet*>(up);
  return nullptr;
}

// Labels and header bars show "&" as it stands.
bool TakesAccelerator(const ui::Component& c) {
  switch (c.GetKind()) {
    case ui::Kind::Button: case ui::Kind::CheckBox: case ui::Kind::RadioButton: case ui::Kind::GroupBox:
      return c.Showing();
    default: return false;
  }
}

std::vector<Group> Groups(const ui::Window& w) {
  std::vector<Group> groups;
  Group window{w.Name(), {}};
  std::map<const ui::TabSheet*, Group> pages;
  for (const auto& owned : w.Components()) {
    const ui::Component& c = *owned;
    if (TakesAccelerator(c)) {
      if (const ui::TabSheet* page = PageOf(c)) pages[page].members.push_back(&c);
      else window.members.push_back(&c);
    }
    if (c.GetKind() == ui::Kind::PageControl) {
      Group tabs{w.Name() + "." + c.Name() + " tabs", {}};
      for (const ui::TabSheet* page : static_cast<const ui::PageControl&>(c).Pages()) tabs.members.push_back(page);
      groups.push_back(tabs);
    }
    std::vector<ui::MenuItem*> items;
    if (c.GetKind() == ui::Kind::Menu) items = static_cast<const ui::Menu&>(c).Items();
    if (c.GetKind() == ui::Kind::MenuItem) items = static_cast<const ui::MenuItem&>(c).Items();
    if (items.empty()) continue;
    Group menu{w.Name() + "." + c.Name() + " items", {}};
    for (const ui::MenuItem* item : items)
      if (!item->IsSeparator()) menu.members.push_back(item);
    // The menu bar answers Alt+letter beside the window's controls.
    if (&c == w.MainMenu()) window.members.insert(window.members.end(), menu.members.begin(), menu.members.end());
    else groups.push_back(menu);
  }
  // A page shows with the window's own controls around it.
  for (auto& [page, group] : pages) {
    group.name = w.Name() + "." + page->Name();
    group.members.insert(group.members.end(), window.members.begin(), window.members.end());
    groups.push_back(group);
  }
  groups.push_back(window);
  return groups;
}

std::string Clashes(const ui::Window& w, unsigned codePage) {
  std::string faults;
  for (const Group& g : Groups(w)) {
    std::map<std::string, const ui::Component*> taken;
    for (const ui::Component* c : g.members) {
      const std::string key = Accelerator(c->Caption(), codePage);
      if (key.empty()) continue;
      const auto [at, fresh] = taken.emplace(key, c);
      if (!fresh)
        faults += " " + g.name + ": \"" + at->second->Caption() + "\" (" + at->second->Name() + ") and \"" +
                  c->Caption() + "\" (" + c->Name() + ");";
    }
  }
  return faults;
}

}  // namespace

TEST(Accelerators, NoTwoCaptionsReachedAtOnceShareALetterInAnyLanguage) {
  for (const auto& lang : i18n_test::kShipped) {
    const std::string file = i18n_test::ReadShipped(lang.name);
    ASSERT_FALSE(file.empty()) << lang.name;
    std::string faults;
    int windows = 0;
    i18n_test::VisitWindows(file, [&](ui::Window& w) {
      ++windows;
      faults += Clashes(w, lang.codePage);
    });
    EXPECT_EQ(windows, 6) << lang.name;
    EXPECT_TRUE(faults.empty()) << lang.name << ":" << faults;
  }
}

// The shipped language files against the windows they translate: each file
// parses, has every message id and every text a user reads, and nothing that
// names a missing component or a text the program builds or stores.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "i18n/IniLang.h"
#include "text/Text.h"
#include "ui/EditControls.h"
#include "ui/Memo.h"
#include "ui/Window.h"
#include "unit/i18n/ShippedWindows.h"

namespace {

using i18n_test::ReadShipped;

// Every key a file may hold for a window, with the window's English text;
// required keys are those with a text a user reads.
struct Keys {
  std::map<std::string, std::string> allowed;  // upper-case key -> English text
  std::set<std::string> required;
  std::vector<std::pair<std::string, std::string>> inOrder;  // required keys as spelled, in window order
};

// What a window shows under the keys a file could address: its title, each
// component's caption and hint, the lines of a text box and the items of a
// list that takes them.
using Shown = std::map<std::string, std::map<std::string, std::string>>;  // window -> key -> text
using Order = std::map<std::string, std::vector<std::string>>;             // window -> keys in window order

// What shows the system's data, or holds a setting, is never translated.
bool SystemData(const ui::Window& w, const ui::Component& c) {
  if (w.Name() == "MainForm") return c.GetKind() == ui::Kind::Label && !c.Visible();  // the setting labels
  if (w.Name() == "CpuForm") return c.Name().rfind("lbl", 0) == 0;                    // what was detected
  if (w.Name() == "VMem") return c.Name() == "DriveBox" || c.Name() == "DriveComboBox1";  // drive names
  return false;
}

void Collect(const ui::Window& w, Shown& shown, Order* order) {
  auto& texts = shown[w.Name()];
  const auto add = [&](const std::string& key, const std::string& text) {
    texts[key] = text;
    if (order) (*order)[w.Name()].push_back(key);
  };
  add(w.Name() + ".Caption", w.Caption());
  for (const auto& owned : w.Components()) {
    const ui::Component& c = *owned;
    if (SystemData(w, c)) continue;
    const std::string prefix = w.Name() + "." + c.Name() + ".";
    if (c.HasCaption()) add(prefix + "Caption", c.Caption());
    add(prefix + "Hint", c.Hint());
    const auto indexed = [&](const char* list, const std::vector<std::string>& all, size_t count) {
      for (size_t i = 0; i < count && i < all.size(); ++i) add(prefix + list + "[" + std::to_string(i) + "]", all[i]);
    };
    if (const auto* memo = dynamic_cast<const ui::Memo*>(&c)) indexed("lines", memo->Lines(), c.LineCount());
    if (const auto* colours = dynamic_cast<const ui::ColorBox*>(&c)) indexed("items", colours->Items(), c.ItemCount());
    if (const auto* list = dynamic_cast<const ui::ComboBox*>(&c)) indexed("items", list->Items(), c.ItemCount());
  }
}

Shown ShownWith(const std::optional<std::string>& file, Order* order = nullptr) {
  Shown shown;
  i18n_test::VisitWindows(file, [&](ui::Window& w) { Collect(w, shown, order); });
  return shown;
}

// A file that marks each text with its own key ("#MainForm.Go.Caption"), and
// each message with its id; without the windows' entries, the messages only.
std::string MarkedFile(const Order& keys, bool windows) {
  std::string file;
  for (const auto& [window, all] : keys) {
    if (!windows) break;
    file += "[" + window + "]\n";
    for (const auto& key : all) file += key + "=#" + key + "\n";
  }
  file += "[Misc]\n";
  for (const auto& m : i18n::BuiltInMessages()) file += std::string(m.id) + "=#" + std::string(m.id) + "\n";
  return file;
}

// Every window's keys, taken from the windows as the program opens them. A
// file's entry counts where the window shows it, whatever the program puts
// around it; where the program replaces it afterwards, or builds the text
// from messages and figures (the report's lines), no file may set it.
std::map<std::string, Keys> WindowKeys() {
  Order order;
  const Shown english = ShownWith(std::nullopt, &order);
  const Shown marked = ShownWith(MarkedFile(order, true));
  const Shown fromMessages = ShownWith(MarkedFile(order, false));
  std::map<std::string, Keys> all;
  for (const auto& [window, keys] : order) {
    Keys& k = all[window];
    for (const std::string& key : keys) {
      const std::string& text = english.at(window).at(key);
      const auto find = [&](const Shown& s) -> std::string {
        const auto w = s.find(window);
        if (w == s.end()) return {};
        const auto t = w->second.find(key);
        return t == w->second.end() ? std::string() : t->second;
      };
      if (find(marked).find("#" + key) == std::string::npos || find(fromMessages) != text) continue;
      k.allowed[text::Upper(key)] = text;
      if (text::Trim(text).empty() || text == "-") continue;
      k.required.insert(text::Upper(key));
      k.inOrder.emplace_back(key, text);
    }
  }
  return all;
}

std::string Check(const std::string& file, const std::map<std::string, Keys>& windows) {
  const std::string bytes = ReadShipped(file);
  if (bytes.empty()) return "missing or empty";
  const i18n::LanguageTable table = i18n::LanguageTable::Parse(bytes);
  std::string faults;
  for (const auto& m : i18n::BuiltInMessages())
    if (const std::string* v = table.Find("Misc", m.id); !v || v->empty())
      faults += " no " + std::string(m.id) + ";";
  for (const auto& [window, keys] : windows)
    for (const auto& key : keys.required)
      if (const std::string* v = table.Find(window, key); !v || v->empty())
        faults += " no " + key + " (\"" + std::string(text::Trim(keys.allowed.at(key))) + "\");";

  // Reading the file back by line finds keys that name nothing.
  std::string section;
  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line);) {
    const std::string t(text::Trim(line));
    if (t.empty() || t[0] == ';') continue;
    if (t.front() == '[' && t.back() == ']') {
      section = text::Upper(t.substr(1, t.size() - 2));
      if (section != "MISC" && !windows.count(t.substr(1, t.size() - 2)))
        faults += " unknown section " + t + ";";
      continue;
    }
    const std::string key = text::Upper(text::Trim(t.substr(0, t.find('='))));
    if (section == "MISC") {
      bool known = false;
      for (const auto& m : i18n::BuiltInMessages()) known |= text::Upper(m.id) == key;
      if (!known) faults += " unknown id " + key + ";";
      continue;
    }
    bool found = false;
    for (const auto& [window, keys] : windows)
      if (text::Upper(window) == section) found = keys.allowed.count(key) > 0;
    if (!found) faults += " stray " + key + ";";
  }
  return faults;
}

}  // namespace

TEST(LanguageFiles, EveryFileCoversEveryWindowAndNothingElse) {
  const auto windows = WindowKeys();
  for (const char* w : {"MainForm", "SetupForm", "MoreForm", "ReportForm", "CpuForm", "VMem"})
    EXPECT_FALSE(windows.at(w).required.empty()) << w;
  for (const auto& file : i18n_test::kShipped) EXPECT_EQ(Check(file.name, windows), "") << file.name;
}

TEST(LanguageFiles, EnglishRestatesTheBuiltInTexts) {
  const auto windows = WindowKeys();
  const i18n::LanguageTable english = i18n::LanguageTable::Parse(ReadShipped("English"));
  for (const auto& m : i18n::BuiltInMessages())
    EXPECT_EQ(i18n::GetMessageText(&english, "", m.id), m.english) << m.id;
  for (const auto& [window, keys] : windows)
    for (const auto& [key, text] : keys.allowed)
      if (const std::string* v = english.Find(window, key)) {
        EXPECT_EQ(*v, text::Trim(text)) << key;
      }
}

// Prints the English file's window sections from the windows themselves:
// the starting point of a new language file.
TEST(LanguageFiles, DISABLED_PrintWindowTexts) {
  for (const auto& [window, keys] : WindowKeys()) {
    std::printf("[%s]\n", window.c_str());
    for (const auto& [key, text] : keys.inOrder) std::printf("%s=%s\n", key.c_str(), std::string(text::Trim(text)).c_str());
    std::printf("\n");
  }
  std::printf("[Misc]\n");
  for (const auto& m : i18n::BuiltInMessages()) {
    std::string v(m.english);
    for (size_t p; (p = v.find("\r\n")) != std::string::npos;) v.replace(p, 2, "*|*");
    std::printf("%s=%s\n", std::string(m.id).c_str(), v.c_str());
  }
}

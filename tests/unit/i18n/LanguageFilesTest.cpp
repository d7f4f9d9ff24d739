// The shipped language files against the windows they translate: each file
// parses, has every message id and every text a user reads, and nothing that
// names a missing component or a text the program builds or stores.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "fakes/Errors.h"
#include "cpu/CpuFrm.h"
#include "fakes/FakeCpu.h"
#include "gauges/MoreFrm.h"
#include "i18n/IniLang.h"
#include "report/ReportFrm.h"
#include "settings/SetupFrm.h"
#include "text/Text.h"
#include "tools/vcache.h"
#include "unit/settings/SettingsRig.h"

namespace {

constexpr const char* kLanguageFiles[] = {"English", "German",    "French",    "Italian", "Polish",
                                          "Bulgarian", "Russian", "Ukrainian", "Chinese"};

std::string ReadFile(const std::string& name) {
  std::ifstream in(std::string(BRANTELLE_LANGUAGE_DIR) + "/" + name + ".ini", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every key a file may hold for a window, with the window's English text;
// required keys are those with a text a user reads.
struct Keys {
  std::map<std::string, std::string> allowed;  // upper-case key -> English text
  std::set<std::string> required;
  std::vector<std::pair<std::string, std::string>> inOrder;  // required keys as spelled, in window order
};

// Texts that no file may set: built or stored by the program, or fixed.
using Excluded = std::function<bool(const ui::Component&)>;

void Collect(const ui::Window& w, const Excluded& excluded, const std::set<std::string>& programSet, Keys& keys) {
  const auto add = [&](const std::string& key, const std::string& english) {
    const std::string upper = text::Upper(key);
    if (programSet.count(upper)) return;
    keys.allowed[upper] = english;
    if (english.empty() || english == "-") return;
    keys.required.insert(upper);
    keys.inOrder.emplace_back(key, english);
  };
  add(w.Name() + ".Caption", w.Caption());
  for (const auto& owned : w.Components()) {
    const ui::Component& c = *owned;
    if (excluded(c)) continue;
    const std::string prefix = w.Name() + "." + c.Name() + ".";
    if (c.HasCaption()) add(prefix + "Caption", c.Caption());
    add(prefix + "Hint", c.Hint());
    if (const auto* colours = dynamic_cast<const ui::ColorBox*>(&c))
      for (size_t i = 0; i < colours->ItemCount(); ++i)
        add(prefix + "items[" + std::to_string(i) + "]", colours->Items()[i]);
    else if (const auto* list = dynamic_cast<const ui::ComboBox*>(&c))
      for (size_t i = 0; i < list->ItemCount(); ++i)
        add(prefix + "items[" + std::to_string(i) + "]", list->Items()[i]);
  }
}

// The captions and hints that the program sets after a file was applied to
// the window (then runs): marked with their own key in a table, they do not
// keep the mark.
std::set<std::string> ProgramSetTexts(ui::Window& form, const Excluded& excluded, const std::function<void()>& then) {
  const std::string w = form.Name();
  std::string table = "[" + w + "]\n";
  const auto mark = [](const std::string& key) { return "#" + key; };
  std::vector<std::string> keys;
  for (const auto& owned : form.Components()) {
    if (excluded(*owned)) continue;
    const std::string prefix = w + "." + owned->Name() + ".";
    for (const char* prop : {"Caption", "Hint"}) keys.push_back(prefix + prop);
  }
  keys.push_back(w + ".Caption");
  for (const auto& k : keys) table += k + "=" + mark(k) + "\n";
  table += "[Misc]\n";
  for (const auto& m : i18n::BuiltInMessages()) table += std::string(m.id) + "=#" + std::string(m.id) + "\n";
  i18n::SetCurrentLanguage(i18n::LanguageTable::Parse(table));
  i18n::ApplyLanguage(form, *i18n::CurrentLanguage());
  then();
  std::set<std::string> changed;
  if (form.Caption() != mark(w + ".Caption")) changed.insert(text::Upper(w + ".Caption"));
  for (const auto& owned : form.Components()) {
    if (excluded(*owned)) continue;
    const std::string prefix = w + "." + owned->Name() + ".";
    if (owned->HasCaption() && owned->Caption() != mark(prefix + "Caption"))
      changed.insert(text::Upper(prefix + "Caption"));
    if (owned->Hint() != mark(prefix + "Hint")) changed.insert(text::Upper(prefix + "Hint"));
  }
  i18n::SetCurrentLanguage(std::nullopt);
  return changed;
}

bool IsNamed(const ui::Component& c, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (c.Name() == n) return true;
  return false;
}

// Every window's keys, taken from freshly built English windows.
std::map<std::string, Keys> WindowKeys() {
  std::map<std::string, Keys> all;
  fakes::FakeSystem sys;
  settings_test::Rig rig(sys);

  const Excluded settingLabels = [](const ui::Component& c) {
    return c.GetKind() == ui::Kind::Label && !c.Visible();
  };
  {
    fakes::FakeSystem fresh;
    settings_test::Rig marked(fresh);
    Collect(*rig.form, settingLabels,
            ProgramSetTexts(*marked.form, settingLabels, [&] { EXPECT_OK(marked.form->ApplyBuiltInTexts()); }), all["MainForm"]);
  }

  const Excluded none = [](const ui::Component&) { return false; };
  rig.backend.onModal = [&](ui::Window& w) {
    Collect(w, none, {}, all[w.Name()]);
    if (auto* setup = dynamic_cast<settings::TSetupForm*>(&w)) setup->MoreButton->Click();
  };
  rig.form->SettingsB->Click();

  report::TReportInputs in;
  in.TotalMemory = 256u << 20;
  in.CloseReport = "1", in.ReportDelay = "60000";
  report::TReportForm report(rig.app, sys.system, in);
  // Its figures and lines are built when it opens.
  Collect(report, [](const ui::Component& c) { return IsNamed(c, {"Label1", "Label2", "Label3", "Memo"}); }, {},
          all["ReportForm"]);

  fakes::FakeCpu cpu;
  fakes::UseFakeCpu use(cpu);
  cpu::TCpuForm cpuForm(rig.app);
  // The value labels show what was detected, in fixed English.
  Collect(cpuForm, [](const ui::Component& c) { return c.Name().rfind("lbl", 0) == 0; }, {}, all["CpuForm"]);

  // Drive names come from the system.
  const Excluded drives = [](const ui::Component& c) { return IsNamed(c, {"DriveBox", "DriveComboBox1"}); };
  tools::TVMem vmem(rig.app, sys.system), marked(rig.app, sys.system);
  Collect(vmem, drives, ProgramSetTexts(marked, drives, [&] { marked.CopyTranslatedTexts(); }), all["VMem"]);
  return all;
}

std::string Check(const std::string& file, const std::map<std::string, Keys>& windows) {
  const std::string bytes = ReadFile(file);
  if (bytes.empty()) return "missing or empty";
  const i18n::LanguageTable table = i18n::LanguageTable::Parse(bytes);
  std::string faults;
  for (const auto& m : i18n::BuiltInMessages())
    if (const std::string* v = table.Find("Misc", m.id); !v || v->empty())
      faults += " no " + std::string(m.id) + ";";
  for (const auto& [window, keys] : windows)
    for (const auto& key : keys.required)
      if (const std::string* v = table.Find(window, key); !v || v->empty()) faults += " no " + key + ";";

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
  for (const char* file : kLanguageFiles) EXPECT_EQ(Check(file, windows), "") << file;
}

TEST(LanguageFiles, EnglishRestatesTheBuiltInTexts) {
  const auto windows = WindowKeys();
  const i18n::LanguageTable english = i18n::LanguageTable::Parse(ReadFile("English"));
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

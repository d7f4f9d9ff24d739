// Language files from arbitrary bytes: parsing, lookups, message texts and
// applying the table to a window must never crash or read past the input.
#include "Check.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/IniLang.h"
#include "text/Text.h"
#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using fuzz::Check;

namespace {

class Lines : public ui::Component {
 public:
  Lines(ui::Window* owner, std::string name, ui::Kind kind)
      : Component(owner, nullptr, std::move(name), kind), texts(4, "x") {}
  size_t LineCount() const override { return GetKind() == ui::Kind::Memo ? texts.size() : 0; }
  size_t ItemCount() const override { return GetKind() == ui::Kind::ComboBox ? texts.size() : 0; }
  bool SetLine(size_t i, const std::string& t) override { return Set(i, t); }
  bool SetItem(size_t i, const std::string& t) override { return Set(i, t); }
  bool Set(size_t i, const std::string& t) {
    if (i >= texts.size()) std::abort();  // only existing entries are replaced
    texts[i] = t;
    return true;
  }
  std::vector<std::string> texts;
};

// A value as stored: one trimmed line.
void CheckValue(const std::string* v) {
  if (!v) return;
  Check(v->find_first_of("\r\n") == std::string::npos);
  Check(text::Trim(*v).size() == v->size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const i18n::LanguageTable table = i18n::LanguageTable::Parse(input);

  // Every line of the input, used as a section and as a key.
  size_t pos = 0, lines = 0;
  while (pos < input.size() && lines++ < 64) {
    size_t end = input.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view line = input.substr(pos, end - pos);
    const size_t eq = line.find('=');
    const std::string_view key = text::Trim(line.substr(0, eq));
    CheckValue(table.Find("Misc", key));
    CheckValue(table.Find(key, key));
    Check(table.Read("MainForm", key, "d").size() <= input.size() + 1);
    pos = end + 1;
  }

  for (const auto& m : i18n::BuiltInMessages()) {
    const std::string text = i18n::GetMessageText(&table, m.english, m.id);
    Check(text.find("*|*") == std::string::npos);
  }
  const std::string joined = i18n::JoinMessageLines(input);
  Check(joined.find("*|*") == std::string::npos);

  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window main(app, "MainForm");
  main.Add<ui::Label>(nullptr, "RAMLevel").SetVisible(false);
  main.Add<ui::Button>(nullptr, "Go");
  main.Add<Lines>("Memo", ui::Kind::Memo);
  main.Add<Lines>("TextColor", ui::Kind::ComboBox);
  i18n::ApplyLanguage(main, table);
  for (const auto& c : main.Components()) {
    Check(c->Caption().find('\n') == std::string::npos);
    Check(c->Hint().find('\r') == std::string::npos);
  }
  return 0;
}

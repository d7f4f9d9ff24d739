// Figures for language files: parsing a typical and a maximal file, and
// translating a window of many components from the table.
#include <chrono>
#include <cstdio>
#include <string>

#include "i18n/IniLang.h"
#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Window.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

std::string File(int components, size_t minBytes) {
  std::string text = "; generated\r\n[MainForm]\r\nMainForm.Caption=Brantelle\r\n";
  for (int i = 0; i < components; ++i) {
    const std::string c = "MainForm.C" + std::to_string(i);
    text += c + ".Caption = Text " + std::to_string(i) + "\r\n" + c + ".Hint=Hint " + std::to_string(i) + "\r\n";
  }
  text += "[Misc]\r\n";
  for (const auto& m : i18n::BuiltInMessages()) text += std::string(m.id) + "=" + std::string(m.english) + "*|*2\r\n";
  for (int i = 0; text.size() < minBytes; ++i) text += "[Filler" + std::to_string(i) + "]\r\nk=" + std::string(200, 'x') + "\r\n";
  return text;
}

void Measure(const char* label, int components, size_t minBytes, int rounds) {
  const std::string text = File(components, minBytes);
  auto t0 = Clock::now();
  i18n::LanguageTable table;
  for (int r = 0; r < rounds; ++r) table = i18n::LanguageTable::Parse(text);
  const double parseMs = Ms(t0) / rounds;

  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window w(app, "MainForm");
  for (int i = 0; i < components; ++i) w.Add<ui::Label>(nullptr, std::string(1, 'C').append(std::to_string(i)));
  t0 = Clock::now();
  for (int r = 0; r < rounds; ++r) i18n::ApplyLanguage(w, table);
  const double applyMs = Ms(t0) / rounds;

  t0 = Clock::now();
  size_t chars = 0;
  for (int r = 0; r < rounds; ++r)
    for (const auto& m : i18n::BuiltInMessages()) chars += i18n::GetMessageText(&table, m.english, m.id).size();
  const double messagesMs = Ms(t0) / rounds;

  std::printf("%-8s %9zu bytes %6zu sections: parse %8.3f ms, apply to %d components %7.3f ms, "
              "%zu messages %6.3f ms (%zu chars)\n",
              label, text.size(), table.SectionCount(), parseMs, components, applyMs,
              i18n::BuiltInMessages().size(), messagesMs, chars / rounds);
}

}  // namespace

int main() {
  Measure("typical", 150, 0, 50);
  Measure("maximal", 400, i18n::kMaxLanguageFileBytes - 65536, 2);
  return 0;
}

// Shipped translations against the widths the main window gives them, measured
// with the status bar's own font in each language's code page.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/SettingsLayout.h"
#include "ui/win32/Win32Backend.h"

namespace {

struct Shipped {
  const char* item;
  const char* file;
  UINT codePage;
};
constexpr Shipped kShipped[] = {
    {"Eng", "English.ini", 1252}, {"Ger", "German.ini", 1252},  {"Fr", "French.ini", 1252},
    {"Ital", "Italian.ini", 1252}, {"Pol", "Polish.ini", 1250}, {"Bul", "Bulgarian.ini", 1251},
    {"Rus", "Russian.ini", 1251}, {"UA", "Ukrainian.ini", 1251}, {"Chi", "Chinese.ini", 936},
};

std::string ShippedFile(const char* name) {
  char path[MAX_PATH] = {};
  std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  std::ifstream in(folder.substr(0, folder.find_last_of('\\') + 1) + "Language\\" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The value of "key=" in the file's bytes, up to the line's end.
std::string Value(const std::string& file, const std::string& key) {
  const size_t at = file.find("\n" + key + "=");
  if (at == std::string::npos) return {};
  const size_t from = at + key.size() + 2;
  return file.substr(from, file.find_first_of("\r\n", from) - from);
}

int Width(HWND control, const std::string& text, UINT codePage) {
  wchar_t wide[512];
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide, 512);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, wide, n, &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

}  // namespace

// The widest figures a 32-bit system reports (2 GB free of 2 GB) and both
// automatic-freeing states: each text within its panel, borders taken off.
TEST(ShippedLanguages, StatusBarTextsFitTheirPanels) {
  for (const Shipped& lang : kShipped) {
    SCOPED_TRACE(lang.file);
    const std::string file = ShippedFile(lang.file);
    ASSERT_FALSE(Value(file, "M501").empty());
    fakes::FakeSystem sys;
    sys.memory.figures.totalPhys = sys.memory.figures.availPhys = 0x7FFFFFFF;
    sys.environment.args.push_back("/W");
    sys.files.Put(sys.environment.folder + "Language\\" + lang.file, file);
    sys.registry.PutDword(std::string(fakes::kSettingsRoot) + "\\MainForm\\" + lang.item, "Checked", 1);
    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    backend.SetApplication(app);
    app::TMainForm form(app, sys.system);
    app::StartUp(app, form);
    app.ProcessMessages();

    HWND bar = ui::win32::Win32Backend::HandleOf(*form.StatusBar);
    char shown[512] = {};
    SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(shown));
    ASSERT_NE(std::string(shown).find("2147483647 (2048 " + Value(file, "M501")), std::string::npos) << shown;
    RECT figures{}, state{};
    SendMessageA(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&figures));
    SendMessageA(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&state));
    EXPECT_LE(Width(bar, shown, lang.codePage), figures.right - figures.left - 6) << shown;
    for (const char* onOff : {"M66", "M67"})
      EXPECT_LE(Width(bar, Value(file, onOff), lang.codePage), state.right - state.left - 6) << onOff;

    form.ExitRequested = true;
    form.Close();
    // The quit message the closed main window leaves would end the next
    // window's start.
    MSG left;
    while (PeekMessageA(&left, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
}

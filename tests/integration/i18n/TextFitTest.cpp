// Shipped translations against the room each window gives them, measured
// with each control's own font in the character set of the language's code
// page (the system's default one where that code page is the system's).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/SettingsLayout.h"
#include "ui/EditControls.h"
#include "ui/PageControl.h"
#include "ui/win32/Win32Backend.h"

namespace {

using ui::win32::Win32Backend;

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

std::wstring Wide(const std::string& text, UINT codePage) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                  static_cast<int>(wide.size())));
  return wide;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3 + 1, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  if (font->lfFaceName[0] != L'@') reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

// The controls' font as a system whose code page is the language's gives it:
// the same face and size in that code page's character set. That face must
// have Latin letters of its own, as a Chinese system's SimSun has: where the
// font mapper picks a fallback face without any, the next face of the
// character set that has them stands in.
class LanguageFont {
 public:
  LanguageFont(HFONT controls, UINT codePage) : dc_(CreateCompatibleDC(nullptr)) {
    LOGFONTW font{};
    GetObjectW(controls, sizeof font, &font);
    CHARSETINFO charset{};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(codePage)), &charset, TCI_SRCCODEPAGE))
      return;
    font.lfCharSet = static_cast<BYTE>(charset.ciCharset);
    std::vector<std::wstring> faces{font.lfFaceName};
    LOGFONTW all{};
    all.lfCharSet = font.lfCharSet;
    EnumFontFamiliesExW(dc_, &all, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    for (const std::wstring& face : faces) {
      lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
      Select(CreateFontIndirectW(&font));
      WORD glyph = 0;
      if (GetTextCharset(dc_) == font.lfCharSet && GetGlyphIndicesW(dc_, L"A", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 &&
          glyph != 0xFFFF)
        return;
    }
    Select(nullptr);
  }
  ~LanguageFont() {
    Select(nullptr);
    DeleteDC(dc_);
  }
  LanguageFont(const LanguageFont&) = delete;
  LanguageFont& operator=(const LanguageFont&) = delete;

  // The room a text takes as DrawText lays it out, explicit line breaks kept;
  // cx is -1 when no face has the character set.
  SIZE Room(const std::wstring& text, UINT format) const {
    if (!font_) return {-1, 0};
    RECT r{0, 0, 0, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
  }

 private:
  void Select(HFONT font) {
    if (old_) SelectObject(dc_, old_);
    if (font_) DeleteObject(font_);
    font_ = font;
    old_ = font ? SelectObject(dc_, font) : nullptr;
  }
  HDC dc_;
  HFONT font_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

int Lines(const std::string& text) {
  int n = 1;
  for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; ++at) ++n;
  return n;
}

// Measures every caption a window shows in a fixed room against that room.
class Fit {
 public:
  Fit(const char* language, UINT codePage) : language_(language), codePage_(codePage) {}
  const std::string& Faults() const { return faults_; }

  void Window(const ui::Window& w) {
    for (const auto& owned : w.Components()) {
      const ui::Component& c = *owned;
      HWND h = Win32Backend::HandleOf(c);
      // The processor window's values show what was detected, untranslated.
      if (!h || !c.Showing() || (w.Name() == "CpuForm" && c.Name().rfind("lbl", 0) == 0)) continue;
      const std::string key = w.Name() + "." + c.Name();
      const int width = c.Bounds().width, height = c.Bounds().height;
      switch (c.GetKind()) {
        case ui::Kind::Label: Check(h, key + ".Caption", c.Caption(), DT_NOPREFIX, width, height); break;
        case ui::Kind::Panel: Check(h, key + ".Caption", c.Caption(), DT_NOPREFIX, width - 2, height); break;
        // The frame and the focus rectangle take their share of a button.
        case ui::Kind::Button: Check(h, key + ".Caption", c.Caption(), 0, width - 6, height); break;
        case ui::Kind::CheckBox:
        case ui::Kind::RadioButton:
          Check(h, key + ".Caption", c.Caption(), 0, width - GetSystemMetrics(SM_CXMENUCHECK) - 4, height);
          break;
        // The caption starts inside the frame's corner.
        case ui::Kind::GroupBox: Check(h, key + ".Caption", c.Caption(), 0, width - 12, height); break;
        case ui::Kind::PageControl: Tabs(h, key, static_cast<const ui::PageControl&>(c)); break;
        case ui::Kind::ColorBox: Items(h, key, static_cast<const ui::ColorBox&>(c).Items(), 26); break;
        case ui::Kind::ComboBox:
          if (c.ItemCount() > 0) Items(h, key, static_cast<const ui::ComboBox&>(c).Items(), 2);
          break;
        default: break;
      }
    }
  }

 private:
  void Check(HWND h, const std::string& key, const std::string& text, UINT format, int width, int height) {
    if (text.empty()) return;
    const std::wstring wide = Wide(text, codePage_);
    const SIZE need = FontFor(h, codePage_).Room(wide, format);
    const int lines = Lines(text);
    // A single line may overhang the control's height by the font's leading;
    // more lines than the control holds lose the last.
    if (need.cx >= 0 && need.cx <= width && (lines == 1 || need.cy <= height)) return;
    faults_ += std::string("\n  ") + language_ + ": " + key + " \"" + Utf8(wide) + "\" needs " +
               (need.cx < 0 ? std::string("a font for code page ") + std::to_string(codePage_)
                            : std::to_string(need.cx) + " px") +
               ", has " + std::to_string(width) + " px";
    if (lines > 1) faults_ += " (" + std::to_string(lines) + " lines: " + std::to_string(need.cy) + " of " +
                              std::to_string(height) + " px high)";
  }
  // A list shows its chosen item in the box beside the drop-down button.
  void Items(HWND h, const std::string& key, const std::vector<std::string>& items, int swatch) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(h, &info)) return;
    for (size_t i = 0; i < items.size(); ++i)
      Check(h, key + ".items[" + std::to_string(i) + "]", items[i], DT_NOPREFIX,
            info.rcItem.right - info.rcItem.left - swatch, 100);
  }
  // Tabs size themselves to their captions; all of them must fit in the one
  // row, or the strip scrolls. Their padding is the control's own.
  void Tabs(HWND h, const std::string& key, const ui::PageControl& pages) {
    RECT first{}, client{};
    if (pages.Pages().empty() || !SendMessageA(h, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first))) return;
    GetClientRect(h, &client);
    const std::string& caption0 = pages.Pages()[0]->Caption();
    // The control was given the caption in the system's own code page.
    const int padding = first.right - first.left - FontFor(h, GetACP()).Room(Wide(caption0, GetACP()), DT_NOPREFIX).cx;
    int right = first.left;
    std::wstring all;
    for (const ui::TabSheet* page : pages.Pages()) {
      const std::wstring wide = Wide(page->Caption(), codePage_);
      right += FontFor(h, codePage_).Room(wide, DT_NOPREFIX).cx + padding;
      all += (all.empty() ? L"\"" : L"\" \"") + wide;
    }
    if (right > client.right)
      faults_ += std::string("\n  ") + language_ + ": " + key + " tabs " + Utf8(all) + "\" need " +
                 std::to_string(right) + " px, have " + std::to_string(client.right) + " px";
  }

  const LanguageFont& FontFor(HWND h, UINT codePage) {
    auto& made = fonts_[{FontOf(h), codePage}];
    if (!made) made = std::make_unique<LanguageFont>(FontOf(h), codePage);
    return *made;
  }

  const char* language_;
  UINT codePage_;
  std::string faults_;
  std::map<std::pair<HFONT, UINT>, std::unique_ptr<LanguageFont>> fonts_;
};

// The main window started in a shipped language with the widest figures a
// 32-bit system reports (2 GB free of 2 GB, in memory and swap).
struct StartedIn {
  explicit StartedIn(const Shipped& lang) : file(ShippedFile(lang.file)) {
    sys.memory.figures.totalPhys = sys.memory.figures.availPhys = 0x7FFFFFFF;
    sys.memory.figures.totalPageFile = sys.memory.figures.availPageFile = 0x7FFFFFFF;
    sys.environment.args.push_back("/W");
    sys.files.Put(sys.environment.folder + "Language\\" + lang.file, file);
    sys.registry.PutDword(std::string(fakes::kSettingsRoot) + "\\MainForm\\" + lang.item, "Checked", 1);
    backend.SetApplication(app);
    form = std::make_unique<app::TMainForm>(app, sys.system);
    app::StartUp(app, *form);
    app.ProcessMessages();
  }
  ~StartedIn() {
    form->ExitRequested = true;
    form->Close();
    // The quit message the closed main window leaves would end the next
    // window's start.
    MSG left;
    while (PeekMessageA(&left, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  std::string file;
  fakes::FakeSystem sys;
  Win32Backend backend;
  ui::Application app{backend};
  std::unique_ptr<app::TMainForm> form;
};

// What the watch sees of the window open at the moment.
struct Watched {
  Fit* fit = nullptr;
  const ui::Window* main = nullptr;
  std::set<std::string> seen;
} g;

BOOL CALLBACK FindEnabledForm(HWND h, LPARAM found) {
  char cls[32] = {};
  GetClassNameA(h, cls, sizeof cls);
  if (lstrcmpA(cls, "TBrantelleForm") == 0 && IsWindowVisible(h) && IsWindowEnabled(h))
    *reinterpret_cast<HWND*>(found) = h;
  return TRUE;
}

// From inside each modal loop: measures the window that has just shown, opens
// the colour window from the settings dialog, then closes each.
void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD) {
  HWND open = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindEnabledForm, reinterpret_cast<LPARAM>(&open));
  auto* w = open ? reinterpret_cast<ui::Window*>(GetWindowLongPtrA(open, GWLP_USERDATA)) : nullptr;
  if (!w || w == g.main) return;
  if (g.seen.insert(w->Name()).second) {
    g.fit->Window(*w);
    if (auto* more = w->FindAs<ui::Button>("MoreButton")) {
      PostMessageA(Win32Backend::HandleOf(*more), BM_CLICK, 0, 0);
      return;
    }
  }
  PostMessageA(open, WM_CLOSE, 0, 0);
}

}  // namespace

// Both automatic-freeing states and the widest figures: each text within its
// panel, borders taken off.
TEST(ShippedLanguages, StatusBarTextsFitTheirPanels) {
  for (const Shipped& lang : kShipped) {
    SCOPED_TRACE(lang.file);
    StartedIn started(lang);
    const std::string& file = started.file;
    ASSERT_FALSE(Value(file, "M501").empty());
    HWND bar = Win32Backend::HandleOf(*started.form->StatusBar);
    char shown[512] = {};
    SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(shown));
    ASSERT_NE(std::string(shown).find("2147483647 (2048 " + Value(file, "M501")), std::string::npos) << shown;
    RECT figures{}, state{};
    SendMessageA(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&figures));
    SendMessageA(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&state));
    const LanguageFont font(FontOf(bar), lang.codePage);
    const auto width = [&](const std::string& text) { return font.Room(Wide(text, lang.codePage), DT_NOPREFIX).cx; };
    EXPECT_LE(width(shown), figures.right - figures.left - 6) << shown;
    for (const char* onOff : {"M66", "M67"})
      EXPECT_LE(width(Value(file, onOff)), state.right - state.left - 6) << onOff;
  }
}

// Labels, check boxes, radio buttons, buttons, group boxes, header bars, tab
// strips and the lists' items of the main window and of every window it
// opens, in every shipped language, with the widest amounts in the texts
// that carry one.
TEST(ShippedLanguages, EveryCaptionFitsItsControl) {
  std::string faults;
  for (const Shipped& lang : kShipped) {
    StartedIn started(lang);
    ASSERT_FALSE(started.file.empty()) << lang.file;
    app::TMainForm& form = *started.form;
    form.TrackBar->SetPosition(form.TrackBar->Max());
    Fit fit(lang.file, lang.codePage);
    fit.Window(form);

    g = {&fit, &form, {}};
    form.RunRecord.FreeBeforeRun = form.RunRecord.FreeAfterRun = 0x7FFFFFFF;
    const UINT_PTR watch = SetTimer(nullptr, 0, 20, Watch);
    form.SettingsB->Click();
    form.ShowFreeingReport();
    form.RightClick();
    form.LeftClick();
    KillTimer(nullptr, watch);
    EXPECT_EQ(g.seen, (std::set<std::string>{"SetupForm", "MoreForm", "ReportForm", "CpuForm", "VMem"}))
        << lang.file;
    faults += fit.Faults();
  }
  EXPECT_TRUE(faults.empty()) << faults;
}

// Probe commands for the swap file and cache window: "vmem-..." (see VMemCommand).
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kFormClass[] = "TBrantelleForm";
constexpr char kTitle[] = "Virtual Memory Settings";

// Asked of the control itself: the text of an edit field or a list lives
// there, not in the window's caption that GetWindowText reads from outside.
std::string TextOf(HWND hwnd) {
  char buf[256] = {};
  SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  buf[sizeof buf - 1] = '\0';
  return buf;
}

struct Search {
  std::string text;
  HWND found;
};

BOOL CALLBACK FindText(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (TextOf(hwnd) != s->text) return TRUE;
  s->found = hwnd;
  return FALSE;
}

// One line per control: "CLASS|text", buttons with their check mark, every
// control that is disabled with "|disabled", tab controls with their tab count.
BOOL CALLBACK ShowControl(HWND hwnd, LPARAM) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, WC_TABCONTROLA) == 0) {
    std::printf("tabs=%d\n", static_cast<int>(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0)));
    return TRUE;
  }
  std::printf("%s|%s", cls, TextOf(hwnd).c_str());
  if (lstrcmpiA(cls, "Button") == 0 && (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) != BS_PUSHBUTTON &&
      (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON)
    std::printf("|%s", SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "unchecked");
  if (lstrcmpiA(cls, "ComboBox") == 0)
    std::printf("|items=%d", static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0)));
  if (!IsWindowEnabled(hwnd)) std::printf("|disabled");
  std::printf("\n");
  return TRUE;
}

HWND Window() { return FindWindowA(kFormClass, kTitle); }

// Opens Tools, then its item at that place from the top, by keys.
int OpenFromMenu(HWND main, int item) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    for (int i = 0; i < 100 && GetForegroundWindow() != main; ++i) {
      SetForegroundWindow(main);
      Sleep(50);
    }
    PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
    for (int i = 0; i < 5; ++i) PostMessageA(main, WM_KEYDOWN, VK_RIGHT, 0);
    for (int i = 0; i < item; ++i) PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(main, WM_KEYDOWN, VK_RETURN, 0);
    for (int i = 0; i < 60; ++i, Sleep(50))
      if (HWND w = Window(); w && IsWindowVisible(w)) return 0;
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
    Sleep(300);
  }
  return 1;
}

}  // namespace

HWND LeftStrip(HWND main);

int VMemCommand(const std::string& cmd, int argc, char** argv, HWND main) {
  // vmem-ram: the installed megabytes as the program takes them (at most
  // 2147483647 bytes, rounded half to even), and two and a half times that
  if (cmd == "vmem-ram") {
    MEMORYSTATUS s{};
    s.dwLength = sizeof s;
    GlobalMemoryStatus(&s);
    const double total = s.dwTotalPhys > 2147483647u ? 2147483647.0 : static_cast<double>(s.dwTotalPhys);
    const double ram = std::nearbyint(total / 1048576.0);
    return std::printf("ram=%.0f ram25=%.0f\n", ram, std::nearbyint(ram * 2.5)), 0;
  }
  // vmem-open-strip: clicks the strip along the main window's left edge
  if (cmd == "vmem-open-strip") {
    HWND strip = LeftStrip(main);
    if (!strip) return std::printf("strip missing\n"), 1;
    PostMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 100));
    return PostMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(5, 100)) ? 0 : 1;
  }
  // vmem-open-menu: Tools, "Cache Tuning", its second item
  if (cmd == "vmem-open-menu") return main ? OpenFromMenu(main, 2) : 1;
  // vmem-wait open|none TIMEOUT: prints "open", "hidden" or "none", and how many there are
  if (cmd == "vmem-wait" && argc >= 4) {
    const std::string want = argv[2];
    const DWORD timeout = std::strtoul(argv[3], nullptr, 10), start = GetTickCount();
    for (;; Sleep(50)) {
      HWND w = Window();
      const std::string now = !w ? "none" : IsWindowVisible(w) ? "open" : "hidden";
      if (now == want || GetTickCount() - start > timeout) {
        int count = 0;
        for (HWND o = nullptr; (o = FindWindowExA(nullptr, o, kFormClass, kTitle));) ++count;
        std::printf("%s count=%d\n", now.c_str(), count);
        return now == want ? 0 : 1;
      }
    }
  }
  HWND w = Window();
  if (!w) return std::printf("no window\n"), 1;
  // vmem-show: the client size, the border boxes and every control
  if (cmd == "vmem-show") {
    RECT client;
    GetClientRect(w, &client);
    std::printf("client=%ldx%ld\n", client.right, client.bottom);
    std::printf("minimizebox=%d\n", (GetWindowLongA(w, GWL_STYLE) & WS_MINIMIZEBOX) ? 1 : 0);
    EnumChildWindows(w, ShowControl, 0);
    return 0;
  }
  // vmem-click TEXT: presses the button or check box with that text
  if (cmd == "vmem-click" && argc >= 3) {
    Search s{argv[2], nullptr};
    EnumChildWindows(w, FindText, reinterpret_cast<LPARAM>(&s));
    if (!s.found) return std::printf("missing\n"), 1;
    // Posted: OK may raise a message box, which would hold a sent click.
    return PostMessageA(s.found, BM_CLICK, 0, 0) ? 0 : 1;
  }
  // vmem-tab X TEXT: clicks the tab row at X pixels from its left end, then
  // prints whether the control with that text shows
  if (cmd == "vmem-tab" && argc >= 4) {
    HWND tabs = FindWindowExA(w, nullptr, WC_TABCONTROLA, nullptr);
    Search s{argv[3], nullptr};
    EnumChildWindows(w, FindText, reinterpret_cast<LPARAM>(&s));
    if (!tabs || !s.found) return std::printf("controls missing\n"), 1;
    const LPARAM at = MAKELPARAM(std::atoi(argv[2]), 10);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tabs, WM_LBUTTONUP, 0, at);
    Sleep(300);
    return std::printf("%s\n", IsWindowVisible(s.found) ? "shown" : "hidden"), 0;
  }
  if (cmd == "vmem-close") return PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1;
  return 2;
}

// Probe commands for the main window: its state, its buttons and menus, a
// freeing run watched from outside, the caption pin, the gauges.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ProbeShared.h"

using namespace probe;

// Walks the main window's menus with the keyboard (MenuKeys.cpp).
int MenuKeys(HWND window, int count, char** keys);

namespace {

// go-watch MEGABYTES TIMEOUT: chooses "Try to free" with the slider at MEGABYTES,
// clicks Go! and watches the run from outside. Prints whether the Exit button
// read "Stop" while Go! was disabled, and whether both came back afterwards.
int GoWatch(int mb, DWORD timeout) {
  HWND main = MainWindow();
  HWND go = Control("Go!"), exitb = Control("Exit"), tryTo = Control("&Try to free 1 Mb of RAM");
  if (!main || !go || !exitb || !tryTo) return std::printf("controls missing\n"), 1;
  SendMessageA(tryTo, BM_CLICK, 0, 0);
  HWND slider = ChildOfClass(main, TRACKBAR_CLASSA);
  if (!slider) return std::printf("slider missing\n"), 1;
  SendMessageA(slider, TBM_SETPOS, TRUE, mb);
  SendMessageA(main, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, mb), reinterpret_cast<LPARAM>(slider));
  const std::string chosen = Text(tryTo);
  PostMessageA(go, BM_CLICK, 0, 0);
  bool running = false, idleAgain = false;
  const DWORD start = GetTickCount();
  for (; GetTickCount() - start < timeout; Sleep(1)) {
    const bool stop = Text(exitb) == "Stop", goOff = !IsWindowEnabled(go);
    if (stop && goOff) running = true;
    if (running && !stop && !goOff && Text(exitb) == "Exit") {
      idleAgain = true;
      break;
    }
  }
  std::printf("chosen=%s running=%d idle=%d\n", chosen.c_str(), running, idleAgain);
  return running && idleAgain ? 0 : 1;
}

// go-close MEGABYTES TIMEOUT: as go-watch, but sends the close box's message
// as soon as the run shows, then waits for the window to go.
int GoClose(int mb, DWORD timeout) {
  HWND main = MainWindow();
  HWND go = Control("Go!"), exitb = Control("Exit"), tryTo = Control("&Try to free 1 Mb of RAM");
  if (!main || !go || !exitb || !tryTo) return std::printf("controls missing\n"), 1;
  SendMessageA(tryTo, BM_CLICK, 0, 0);
  HWND slider = ChildOfClass(main, TRACKBAR_CLASSA);
  if (!slider) return std::printf("slider missing\n"), 1;
  SendMessageA(slider, TBM_SETPOS, TRUE, mb);
  SendMessageA(main, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, mb), reinterpret_cast<LPARAM>(slider));
  PostMessageA(go, BM_CLICK, 0, 0);
  bool running = false, gone = false;
  const DWORD start = GetTickCount();
  for (; GetTickCount() - start < timeout; Sleep(1)) {
    if (!running && Text(exitb) == "Stop") {
      running = true;
      PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (running && !IsWindow(main)) {
      gone = true;
      break;
    }
  }
  std::printf("running=%d gone=%d\n", running, gone);
  return running && gone ? 0 : 1;
}

// pin: clicks the caption bar's pin button, found where the program draws it
// (after the system icon) and confirmed by the window's own hit test.
int Pin(HWND main) {
  if (!main) return std::printf("no window\n"), 1;
  RECT r;
  GetWindowRect(main, &r);
  const int button = GetSystemMetrics(SM_CYSIZE) - 4;
  const int x = r.left + GetSystemMetrics(SM_CXFIXEDFRAME) + GetSystemMetrics(SM_CXSIZE) + button / 2;
  const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + (GetSystemMetrics(SM_CYCAPTION) - 1) / 2;
  const LPARAM at = MAKELPARAM(x, y);
  const LRESULT hit = SendMessageA(main, WM_NCHITTEST, 0, at);
  if (hit != HTOBJECT) return std::printf("hit=%ld\n", static_cast<long>(hit)), 1;
  PostMessageA(main, WM_NCLBUTTONDOWN, hit, at);
  PostMessageA(main, WM_NCLBUTTONUP, hit, at);
  return std::printf("clicked\n"), 0;
}

// hint CAPTION TIMEOUT: rests the pointer on the main window's control with
// that text and prints the text of the tooltip the program shows for it.
int Hint(HWND main, const char* caption, DWORD timeout) {
  HWND c = main ? Control(caption) : nullptr;
  if (!c) return std::printf("missing\n"), 1;
  RECT r;
  GetWindowRect(c, &r);
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  SetCursorPos(x - 3, y);  // a move onto it, as a hand would
  Sleep(100);
  SetCursorPos(x, y);
  HWND tip = nullptr;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < timeout && !tip; Sleep(50))
    tip = ShownOfClass(main, TOOLTIPS_CLASSA).first;
  SetCursorPos(0, 0);
  if (!tip) return std::printf("no tooltip\n"), 1;
  // Asked for, not read: another process's window text is the caption the
  // system keeps, which a tooltip leaves empty.
  char text[512] = {};
  DWORD_PTR n = 0;
  SendMessageTimeoutA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &n);
  return std::printf("%s\n", text), 0;
}

struct Gauges {
  int count = 0, painted = 0;
};

BOOL CALLBACK SeeGauge(HWND hwnd, LPARAM lp) {
  auto* g = reinterpret_cast<Gauges*>(lp);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "TBrantellePaintBox") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  ++g->count;
  // A live gauge draws its lime curve, grid or text on black.
  RECT r;
  GetClientRect(hwnd, &r);
  HDC dc = GetDC(hwnd);
  int lime = 0;
  for (int y = 0; y < r.bottom; y += 2)
    for (int x = 0; x < r.right; x += 2)
      if (GetPixel(dc, x, y) == RGB(0, 255, 0)) ++lime;
  ReleaseDC(hwnd, dc);
  if (lime > 10) ++g->painted;
  return TRUE;
}

}  // namespace

// The main window's commands (and those of any form by its title); 2 when the
// command is not one of them.
int MainCommand(const std::string& cmd, int argc, char** argv, HWND main) {
  if (cmd == "wait-state" && argc >= 4) return WaitState(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (cmd == "state") return std::printf("%s\n", State(main)), 0;
  if (cmd == "go-close" && argc >= 4) return GoClose(std::atoi(argv[2]), std::strtoul(argv[3], nullptr, 10));
  if (cmd == "go-watch" && argc >= 4) return GoWatch(std::atoi(argv[2]), std::strtoul(argv[3], nullptr, 10));
  if (cmd == "wait-window" && argc >= 4) return WaitWindow(argv[2], std::strtoul(argv[3], nullptr, 10));
  // press TITLE TEXT: a click on that window's button, also on a hidden tab page
  if (cmd == "press" && argc >= 4) {
    HWND w = FindWindowA(kFormClass, argv[2]), c = ControlOf(w, argv[3]);
    return c && PostMessageA(w, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                             reinterpret_cast<LPARAM>(c)) ? 0 : 1;
  }
  // is-checked TITLE TEXT: 1 or 0, the check state of that window's button
  if (cmd == "is-checked" && argc >= 4) {
    HWND c = ControlOf(FindWindowA(kFormClass, argv[2]), argv[3]);
    if (!c) return std::printf("missing\n"), 1;
    return std::printf("%d\n", SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0), 0;
  }
  // click-at TITLE CLASS X Y: a left click inside that window's first control of the class
  if (cmd == "click-at" && argc >= 6) {
    HWND c = FindWindowExA(FindWindowA(kFormClass, argv[2]), nullptr, argv[3], nullptr);
    const LPARAM at = MAKELPARAM(std::atoi(argv[4]), std::atoi(argv[5]));
    return c && PostMessageA(c, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(c, WM_LBUTTONUP, 0, at) ? 0 : 1;
  }
  // close-window TITLE: that window's close box
  if (cmd == "close-window" && argc >= 3) {
    HWND w = FindWindowA(kFormClass, argv[2]);
    return w && PostMessageA(w, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (cmd == "close") return main && PostMessageA(main, WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == "minimize") return main && PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
  if (cmd == "restore") return main && PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
  if (cmd == "boxes") return std::printf("%d\n", main ? CountBoxes(main) : -1), 0;
  if (cmd == "title") return std::printf("%s\n", main ? [&] {
    static char buf[256];
    GetWindowTextA(main, buf, sizeof buf);
    return buf;
  }() : ""), 0;
  // gauges: how many gauge controls the main window shows, and how many are drawn
  if (cmd == "gauges") {
    Gauges g;
    if (main) EnumChildWindows(main, SeeGauge, reinterpret_cast<LPARAM>(&g));
    std::printf("gauges=%d painted=%d\n", g.count, g.painted);
    return 0;
  }
  // text CAPTION: prints "found" when a control with that text exists
  if (cmd == "has-control" && argc >= 3) return Control(argv[2]) ? (std::printf("found\n"), 0) : (std::printf("missing\n"), 1);
  // click CAPTION: presses the control with that text
  if (cmd == "click" && argc >= 3) {
    HWND c = Control(argv[2]);
    return c && PostMessageA(c, BM_CLICK, 0, 0) ? 0 : 1;
  }
  // checked CAPTION: prints 1 or 0, the check state of the button with that text
  if (cmd == "checked" && argc >= 3) {
    HWND c = Control(argv[2]);
    if (!c) return std::printf("missing\n"), 1;
    return std::printf("%d\n", SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0), 0;
  }
  // place: prints the left and top edge of the main window's normal-state bounds
  if (cmd == "place") {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!main || !GetWindowPlacement(main, &wp)) return std::printf("none\n"), 1;
    return std::printf("%ld %ld\n", wp.rcNormalPosition.left, wp.rcNormalPosition.top), 0;
  }
  // move X Y: moves the main window's top-left corner there
  if (cmd == "move" && argc >= 4)
    return main && SetWindowPos(main, nullptr, std::atoi(argv[2]), std::atoi(argv[3]), 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  // hotkey ATOM-NAME VK: delivers that hot key to the main window as the system
  // would (synthesized key presses may not reach a global hot key under Wine);
  // prints the atom, 0 when no such atom exists
  if (cmd == "hotkey" && argc >= 4) {
    const ATOM atom = GlobalFindAtomA(argv[2]);
    std::printf("atom=%u\n", atom);
    const LPARAM keys = MAKELPARAM(MOD_CONTROL | MOD_ALT, std::strtoul(argv[3], nullptr, 0));
    return atom && main && PostMessageA(main, WM_HOTKEY, atom, keys) ? 0 : 1;
  }
  // hotkey-taken VK: prints 1 when Ctrl+Alt+VK is held by another program
  if (cmd == "hotkey-taken" && argc >= 3) {
    const UINT vk = std::strtoul(argv[2], nullptr, 0);
    const bool free = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, vk);
    if (free) UnregisterHotKey(nullptr, 1);
    return std::printf("%d\n", free ? 0 : 1), 0;
  }
  // menu-keys KEY...: walks the main window's menu bar (right, left, down, up, enter, esc)
  if (cmd == "menu-keys") return MenuKeys(main, argc - 2, argv + 2);
  // exit [CAPTION]: presses the Exit button the way a click does, also while the window is hidden
  if (cmd == "exit") {
    HWND c = Control(argc >= 3 ? argv[2] : "Exit");
    return main && c && PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                                     reinterpret_cast<LPARAM>(c)) ? 0 : 1;
  }
  // tray-dblclick: the shell's double-click notice for the program's first tray icon
  // (the icon, and its window, come with the first tray refresh, which may
  // follow the main window's hiding: waits up to 10 s for it, as a user would)
  if (cmd == "tray-dblclick") {
    HWND tray = nullptr;
    for (int i = 0; i < 200 && !(tray = FindWindowA("TTrayIconHandler", nullptr)); ++i) Sleep(50);
    return tray && PostMessageA(tray, WM_USER + 1024, 1, WM_LBUTTONDBLCLK) ? 0 : 1;
  }
  if (cmd == "pin") return Pin(main);
  if (cmd == "hint" && argc >= 4) return Hint(main, argv[2], std::strtoul(argv[3], nullptr, 10));
  // resize W H: gives the main window that outer size, as another program may
  if (cmd == "resize" && argc >= 4)
    return main && SetWindowPos(main, nullptr, 0, 0, std::atoi(argv[2]), std::atoi(argv[3]),
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  // client: prints the main window's client size as WxH
  if (cmd == "client") {
    RECT r{};
    if (main) GetClientRect(main, &r);
    return std::printf("%ldx%ld\n", static_cast<long>(r.right), static_cast<long>(r.bottom)), main ? 0 : 1;
  }
  // topmost: prints 1 when the main window has the always-on-top style, 0
  // when not, and "none" (failing) when there is no main window
  if (cmd == "topmost") {
    if (!main) return std::printf("none\n"), 1;
    return std::printf("%d\n", (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0), 0;
  }
  return 2;
}

// Probe commands for the processor detection window, "cpu-...".
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ProbeShared.h"

using namespace probe;

namespace {

constexpr char kCpuTitle[] = "Processor Detection Toolkit";

BOOL CALLBACK FindRightStrip(HWND hwnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  RECT r;
  GetWindowRect(hwnd, &r);
  auto* best = reinterpret_cast<HWND*>(lp);
  RECT b{};
  if (*best) GetWindowRect(*best, &b);
  if (std::strcmp(cls, "TBrantellePicture") == 0 && r.right - r.left < 20 && (!*best || r.left > b.left))
    *best = hwnd;
  return TRUE;
}

// One line per control of the processor window: "CLASS|text"; list views
// add their row count and whether they have row pictures, tab controls their tab count.
BOOL CALLBACK ShowCpuControl(HWND hwnd, LPARAM) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, WC_LISTVIEWA) == 0) {
    std::printf("rows=%d images=%d\n", static_cast<int>(SendMessageA(hwnd, LVM_GETITEMCOUNT, 0, 0)),
                SendMessageA(hwnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0 ? 1 : 0);
  } else if (lstrcmpiA(cls, WC_TABCONTROLA) == 0) {
    std::printf("tabs=%d\n", static_cast<int>(SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0)));
  } else {
    std::printf("%s|%s\n", cls, Text(hwnd).c_str());
  }
  return TRUE;
}

}  // namespace

int CpuWindow(const std::string& cmd, int argc, char** argv, HWND main) {
  HWND cpu = FindWindowA(kFormClass, kCpuTitle);
  // cpu-open-strip: clicks the strip along the main window's right edge
  if (cmd == "cpu-open-strip") {
    HWND strip = nullptr;
    if (main) EnumChildWindows(main, FindRightStrip, reinterpret_cast<LPARAM>(&strip));
    if (!strip) return std::printf("strip missing\n"), 1;
    PostMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 100));
    return PostMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(5, 100)) ? 0 : 1;
  }
  // cpu-open-menu: Tools, its first item, by keys as a user would: the menu
  // bar from the keyboard, five steps right, down into the menu, Enter
  if (cmd == "cpu-open-menu") {
    if (!main) return 1;
    // A menu opened while the window is still being activated is closed again
    // by the activation: wait for it, and try again if the window does not come.
    for (int attempt = 0; attempt < 4; ++attempt) {
      for (int i = 0; i < 100 && GetForegroundWindow() != main; ++i) {
        SetForegroundWindow(main);
        Sleep(50);
      }
      PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
      for (int i = 0; i < 5; ++i) PostMessageA(main, WM_KEYDOWN, VK_RIGHT, 0);
      PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageA(main, WM_KEYDOWN, VK_RETURN, 0);
      for (int i = 0; i < 60; ++i, Sleep(50))
        if (HWND w = FindWindowA(kFormClass, kCpuTitle); w && IsWindowVisible(w)) return 0;
      PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
      Sleep(300);
    }
    return 1;
  }
  // cpu-wait open|none TIMEOUT: waits until the window shows, or until there
  // is none at all; prints "open", "hidden" or "none", and how many there are
  if (cmd == "cpu-wait" && argc >= 4) {
    const std::string want = argv[2];
    const DWORD timeout = std::strtoul(argv[3], nullptr, 10), start = GetTickCount();
    for (;; Sleep(50)) {
      cpu = FindWindowA(kFormClass, kCpuTitle);
      const std::string now = !cpu ? "none" : IsWindowVisible(cpu) ? "open" : "hidden";
      if (now == want || GetTickCount() - start > timeout) {
        int count = 0;
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kFormClass, kCpuTitle));) ++count;
        std::printf("%s count=%d\n", now.c_str(), count);
        return now == want ? 0 : 1;
      }
    }
  }
  if (!cpu) return std::printf("no window\n"), 1;
  RECT client;
  // cpu-show: the client size and every control's text
  if (cmd == "cpu-show") {
    GetClientRect(cpu, &client);
    std::printf("client=%ldx%ld\n", client.right, client.bottom);
    std::printf("minimizebox=%d\n", (GetWindowLongA(cpu, GWL_STYLE) & WS_MINIMIZEBOX) ? 1 : 0);
    EnumChildWindows(cpu, ShowCpuControl, 0);
    return 0;
  }
  // cpu-resize: makes the window larger, then prints its client size
  if (cmd == "cpu-resize") {
    RECT r;
    GetWindowRect(cpu, &r);
    SetWindowPos(cpu, nullptr, 0, 0, r.right - r.left + 60, r.bottom - r.top + 40, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(200);
    GetClientRect(cpu, &client);
    return std::printf("client=%ldx%ld\n", client.right, client.bottom), 0;
  }
  // cpu-ok: presses Ok; cpu-close: the close box
  if (cmd == "cpu-ok") {
    Find f{"Ok", nullptr};
    EnumChildWindows(cpu, FindChild, reinterpret_cast<LPARAM>(&f));
    return f.found && PostMessageA(f.found, BM_CLICK, 0, 0) ? 0 : 1;
  }
  // cpu-tab X: clicks the tab row at X pixels from its left end, then prints
  // whether the feature list shows
  if (cmd == "cpu-tab" && argc >= 3) {
    HWND tabs = ChildOfClass(cpu, WC_TABCONTROLA), list = ChildOfClass(cpu, WC_LISTVIEWA);
    if (!tabs || !list) return std::printf("controls missing\n"), 1;
    const LPARAM at = MAKELPARAM(std::atoi(argv[2]), 10);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tabs, WM_LBUTTONUP, 0, at);
    Sleep(300);
    return std::printf("list=%s\n", IsWindowVisible(list) ? "shown" : "hidden"), 0;
  }
  // cpu-enter: the Enter key in the window
  if (cmd == "cpu-enter") return PostMessageA(cpu, WM_KEYDOWN, VK_RETURN, 0) ? 0 : 1;
  if (cmd == "cpu-close") return PostMessageA(cpu, WM_CLOSE, 0, 0) ? 0 : 1;
  return 2;
}

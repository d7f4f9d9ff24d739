// Probe commands for the Tools menu: picking an item from the keyboard,
// reading and closing the message boxes the tools show, the cache-tuning strip.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct BoxSearch {
  DWORD pid;
  const char* title;
  HWND found;
};

BOOL CALLBACK SeeBox(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<BoxSearch*>(lp);
  char cls[64] = {}, title[256] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, title, sizeof title);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || !IsWindowVisible(hwnd) || std::strcmp(cls, "#32770") != 0 || std::strcmp(title, s->title) != 0)
    return TRUE;
  s->found = hwnd;
  return FALSE;
}

// The visible message box of the main window's process with that title.
HWND Box(HWND main, const char* title) {
  BoxSearch s{0, title, nullptr};
  if (!main) return nullptr;
  GetWindowThreadProcessId(main, &s.pid);
  EnumWindows(SeeBox, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

BOOL CALLBACK PrintStatic(HWND hwnd, LPARAM) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  char text[2048] = {};
  if (GetWindowTextA(hwnd, text, sizeof text) > 0) std::printf("%s\n", text);
  return TRUE;
}

// The cache-tuning strip: the visible narrow picture nearest the left edge.
BOOL CALLBACK FindLeftStrip(HWND hwnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  RECT r, b{};
  GetWindowRect(hwnd, &r);
  auto* best = reinterpret_cast<HWND*>(lp);
  if (*best) GetWindowRect(*best, &b);
  if (std::strcmp(cls, "TBrantellePicture") == 0 && IsWindowVisible(hwnd) && r.right - r.left < 20 &&
      (!*best || r.left < b.left))
    *best = hwnd;
  return TRUE;
}

void Keys(HWND main, int downs) {
  for (int i = 0; i < 100 && GetForegroundWindow() != main; ++i) {
    SetForegroundWindow(main);
    Sleep(50);
  }
  PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
  for (int i = 0; i < 5; ++i) PostMessageA(main, WM_KEYDOWN, VK_RIGHT, 0);
  for (int i = 0; i < downs; ++i) PostMessageA(main, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(main, WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace

// The cache-tuning strip of the main window; null when there is none.
HWND LeftStrip(HWND main) {
  HWND strip = nullptr;
  if (main) EnumChildWindows(main, FindLeftStrip, reinterpret_cast<LPARAM>(&strip));
  return strip;
}

int ToolsCommand(const std::string& cmd, int argc, char** argv, HWND main) {
  if (!main) return std::printf("no main window\n"), 1;
  // tools-menu N TITLE: the Tools menu's Nth item (separators not counted)
  // from the keyboard, until a box with that title shows. Only one Enter is
  // sent per try, so the shutdown submenu can at most open, never act.
  if (cmd == "tools-menu" && argc >= 4) {
    const int downs = std::atoi(argv[2]);
    if (downs < 1 || downs > 9) return std::printf("item out of range\n"), 2;
    for (int attempt = 0; attempt < 4; ++attempt) {
      Keys(main, downs);
      for (int i = 0; i < 60; ++i, Sleep(50))
        if (Box(main, argv[3])) return std::printf("shown\n"), 0;
      for (int i = 0; i < 3; ++i) PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
      Sleep(300);
    }
    return std::printf("no box\n"), 1;
  }
  // tools-box TITLE: the texts of the box with that title, one per line
  if (cmd == "tools-box" && argc >= 3) {
    HWND box = Box(main, argv[2]);
    if (!box) return std::printf("no box\n"), 1;
    EnumChildWindows(box, PrintStatic, 0);
    return 0;
  }
  // tools-box-close TITLE: answers the box with that title by its OK button
  if (cmd == "tools-box-close" && argc >= 3) {
    HWND box = Box(main, argv[2]);
    return box && PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) ? 0 : 1;
  }
  // tools-strip: whether the cache-tuning strip takes clicks
  if (cmd == "tools-strip") {
    HWND strip = LeftStrip(main);
    if (!strip) return std::printf("strip missing\n"), 1;
    return std::printf("%s\n", IsWindowEnabled(strip) ? "enabled" : "disabled"), 0;
  }
  return 2;
}

// Finding Brantelle's windows and controls from outside, for every command file.
#include "ProbeShared.h"

#include <cstdio>
#include <cstring>

namespace probe {

namespace {

// The main window is the program's one form that no other window owns; the
// report and other dialogs belong to the hidden application window.
BOOL CALLBACK SeeMain(HWND hwnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, kFormClass) != 0 || GetWindow(hwnd, GW_OWNER)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}

}  // namespace

HWND MainWindow() {
  HWND found = nullptr;
  EnumWindows(SeeMain, reinterpret_cast<LPARAM>(&found));
  return found;
}

const char* State(HWND h) {
  if (!h) return "none";
  if (!IsWindowVisible(h)) return "hidden";
  return IsIconic(h) ? "minimized" : "normal";
}

int WaitState(const char* want, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    const char* now = State(MainWindow());
    if (std::strcmp(now, want) == 0 || GetTickCount() - start > timeout) {
      std::printf("%s\n", now);
      return std::strcmp(now, want) == 0 ? 0 : 1;
    }
    Sleep(50);
  }
}

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<Find*>(lp);
  char buf[256] = {};
  GetWindowTextA(hwnd, buf, sizeof buf);
  if (std::strcmp(buf, f->text) == 0) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND ControlOf(HWND window, const char* text) {
  Find f{text, nullptr};
  if (window) EnumChildWindows(window, FindChild, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

HWND Control(const char* text) { return ControlOf(MainWindow(), text); }

int WaitWindow(const char* title, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND h = FindWindowA(kFormClass, title);
    if ((h && IsWindowVisible(h)) || GetTickCount() - start > timeout) {
      std::printf("%s\n", h && IsWindowVisible(h) ? "shown" : "none");
      return h && IsWindowVisible(h) ? 0 : 1;
    }
    Sleep(50);
  }
}

namespace {

struct ClassSearch {
  const char* cls;
  HWND found;
};

BOOL CALLBACK FindClass(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<ClassSearch*>(lp);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpiA(cls, f->cls) != 0) return TRUE;
  f->found = hwnd;
  return FALSE;
}

}  // namespace

HWND ChildOfClass(HWND parent, const char* cls) {
  ClassSearch f{cls, nullptr};
  EnumChildWindows(parent, FindClass, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

std::string Text(HWND h) {
  char buf[256] = {};
  GetWindowTextA(h, buf, sizeof buf);
  return buf;
}

namespace {

struct ShownSearch {
  DWORD pid;
  const char* cls;
  Shown shown;
};

BOOL CALLBACK SeeShown(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<ShownSearch*>(lp);
  char cls[64] = {};
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  GetClassNameA(w, cls, sizeof cls);
  if (pid == s->pid && IsWindowVisible(w) && lstrcmpiA(cls, s->cls) == 0 && !s->shown.count++) s->shown.first = w;
  return TRUE;
}

}  // namespace

Shown ShownOfClass(HWND main, const char* cls) {
  ShownSearch s{0, cls, {}};
  GetWindowThreadProcessId(main, &s.pid);
  EnumWindows(SeeShown, reinterpret_cast<LPARAM>(&s));
  return s.shown;
}

int CountBoxes(HWND main) { return ShownOfClass(main, "#32770").count; }

}  // namespace probe

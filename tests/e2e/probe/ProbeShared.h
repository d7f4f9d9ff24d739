// Helpers shared by the probe's command files: finding Brantelle's windows
// and controls, and reading their state.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

inline constexpr char kFormClass[] = "TBrantelleForm";

// The main window: the program's one form that no other window owns.
HWND MainWindow();
// "none", "hidden", "minimized" or "normal".
const char* State(HWND h);
// wait-state STATE TIMEOUT: waits until the main window is in that state.
int WaitState(const char* want, DWORD timeout);

struct Find {
  const char* text;
  HWND found;
};
// EnumChildWindows callback: the first child whose text is f->text.
BOOL CALLBACK FindChild(HWND hwnd, LPARAM lp);
// A control of the window, found by its text; nullptr when none.
HWND ControlOf(HWND window, const char* text);
// A control of the main window, found by its text.
HWND Control(const char* text);
// wait-window TITLE TIMEOUT: waits until a visible window of the program with that title shows.
int WaitWindow(const char* title, DWORD timeout);
// The first control of that class anywhere inside the window.
HWND ChildOfClass(HWND parent, const char* cls);
std::string Text(HWND h);
// The visible top-level windows of that class that the program whose main
// window is given shows: how many, and the first of them.
struct Shown {
  int count = 0;
  HWND first = nullptr;
};
Shown ShownOfClass(HWND main, const char* cls);
// Message boxes (dialog class) that the program shows.
int CountBoxes(HWND main);

}  // namespace probe

// Probe commands that tell where a window lies on the screen, for pictures.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The outer rectangle as WxH+X+Y, the form imagemagick crops by.
int PrintPlace(HWND w) {
  RECT r;
  if (!w || !IsWindowVisible(w) || !GetWindowRect(w, &r)) return std::printf("no window\n"), 1;
  return std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top), 0;
}

}  // namespace

int PlaceCommand(const std::string& cmd, int argc, char** argv, HWND main) {
  // window-rect [TITLE]: the shown form with that title, the main window without one
  if (cmd == "window-rect") return PrintPlace(argc > 2 ? FindWindowA("TBrantelleForm", argv[2]) : main);
  // taskbar-rect: the task bar of a Wine virtual desktop, the notification area at its right end
  if (cmd == "taskbar-rect") return PrintPlace(FindWindowA("Shell_TrayWnd", nullptr));
  return 2;
}

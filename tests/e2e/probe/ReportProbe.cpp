// Probe commands for the result report window, "report-..." and "save-as".
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ProbeShared.h"

using namespace probe;

namespace {

constexpr char kReportTitle[] = "Brantelle Result Report";

}  // namespace

// The report window's commands; 2 when the command is not one of them.
int ReportCommand(int argc, char** argv) {
  const std::string cmd = argv[1];
  HWND report = FindWindowA(kFormClass, kReportTitle);
  // report-wait open|none TIMEOUT: waits until the report is open, or gone
  if (cmd == "report-wait" && argc >= 4) {
    const bool wantOpen = std::strcmp(argv[2], "open") == 0;
    const DWORD start = GetTickCount(), timeout = std::strtoul(argv[3], nullptr, 10);
    while (((FindWindowA(kFormClass, kReportTitle) && IsWindowVisible(FindWindowA(kFormClass, kReportTitle))) != wantOpen) &&
           GetTickCount() - start < timeout)
      Sleep(50);
    report = FindWindowA(kFormClass, kReportTitle);
    const bool open = report && IsWindowVisible(report);
    std::printf("%s\n", open ? "open" : "none");
    return open == wantOpen ? 0 : 1;
  }
  if (!report) {
    if (cmd.rfind("report-", 0) == 0 || cmd == "save-as") return std::printf("no report\n"), 1;
    return 2;
  }
  // report-lines: the memo's text, line by line
  if (cmd == "report-lines") {
    HWND memo = ChildOfClass(report, "Edit");
    static char buf[4096];
    buf[0] = 0;
    // Another process's edit text comes only by asking the control itself.
    if (memo) SendMessageA(memo, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    std::printf("%s\n", buf);
    return memo ? 0 : 1;
  }
  // report-click CAPTION: presses that button of the report
  if (cmd == "report-click" && argc >= 3) {
    HWND c = ControlOf(report, argv[2]);
    return c && PostMessageA(c, BM_CLICK, 0, 0) ? 0 : 1;
  }
  // report-size: the report's client size; report-resize W H: resizes its frame
  if (cmd == "report-size") {
    RECT r;
    GetClientRect(report, &r);
    return std::printf("%ld %ld\n", r.right, r.bottom), 0;
  }
  if (cmd == "report-resize" && argc >= 4)
    return SetWindowPos(report, nullptr, 0, 0, std::atoi(argv[2]), std::atoi(argv[3]),
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  // report-close-box: the caption's close box
  if (cmd == "report-close-box") return PostMessageA(report, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
  // report-minimize-box: 1 when the report's caption has a minimize box
  if (cmd == "report-minimize-box")
    return std::printf("%d\n", (GetWindowLongA(report, GWL_STYLE) & WS_MINIMIZEBOX) ? 1 : 0), 0;
  // save-as NAME: presses Save, types NAME into the save dialog and confirms
  if (cmd == "save-as" && argc >= 3) {
    HWND save = ControlOf(report, "Save");
    if (!save || !PostMessageA(save, BM_CLICK, 0, 0)) return std::printf("no Save\n"), 1;
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i, Sleep(50)) dialog = FindWindowA("#32770", "Save as ...");
    if (!dialog) return std::printf("no dialog\n"), 1;
    // The name box is an edit (edt1) or, in the newer dialog, a combo box (cmb13).
    HWND name = GetDlgItem(dialog, 0x480);
    if (!name) name = GetDlgItem(dialog, 0x47c);
    if (!name) return std::printf("no name box\n"), 1;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    for (int i = 0; i < 200 && IsWindow(dialog); ++i) Sleep(50);
    return IsWindow(dialog) ? (std::printf("dialog stayed\n"), 1) : 0;
  }
  return 2;
}

// A small driver for end-to-end tests: starts programs, watches and pokes
// their windows from outside, as a user or another program would.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Walks the main window's menus with the keyboard (MenuKeys.cpp).
int MenuKeys(HWND window, int count, char** keys);
// The Tools menu's commands (ToolsProbe.cpp).
int ToolsCommand(const std::string& cmd, int argc, char** argv, HWND main);

namespace {

constexpr char kFormClass[] = "TBrantelleForm";
constexpr char kReportTitle[] = "Brantelle Result Report";

// The main window is the program's one form that no other window owns; the
// report and other dialogs belong to the hidden application window.
BOOL CALLBACK SeeMain(HWND hwnd, LPARAM lp) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, kFormClass) != 0 || GetWindow(hwnd, GW_OWNER)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}

HWND MainWindow() {
  HWND found = nullptr;
  EnumWindows(SeeMain, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct Watch {
  DWORD pid;
  bool visible;
};

BOOL CALLBACK SeeVisible(HWND hwnd, LPARAM lp) {
  auto* w = reinterpret_cast<Watch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == w->pid && IsWindowVisible(hwnd)) w->visible = true;
  return TRUE;
}

std::string Quote(int argc, char** argv, int from) {
  std::string line;
  for (int i = from; i < argc; ++i) {
    if (!line.empty()) line += ' ';
    line += std::strchr(argv[i], ' ') ? "\"" + std::string(argv[i]) + "\"" : argv[i];
  }
  return line;
}

// run-watch TIMEOUT EXE ARGS...: exit code, whether any window of it was visible, time taken.
int RunWatch(int argc, char** argv) {
  const DWORD timeout = std::strtoul(argv[2], nullptr, 10);
  std::string line = "\"" + std::string(argv[3]) + "\"";
  if (argc > 4) line += " " + Quote(argc, argv, 4);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const DWORD start = GetTickCount();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::printf("exit=start-failed visible=0 elapsed=0\n");
    return 1;
  }
  Watch w{pi.dwProcessId, false};
  while (WaitForSingleObject(pi.hProcess, 25) == WAIT_TIMEOUT) {
    EnumWindows(SeeVisible, reinterpret_cast<LPARAM>(&w));
    if (GetTickCount() - start > timeout) {
      TerminateProcess(pi.hProcess, 99);
      std::printf("exit=timeout visible=%d elapsed=%lu\n", w.visible, GetTickCount() - start);
      return 1;
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  std::printf("exit=%lu visible=%d elapsed=%lu\n", code, w.visible, GetTickCount() - start);
  return 0;
}

const char* State(HWND h) {
  if (!h) return "none";
  if (!IsWindowVisible(h)) return "hidden";
  return IsIconic(h) ? "minimized" : "normal";
}

// wait-state STATE TIMEOUT: waits until the main window is in that state.
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

// touch FILE SLEEP: a program for the launcher to start.
int Touch(const char* file, DWORD ms) {
  if (FILE* f = std::fopen(file, "w")) {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    std::fprintf(f, "started in %s\n", dir);
    std::fclose(f);
  }
  Sleep(ms);
  if (FILE* f = std::fopen(file, "a")) {
    std::fprintf(f, "ended\n");
    std::fclose(f);
  }
  return 0;
}

struct Find {
  const char* text;
  HWND found;
};

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

// wait-window TITLE TIMEOUT: waits until a visible window of the program with that title shows.
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

// The first control of that class anywhere inside the window.
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

struct BoxCount {
  DWORD pid;
  int boxes;
};

BOOL CALLBACK SeeBox(HWND w, LPARAM lp) {
  auto* count = reinterpret_cast<BoxCount*>(lp);
  char cls[16] = {};
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  GetClassNameA(w, cls, sizeof cls);
  if (pid == count->pid && IsWindowVisible(w) && std::strcmp(cls, "#32770") == 0) ++count->boxes;
  return TRUE;
}

// Message boxes (dialog class) that the program whose main window is given shows.
int CountBoxes(HWND main) {
  BoxCount c{0, 0};
  GetWindowThreadProcessId(main, &c.pid);
  EnumWindows(SeeBox, reinterpret_cast<LPARAM>(&c));
  return c.boxes;
}

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

}  // namespace

int SendBadHandOvers(int first, int count);  // BadHandOver.cpp
// The swap file and cache window's commands, "vmem-...".
int VMemCommand(const std::string& cmd, int argc, char** argv, HWND main);
// Where windows lie on the screen (PlaceProbe.cpp).
int PlaceCommand(const std::string& cmd, int argc, char** argv, HWND main);

static int RunCommand(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string cmd = argv[1];
  if (cmd == "bad-handovers")
    return SendBadHandOvers(argc > 2 ? std::atoi(argv[2]) : 0, argc > 3 ? std::atoi(argv[3]) : 99);
  if (cmd == "run-watch" && argc >= 4) return RunWatch(argc, argv);
  if (cmd == "wait-state" && argc >= 4) return WaitState(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (cmd == "state") return std::printf("%s\n", State(MainWindow())), 0;
  if (cmd == "go-close" && argc >= 4) return GoClose(std::atoi(argv[2]), std::strtoul(argv[3], nullptr, 10));
  if (cmd == "go-watch" && argc >= 4) return GoWatch(std::atoi(argv[2]), std::strtoul(argv[3], nullptr, 10));
  if (cmd == "touch" && argc >= 4) return Touch(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (cmd == "sleep" && argc >= 3) return Sleep(std::strtoul(argv[2], nullptr, 10)), 0;
  if (const int r = ReportCommand(argc, argv); r != 2) return r;
  if (cmd.rfind("cpu-", 0) == 0) return CpuWindow(cmd, argc, argv, MainWindow());
  if (cmd.rfind("tools-", 0) == 0) return ToolsCommand(cmd, argc, argv, MainWindow());
  if (cmd.rfind("vmem-", 0) == 0) return VMemCommand(cmd, argc, argv, MainWindow());
  if (const int r = PlaceCommand(cmd, argc, argv, MainWindow()); r != 2) return r;
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
  HWND main = MainWindow();
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
  if (cmd == "tray-dblclick") {
    HWND tray = FindWindowA("TTrayIconHandler", nullptr);
    return tray && PostMessageA(tray, WM_USER + 1024, 1, WM_LBUTTONDBLCLK) ? 0 : 1;
  }
  if (cmd == "pin") return Pin(main);
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

// batch CMD ARGS... ";" CMD ARGS...: several commands in one process (a Wine
// process start costs a minute under emulation); after each command's output
// a line "rc=N". Stops after the first command that fails.
int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "batch") != 0) return RunCommand(argc, argv);
  for (int first = 2; first < argc;) {
    int end = first;
    while (end < argc && std::strcmp(argv[end], ";") != 0) ++end;
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + first, argv + end);
    args.push_back(nullptr);
    const int rc = RunCommand(end - first + 1, args.data());
    std::printf("rc=%d\n", rc);
    std::fflush(stdout);
    if (rc != 0) return rc;
    first = end + 1;
  }
  return 0;
}

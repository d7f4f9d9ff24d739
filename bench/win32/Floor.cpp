// The idle floor: what a tray memory gauge cannot avoid doing once a second,
// and nothing else, for Brantelle's idle cost to be measured against.
//   floor        in the tray: a hidden window, the tray icon with the free
//                megabytes in it
//   floor shown  the same with the window shown: four gauges of Brantelle's
//                sizes, the status bar and the title
// Each second (comments name the behaviour each call stands for):
//   GlobalMemoryStatusEx      the free memory, the memory load and the swap
//                             use: three gauges' samples, the title, the
//                             status bar and the tray number
//   NtQuerySystemInformation  the processor load: the fourth gauge's sample
//   + GetSystemTimeAsFileTime (processor performance, with the time stamp)
//   Shell_NotifyIcon          the tray icon, when its number changes: drawn
//   + CreateIconIndirect      into a kept bitmap, made an icon, handed over;
//                             and the icon added every second (the shell
//                             refuses it while it is there; after a restart
//                             of the shell, without the "TaskbarCreated"
//                             message of older systems, this brings it back)
//   shown only:
//   SetWindowText             the title with the free memory, when it changes
//   SB_SETTEXT                the status bar's figures, when they change
//   InvalidateRect, BitBlt    each gauge's curve moves on by one sample: the
//                             kept bitmap is scrolled, the new column and the
//                             figure drawn, and the gauge painted from it
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kGaugeW = 197, kGaugeH = 65;
constexpr UINT kTimer = 1, kTrayId = 1;

struct Gauge {
  HWND window = nullptr;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  int last = -1;
};

struct Floor {
  HWND main = nullptr, status = nullptr;
  Gauge gauges[4];
  HDC iconDc = nullptr;
  HBITMAP iconColor = nullptr, iconMask = nullptr;
  HICON icon = nullptr;
  int trayNumber = -1;
  char title[128] = {}, figures[256] = {};
  LARGE_INTEGER lastIdle{}, lastStamp{};
} g_floor;

using QueryFn = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

// The processor load in percent, from the idle time since the last call.
int ProcessorLoad() {
  static const auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  struct Times {
    LARGE_INTEGER idle, kernel, user, reserved[2];
    ULONG interrupts;
  } times[64];
  ULONG got = 0;
  if (!query || query(8, times, sizeof times, &got) < 0 || got < sizeof(Times)) return 0;
  LARGE_INTEGER idle{}, stamp{};
  for (ULONG i = 0; i < got / sizeof(Times); ++i) idle.QuadPart += times[i].idle.QuadPart;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  stamp.QuadPart = static_cast<LONGLONG>(uint64_t(now.dwHighDateTime) << 32 | now.dwLowDateTime);
  const LONGLONG span = (stamp.QuadPart - g_floor.lastStamp.QuadPart) * static_cast<LONGLONG>(got / sizeof(Times));
  const int load = span > 0 ? 100 - static_cast<int>(100 * (idle.QuadPart - g_floor.lastIdle.QuadPart) / span) : 0;
  g_floor.lastIdle = idle;
  g_floor.lastStamp = stamp;
  return load < 0 ? 0 : load > 100 ? 100 : load;
}

void SendTray(DWORD op) {
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = g_floor.main;
  nid.uID = kTrayId;
  nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  nid.uCallbackMessage = WM_APP;
  nid.hIcon = g_floor.icon;
  std::snprintf(nid.szTip, sizeof nid.szTip, "%d Mb free", g_floor.trayNumber);
  Shell_NotifyIconA(op, &nid);
}

void UpdateTray(int number) {
  if (number != g_floor.trayNumber) {
    const bool first = g_floor.trayNumber < 0;
    g_floor.trayNumber = number;
    char text[16];
    std::snprintf(text, sizeof text, "%d", number % 1000);
    RECT r{0, 0, 16, 16};
    HGDIOBJ old = SelectObject(g_floor.iconDc, g_floor.iconColor);
    FillRect(g_floor.iconDc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(g_floor.iconDc, RGB(0, 255, 0));
    SetBkMode(g_floor.iconDc, TRANSPARENT);
    DrawTextA(g_floor.iconDc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(g_floor.iconDc, old);
    ICONINFO info{TRUE, 0, 0, g_floor.iconMask, g_floor.iconColor};
    HICON previous = g_floor.icon;
    g_floor.icon = CreateIconIndirect(&info);
    if (!first) SendTray(NIM_MODIFY);
    if (previous) DestroyIcon(previous);
  }
  SendTray(NIM_ADD);
}

// One sample into a gauge: the kept curve moves left by a column, the new
// column and the figure are drawn, and the window is asked to paint.
void Sample(Gauge& gauge, int percent, const char* figure) {
  ScrollDC(gauge.dc, -2, 0, nullptr, nullptr, nullptr, nullptr);
  RECT column{kGaugeW - 2, 0, kGaugeW, kGaugeH};
  FillRect(gauge.dc, &column, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HGDIOBJ pen = SelectObject(gauge.dc, GetStockObject(WHITE_PEN));
  const int y = kGaugeH - 1 - percent * (kGaugeH - 1) / 100;
  MoveToEx(gauge.dc, kGaugeW - 3, gauge.last < 0 ? y : gauge.last, nullptr);
  LineTo(gauge.dc, kGaugeW - 1, y);
  SelectObject(gauge.dc, pen);
  gauge.last = y;
  RECT label{2, 2, 80, 14};
  FillRect(gauge.dc, &label, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetTextColor(gauge.dc, RGB(0, 255, 0));
  SetBkMode(gauge.dc, TRANSPARENT);
  DrawTextA(gauge.dc, figure, -1, &label, DT_LEFT | DT_SINGLELINE);
  InvalidateRect(gauge.window, nullptr, FALSE);
}

void Tick(bool shown) {
  MEMORYSTATUSEX ms{};
  ms.dwLength = sizeof ms;
  GlobalMemoryStatusEx(&ms);
  const int load = ProcessorLoad();
  const int freeMb = static_cast<int>(ms.ullAvailPhys >> 20);
  UpdateTray(freeMb);
  if (!shown) return;
  const int freePercent = ms.ullTotalPhys ? static_cast<int>(100 * ms.ullAvailPhys / ms.ullTotalPhys) : 0;
  const ULONGLONG swapTotal = ms.ullTotalPageFile, swapUsed = swapTotal - ms.ullAvailPageFile;
  char text[64];
  std::snprintf(text, sizeof text, "%d Mb", freeMb);
  Sample(g_floor.gauges[0], freePercent, text);
  std::snprintf(text, sizeof text, "%lu %%", static_cast<unsigned long>(ms.dwMemoryLoad));
  Sample(g_floor.gauges[1], static_cast<int>(ms.dwMemoryLoad), text);
  std::snprintf(text, sizeof text, "%d %%", load);
  Sample(g_floor.gauges[2], load, text);
  std::snprintf(text, sizeof text, "%d Mb", static_cast<int>(swapUsed >> 20));
  Sample(g_floor.gauges[3], swapTotal ? static_cast<int>(100 * swapUsed / swapTotal) : 0, text);
  char title[128], figures[256];
  std::snprintf(title, sizeof title, "Bare floor : %d%% RAM free (%d Mb)", freePercent, freeMb);
  if (std::strcmp(title, g_floor.title) != 0) {
    std::strcpy(g_floor.title, title);
    SetWindowTextA(g_floor.main, title);
  }
  std::snprintf(figures, sizeof figures, "%llu (%d Mb) bytes free/ %llu (%d Mb) bytes installed", ms.ullAvailPhys,
                freeMb, ms.ullTotalPhys, static_cast<int>(ms.ullTotalPhys >> 20));
  if (std::strcmp(figures, g_floor.figures) != 0) {
    std::strcpy(g_floor.figures, figures);
    SendMessageA(g_floor.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(figures));
  }
}

LRESULT CALLBACK GaugeProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    for (const Gauge& gauge : g_floor.gauges)
      if (gauge.window == w) BitBlt(dc, 0, 0, kGaugeW, kGaugeH, gauge.dc, 0, 0, SRCCOPY);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

LRESULT CALLBACK FloorProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    Tick(IsWindowVisible(w) != FALSE);
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
  const bool shown = std::strstr(cmd, "shown") != nullptr;
  InitCommonControls();
  WNDCLASSA wc{};
  wc.lpfnWndProc = FloorProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareFloor";
  RegisterClassA(&wc);
  wc.lpfnWndProc = GaugeProc;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = "BareGauge";
  RegisterClassA(&wc);
  g_floor.main = CreateWindowA("BareFloor", "Bare floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                               CW_USEDEFAULT, 465, 435, nullptr, nullptr, instance, nullptr);
  if (!g_floor.main) return 1;
  g_floor.status = CreateWindowA(STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, g_floor.main, nullptr,
                                 instance, nullptr);
  const int parts[] = {392, -1};
  SendMessageA(g_floor.status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  HDC screen = GetDC(nullptr);
  for (int i = 0; i < 4; ++i) {
    Gauge& gauge = g_floor.gauges[i];
    gauge.window = CreateWindowA("BareGauge", "", WS_CHILD | WS_VISIBLE, 25 + (i % 2) * 212, 151 + (i / 2) * 88,
                                 kGaugeW, kGaugeH, g_floor.main, nullptr, instance, nullptr);
    gauge.dc = CreateCompatibleDC(screen);
    gauge.bitmap = CreateCompatibleBitmap(screen, kGaugeW, kGaugeH);
    SelectObject(gauge.dc, gauge.bitmap);
    RECT all{0, 0, kGaugeW, kGaugeH};
    FillRect(gauge.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  g_floor.iconDc = CreateCompatibleDC(screen);
  g_floor.iconColor = CreateCompatibleBitmap(screen, 16, 16);
  g_floor.iconMask = CreateBitmap(16, 16, 1, 1, nullptr);
  ReleaseDC(nullptr, screen);
  if (shown) ShowWindow(g_floor.main, SW_SHOW);
  Tick(shown);
  SetTimer(g_floor.main, kTimer, 1000, nullptr);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = g_floor.main;
  nid.uID = kTrayId;
  Shell_NotifyIconA(NIM_DELETE, &nid);
  return 0;
}

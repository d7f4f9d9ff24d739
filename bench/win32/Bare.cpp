// The reference programs the benchmarks compare Brantelle with:
//   bare window      a minimal Win32 program that opens one window ("Bare window")
//   bare libraries   the same after loading the system libraries Brantelle
//                    loads at start (common controls, shell, registry): what
//                    those cost the start-up before any of its own code
//   bare tray        the bare window that adds an icon to the notification
//                    area before it shows, as Brantelle does: what the shell
//                    takes to accept a program's first icon
// (The idle floor is a program of its own, floor.exe: bench/win32/Floor.cpp.)
//   bare free N      commits, zero-fills and releases N one-megabyte blocks, then
//                    exits; the blocks are uncached, as Brantelle commits them
//   bare plain N     the same with plain (cached) blocks, to show what the
//                    uncached attribute itself costs
//   bare pump N      uncached blocks, with a hidden window's messages processed
//                    after every block, as a program must that stays alive
//                    during the run: what that processing costs
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

LRESULT CALLBACK BareProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

bool RegisterBareClass(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareWindow";
  return RegisterClassA(&wc) != 0;
}

int OpenWindow(HINSTANCE instance, bool tray) {
  if (!RegisterBareClass(instance)) return 1;
  HWND w = CreateWindowA("BareWindow", "Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         475, 426, nullptr, nullptr, instance, nullptr);
  if (!w) return 1;
  NOTIFYICONDATAA icon{};
  if (tray) {
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = w;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "Bare window", sizeof icon.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon);
  }
  ShowWindow(w, SW_SHOW);
  UpdateWindow(w);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (tray) Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}

void LoadLibraries() {
  for (const char* name : {"advapi32.dll", "comctl32.dll", "shell32.dll"})
    LoadLibraryA(name);
  InitCommonControls();
}

void ProcessMessages() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

int Free(int mb, DWORD protection, bool pump = false) {
  static void* blocks[1024];
  if (mb < 1) mb = 1;
  if (mb > 1024) mb = 1024;
  for (int i = 0; i < mb; ++i) {
    blocks[i] = VirtualAlloc(nullptr, 1 << 20, MEM_COMMIT, protection);
    if (blocks[i]) {
      volatile DWORD* p = static_cast<volatile DWORD*>(blocks[i]);
      for (size_t k = 0; k < (1u << 20) / 4; ++k) p[k] = 0;
    }
    if (pump) ProcessMessages();
  }
  for (int i = 0; i < mb; ++i)
    if (blocks[i]) VirtualFree(blocks[i], 0, MEM_RELEASE);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
  if (std::strncmp(cmd, "free", 4) == 0) return Free(std::atoi(cmd + 4), PAGE_READWRITE | PAGE_NOCACHE);
  if (std::strncmp(cmd, "plain", 5) == 0) return Free(std::atoi(cmd + 5), PAGE_READWRITE);
  if (std::strncmp(cmd, "pump", 4) == 0) {
    if (!RegisterBareClass(instance) ||
        !CreateWindowA("BareWindow", "Bare window", WS_OVERLAPPEDWINDOW, 0, 0, 475, 426, nullptr, nullptr,
                       instance, nullptr))
      return 1;
    return Free(std::atoi(cmd + 4), PAGE_READWRITE | PAGE_NOCACHE, true);
  }
  if (std::strncmp(cmd, "libraries", 9) == 0) LoadLibraries();
  return OpenWindow(instance, std::strncmp(cmd, "tray", 4) == 0);
}

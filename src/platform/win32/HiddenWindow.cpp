#include "platform/win32/HiddenWindow.h"

namespace platform::win32 {

HWND CreateHiddenWindow(const char* className, WNDPROC proc, void* owner, DWORD exStyle) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);  // fails harmlessly when already registered
  HWND hwnd = CreateWindowExA(exStyle, className, className, WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, wc.hInstance, nullptr);
  if (hwnd) SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return hwnd;
}

}  // namespace platform::win32

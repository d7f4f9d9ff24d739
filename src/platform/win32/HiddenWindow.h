// An invisible top-level window that carries a service's messages.
#pragma once

#include <windows.h>

namespace platform::win32 {

// Registers the class on first use; the window's user data points at owner.
// Top-level rather than message-only, so that it also hears broadcasts.
HWND CreateHiddenWindow(const char* className, WNDPROC proc, void* owner, DWORD exStyle = 0);

template <class T>
T* OwnerOf(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace platform::win32

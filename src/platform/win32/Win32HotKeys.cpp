#include "platform/win32/Win32HotKeys.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace platform::win32 {

namespace {

HWND AsWindow(uint32_t window) { return WindowFromBits(window); }

}  // namespace

uint16_t Win32HotKeys::AddGlobalAtom(const std::string& name) { return GlobalAddAtomA(name.c_str()); }

void Win32HotKeys::DeleteGlobalAtom(uint16_t atom) {
  if (atom) GlobalDeleteAtom(atom);
}

bool Win32HotKeys::Register(uint32_t window, int id, int virtualKey) {
  return RegisterHotKey(AsWindow(window), id, MOD_CONTROL | MOD_ALT, static_cast<UINT>(virtualKey)) != 0;
}

void Win32HotKeys::Unregister(uint32_t window, int id) { UnregisterHotKey(AsWindow(window), id); }

}  // namespace platform::win32

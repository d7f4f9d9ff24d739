// Window and module handles as the 32-bit values that the model and the shared
// instance block carry. User handles are significant in their low 32 bits on
// 64-bit Windows too and are sign-extended back, so a 32-bit and a 64-bit copy
// can exchange them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

inline uint32_t HandleBits(const void* handle) { return static_cast<uint32_t>(HandleToLong(handle)); }

inline HWND WindowFromBits(uint32_t bits) {
  return static_cast<HWND>(LongToHandle(static_cast<LONG>(bits)));
}

}  // namespace platform::win32

// Functions of libraries that only some commands use (the colour and save
// dialogs, the CD tray), found on first use: the program starts without
// loading them, and a system that lacks one still starts, the command taking
// its failure path.
#pragma once

#include <windows.h>

namespace platform::win32 {

// The function `name` of `library`, which is loaded on the first call; null
// when either is missing.
template <class Function>
Function LateBound(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace platform::win32

#include "platform/win32/Win32FileDialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/win32/LateBound.h"
#include "platform/win32/RecordSizes.h"

namespace platform::win32 {

std::optional<std::string> Win32FileDialogs::SaveFileName(const std::string& filter,
                                                          const std::string& title,
                                                          uint32_t ownerWindow) {
  // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
  std::string filters = filter;
  for (char& c : filters)
    if (c == '|') c = '\0';
  filters.append(2, '\0');
  std::vector<char> name(32768, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = kOpenFileNameSize;
  ofn.hwndOwner = reinterpret_cast<HWND>(static_cast<uintptr_t>(ownerWindow));
  ofn.lpstrFilter = filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = title.c_str();
  // No default extension and no overwrite question: the name is used as typed.
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  static const auto ask = LateBound<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
  if (!ask || !ask(&ofn)) return std::nullopt;
  return std::string(name.data());
}

}  // namespace platform::win32

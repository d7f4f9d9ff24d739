// The size members the program gives the system's records that grew with
// later versions: each record at the size that the oldest system it runs on
// (Windows 95 and NT 4) takes, which every later one takes too. The headers'
// sizeof follows WINVER and _WIN32_IE and would change with them. (The
// tooltip record's first-version size is the hints', ui/win32/Win32Hints.h.)
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstddef>

namespace platform::win32 {

// NONCLIENTMETRICS up to lfMessageFont: Vista appended iPaddedBorderWidth,
// and Windows 95 to XP refuse a record that has it.
inline constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
static_assert(kNonClientMetricsSize == 340);

// OPENFILENAME without the Windows 2000 fields (pvReserved, dwReserved,
// FlagsEx), which Windows 9x and NT 4 refuse.
inline constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kOpenFileNameSize == 76);

// NOTIFYICONDATA as shell 5 has it (a tip of 128 characters), the size that
// every shell of both families accepts, whatever the headers add beyond it.
inline constexpr DWORD kNotifyIconDataSize = 488;

}  // namespace platform::win32

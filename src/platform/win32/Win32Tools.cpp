#include "platform/win32/Win32Tools.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/LateBound.h"

namespace platform::win32 {

BoxAnswer Win32MessageBoxes::Show(const std::string& text, const std::string& caption,
                                  BoxButtons buttons, bool systemModal) {
  UINT flags = buttons == BoxButtons::YesNo         ? MB_YESNO
               : buttons == BoxButtons::YesNoCancel ? MB_YESNOCANCEL
                                                    : MB_OK;
  if (systemModal) flags |= MB_SYSTEMMODAL;
  switch (MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags)) {
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    case IDCANCEL: return BoxAnswer::Cancel;
    default: return BoxAnswer::Ok;
  }
}

intptr_t Win32Shell::Execute(const std::string& path, ShowMode show) {
  HINSTANCE result = ShellExecuteA(owner, nullptr, path.c_str(), nullptr, nullptr,
                                   show == ShowMode::NoActivate ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
  return reinterpret_cast<intptr_t>(result);
}

void Win32Shell::ClearRecentDocuments() { SHAddToRecentDocs(SHARD_PATH, nullptr); }

std::string Win32Media::Send(const std::string& command, bool wantReply, uint32_t callbackWindow) {
  // 99 characters offered, one more kept so that the reply always ends.
  char reply[100] = {};
  static const auto send = LateBound<decltype(&mciSendStringA)>("winmm.dll", "mciSendStringA");
  if (send) send(command.c_str(), wantReply ? reply : nullptr, wantReply ? 99 : 0, WindowFromBits(callbackWindow));
  return wantReply ? std::string(reply) : std::string();
}

namespace {

// The entry's source name; the size is asked first, then the entry read into
// a buffer of that size. A size that grows in between is asked again.
template <class Read>
uint32_t ReadEntry(Read read, std::string& sourceUrl) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    if (read(nullptr, &size)) return ERROR_INVALID_DATA;  // no entry fits in no bytes
    DWORD error = GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER) return error;
    // 8-byte aligned storage for the entry record and its strings.
    std::vector<uint64_t> buffer((size + sizeof(uint64_t) - 1) / sizeof(uint64_t) + 1);
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    if (read(entry, &size)) {
      sourceUrl = entry->lpszSourceUrlName ? entry->lpszSourceUrlName : "";
      return 0;
    }
    error = GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER) return error;
  }
  return ERROR_INSUFFICIENT_BUFFER;
}

}  // namespace

Win32UrlCache::~Win32UrlCache() {
  FindClose();
  if (library_) FreeLibrary(library_);
}

bool Win32UrlCache::Load() {
  if (!tried_) {
    tried_ = true;
    library_ = LoadLibraryA("wininet.dll");
    if (library_) {
      findFirst_ = reinterpret_cast<FindFirstFn>(
          reinterpret_cast<void*>(GetProcAddress(library_, "FindFirstUrlCacheEntryA")));
      findNext_ = reinterpret_cast<FindNextFn>(
          reinterpret_cast<void*>(GetProcAddress(library_, "FindNextUrlCacheEntryA")));
      findClose_ = reinterpret_cast<FindCloseFn>(
          reinterpret_cast<void*>(GetProcAddress(library_, "FindCloseUrlCache")));
      delete_ = reinterpret_cast<DeleteFn>(
          reinterpret_cast<void*>(GetProcAddress(library_, "DeleteUrlCacheEntryA")));
    }
  }
  return findFirst_ && findNext_ && findClose_ && delete_;
}

bool Win32UrlCache::FindFirst(std::string& sourceUrl) {
  FindClose();
  if (!Load()) return false;
  HANDLE found = nullptr;
  const uint32_t error = ReadEntry(
      [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        found = findFirst_(nullptr, entry, size);
        return found != nullptr;
      },
      sourceUrl);
  find_ = found;
  return error == 0 && find_;
}

uint32_t Win32UrlCache::FindNext(std::string& sourceUrl) {
  if (!find_) return ERROR_INVALID_HANDLE;
  return ReadEntry([this](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
    return findNext_(find_, entry, size) != FALSE;
  }, sourceUrl);
}

void Win32UrlCache::FindClose() {
  if (find_) findClose_(find_);
  find_ = nullptr;
}

void Win32UrlCache::Delete(const std::string& sourceUrl) {
  if (Load()) delete_(sourceUrl.c_str());
}

void Win32Power::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES wanted{}, previous{};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privileges[0].Luid);
  DWORD length = 0;
  AdjustTokenPrivileges(token, FALSE, &wanted, sizeof wanted, &previous, &length);
  CloseHandle(token);
}

bool Win32Power::EndSession(uint32_t flags) { return ExitWindowsEx(flags, 0) != 0; }

LocalTime Win32Calendar::Now() {
  SYSTEMTIME s;
  GetLocalTime(&s);
  return {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds};
}

namespace {

std::string LocaleText(LCTYPE type) {
  char buffer[96] = {};
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return n > 1 ? std::string(buffer, static_cast<size_t>(n - 1)) : std::string();
}

}  // namespace

std::string Win32Calendar::DayName(int weekday) {
  // The system counts its day names from Monday.
  if (weekday < 0 || weekday > 6) return {};
  return LocaleText(LOCALE_SDAYNAME1 + static_cast<LCTYPE>((weekday + 6) % 7));
}

std::string Win32Calendar::MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

std::string Win32Calendar::ShortDate(const LocalTime& t) {
  SYSTEMTIME s{};
  s.wYear = static_cast<WORD>(t.year);
  s.wMonth = static_cast<WORD>(t.month);
  s.wDay = static_cast<WORD>(t.day);
  char buffer[96] = {};
  const int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &s, nullptr, buffer, sizeof buffer);
  return n > 1 ? std::string(buffer, static_cast<size_t>(n - 1)) : std::string();
}

uint32_t Win32Version::Version() { return GetVersion(); }

uint32_t Win32Version::PlatformId() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExA(&v);
  return v.dwPlatformId;
}

}  // namespace platform::win32

#include "platform/win32/Win32Desktop.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Handles.h"

namespace platform::win32 {

uint32_t Win32Clock::TickCount() { return GetTickCount(); }

namespace {

// The user's default format for the current moment; empty when the system has none.
template <class Format>
std::string NowText(Format format, DWORD flags) {
  char buffer[128] = {};
  const int n = format(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n - 1)) : std::string();
}

}  // namespace

std::string Win32Clock::TimeText() { return NowText(GetTimeFormatA, 0); }

std::string Win32Clock::DateText() { return NowText(GetDateFormatA, DATE_SHORTDATE); }

std::string Win32Clock::DecimalSeparator() {
  char buffer[8] = {};  // the system allows at most three characters
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer);
  return n > 1 ? std::string(buffer, static_cast<size_t>(n - 1)) : std::string(".");
}

void Win32Priority::Set(PriorityClass priority) {
  const DWORD cls = priority == PriorityClass::High   ? HIGH_PRIORITY_CLASS
                    : priority == PriorityClass::Idle ? IDLE_PRIORITY_CLASS
                                                      : NORMAL_PRIORITY_CLASS;
  SetPriorityClass(GetCurrentProcess(), cls);
}

void Win32Clipboard::Empty() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

void Win32Sound::Beep(unsigned frequencyHz, unsigned durationMs) {
  ::Beep(frequencyHz, durationMs);
}

void Win32Opener::Open(const std::string& path, uint32_t ownerWindow) {
  ShellExecuteA(WindowFromBits(ownerWindow), nullptr, path.c_str(),
                nullptr, nullptr, SW_SHOWNORMAL);
}

unsigned Win32TextFiles::Append(const std::string& path, const std::string& bytes) {
  // On NT the file is opened for appending only, so that every write lands at
  // the end, also while another copy writes to it. Windows 9x knows no such
  // right: there the write follows a move to the end (with the position's
  // high part, so that a file past 4 GB is no failure).
  const bool nt = !(GetVersion() & 0x80000000u);
  // OPEN_ALWAYS: a missing file is created, an existing one keeps its content.
  HANDLE f = CreateFileA(path.c_str(), nt ? FILE_APPEND_DATA | SYNCHRONIZE : GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD error = 0, written = 0;
  LONG high = 0;
  if (!nt && SetFilePointer(f, 0, &high, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
    error = GetLastError();
  else if (!WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    error = GetLastError();
  else if (written != bytes.size())
    error = ERROR_HANDLE_DISK_FULL;
  else if (!FlushFileBuffers(f))
    error = GetLastError();
  if (!CloseHandle(f) && !error) error = GetLastError();
  return error;
}

bool Win32TextFiles::Create(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  return CloseHandle(f) != 0;
}

bool Win32TextFiles::Delete(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace platform::win32

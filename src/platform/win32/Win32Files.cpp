#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {

namespace {

struct Handle {
  HANDLE h;
  ~Handle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

ReadResult Win32Files::ReadAll(const std::string& path, size_t maxBytes, std::string& bytes) {
  bytes.clear();
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return ReadResult::Missing;

  Handle file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return ReadResult::Unreadable;

  DWORD high = 0;
  const DWORD low = GetFileSize(file.h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return ReadResult::Unreadable;
  const unsigned long long size = (static_cast<unsigned long long>(high) << 32) | low;
  if (size > maxBytes) return ReadResult::TooLarge;
  // A file larger than the memory left is as unreadable as a locked one: the
  // program cannot be told of an allocation that fails, so the heap is asked
  // first (for the text and the byte a growing file may add).
  void* room = HeapAlloc(GetProcessHeap(), 0, static_cast<size_t>(size) + 2);
  if (!room) return ReadResult::Unreadable;
  HeapFree(GetProcessHeap(), 0, room);

  // The size is a hint: the file may shrink or grow while it is read.
  std::string data;
  data.resize(static_cast<size_t>(size));
  size_t got = 0;
  for (;;) {
    if (got == data.size()) {
      if (data.size() >= maxBytes) {
        // At the limit: one more byte means the file grew past it.
        char probe;
        DWORD n = 0;
        if (!ReadFile(file.h, &probe, 1, &n, nullptr)) return ReadResult::Unreadable;
        if (n == 0) break;
        return ReadResult::TooLarge;
      }
      data.resize(data.size() + (std::min<size_t>)(maxBytes - data.size(), 65536));
    }
    const DWORD want = static_cast<DWORD>((std::min<size_t>)(data.size() - got, 1u << 20));
    DWORD n = 0;
    if (!ReadFile(file.h, &data[got], want, &n, nullptr)) return ReadResult::Unreadable;
    if (n == 0) break;
    got += n;
  }
  data.resize(got);
  bytes = std::move(data);
  return ReadResult::Ok;
}

}  // namespace platform::win32

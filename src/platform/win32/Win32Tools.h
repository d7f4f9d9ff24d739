// The real services behind the system tools.
#pragma once

#include <windows.h>

#include "platform/Tools.h"

namespace platform::win32 {

class Win32MessageBoxes : public MessageBoxes {
 public:
  BoxAnswer Show(const std::string& text, const std::string& caption, BoxButtons buttons,
                 bool systemModal) override;
};

class Win32Shell : public Shell {
 public:
  intptr_t Execute(const std::string& path, ShowMode show) override;
  void ClearRecentDocuments() override;
  // The application window, which owns what the shell opens.
  HWND owner = nullptr;
};

class Win32Media : public MediaControl {
 public:
  std::string Send(const std::string& command, bool wantReply, uint32_t callbackWindow) override;
};

// The browser's cache through wininet.dll, loaded on first use: a system
// without it (Windows 95 without a browser) still starts the program, and the
// walk then finds no entry.
class Win32UrlCache : public UrlCache {
 public:
  ~Win32UrlCache() override;
  bool FindFirst(std::string& sourceUrl) override;
  uint32_t FindNext(std::string& sourceUrl) override;
  void FindClose() override;
  void Delete(const std::string& sourceUrl) override;
  // Loads the library once; false when it or one of its functions is missing.
  bool Load();

 private:
  using FindFirstFn = HANDLE(WINAPI*)(LPCSTR, void*, DWORD*);
  using FindNextFn = BOOL(WINAPI*)(HANDLE, void*, DWORD*);
  using FindCloseFn = BOOL(WINAPI*)(HANDLE);
  using DeleteFn = BOOL(WINAPI*)(LPCSTR);
  HMODULE library_ = nullptr;
  bool tried_ = false;
  FindFirstFn findFirst_ = nullptr;
  FindNextFn findNext_ = nullptr;
  FindCloseFn findClose_ = nullptr;
  DeleteFn delete_ = nullptr;
  HANDLE find_ = nullptr;
};

class Win32Power : public Power {
 public:
  void EnableShutdownPrivilege() override;
  bool EndSession(uint32_t flags) override;
};

class Win32Calendar : public Calendar {
 public:
  LocalTime Now() override;
  std::string DayName(int weekday) override;
  std::string MonthName(int month) override;
  std::string ShortDate(const LocalTime& t) override;
};

class Win32Version : public WindowsVersion {
 public:
  uint32_t Version() override;
  uint32_t PlatformId() override;
};

struct Win32Tools {
  Win32MessageBoxes boxes;
  Win32Shell shell;
  Win32Media media;
  Win32UrlCache urlCache;
  Win32Power power;
  Win32Calendar calendar;
  Win32Version version;
  Tools tools{boxes, shell, media, urlCache, power, calendar, version};
};

}  // namespace platform::win32

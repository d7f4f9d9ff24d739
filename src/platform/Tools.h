// The services behind the system tools: owner-less message boxes, shell
// launches, the media control interface, the browser cache, shutting down,
// the local calendar and the Windows version. Everything here changes or
// reads the real system, so tests only ever see fakes of it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

// Message boxes that belong to no window.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // systemModal keeps the box above every other window until it is answered.
  virtual BoxAnswer Show(const std::string& text, const std::string& caption, BoxButtons buttons,
                         bool systemModal) = 0;
};

enum class ShowMode { Normal, NoActivate };

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens path with its default verb, no parameters and no folder, owned by
  // the application's window; the system's result code (32 or less: failed).
  virtual intptr_t Execute(const std::string& path, ShowMode show) = 0;
  // Empties the shell's recent-documents list.
  virtual void ClearRecentDocuments() = 0;
};

// The media control interface's command strings.
class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // Sends the command; with wantReply its reply text (at most 98 characters),
  // otherwise "". callbackWindow 0 is none.
  virtual std::string Send(const std::string& command, bool wantReply, uint32_t callbackWindow) = 0;
};

namespace cache {
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorNoMoreItems = 259;
}  // namespace cache

// The browser's cache entries, one enumeration at a time.
class UrlCache {
 public:
  virtual ~UrlCache() = default;
  // Starts enumerating every entry: false when no enumeration started (an
  // empty cache, among others). sourceUrl is the first entry's name.
  virtual bool FindFirst(std::string& sourceUrl) = 0;
  // The next entry: 0 with its name, or the system's error code
  // (kErrorNoMoreItems after the last one).
  virtual uint32_t FindNext(std::string& sourceUrl) = 0;
  // Ends the enumeration that FindFirst started.
  virtual void FindClose() = 0;
  virtual void Delete(const std::string& sourceUrl) = 0;
};

// Ending the session: the shutdown privilege and the system's exit call.
class Power {
 public:
  virtual ~Power() = default;
  // Enables the process's shutdown privilege where the system has one;
  // failures are not reported.
  virtual void EnableShutdownPrivilege() = 0;
  // ExitWindowsEx with these flags; true when the system accepted.
  virtual bool EndSession(uint32_t flags) = 0;
};

struct LocalTime {
  int year = 1899, month = 12, day = 30;  // month 1..12
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The local date and time and the user's names for days and months.
class Calendar {
 public:
  virtual ~Calendar() = default;
  virtual LocalTime Now() = 0;
  // weekday 0 is Sunday.
  virtual std::string DayName(int weekday) = 0;
  // month 1..12.
  virtual std::string MonthName(int month) = 0;
  // The date in the user's short date format.
  virtual std::string ShortDate(const LocalTime& t) = 0;
};

namespace version {
constexpr uint32_t kWin32s = 0;
constexpr uint32_t kWindows = 1;  // Windows 95, 98, ME
constexpr uint32_t kNT = 2;
}  // namespace version

class WindowsVersion {
 public:
  virtual ~WindowsVersion() = default;
  // GetVersion's result: its top bit is set outside the NT family.
  virtual uint32_t Version() = 0;
  // The platform id of the version record.
  virtual uint32_t PlatformId() = 0;
};

struct Tools {
  MessageBoxes& boxes;
  Shell& shell;
  MediaControl& media;
  UrlCache& urlCache;
  Power& power;
  Calendar& calendar;
  WindowsVersion& version;
};

}  // namespace platform

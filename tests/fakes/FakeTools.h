// Stand-ins for the system tools' services: they record what was asked and
// answer as a test scripts them; nothing reaches the real system.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Tools.h"

namespace fakes {

class FakeMessageBoxes : public platform::MessageBoxes {
 public:
  struct Box {
    std::string text, caption;
    platform::BoxButtons buttons;
    bool systemModal;
  };
  std::vector<Box> shown;
  platform::BoxAnswer answer = platform::BoxAnswer::Ok;
  platform::BoxAnswer Show(const std::string& text, const std::string& caption, platform::BoxButtons buttons,
                           bool systemModal) override {
    shown.push_back({text, caption, buttons, systemModal});
    return answer;
  }
};

class FakeShell : public platform::Shell {
 public:
  struct Call {
    std::string path;
    platform::ShowMode show;
  };
  std::vector<Call> executed;
  intptr_t result = 42;
  int recentCleared = 0;
  intptr_t Execute(const std::string& path, platform::ShowMode show) override {
    executed.push_back({path, show});
    return result;
  }
  void ClearRecentDocuments() override { ++recentCleared; }
};

// A CD drive: the status command answers reply; the door command opens it.
class FakeMedia : public platform::MediaControl {
 public:
  struct Call {
    std::string command;
    bool wantReply;
    uint32_t callbackWindow;
  };
  std::vector<Call> sent;
  std::string reply = "true";
  int doorOpened = 0;
  std::string Send(const std::string& command, bool wantReply, uint32_t callbackWindow) override {
    sent.push_back({command, wantReply, callbackWindow});
    if (command == "Set cdaudio door open wait" || command == "Set cdaudio Door Open Wait") ++doorOpened;
    return wantReply ? reply : std::string();
  }
};

// A cache of entries; the enumeration ends with endError after the last one
// (ERROR_NO_MORE_ITEMS, or another error to end it early).
class FakeUrlCache : public platform::UrlCache {
 public:
  std::deque<std::string> entries;
  uint32_t endError = platform::cache::kErrorNoMoreItems;
  std::vector<std::string> deleted;
  int opened = 0, closed = 0, nextCalls = 0;
  bool FindFirst(std::string& url) override {
    if (entries.empty()) return false;
    ++opened;
    cursor_ = 0;
    url = entries[cursor_++];
    return true;
  }
  uint32_t FindNext(std::string& url) override {
    ++nextCalls;
    if (cursor_ >= entries.size()) return endError;
    url = entries[cursor_++];
    return 0;
  }
  void FindClose() override { ++closed; }
  void Delete(const std::string& url) override { deleted.push_back(url); }

 private:
  size_t cursor_ = 0;
};

class FakePower : public platform::Power {
 public:
  std::vector<uint32_t> exits;
  int privilegeEnabled = 0;
  bool accept = true;
  std::function<void()> onExit;  // runs when the exit call comes, before it is answered
  void EnableShutdownPrivilege() override { ++privilegeEnabled; }
  bool EndSession(uint32_t flags) override {
    if (onExit) onExit();
    exits.push_back(flags);
    return accept;
  }
};

class FakeCalendar : public platform::Calendar {
 public:
  platform::LocalTime now{2026, 12, 9, 13, 4, 47, 0};
  platform::LocalTime Now() override { return now; }
  std::string DayName(int weekday) override {
    static const char* names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday < 7 ? names[weekday] : "";
  }
  std::string MonthName(int month) override {
    static const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? names[month - 1] : "";
  }
  std::string ShortDate(const platform::LocalTime& t) override {
    return std::to_string(t.day) + "." + std::to_string(t.month) + "." + std::to_string(t.year);
  }
};

class FakeVersion : public platform::WindowsVersion {
 public:
  uint32_t platformId = platform::version::kNT;
  uint32_t version = 0x0A280105;  // 5.1, build 2600
  void SetWin98() { platformId = platform::version::kWindows, version = 0xC0000A04; }
  uint32_t Version() override { return version; }
  uint32_t PlatformId() override { return platformId; }
};

struct FakeTools {
  FakeMessageBoxes boxes;
  FakeShell shell;
  FakeMedia media;
  FakeUrlCache urlCache;
  FakePower power;
  FakeCalendar calendar;
  FakeVersion version;
  platform::Tools tools{boxes, shell, media, urlCache, power, calendar, version};
};

}  // namespace fakes

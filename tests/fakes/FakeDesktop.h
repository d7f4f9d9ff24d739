// Stand-ins for the clock, priority, desktop and text-file services.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/ProcessPriority.h"
#include "platform/TextFiles.h"

namespace fakes {

class FakeClock : public platform::Clock {
 public:
  uint32_t tick = 1000;
  std::string time = "10:00:00", date = "01.02.2024";
  uint32_t TickCount() override { return tick; }
  std::string TimeText() override { return time; }
  std::string DateText() override { return date; }
  std::string decimal = ".";
  std::string DecimalSeparator() override { return decimal; }
};

class FakePriority : public platform::ProcessPriority {
 public:
  std::vector<platform::PriorityClass> sets;
  void Set(platform::PriorityClass p) override { sets.push_back(p); }
};

class FakeClipboard : public platform::Clipboard {
 public:
  int empties = 0;
  void Empty() override { ++empties; }
};

class FakeSound : public platform::Sound {
 public:
  std::vector<std::pair<unsigned, unsigned>> beeps;
  void Beep(unsigned hz, unsigned ms) override { beeps.emplace_back(hz, ms); }
};

class FakeOpener : public platform::DocumentOpener {
 public:
  std::vector<std::pair<std::string, uint32_t>> opened;
  void Open(const std::string& path, uint32_t owner) override { opened.emplace_back(path, owner); }
};

// Files as a map from path to bytes; paths under a read-only folder fail with
// "access denied" (5), as a folder the user may not write to does.
class FakeTextFiles : public platform::TextFiles {
 public:
  static constexpr unsigned kAccessDenied = 5;
  std::map<std::string, std::string> files;
  std::set<std::string> readOnlyFolders;
  int writes = 0;

  unsigned Append(const std::string& path, const std::string& bytes) override {
    ++writes;
    if (ReadOnly(path)) return kAccessDenied;
    files[path] += bytes;
    return 0;
  }
  bool Create(const std::string& path) override {
    ++writes;
    if (ReadOnly(path)) return false;
    files[path].clear();
    return true;
  }
  bool Delete(const std::string& path) override {
    ++writes;
    return !ReadOnly(path) && files.erase(path) == 1;
  }
  bool ReadOnly(const std::string& path) const {
    for (const auto& folder : readOnlyFolders)
      if (path.compare(0, folder.size(), folder) == 0) return true;
    return false;
  }
};

}  // namespace fakes

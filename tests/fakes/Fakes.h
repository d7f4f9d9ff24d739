// Faithful stand-ins for the operating system, for unit tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeHotKeys.h"
#include "fakes/FakeNotifyArea.h"
#include "fakes/FakePrinting.h"
#include "fakes/FakePerformance.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeTools.h"
#include "platform/System.h"

namespace fakes {

// Memory figures a test sets; each query may be scripted to change them.
class FakeMemory : public platform::MemoryInfo {
 public:
  platform::MemoryFigures figures;
  std::vector<uint64_t> availSequence;  // consumed one per query, when not empty
  int queries = 0;
  platform::MemoryFigures Query() override;
  void SetMb(uint64_t totalMb, uint64_t freeMb);
};

// Hands out real 1 MB buffers up to a limit and checks that each goes back once.
class FakeBlocks : public platform::BlockSource {
 public:
  ~FakeBlocks() override;
  int limit = 1 << 30;  // blocks obtainable at once
  int commits = 0, releases = 0, failures = 0;
  std::set<void*> held;
  bool badRelease = false;  // a release of a block not held
  void* Commit() noexcept override;
  void Release(void* block) noexcept override;
  // True when every byte of every held block is zero.
  bool HeldBlocksAreZero() const;

 private:
  // A few released blocks kept for the next commits: runs that follow one
  // another (fuzzing, the soak) would otherwise map fresh pages every time.
  static constexpr size_t kSpareBlocks = 4;
  std::vector<void*> spare_;
};

class FakeLauncher : public platform::Launcher {
 public:
  struct Call {
    std::string commandLine, workDir;
  };
  std::vector<Call> calls;
  bool succeed = true;
  std::function<void()> whileRunning;
  bool RunAndWait(const std::string& commandLine, const std::string& workDir) override;
};

// Profile files as maps: file → section → key → value (names matched without case).
class FakeProfile : public platform::ProfileReader, public platform::ProfileWriter {
 public:
  std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> files;
  // Every write and removal, as "section/key=value" and "section/key-".
  std::vector<std::string> writes;
  bool refuseWrites = false;
  bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool DeleteKey(const std::string& file, const std::string& section, const std::string& key) override;
  // The value, or nullptr when the key is absent.
  const std::string* Find(const std::string& file, const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& file, const std::string& section,
                         const std::string& key, const std::string& def,
                         size_t maxChars) override;
  int ReadInt(const std::string& file, const std::string& section, const std::string& key,
              int def) override;
};

class FakeInstance : public platform::InstanceChannel {
 public:
  platform::OpenResult result = platform::OpenResult::Created;
  platform::InstanceBlock block;
  std::vector<std::pair<uint32_t, std::string>> sent;
  long reply = platform::kHandOverReply;
  std::string openedName;
  platform::OpenResult Open(const std::string& name) override {
    openedName = name;
    return result;
  }
  platform::InstanceBlock Read() override { return block; }
  void Write(const platform::InstanceBlock& b) override { block = b; }
  platform::InstanceBlock Own(uint32_t appWindow, uint32_t mainWindow) override {
    return {0x400000, appWindow, mainWindow, 0x20};
  }
  long HandOver(uint32_t window, const std::string& text) override {
    sent.emplace_back(window, text);
    return reply;
  }
};

class FakeDialogs : public platform::Dialogs {
 public:
  struct Box {
    std::string text, title;
    platform::BoxIcon icon;
  };
  std::vector<Box> boxes;
  void ShowMessage(const std::string& text, const std::string& title, platform::BoxIcon icon) override {
    boxes.push_back({text, title, icon});
  }
};

class FakeEnvironment : public platform::Environment {
 public:
  std::vector<std::string> args{"C:\\Brantelle\\Brantelle.exe"};
  std::string folder = "C:\\Brantelle\\";
  platform::Family family = platform::Family::NT;
  std::vector<std::string> Arguments() override { return args; }
  std::string ProgramFolder() override { return folder; }
  platform::Family PlatformFamily() override { return family; }
  std::string version = "1.0";
  std::string ProgramVersion() override { return version; }
};

// All fakes together, and the System that refers to them.
struct FakeSystem {
  FakeMemory memory;
  FakeBlocks blocks;
  FakeLauncher launcher;
  FakeProfile profile;
  FakeInstance instance;
  FakeDialogs dialogs;
  FakeEnvironment environment;
  FakePerformance performance;
  FakeFiles files;
  FakeRegistry registry;
  FakeClock clock;
  FakePriority priority;
  FakeClipboard clipboard;
  FakeSound sound;
  FakeOpener opener;
  FakeTextFiles textFiles;
  FakeNotifyArea notifyArea;
  FakeHotKeys hotKeys;
  FakeFileDialogs fileDialogs;
  FakePrinting printing;
  FakeTools tools;
  FakeDrives drives;
  platform::System system{memory,      blocks, launcher, profile,   instance, dialogs,   environment,
                          performance, files,  clock,    priority,  clipboard, sound,    opener,
                          textFiles,   registry,  hotKeys, notifyArea, fileDialogs, printing,
                          tools.tools, profile, drives};
};

}  // namespace fakes

// The real operating-system services.
#pragma once

#include <windows.h>

#include "platform/System.h"
#include "platform/win32/PerformanceRegistry.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32HotKeys.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Printing.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Tools.h"

namespace platform::win32 {

class Win32Memory : public MemoryInfo {
 public:
  MemoryFigures Query() override;
};

class Win32Blocks : public BlockSource {
 public:
  void* Commit() noexcept override;
  void Release(void* block) noexcept override;
};

class Win32Launcher : public Launcher {
 public:
  bool RunAndWait(const std::string& commandLine, const std::string& workDir) override;
};

class Win32Profile : public ProfileReader, public ProfileWriter {
 public:
  std::string ReadString(const std::string& file, const std::string& section,
                         const std::string& key, const std::string& def, size_t maxChars) override;
  int ReadInt(const std::string& file, const std::string& section, const std::string& key,
              int def) override;
  bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool DeleteKey(const std::string& file, const std::string& section, const std::string& key) override;
};

class Win32Instance : public InstanceChannel {
 public:
  ~Win32Instance() override;
  OpenResult Open(const std::string& name) override;
  InstanceBlock Read() override;
  void Write(const InstanceBlock& block) override;
  InstanceBlock Own(uint32_t appWindow, uint32_t mainWindow) override;
  long HandOver(uint32_t messageWindow, const std::string& text) override;

 private:
  static LRESULT CALLBACK MessageProc(HWND, UINT, WPARAM, LPARAM);
  HWND MessageWindow();
  HANDLE mapping_ = nullptr;
  volatile uint32_t* view_ = nullptr;
  HWND window_ = nullptr;
};

class Win32Dialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text, const std::string& title, BoxIcon icon) override;
  // The application window, which owns the boxes.
  HWND owner = nullptr;
};

class Win32Environment : public Environment {
 public:
  std::vector<std::string> Arguments() override;
  std::string ProgramFolder() override;
  Family PlatformFamily() override;
  std::string ProgramVersion() override;
};

struct Win32System {
  Win32Memory memory;
  Win32Blocks blocks;
  Win32Launcher launcher;
  Win32Profile profile;
  Win32Instance instance;
  Win32Dialogs dialogs;
  Win32Environment environment;
  PerformanceRegistry performance;
  Win32Files files;
  Win32Registry registry;
  Win32Clock clock;
  Win32Priority priority;
  Win32Clipboard clipboard;
  Win32Sound sound;
  Win32Opener opener;
  Win32TextFiles textFiles;
  Win32NotifyArea notifyArea;
  Win32HotKeys hotKeys;
  Win32FileDialogs fileDialogs;
  Win32Printing printing;
  Win32Tools tools;
  Win32Drives drives;
  System system{memory,   blocks,   launcher,  profile,    instance,   dialogs,
                environment, performance, files, clock,    priority,   clipboard,
                sound,    opener,   textFiles, registry,   hotKeys,    notifyArea,
                fileDialogs, printing, tools.tools, profile, drives};
};

std::string ModulePath();

}  // namespace platform::win32

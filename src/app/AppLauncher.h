// "/AWC": free memory, start a program and wait for it, free memory again.
#pragma once

#include <functional>
#include <string>

#include "ui/Callback.h"
#include "ui/Component.h"
#include "platform/Process.h"
#include "platform/Shell.h"

namespace app {

struct LauncherSettings {
  std::string application, cmdLine;
  int freeMemBefore = 0, freeMemAfter = 0, showWarning = 0, launchAlways = 0;
};

LauncherSettings ReadLauncherSettings(platform::ProfileReader& profile, const std::string& file);

// The quoted command line (cut to 255 characters) and the working folder.
std::string LaunchCommandLine(const LauncherSettings& s);
std::string LaunchFolder(const std::string& application);

struct LauncherActions {
  ui::Callback<int64_t()> freeMb;          // BytesToMb(FreeMemory), a fresh reading
  ui::Callback<ui::Status(int32_t mb)> silentRun;  // marks the run silent and frees mb
};

ui::Status RunLauncher(const std::string& file, platform::ProfileReader& profile,
                 platform::Launcher& launcher, platform::Dialogs& dialogs,
                 const LauncherActions& actions);

}  // namespace app

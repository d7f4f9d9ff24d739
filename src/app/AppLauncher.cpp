#include "app/AppLauncher.h"

namespace app {

static const char kSection[] = "NebbetSettings";

LauncherSettings ReadLauncherSettings(platform::ProfileReader& profile, const std::string& file) {
  LauncherSettings s;
  s.application = profile.ReadString(file, kSection, "Application", "", 300);
  s.cmdLine = profile.ReadString(file, kSection, "CmdLine", "", 255);
  s.freeMemBefore = profile.ReadInt(file, kSection, "FreeMemBefore", 0);
  s.freeMemAfter = profile.ReadInt(file, kSection, "FreeMemAfter", 0);
  s.showWarning = profile.ReadInt(file, kSection, "ShowWarning", 0);
  s.launchAlways = profile.ReadInt(file, kSection, "LaunchAlways", 0);
  return s;
}

std::string LaunchCommandLine(const LauncherSettings& s) {
  std::string line;
  line.reserve(s.application.size() + s.cmdLine.size() + 3);
  line.append(1, '"').append(s.application, 0, 255).append("\" ").append(s.cmdLine);
  return line.substr(0, 255);
}

std::string LaunchFolder(const std::string& application) {
  const size_t sep = application.find_last_of("\\/:");
  return sep == std::string::npos ? std::string() : application.substr(0, sep + 1);
}

ui::Status RunLauncher(const std::string& file, platform::ProfileReader& profile,
                       platform::Launcher& launcher, platform::Dialogs& dialogs,
                       const LauncherActions& actions) {
  const LauncherSettings s = ReadLauncherSettings(profile, file);
  if (s.application.empty()) return {};
  const int before = s.freeMemBefore, after = s.freeMemAfter;
  if (before < 0 && after < 0) return {};

  auto warn = [&] {
    dialogs.ShowMessage("Brantelle couldn't free requested size of memory:(", "Warning",
                       platform::BoxIcon::Warning);
  };
  if (before > actions.freeMb()) RETURN_IF_FAILED(actions.silentRun(before));
  if (before > actions.freeMb() && s.showWarning == 1) warn();
  if (s.launchAlways == 1 || !(before > actions.freeMb()))
    launcher.RunAndWait(LaunchCommandLine(s), LaunchFolder(s.application));
  if (after > actions.freeMb()) RETURN_IF_FAILED(actions.silentRun(after));
  if (after > actions.freeMb() && s.showWarning == 1) warn();
  return {};
}

}  // namespace app

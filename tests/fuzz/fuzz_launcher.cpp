// "/AWC" launcher files: the six keys of [NebbetSettings] with any content
// (one line of the input each; a line "!" leaves its key out), handed to the
// launcher as the system's profile functions hand them over, then the
// launcher run on fakes: at most one program started, with a command line of
// at most 255 characters and its folder as work folder.
#include <cstddef>
#include <cstdint>
#include <string>

#include "MainRig.h"
#include "app/AppLauncher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kKeys[] = {"Application", "CmdLine", "FreeMemBefore",
                                      "FreeMemAfter", "ShowWarning", "LaunchAlways"};
  const std::string input(reinterpret_cast<const char*>(data), size);
  fakes::FakeProfile profile;
  auto& section = profile.files["C:\\run.ini"]["NebbetSettings"];
  size_t pos = 0;
  for (const char* key : kKeys) {
    if (pos > input.size()) break;
    size_t end = input.find('\n', pos);
    if (end == std::string::npos) end = input.size();
    const std::string value = input.substr(pos, end - pos);
    if (value != "!") section[key] = value;
    pos = end + 1;
  }

  fakes::FakeLauncher launcher;
  fakes::FakeDialogs dialogs;
  int64_t free = size % 300;
  int runs = 0;
  app::LauncherActions actions;
  actions.freeMb = [&] { return free; };
  actions.silentRun = [&](int32_t mb) {
    ++runs;
    if (mb > 0 && mb <= 1024) free += mb / 2;
  };
  fuzz::Check(app::RunLauncher("C:\\run.ini", profile, launcher, dialogs, actions).Ok());
  fuzz::Check(launcher.calls.size() <= 1 && runs <= 2 && dialogs.boxes.size() <= 2);
  for (const auto& c : launcher.calls) {
    fuzz::Check(c.commandLine.size() <= 255 && c.commandLine[0] == '"');
    const auto app = profile.ReadString("C:\\run.ini", "NebbetSettings", "Application", "", 300);
    fuzz::Check(app.compare(0, c.workDir.size(), c.workDir) == 0);
  }
  return 0;
}

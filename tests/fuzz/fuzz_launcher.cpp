// "/AWC" launcher files of any content, read the way the system reads a
// profile file, then the launcher run on fakes: at most one program started,
// with a command line of at most 255 characters and its folder as work folder.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "MainRig.h"
#include "app/AppLauncher.h"
#include "text/Text.h"

namespace {

// Section and key names without regard to case; the first of equal keys holds.
std::map<std::string, std::string> ReadSection(const std::string& file, const std::string& wanted) {
  std::map<std::string, std::string> keys;
  bool inside = false;
  size_t pos = 0;
  while (pos < file.size()) {
    size_t end = file.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = file.size();
    const std::string line(text::Trim(std::string_view(file).substr(pos, end - pos)));
    pos = end + 1;
    if (!line.empty() && line[0] == '[') {
      const size_t close = line.find(']');
      inside = close != std::string::npos && text::EqualsNoCase(line.substr(1, close - 1), wanted);
    } else if (inside) {
      const size_t eq = line.find('=');
      if (eq == std::string::npos) continue;
      keys.emplace(text::Upper(std::string(text::Trim(std::string_view(line).substr(0, eq)))),
                   std::string(text::Trim(std::string_view(line).substr(eq + 1))));
    }
  }
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  fakes::FakeProfile profile;
  auto& section = profile.files["C:\\run.ini"]["NebbetSettings"];
  for (const auto& [k, v] : ReadSection(file, "NebbetSettings")) section[k] = v;

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
  app::RunLauncher("C:\\run.ini", profile, launcher, dialogs, actions);
  fuzz::Check(launcher.calls.size() <= 1 && runs <= 2 && dialogs.boxes.size() <= 2);
  for (const auto& c : launcher.calls) {
    fuzz::Check(c.commandLine.size() <= 255 && c.commandLine[0] == '"');
    const auto app = profile.ReadString("C:\\run.ini", "NebbetSettings", "Application", "", 300);
    fuzz::Check(app.compare(0, c.workDir.size(), c.workDir) == 0);
  }
  return 0;
}

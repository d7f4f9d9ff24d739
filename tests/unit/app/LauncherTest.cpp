#include <gtest/gtest.h>

#include "app/AppLauncher.h"
#include "fakes/Errors.h"
#include "fakes/Fakes.h"

using namespace app;

namespace {

constexpr char kFile[] = "C:\\launch.ini";

struct LauncherRig {
  fakes::FakeProfile profile;
  fakes::FakeLauncher launcher;
  fakes::FakeDialogs dialogs;
  std::vector<int64_t> freeReadings;  // consumed per reading; the last one repeats
  std::vector<int32_t> runs;
  size_t readings = 0;

  void Set(const char* key, const std::string& value) {
    profile.files[kFile]["NebbetSettings"][key] = value;
  }
  void Run() {
    LauncherActions actions;
    actions.freeMb = [this] {
      const size_t i = std::min(readings++, freeReadings.size() - 1);
      return freeReadings[i];
    };
    actions.silentRun = [this](int32_t mb) { runs.push_back(mb); };
    EXPECT_OK(RunLauncher(kFile, profile, launcher, dialogs, actions));
  }
};

}  // namespace

TEST(Launcher, TooLittleFreedWarnsAndSkipsTheLaunch) {
  LauncherRig rig;
  rig.Set("Application", "C:\\Games\\game.exe");
  rig.Set("FreeMemBefore", "200");
  rig.Set("FreeMemAfter", "100");
  rig.Set("ShowWarning", "1");
  rig.freeReadings = {150, 180};
  rig.Run();
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{200}));
  ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
  EXPECT_EQ(rig.dialogs.boxes[0].text, "Brantelle couldn't free requested size of memory:(");
  EXPECT_EQ(rig.dialogs.boxes[0].title, "Warning");
  EXPECT_EQ(rig.dialogs.boxes[0].icon, platform::BoxIcon::Warning);
  EXPECT_TRUE(rig.launcher.calls.empty());
}

TEST(Launcher, LaunchAlwaysLaunchesAnyway) {
  LauncherRig rig;
  rig.Set("Application", "C:\\Games\\game.exe");
  rig.Set("FreeMemBefore", "200");
  rig.Set("LaunchAlways", "1");
  rig.freeReadings = {150};
  rig.Run();
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{200}));
  EXPECT_EQ(rig.launcher.calls.size(), 1u);
  EXPECT_TRUE(rig.dialogs.boxes.empty());  // no warning without ShowWarning
}

TEST(Launcher, BothNegativeDoesNothingBothZeroOnlyLaunches) {
  {
    LauncherRig rig;
    rig.Set("Application", "C:\\a.exe");
    rig.Set("FreeMemBefore", "-1");
    rig.Set("FreeMemAfter", "-1");
    rig.freeReadings = {10};
    rig.Run();
    EXPECT_TRUE(rig.runs.empty());
    EXPECT_TRUE(rig.launcher.calls.empty());
  }
  {
    LauncherRig rig;
    rig.Set("Application", "C:\\a.exe");
    rig.Set("FreeMemBefore", "0");
    rig.Set("FreeMemAfter", "0");
    rig.freeReadings = {10};
    rig.Run();
    EXPECT_TRUE(rig.runs.empty());
    EXPECT_EQ(rig.launcher.calls.size(), 1u);
  }
}

TEST(Launcher, MissingFileOrApplicationDoesNothing) {
  LauncherRig rig;
  rig.freeReadings = {10};
  rig.Run();
  EXPECT_TRUE(rig.launcher.calls.empty());
  rig.Set("FreeMemBefore", "500");
  rig.Run();
  EXPECT_TRUE(rig.runs.empty());
}

TEST(Launcher, AfterRunFollowsEvenAFailedLaunch) {
  LauncherRig rig;
  rig.Set("Application", "C:\\missing.exe");
  rig.Set("FreeMemAfter", "300");
  rig.Set("ShowWarning", "1");
  rig.launcher.succeed = false;
  rig.freeReadings = {100};
  rig.Run();
  EXPECT_EQ(rig.launcher.calls.size(), 1u);
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{300}));
  EXPECT_EQ(rig.dialogs.boxes.size(), 1u);  // still short afterwards
}

TEST(Launcher, CommandLineAndFolder) {
  LauncherSettings s;
  s.application = "C:\\Games\\Doom\\doom.exe";
  s.cmdLine = "-fast -level 3";
  EXPECT_EQ(LaunchCommandLine(s), "\"C:\\Games\\Doom\\doom.exe\" -fast -level 3");
  EXPECT_EQ(LaunchFolder(s.application), "C:\\Games\\Doom\\");
  EXPECT_EQ(LaunchFolder("doom.exe"), "");
  s.application = std::string(300, 'a');
  s.cmdLine = "x";
  const std::string line = LaunchCommandLine(s);
  EXPECT_EQ(line.size(), 255u);
  EXPECT_EQ(line.substr(0, 2), "\"a");
}

TEST(Launcher, ValuesAreReadWithTheirLimits) {
  LauncherRig rig;
  rig.Set("Application", std::string(400, 'x'));
  rig.Set("CmdLine", std::string(400, 'y'));
  const LauncherSettings s = ReadLauncherSettings(rig.profile, kFile);
  EXPECT_EQ(s.application.size(), 300u);
  EXPECT_EQ(s.cmdLine.size(), 255u);
  EXPECT_EQ(s.freeMemBefore, 0);
  EXPECT_EQ(s.showWarning, 0);
}

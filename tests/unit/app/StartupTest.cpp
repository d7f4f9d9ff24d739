#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Errors.h"
#include "fakes/Fakes.h"
#include "fakes/SettingsLayout.h"
#include "settings/IniFile.h"
#include "ui/Headless.h"

using namespace app;

namespace {

std::string Stored(const std::string& below) { return std::string(fakes::kSettingsRoot) + "\\" + below; }

}  // namespace

namespace {

struct StartRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;
  std::vector<int32_t> runs;  // megabytes of each run, from the blocks asked for

  explicit StartRig(std::vector<std::string> args, const char* defragWhenStart = "1",
                    std::function<void(fakes::FakeRegistry&)> stored = {},
                    std::function<void(fakes::FakeRegistry&)> duringRun = {}) {
    sys.memory.figures.totalPhys = 267894784;  // 255.48 MB
    sys.memory.figures.availPhys = 100u << 20;
    if (stored) stored(sys.registry);
    sys.environment.args.insert(sys.environment.args.end(), args.begin(), args.end());
    form = std::make_unique<TMainForm>(app, sys.system);
    form->Find("DefragWhenStart")->SetCaption(defragWhenStart);
    form->DefragMem->OnBeforeDefrag = [this, duringRun] {
      commitsAtStart = sys.blocks.commits;
      if (duringRun) duringRun(sys.registry);
    };
    form->DefragMem->OnAfterDefrag = [this] { runs.push_back(sys.blocks.commits - commitsAtStart); };
    StartUp(app, *form);
  }
  int commitsAtStart = 0;
};

}  // namespace

TEST(Startup, InteractiveStartWithDefaultsIsMinimizedAndHidden) {
  StartRig rig({});
  EXPECT_FALSE(rig.form->Visible());
  EXPECT_EQ(rig.form->State(), ui::WindowState::Minimized);
  EXPECT_GE(rig.backend.hides, 1);
  EXPECT_TRUE(rig.runs.empty());
  EXPECT_FALSE(rig.app.IsTerminated());
  EXPECT_TRUE(rig.sys.instance.sent.empty());
}

TEST(Startup, ShowWindowSwitchShowsAndSkipsTheStartUpRun) {
  StartRig rig({"/w"}, "0");
  EXPECT_TRUE(rig.form->Visible());
  EXPECT_EQ(rig.backend.hides, 0);
  EXPECT_TRUE(rig.runs.empty());
}

TEST(Startup, SliderIsScaledToInstalledMemory) {
  StartRig rig({"/W"});
  EXPECT_EQ(rig.form->TrackBar->Max(), 255);
  EXPECT_EQ(rig.form->TrackBar->Frequency(), 26);
  EXPECT_EQ(rig.form->TrackBar->Min(), 1);
  EXPECT_FALSE(rig.form->TrackBar->Visible());
}

TEST(Startup, FreeSwitchRunsSilentlyAndEnds) {
  StartRig rig({"/free", "20"});
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{20}));
  EXPECT_TRUE(rig.form->SilentRun);
  EXPECT_TRUE(rig.app.IsTerminated());
  EXPECT_FALSE(rig.form->Visible());
  EXPECT_EQ(rig.backend.pumps, 40);  // messages processed after every step
}

TEST(Startup, FreeWithStartUpFreeingRunsTwiceAutomaticAmountFirst) {
  StartRig rig({"/FREE", "30"}, "0");
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{64, 30}));
}

TEST(Startup, FreeWithoutANumberFreesOneMegabyte) {
  StartRig rig({"/FREE", "lots"});
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{1}));
  StartRig none({"/FREE"});
  EXPECT_EQ(none.runs, (std::vector<int32_t>{1}));
}

TEST(Startup, OptimizeRunsTheAutomaticAmountOnce) {
  StartRig rig({"/opt"}, "0");  // start-up freeing on: still one run
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{64}));
  EXPECT_TRUE(rig.app.IsTerminated());
}

TEST(Startup, LauncherModeFreesLaunchesAndEnds) {
  // Built by hand: the launcher file must exist before start-up.
  fakes::FakeSystem sys;
  sys.memory.figures.totalPhys = 267894784;
  sys.memory.figures.availPhys = 50u << 20;
  sys.environment.args.push_back("/AWC");
  sys.environment.args.push_back("C:\\l.ini");
  auto& keys = sys.profile.files["C:\\l.ini"]["NebbetSettings"];
  keys["Application"] = "C:\\Tools\\tool.exe";
  keys["CmdLine"] = "-x";
  keys["FreeMemBefore"] = "100";
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  TMainForm form(app, sys.system);
  form.DefragMem->OnAfterDefrag = [&] { sys.memory.figures.availPhys = 120u << 20; };
  StartUp(app, form);
  EXPECT_EQ(sys.blocks.commits, 100);
  ASSERT_EQ(sys.launcher.calls.size(), 1u);
  EXPECT_EQ(sys.launcher.calls[0].commandLine, "\"C:\\Tools\\tool.exe\" -x");
  EXPECT_EQ(sys.launcher.calls[0].workDir, "C:\\Tools\\");
  EXPECT_TRUE(app.IsTerminated());
}

TEST(Startup, LaterCopyHandsOverPerformsItsOwnActionsAndEnds) {
  fakes::FakeSystem sys;
  sys.memory.figures.totalPhys = 267894784;
  sys.instance.result = platform::OpenResult::Existed;
  sys.instance.block = {1, 2, 3, 4};
  sys.environment.args.push_back("/W");
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  TMainForm form(app, sys.system);
  form.Find("DefragWhenStart")->SetCaption("0");
  StartUp(app, form);
  ASSERT_EQ(sys.instance.sent.size(), 1u);
  EXPECT_EQ(sys.instance.sent[0].second, "C:\\Brantelle\\Brantelle.exe\r\n/W\r\n");
  EXPECT_TRUE(app.IsTerminated());
}

TEST(Startup, FirstCopyComesBackWhenASecondOneStarts) {
  StartRig rig({});
  ASSERT_FALSE(rig.form->Visible());
  rig.sys.instance.onHandOver("C:\\Brantelle\\Brantelle.exe\r\n");
  EXPECT_TRUE(rig.form->Visible());
  EXPECT_EQ(rig.form->State(), ui::WindowState::Normal);
  EXPECT_GE(rig.backend.restores, 1);
}

TEST(Startup, SettingLabelsHoldTheirInitialTexts) {
  StartRig rig({"/W"});
  EXPECT_EQ(rig.form->Setting("RAMLevel"), "15");
  EXPECT_EQ(rig.form->Setting("ReportDelay"), "60000");
  EXPECT_EQ(rig.form->Setting("FHotKey"), "D");
  EXPECT_TRUE(rig.form->FlagOn("StartMinimized"));
  EXPECT_FALSE(rig.form->FlagOn("ClearBord"));
  EXPECT_FALSE(rig.form->Find("RAMLevel")->Visible());
  rig.form->Find("RAMLevel")->SetCaption("x1");
  EXPECT_EQ(rig.form->Number("RAMLevel").Message(), "'x1' is not a valid integer value");
}

TEST(Startup, EndOfSessionIsAllowedAndMarksARealExit) {
  StartRig rig({"/W"});
  ASSERT_TRUE(rig.form->OnQueryEndSession);
  EXPECT_TRUE(rig.form->OnQueryEndSession());
  EXPECT_TRUE(rig.form->ExitRequested);
}

TEST(Startup, AStoredSliderAmountOutlivesTheRestoresOfStartUp) {
  auto slider = [](uint32_t position) {
    return [position](fakes::FakeRegistry& r) {
      r.PutDword(Stored("MainForm\\Auto"), "Checked", 0);
      r.PutDword(Stored("MainForm\\TryTo"), "Checked", 1);
      r.PutDword(Stored("MainForm\\TrackBar"), "Position", position);
    };
  };
  StartRig rig({}, "0", slider(200));  // the start-up run of the slider's amount
  EXPECT_EQ(rig.runs, (std::vector<int32_t>{200}));
  EXPECT_EQ(rig.form->TrackBar->Position(), 200);
  StartRig above({}, "0", slider(300));
  EXPECT_EQ(above.runs, (std::vector<int32_t>{255}));  // still limited to the installed megabytes
}

TEST(Startup, ATrayRestoreAfterADefaultStartLetsTheNextMinimizeSave) {
  StartRig rig({});  // minimized and hidden
  rig.sys.notifyArea.DeliverMouse(1, platform::kLButtonDblClk);  // TrayAction "0"
  EXPECT_TRUE(rig.form->Visible());
  EXPECT_FALSE(rig.app.Minimized());
  rig.form->FreeingReport->Click();
  rig.form->Minimize->Click();
  const platform::RegValue* stored = rig.sys.registry.Get(Stored("MainForm\\FreeingReport"), "Checked");
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->data, (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(Startup, TheSessionsEndClosesAsExitDoes) {
  StartRig rig({"/W"}, "1");
  ASSERT_TRUE(rig.form->OnQueryEndSession());
  EXPECT_OK(rig.form->OnEndSession());
  EXPECT_TRUE(rig.form->Destroyed());
  EXPECT_TRUE(rig.app.IsTerminated());
  const std::string& log = rig.sys.textFiles.files["C:\\Brantelle\\log.txt"];
  EXPECT_EQ(log.rfind("*** Brantelle closed"), log.rfind("***"));
  EXPECT_NE(rig.sys.registry.Get(Stored("MainForm"), "State"), nullptr);  // the window values
}

TEST(Startup, TheHandOverCallbackGoesWithTheForm) {
  fakes::FakeSystem sys;
  sys.environment.args.push_back("/W");
  {
    ui::HeadlessBackend backend;
    ui::Application app(backend);
    TMainForm form(app, sys.system);
    StartUp(app, form);
    ASSERT_TRUE(sys.instance.onHandOver);
  }
  EXPECT_FALSE(sys.instance.onHandOver);
}

TEST(Startup, NumberSettingsAreDecimalDigitsOnly) {
  StartRig rig({"/W"});
  for (const char* text : {"$1F", "0x1F", " 15", "15 ", "", "-"}) {
    rig.form->Find("RAMLevel")->SetCaption(text);
    EXPECT_FALSE(rig.form->Number("RAMLevel").Ok()) << text;
  }
  rig.form->Find("RAMLevel")->SetCaption("-15");
  EXPECT_EQ(*rig.form->Number("RAMLevel"), -15);
}

// A number setting that is not a number fails its start-up step alone. A
// one-shot start still ends, logs its start and shows no box (nothing owns
// one, and nobody may be there to close it); an interactive start shows the
// box and still logs, registers its hot keys and enables its tray icon.
TEST(Startup, ABadNumberSettingFailsOnlyItsStartUpStep) {
  const char* labels[] = {"CPUCriticalLevel", "Priority", "RAMLevel", "ReportDelay", "TrayAction", "TrayType"};
  const std::vector<std::string> modes[] = {{"/OPT"}, {"/FREE", "4"}, {}};
  for (const char* label : labels) {
    for (const auto& args : modes) {
      // DefragWhenStart on: every mode frees at start and reads the processor ceiling.
      StartRig rig(args, "0", [&](fakes::FakeRegistry& r) {
        r.PutString(Stored(std::string("MainForm\\") + label), "Caption", "x");
      });
      const std::string what = std::string(label) + (args.empty() ? "" : " " + args[0]);
      // The start-up run reads the processor ceiling (the rig takes the
      // run's own start, which reads the priority, out).
      const bool readAtStart = std::string(label) == "CPUCriticalLevel";
      const std::string& log = rig.sys.textFiles.files["C:\\Brantelle\\log.txt"];
      EXPECT_NE(log.find("*** Brantelle started"), std::string::npos) << what;
      EXPECT_EQ(rig.form->Setting(label), "x") << what;
      if (!args.empty()) {
        EXPECT_TRUE(rig.app.IsTerminated()) << what;
        EXPECT_TRUE(rig.backend.errors.empty()) << what;
        if (readAtStart) {
          EXPECT_GE(rig.app.QuietErrorCount(), 1) << what;
        }
      } else {
        EXPECT_FALSE(rig.app.IsTerminated()) << what;
        EXPECT_EQ(rig.sys.hotKeys.registered.size(), 3u) << what;
        EXPECT_TRUE(rig.form->TrayIcon->Enabled()) << what;
        if (readAtStart) {
          EXPECT_FALSE(rig.backend.errors.empty()) << what;
        }
      }
    }
  }
}

// What another program stores while Brantelle runs is what the next restore
// shows and the next save keeps.
TEST(Startup, StoredValuesFromOutsideAreReadAndKept) {
  const std::string report = Stored("MainForm\\FreeingReport");
  auto checked = [](fakes::FakeRegistry& r, const std::string& key) {
    const platform::RegValue* v = r.Get(key, "Checked");
    return v ? settings::ValueAsInteger(*v).value_or(-1) : -1;
  };
  {  // the tree deleted and one value stored anew while in the tray
    StartRig rig({"/W"}, "0");
    rig.form->Minimize->Click();
    rig.sys.registry.Clear();
    rig.sys.registry.PutDword(report, "Checked", 1);
    rig.sys.notifyArea.DeliverMouse(1, platform::kLButtonDblClk);
    EXPECT_TRUE(rig.form->FreeingReport->Checked());
    EXPECT_TRUE(rig.sys.registry.HasKey(Stored("MainForm\\TrackBar")));  // the tree made again
    rig.form->Minimize->Click();
    EXPECT_EQ(checked(rig.sys.registry, report), 1);
  }
  {  // stored during the start-up freeing run: the second restore reads it
    StartRig rig({}, "0", [&](fakes::FakeRegistry& r) { r.PutDword(report, "Checked", 0); },
                 [&](fakes::FakeRegistry& r) { r.PutDword(report, "Checked", 1); });
    EXPECT_EQ(rig.runs.size(), 1u);
    EXPECT_TRUE(rig.form->FreeingReport->Checked());
  }
}

#include <gtest/gtest.h>

#include <new>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

using namespace app;
using platform::PriorityClass;

namespace {

constexpr const char* kLog = "C:\\Brantelle\\log.txt";
constexpr const char* kStamp = " at 10:00:00 01.02.2024\r\n";
constexpr const char* kEndStamp = " at 10:00:05 01.02.2024\r\n";

// The main window with the report's opening point observed.
class Form : public TMainForm {
 public:
  using TMainForm::TMainForm;
  int reports = 0;
  std::function<void()> whileReportOpen;
  void ShowFreeingReport() override {
    ++reports;
    if (whileReportOpen) whileReportOpen();
  }
};

struct RunRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<Form> form;
  int pumps = 0;
  std::function<void(int pump)> duringRun;  // runs inside every message pump of a run

  RunRig() {
    sys.memory.figures.totalPhys = 267894784;  // 255 MB: Auto asks for 64
    sys.memory.figures.availPhys = 100u << 20;
    sys.environment.args.push_back("/W");
    form = std::make_unique<Form>(app, sys.system);
    StartUp(app, *form);
    sys.textFiles.files.erase(kLog);  // the start line is another test's business
    backend.onProcessMessages = [this] {
      if (duringRun) duringRun(++pumps);
    };
  }
  // At the first pump the run "takes" five seconds and free memory moves to freeMb.
  void EndsWithFreeMb(uint64_t freeMb) {
    duringRun = [this, freeMb](int pump) {
      if (pump != 1) return;
      sys.memory.figures.availPhys = freeMb << 20;
      sys.clock.tick += 5000;
      sys.clock.time = "10:00:05";
    };
  }
  const std::string& Log() { return sys.textFiles.files[kLog]; }
};

std::string Lines(std::initializer_list<std::pair<const char*, const char*>> lines) {
  std::string all;
  for (const auto& [event, stamp] : lines) all += std::string(event) + stamp;
  return all;
}

}  // namespace

TEST(FreeingRun, WindowIsInItsRunningStateDuringProgressAndIdleAfterwards) {
  RunRig rig;
  auto& f = *rig.form;
  bool checked = false;
  rig.duringRun = [&](int pump) {
    if (pump != 2) return;
    checked = true;
    EXPECT_FALSE(f.Go->Enabled());
    EXPECT_TRUE(f.RunInProgress());
    EXPECT_EQ(f.Exitb->Caption(), "Stop");
    for (const char* item : {"Exit__", "Exit_", "AFree", "TFreeMenu"})
      EXPECT_FALSE(f.Find(item)->Enabled()) << item;
    EXPECT_FALSE(f.StatusBar->PanelAt(0).visible);
    EXPECT_TRUE(f.StatusBar->PanelAt(1).visible);
    EXPECT_FALSE(f.StatusBar->PanelAt(2).visible);
    EXPECT_TRUE(f.ProgressBar->Visible());
    EXPECT_EQ(f.ProgressBar->Position(), 1);  // moved after the first step's pump
    for (auto* g : {f.RAMUsage, f.RAMLoading, f.CPUUsage, f.SwapUsage}) EXPECT_FALSE(g->Active());
    EXPECT_FALSE(f.Timer->Running());
    EXPECT_EQ(f.Caption(), "Brantelle is optimizing your memory ...");
    EXPECT_FALSE(f.Exitb->ShowHint());
    EXPECT_TRUE(f.DefragMem->Busy());
  };
  f.Go->Click();
  ASSERT_TRUE(checked);
  EXPECT_EQ(rig.sys.blocks.commits, 64);
  EXPECT_EQ(rig.sys.blocks.releases, 64);
  EXPECT_EQ(rig.pumps, 128);
  EXPECT_TRUE(f.Go->Enabled());
  EXPECT_EQ(f.Exitb->Caption(), "Exit");
  for (const char* item : {"Exit__", "Exit_", "AFree", "TFreeMenu"}) EXPECT_TRUE(f.Find(item)->Enabled());
  EXPECT_TRUE(f.StatusBar->PanelAt(0).visible);
  EXPECT_FALSE(f.StatusBar->PanelAt(1).visible);
  EXPECT_TRUE(f.StatusBar->PanelAt(2).visible);
  EXPECT_FALSE(f.ProgressBar->Visible());
  EXPECT_EQ(f.ProgressBar->Position(), 0);
  for (auto* g : {f.RAMUsage, f.RAMLoading, f.CPUUsage, f.SwapUsage}) EXPECT_TRUE(g->Active());
  EXPECT_TRUE(f.Timer->Running());
  EXPECT_FALSE(f.DefragMem->Busy());
  EXPECT_EQ(f.reports, 1);
}

TEST(FreeingRun, ManualRunLogsThreeLinesAndKeepsItsRecord) {
  RunRig rig;
  rig.EndsWithFreeMb(120);
  rig.form->Go->Click();
  EXPECT_EQ(rig.Log(), Lines({{"    Brantelle started freeing RAM", kStamp},
                              {"    Brantelle finished freeing RAM", kEndStamp},
                              {"    Brantelle freeing 20 Mb", kEndStamp}}));
  const TRunRecord& r = rig.form->RunRecord;
  EXPECT_EQ(r.RunStartTime, "10:00:00");
  EXPECT_EQ(r.RunEndTime, "10:00:05");
  EXPECT_EQ(r.RunStartDate, "01.02.2024");
  EXPECT_EQ(r.RunEndDate, "01.02.2024");
  EXPECT_EQ(r.RunElapsedText, "Elapsed time: 5s");
  EXPECT_EQ(r.FreeBeforeRun, 100 << 20);
  EXPECT_EQ(r.FreeAfterRun, 120 << 20);
  EXPECT_EQ(rig.form->reports, 1);
}

TEST(FreeingRun, LessFreeMemoryAfterwardsLogsANegativeGain) {
  RunRig rig;
  rig.EndsWithFreeMb(97);
  rig.form->Go->Click();
  EXPECT_NE(rig.Log().find("    Brantelle freeing -3 Mb at "), std::string::npos) << rig.Log();
  RunRig same;
  same.form->Go->Click();
  EXPECT_NE(same.Log().find("    Brantelle freeing 0 Mb at "), std::string::npos) << same.Log();
}

TEST(FreeingRun, SilentRunLogsTheSameLinesOpensNoReportAndClearsTheFlag) {
  RunRig rig;
  rig.EndsWithFreeMb(110);
  rig.form->SilentRun = true;
  rig.form->Go->Click();
  EXPECT_EQ(rig.form->reports, 0);
  EXPECT_FALSE(rig.form->SilentRun);
  EXPECT_EQ(rig.Log(), Lines({{"    Brantelle started freeing RAM", kStamp},
                              {"    Brantelle finished freeing RAM", kEndStamp},
                              {"    Brantelle freeing 10 Mb", kEndStamp}}));
  rig.form->Go->Click();  // the next manual run reports again
  EXPECT_EQ(rig.form->reports, 1);
}

TEST(FreeingRun, StopFromInsideAProgressEventAbortsAndStillReports) {
  RunRig rig;
  rig.duringRun = [&](int pump) {
    if (pump == 3) rig.form->Exitb->Click();
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 3);
  EXPECT_EQ(rig.sys.blocks.releases, 3);
  EXPECT_TRUE(rig.sys.blocks.held.empty());
  EXPECT_FALSE(rig.form->ExitRequested);
  EXPECT_FALSE(rig.app.IsTerminated());
  EXPECT_EQ(rig.Log(), Lines({{"    Brantelle started freeing RAM", kStamp},
                              {"    Brantelle freeing RAM aborted", kStamp},
                              {"    Brantelle finished freeing RAM", kStamp},
                              {"    Brantelle freeing 0 Mb", kStamp}}));
  EXPECT_EQ(rig.form->reports, 1);
  EXPECT_TRUE(rig.form->Go->Enabled());
}

TEST(FreeingRun, ATrayAmountChosenAfterStopDoesNotCancelTheStop) {
  RunRig rig;
  rig.duringRun = [&](int pump) {
    if (pump != 3) return;
    rig.form->Exitb->Click();
    rig.form->FindAs<ui::MenuItem>("M10")->Click();
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 3);
}

TEST(FreeingRun, ARefusedSilentStarterLeavesTheFlagForTheRunInProgress) {
  RunRig rig;
  rig.duringRun = [&](int pump) {
    // The free-everything hot key, refused by the engine: a run is in progress.
    if (pump == 1) rig.form->NotifyHotKey(rig.sys.hotKeys.IdOf('D'));
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 64);  // one run only
  EXPECT_EQ(rig.form->reports, 0);
  EXPECT_FALSE(rig.form->SilentRun);
}

TEST(FreeingRun, ASecondRunWhileTheReportIsOpenOpensNoSecondReport) {
  RunRig rig;
  rig.form->whileReportOpen = [&] {
    rig.form->whileReportOpen = nullptr;
    EXPECT_TRUE(rig.form->ReportOpen());
    rig.form->TryTo->Click();
    rig.form->TrackBar->SetPosition(2);
    rig.form->Go->Click();
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 66);
  EXPECT_EQ(rig.form->reports, 1);
  EXPECT_FALSE(rig.form->ReportOpen());
}

TEST(FreeingRun, SliderChoiceCaptionAndAmount) {
  RunRig rig;
  auto& f = *rig.form;
  EXPECT_FALSE(f.TrackBar->Visible());
  f.TryTo->Click();
  EXPECT_TRUE(f.TrackBar->Visible());
  f.TrackBar->SetPosition(40);
  EXPECT_EQ(f.TryTo->Caption(), "&Try to free 40 Mb of RAM");
  f.Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 40);
  f.Auto->Click();
  EXPECT_FALSE(f.TrackBar->Visible());
}

TEST(FreeingRun, TrayAmountsAreCaptionedForInstalledMemoryAndAreNotSilent) {
  RunRig rig;
  auto caption = [&](const char* item) { return rig.form->Find(item)->Caption(); };
  EXPECT_EQ(caption("M10"), "10% of 255 Mb (26 Mb)");
  EXPECT_EQ(caption("M50"), "50% of 255 Mb (128 Mb)");
  EXPECT_EQ(caption("M90"), "90% of 255 Mb (230 Mb)");
  EXPECT_EQ(caption("M100"), "100% of 255 Mb (255 Mb)");
  rig.form->FindAs<ui::MenuItem>("M10")->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 26);
  EXPECT_EQ(rig.form->reports, 1);
}

TEST(FreeingRun, ReportCheckBoxAndTrayItemAreTwins) {
  RunRig rig;
  auto& f = *rig.form;
  f.FreeingReport->Click();
  EXPECT_FALSE(f.DispRep->Checked());
  f.Go->Click();
  EXPECT_EQ(f.reports, 0);
  f.DispRep->Click();
  EXPECT_TRUE(f.DispRep->Checked());
  EXPECT_TRUE(f.FreeingReport->Checked());
  f.DispRep->Click();
  EXPECT_FALSE(f.FreeingReport->Checked());
}

TEST(FreeingRun, PrioritySettingDuringTheRunNormalAfterwards) {
  const struct {
    const char* setting;
    std::vector<PriorityClass> expected;
    int commits;
  } cases[] = {
      {"0", {PriorityClass::High, PriorityClass::Normal}, 64},
      {"1", {PriorityClass::Normal, PriorityClass::Normal}, 64},
      {"2", {PriorityClass::Idle, PriorityClass::Normal}, 64},
      {"3", {PriorityClass::Normal}, 64},
      {"fast", {PriorityClass::Normal}, 1},  // no number: the error box, and the run stops at once
  };
  for (const auto& [setting, expected, commits] : cases) {
    RunRig rig;
    rig.form->Find("Priority")->SetCaption(setting);
    rig.form->Go->Click();
    EXPECT_EQ(rig.sys.priority.sets, expected) << setting;
    EXPECT_EQ(rig.sys.blocks.commits, commits) << setting;
    EXPECT_EQ(rig.backend.errors.size(), commits == 1 ? 1u : 0u) << setting;
    EXPECT_TRUE(rig.form->Go->Enabled()) << setting;  // never in its running state
  }
}

TEST(FreeingRun, BeepAndClipboardFollowTheirFlags) {
  RunRig rig;  // defaults: beep on, clipboard off
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.sound.beeps, (std::vector<std::pair<unsigned, unsigned>>{{5000, 50}}));
  EXPECT_EQ(rig.sys.clipboard.empties, 0);
  rig.form->Find("DoBeep")->SetCaption("1");
  rig.form->Find("ClearBord")->SetCaption("0");
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.sound.beeps.size(), 1u);
  EXPECT_EQ(rig.sys.clipboard.empties, 1);
}

TEST(FreeingRun, ElapsedTimeText) {
  EXPECT_EQ(ElapsedTimeText(5000), "Elapsed time: 5s");
  EXPECT_EQ(ElapsedTimeText(65999), "Elapsed time: 1m 5s");
  EXPECT_EQ(ElapsedTimeText(3605000), "Elapsed time: 1h 0m 5s");
  EXPECT_EQ(ElapsedTimeText(0), "Elapsed time: 0s");
}

TEST(FreeingRun, ElapsedTimeSurvivesTheCounterWrapping) {
  RunRig rig;
  rig.sys.clock.tick = 0xFFFFF000u;
  rig.duringRun = [&](int pump) {
    if (pump == 1) rig.sys.clock.tick = 0x388;  // 4096 + 904 ms later
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.form->RunRecord.RunElapsedText, "Elapsed time: 5s");
}

TEST(FreeingRun, ExitWhenIdleClosesAndLogsTheClosingLine) {
  RunRig rig;
  rig.form->FindAs<ui::MenuItem>("Exit_")->Click();
  EXPECT_TRUE(rig.form->ExitRequested);
  EXPECT_TRUE(rig.app.IsTerminated());
  EXPECT_EQ(rig.Log(), Lines({{"*** Brantelle closed", kStamp}}));
}

TEST(FreeingRun, StopThenTheFreeEverythingHotKeyInOneBatchStillStops) {
  RunRig rig;
  rig.duringRun = [&](int pump) {
    if (pump != 3) return;
    rig.form->Exitb->Click();
    rig.form->NotifyHotKey(rig.sys.hotKeys.IdOf('D'));
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 3);
  EXPECT_EQ(rig.form->reports, 0);  // the hot key's silence still holds for this run
}

TEST(FreeingRun, CloseDuringARunStopsItAndClosesAfterItsLastLine) {
  RunRig rig;
  rig.form->Find("CloseToTray")->SetCaption("1");
  rig.duringRun = [&](int pump) {
    if (pump == 3) rig.form->Close();
  };
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.blocks.commits, 3);
  EXPECT_EQ(rig.form->reports, 0);
  EXPECT_FALSE(rig.form->Destroyed());  // not while the run's handlers still use it
  EXPECT_TRUE(rig.form->Go->Enabled());
  rig.backend.RunPosted();
  EXPECT_TRUE(rig.form->Destroyed());
  EXPECT_TRUE(rig.app.IsTerminated());
  EXPECT_EQ(rig.Log(), Lines({{"    Brantelle started freeing RAM", kStamp},
                              {"    Brantelle finished freeing RAM", kStamp},
                              {"    Brantelle freeing 0 Mb", kStamp},
                              {"*** Brantelle closed", kStamp}}));
}

TEST(FreeingRun, AnErrorInsideARunIsShownAndTheWindowReturnsToIdle) {
  RunRig rig;
  // A command chosen while the run pumps its messages meets an error: its
  // box shows, and the run goes on to its end.
  rig.sys.files.PutLocked("C:\\Brantelle\\Language\\German.ini");
  rig.duringRun = [&](int pump) {
    if (pump == 2) rig.form->FindAs<ui::MenuItem>("Ger")->Click();
  };
  rig.form->Go->Click();
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_NE(rig.backend.errors[0].find("Cannot open file C:\\Brantelle\\Language\\German.ini"), std::string::npos);
  EXPECT_EQ(rig.sys.blocks.commits, 64);
  EXPECT_TRUE(rig.form->Go->Enabled());
  EXPECT_TRUE(rig.form->Timer->Running());
  EXPECT_TRUE(rig.form->Exitb->ShowHint());
  EXPECT_TRUE(rig.sys.notifyArea.cycles.empty());
}

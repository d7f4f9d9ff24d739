#include "app/MainFrm.h"

#include "app/AppLauncher.h"
#include "cpu/CpuFrm.h"
#include "i18n/MessageText.h"
#include "settings/InitialSettings.h"
#include "engine/MemoryStatus.h"
#include "gauges/MainWindowGauge.h"
#include "text/Text.h"
#include "tools/vcache.h"

namespace app {

namespace {

}  // namespace

TMainForm::TMainForm(ui::Application& app, platform::System& system)
    : ui::Window(app, "MainForm"),
      system_(system),
      command_(ParseCommandLine(system.environment.Arguments())),
      cpuMeter_(system.performance) {
  created_ = cpuMeter_.Created();
  if (!created_.Ok()) return;  // nothing of the window is made
  SetCaption("Brantelle");
  SetClientSize(kClientWidth, kClientHeight);
  Add<ui::Picture>(nullptr, "Right");
  Add<ui::Picture>(nullptr, "Left");
  Add<ui::Picture>(nullptr, "Left_disabled");
  DefragMem = &Add<engine::TDefragMem>("DefragMem", system.memory, system.blocks);
  OneInstance = &Add<TElOneInstance>("OneInstance", system.instance);
  FindAs<ui::Picture>("Right")->SetBounds({kClientWidth - 14, 0, 14, 360});
  FindAs<ui::Picture>("Right")->SetHint("Processor Detection Toolkit");
  FindAs<ui::Picture>("Left")->SetBounds({0, 0, 14, 360});
  FindAs<ui::Picture>("Left")->SetHint("Cache Tuning (this feature works only under Win 9X/ME)");
  FindAs<ui::Picture>("Left_disabled")->SetVisible(false);

  auto& group1 = Add<ui::GroupBox>(nullptr, "ElGroupBox1");
  group1.SetCaption(" Memory Mode: Determines what happens when you press Go! ");
  group1.SetBounds({20, 4, 419, 94});
  CreateSettingLabels(&group1);
  Auto = &Add<ui::RadioButton>(&group1, "Auto");
  Auto->SetCaption("&AutoFree: Automatically optimizes \r\nto balance speed and memory");
  Auto->SetBounds({12, 14, 240, 28});  // its text runs over two lines
  Auto->SetChecked(true);
  TryTo = &Add<ui::RadioButton>(&group1, "TryTo");
  TryTo->SetCaption("&Try to free 1 Mb of RAM");
  TryTo->SetBounds({12, 45, 150, 18});
  TrackBar = &Add<ui::TrackBar>(&group1, "TrackBar");
  TrackBar->SetBounds({165, 38, 245, 28});
  TrackBar->SetMin(1);
  TrackBar->SetPosition(1);
  TrackBar->SetVisible(false);
  FreeingReport = &Add<ui::CheckBox>(&group1, "FreeingReport");
  FreeingReport->SetCaption("&Display a freeing result report when done with memory operations");
  FreeingReport->SetBounds({12, 68, 400, 18});
  FreeingReport->SetChecked(true);

  Go = &Add<ui::Button>(nullptr, "Go");
  Go->SetCaption("Go!");
  Go->SetDefault(true);
  Go->SetBounds({20, 103, 419, 27});

  struct GaugeGroup {
    const char* caption;
    const char* gauge;
    gauges::TDataType type;
    gauges::TSensor** slot;
  };
  const GaugeGroup groups[] = {
      {" Free Memory ", "RAMUsage", gauges::dtFreePhisMem, &RAMUsage},
      {" Memory Usage ", "RAMLoading", gauges::dtPhisMemLoadPercent, &RAMLoading},
      {" CPU Usage ", "CPUUsage", gauges::dtCPU, &CPUUsage},
      {" Swap File Usage ", "SwapUsage", gauges::dtLoadSwap, &SwapUsage},
  };
  for (int i = 0; i < 4; ++i) {
    auto& g = Add<ui::GroupBox>(nullptr, "ElGroupBox" + std::to_string(i + 2));
    g.SetCaption(groups[i].caption);
    g.SetBounds({20 + (i % 2) * 212, 136 + (i / 2) * 88, 207, 84});
    *groups[i].slot = &gauges::AddMainWindowGauge(*this, &g, groups[i].gauge, groups[i].type,
                                                 {&system.memory, &cpuMeter_, system.clock.DecimalSeparator()},
                                                 {5, 15, 197, 65});
  }

  Add<ui::Bevel>(nullptr, "Bevel1").SetBounds({20, 316, 419, 2});
  Exitb = &Add<ui::Button>(nullptr, "Exitb");
  Exitb->SetCaption("Exit");
  Exitb->SetBounds({20, 326, 135, 27});
  Minimize = &Add<ui::Button>(nullptr, "Minimize");
  Minimize->SetCaption("Minimize");
  Minimize->SetHint("Click to minimize Brantelle");
  Minimize->SetBounds({162, 326, 135, 27});
  SettingsB = &Add<ui::Button>(nullptr, "SettingsB");
  SettingsB->SetCaption("Settings");
  SettingsB->SetBounds({304, 326, 135, 27});

  StatusBar = &Add<ui::StatusBar>(nullptr, "StatusBar");
  StatusBar->SetBounds({0, kClientHeight - 20, kClientWidth, 20});
  // Panels 0 and 1 take turns: the figures while idle, the progress bar in a run.
  StatusBar->AddPanel(392);
  StatusBar->AddPanel(392);
  StatusBar->AddPanel(-1);
  StatusBar->SetPanelVisible(1, false);  // the progress panel shows during a run only
  ProgressBar = &Add<ui::ProgressBar>(StatusBar, "ProgressBar");
  ProgressBar->SetBounds({2, 3, 388, 16});
  ProgressBar->SetVisible(false);

  FormCaption = &Add<ui::CaptionBar>(nullptr, "FormCaption");
  FormCaption->AddButton("Stay On Top");

  CreateSensorActions();
  CreateMenus();

  Timer = &Add<ui::Timer>("Timer");
  Timer->SetInterval(1000);
  Timer->OnTimer = [this] { return TimerTimer(); };
  AutoTimer = &Add<ui::Timer>("AutoTimer");
  AutoTimer->SetEnabled(false);
  AutoTimer->SetInterval(900000);
  IniFile = &Add<settings::TElIniFile>("IniFile", system.registry);
  FormPersist = &Add<settings::TElFormPersist>("FormPersist", *IniFile);
  TrayIcon = &Add<gauges::TTextTrayIcon>("TrayIcon", system.notifyArea);
  ImageList = &Add<gauges::TImageList>("ImageList", gauges::RunAnimationFrames());
  ImageList1 = &Add<gauges::TImageList>("ImageList1", gauges::FreeMemoryBackgrounds());
  TurnOff = &Add<tools::TeasyShutDown>("TurnOff", system.tools);
  BIOSInfor = &Add<tools::TBIOSDate>("BIOSInfor", system.registry, system.tools);

  WireFreeingRun();
  WireLogMenu();
  WireAutoFreeing();
  WireTray();
  WireDialogs();
  WireReport();
  WireToolWindows();
  WireLanguageMenu();
  WireSystemTools();
  OnClose = [this] { WriteLogLine("*** " + i18n::Message("M69")); };

  // The end of the Windows session ends the program as Exit does: the query
  // allows it, and the session's actual end closes the window.
  OnQueryEndSession = [this] {
    ExitRequested = true;
    return true;
  };
  OnEndSession = [this] {
    ExitRequested = true;
    Close();
  };

  // Every control is created once, in its final state; the guard below needs
  // the window's handle.
  app.GetBackend().Realize(*this);
  // The guard runs once it is loaded, while the window is still being built.
  OneInstance->OnExists = [](const platform::InstanceBlock&, bool& doSwitch) { doSwitch = true; };
  OneInstance->OnInstanceRun = [this](const std::vector<std::string>&) { RestoreClick(); };
  if (!OneInstance->Loaded(system.environment.Arguments()))
    created_ = ui::Error("Cannot create the single-instance block");
}

void TMainForm::CreateSettingLabels(ui::Component* group) {
  for (const auto& s : settings::kSettingLabels) {
    auto& label = Add<ui::Label>(group, s.name);
    label.SetCaption(s.initial);
    label.SetVisible(false);
  }
}

const std::string& TMainForm::Setting(const std::string& label) const {
  return Find(label)->Caption();
}

ui::Result<int32_t> TMainForm::Number(const std::string& label) const { return text::ToInt(Setting(label)); }

int TMainForm::HotKey(const std::string& label) const {
  // The key's code is the first character's; an empty text names no key.
  const std::string& key = Setting(label);
  return key.empty() ? 0 : static_cast<unsigned char>(key[0]);
}

TMainForm::~TMainForm() { UnregisterHotKeys(); }

void TMainForm::ScaleSlider() {
  const int64_t total = DefragMem->TotalMemory();
  TrackBar->SetFrequency(static_cast<int>(engine::SliderTickSpacing(total)));
  TrackBar->SetMax(static_cast<int>(engine::BytesToMb(total)));
}

void TMainForm::FormCreate() {
  // A one-shot start has no window to own an error box and must end by
  // itself: its errors only set the exit code.
  if (command_.OneShot()) App().SetQuietErrors(true);
  // Each step that reads stored values fails alone (its error is shown) and
  // the rest of start-up still runs: a one-shot start always ends, and an
  // interactive one still gets its log line, hot keys and tray icon.
  const auto step = [this](const ui::Event& action) { ui::Dispatch(App(), action); };
  // Before any restore: with the toolkit's maximum of 10 a stored amount would
  // be cut to 10 MB for every run until the second restore.
  step([this] { ScaleSlider(); });
  {
    // The first restore and the language's save run back to back, no message
    // in between: each stored value is read once, and one unchanged is not
    // written again. The hold ends before anything that lets another program
    // or event change the registry (a freeing run, a display tick, the second
    // restore) comes.
    const settings::TElIniFile::Hold hold(*IniFile);
    step([this] { FormPersist->RestoreWindow(); });  // first: the stored language choice must be known
    // With no language checked the visit below sets none of these.
    step([this] { ShowAutoFreeingState(); });
    step([this] { CaptionTrayAmounts(); });
    step([this] { ApplyStoredLanguage(); });
  }
  step([this] {
    TrackBar->SetVisible(TryTo->Checked());
    SyncSensorActions();
  });
  step([this] { return RunCommandLine(); });
  step([this] { TrayModeSwitch(); });
  step([this] { WriteLogLine("*** " + i18n::Message("M76")); });
  if (command_.OneShot()) App().Terminate();
  else {
    step([this] { RegisterHotKeys(); });
    TrayIcon->SetEnabled(true);
  }
  step([this] { DisplayTick(); });
}

ui::Status TMainForm::RunCommandLine() {
  if (command_.mode != Mode::ShowWindow && FlagOn("DefragWhenStart")) RETURN_IF_FAILED(AutoFree());
  else if (command_.mode == Mode::Optimize) RETURN_IF_FAILED(AutoFree());

  if (command_.mode == Mode::Free) {
    SilentRun = true;
    RETURN_IF_FAILED(DefragMem->Defrag(FreeAmount(command_.parameter)));
  }
  if (command_.mode == Mode::Launcher) {
    LauncherActions actions;
    actions.freeMb = [this] { return engine::BytesToMb(DefragMem->FreeMemory()); };
    actions.silentRun = [this](int32_t mb) {
      SilentRun = true;
      return DefragMem->Defrag(mb);
    };
    return RunLauncher(command_.parameter, system_.profile, system_.launcher, system_.dialogs, actions);
  }
  return {};
}

void TMainForm::AfterCreate() {
  // The second restore reads the registry; the show's restore (or the
  // minimize's save) follows at once, with no message in between.
  const settings::TElIniFile::Hold hold(*IniFile);
  FormPersist->RestoreWindow();  // again, before the slider is scaled
  ScaleSlider();
  if (command_.mode != Mode::ShowWindow && (FlagOn("StartMinimized") || command_.OneShot())) {
    App().Minimize();
    SetState(ui::WindowState::Minimized);
    App().HideTaskButton();
  } else if (!App().IsTerminated()) {
    Show();
  }
}

}  // namespace app

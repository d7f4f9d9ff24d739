// The main window: owns the engine, the guard, the timers, the menus and the
// invisible labels that hold most settings.
#pragma once

#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/OneInstance.h"
#include "app/RunRecord.h"
#include "engine/CpuUsage.h"
#include "engine/DefragMem.h"
#include "gauges/MoreFrm.h"
#include "gauges/Sensor.h"
#include "gauges/TextTrayIcon.h"
#include "gauges/TrayImageList.h"
#include "platform/System.h"
#include "report/ReportFrm.h"
#include "settings/FormPersist.h"
#include "settings/IniFile.h"
#include "tools/BIOSDate.h"
#include "tools/easyShutDown.h"
#include "ui/Action.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Window.h"

namespace cpu {
class TCpuForm;
}
namespace tools {
class TVMem;
}

namespace app {

class TMainForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 459, kClientHeight = 387;

  TMainForm(ui::Application& app, platform::System& system);
  ~TMainForm() override;
  // Whether the window could be made: without the processor load meter or
  // the single-instance block there is no program to run.
  const ui::Status& Created() const { return created_; }

  // The creation handler: settings, language, command-line actions, start line,
  // hot keys, one display tick.
  void FormCreate();
  // What follows creation: second restore, slider scale, start minimized.
  void AfterCreate();

  // Settings held by the invisible labels.
  const std::string& Setting(const std::string& label) const;
  bool FlagOn(const std::string& label) const { return Setting(label) == "0"; }
  // A number setting; text that is no number is an error.
  ui::Result<int32_t> Number(const std::string& label) const;
  // The virtual-key code of a hot-key setting (its one character's code), or
  // 0 when the text is not exactly one character.
  int HotKey(const std::string& label) const;

  // Automatic freeing: a silent run of the Go! amount, unless a run is in
  // progress or the processor is busy.
  ui::Status AutoFree();
  // Status panel 2: whether periodic freeing is on.
  void ShowAutoFreeingState();
  // The three global hot keys from their settings; unregistering releases them.
  void RegisterHotKeys();
  void UnregisterHotKeys();
  void DeleteHotKeyAtoms();

  const CommandLine& Command() const { return command_; }
  bool SilentRun = false;
  bool ExitRequested = false;

  // The freeing run. A run is in progress exactly while Go is disabled.
  bool RunInProgress() const { return !Go->Enabled(); }
  ui::Status GoClick();
  // Exit when idle; Stop while a run is in progress.
  void ExitbClick();
  ui::Status TrayAmountClick(int percent);
  // The tray menu's amount captions, for the installed memory and the current language.
  void CaptionTrayAmounts();
  ui::Status DefragMemBeforeDefrag();
  void DefragMemProgress(int progress);
  void DefragMemAfterDefrag();
  // A close asked for during a run waits for the run to end.
  bool CloseAfterRun() const { return closeAfterRun_; }
  // Opens the result report of the run just ended; called only when one is due.
  virtual void ShowFreeingReport();
  bool ReportOpen() const { return reportOpen_; }
  // The report window while it is open.
  report::TReportForm* Report() const { return report_; }
  TRunRecord RunRecord;
  uint64_t RunStartTick = 0;

  // One activity log line, when the Log setting is on. A failure to write it
  // is shown in the error box and the caller goes on.
  void WriteLogLine(const std::string& text);

  engine::TDefragMem* DefragMem = nullptr;
  TElOneInstance* OneInstance = nullptr;
  ui::RadioButton *Auto = nullptr, *TryTo = nullptr;
  ui::TrackBar* TrackBar = nullptr;
  ui::CheckBox* FreeingReport = nullptr;
  ui::Button *Go = nullptr, *Exitb = nullptr, *Minimize = nullptr, *SettingsB = nullptr;
  ui::StatusBar* StatusBar = nullptr;
  ui::ProgressBar* ProgressBar = nullptr;
  ui::CaptionBar* FormCaption = nullptr;
  ui::Menu *MainMenu = nullptr, *PopupMenu = nullptr;
  ui::MenuItem *AFree = nullptr, *TFreeMenu = nullptr, *DispRep = nullptr, *Exit__ = nullptr,
               *Exit_ = nullptr;
  ui::Timer *Timer = nullptr, *AutoTimer = nullptr;
  ui::MenuItem *DisAuto = nullptr, *AutoOpt = nullptr;
  gauges::TSensor *RAMUsage = nullptr, *RAMLoading = nullptr, *CPUUsage = nullptr,
                  *SwapUsage = nullptr;
  settings::TElIniFile* IniFile = nullptr;
  settings::TElFormPersist* FormPersist = nullptr;
  gauges::TTextTrayIcon* TrayIcon = nullptr;
  gauges::TImageList *ImageList = nullptr, *ImageList1 = nullptr;
  tools::TeasyShutDown* TurnOff = nullptr;
  tools::TBIOSDate* BIOSInfor = nullptr;

  // Tray and window behaviour.
  void TrayRefresh();
  void TrayModeSwitch();
  ui::Status TrayIconDblClick();
  void MinimizeClick();
  // The one Restore: back from the task bar or the tray, shown and in front.
  // The tray menu, a tray double click, the restore hot key and a second copy
  // all come here.
  void RestoreClick();
  void StayOnTopClick();
  void FormCaptionButtonClick(size_t button);
  // The stay-on-top hand-over around a modal dialog of this window.
  void BeginModalOnTop(ui::Window& dialog);
  void EndModalOnTop();

  // The settings dialog (Settings button, both menus, a tray double click).
  void SettingsBClick();
  bool SettingsOpen() const { return setupForm_ != nullptr; }
  // The gauges' appearance commands and the colour window.
  ui::Action *Style3dAction = nullptr, *DiaAction = nullptr, *BondAction = nullptr,
             *ColAction = nullptr, *DigAction = nullptr, *PieAction = nullptr;
  // The Sensors menus' check marks from the reference gauge RAMLoading.
  void SyncSensorActions();
  void ColorSetClick();
  // RAMLoading first: the order in which the gauges get a new appearance.
  gauges::GaugeSet SensorGauges() const { return {RAMLoading, RAMUsage, CPUUsage, SwapUsage}; }
  // Opens the processor detection window, unless one is open already; it
  // detects afresh each time.
  void RightClick();
  // Opens the swap file and cache window, unless one is open already; it
  // reads "system.ini" afresh each time.
  void LeftClick();

  // Cache tuning is offered on Windows 95, 98 and ME only; decided once, at creation.
  bool CacheTuningAvailable() const { return cacheTuning_; }

  // The Tools menu's own tools; each ends quietly when the system call fails.
  void WizardClick();
  void DocClick();
  void EjectCDClick();
  void ClDocClick();
  void CCClick();
  void IECacheClick();
  void ElMenuItem16Click();  // the uptime box
  void BiosClick();
  // The shutdown submenu: the action with the Power Off and CD check items.
  void RunShutdown(tools::TActionType action, bool force);
  void ShutdownMClick();
  void RestartMClick();
  void LogOffMClick();
  void ForceShutdownMClick();
  void ForceRestartMClick();
  void PoweroffClick();
  void PoweroffPClick();
  void CDClick();
  void CDpopClick();

  // The Language menu. An item's handler opens its file and re-captions this
  // window; at start-up only the checked item passes.
  bool LanguageStartup = false;
  ui::Status LanguageClick(ui::MenuItem& item, const std::string& relativeName);
  // Stores the settings, then sets the texts of this window that the program
  // takes from message texts.
  ui::Status ApplyBuiltInTexts();

 private:
  void CreateSettingLabels(ui::Component* group);
  void CreateMenus();
  ui::Status RunCommandLine();
  void WireFreeingRun();
  // Runs a step of a run's handler; an error in it is shown and ends the run,
  // so that the after-run handler puts the window back to idle.
  void RunStep(const ui::Event& step);
  // The slider's range and ticks from the installed memory.
  void ScaleSlider();
  void WireLogMenu();
  void WireAutoFreeing();
  // Step 4 of the display tick: free when memory is at or below RAMLevel.
  ui::Status LowMemoryTrigger();
  // Flips both twin items and the periodic timer.
  void SwitchPeriodicFreeing(ui::MenuItem& chosen, ui::MenuItem& twin);
  ui::Status FormHotKey(int id);
  void WireTray();
  void CreateSensorActions();
  void WireDialogs();
  // A close of this window while the report is open closes the report first
  // and comes back once the run has ended.
  void WireReport();
  // The strip and the menu items that open the tool windows.
  void WireToolWindows();
  void WireLanguageMenu();
  // Visits the language items in the start-up order with LanguageStartup set.
  void ApplyStoredLanguage();
  void WireSystemTools();
  // The clicked check item takes the opposite of its twin's state, and the twin follows.
  void ToggleTwins(const char* clicked, const char* twin);
  // The tray animation while a run lasts; false returns to the icon mode.
  void TrayRunning(bool running);
  ui::Status SetRunPriority();
  void ShowRunningState(bool running);
  void DisplayTick();
  // The display timer's tick: status texts, then the warning colours of the
  // processor and memory-usage gauges.
  ui::Status TimerTimer();
  // Title and status bar from fresh memory readings.
  void StatusTexts();
  // RAMCritical on and free memory (rounded, read now) at or below RAMLevel.
  ui::Result<bool> MemoryIsLow() const;

  platform::System& system_;
  ui::Status created_;
  CommandLine command_;
  // One processor load meter per process; the processor gauge samples it.
  engine::CpuUsage cpuMeter_;
  bool reportOpen_ = false, closeAfterRun_ = false;
  report::TReportForm* report_ = nullptr;
  std::unique_ptr<cpu::TCpuForm> cpuForm_;
  bool cacheTuning_ = false;
  std::unique_ptr<tools::TVMem> vmemForm_;
  // Atoms of the AutoFree, free-everything and restore hot keys; 0 when none.
  uint16_t hotKeyAtoms_[3] = {};
  bool hotKeyRegistered_[3] = {};
  // The settings dialog while it is open.
  ui::Window* setupForm_ = nullptr;
};

}  // namespace app

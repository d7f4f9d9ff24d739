// The main window: owns the engine, the guard, the timers, the menus and the
// invisible labels that hold most settings.
#pragma once

#include <string>

#include "app/CommandLine.h"
#include "app/OneInstance.h"
#include "engine/CpuUsage.h"
#include "engine/DefragMem.h"
#include "gauges/Sensor.h"
#include "gauges/TextTrayIcon.h"
#include "platform/System.h"
#include "settings/FormPersist.h"
#include "settings/IniFile.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Window.h"

namespace app {

class TMainForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 459, kClientHeight = 387;

  TMainForm(ui::Application& app, platform::System& system);

  // The creation handler: settings, language, command-line actions, start line,
  // hot keys, one display tick.
  void FormCreate();
  // What follows creation: second restore, slider scale, start minimized.
  void AfterCreate();

  // Settings held by the invisible labels.
  const std::string& Setting(const std::string& label) const;
  bool FlagOn(const std::string& label) const { return Setting(label) == "0"; }
  int32_t Number(const std::string& label) const;
  // The virtual-key code of a hot-key setting (its one character's code), or
  // 0 when the text is not exactly one character.
  int HotKey(const std::string& label) const;

  // Frees the automatic amount (a quarter of installed memory), silently.
  void AutoFree();

  const CommandLine& Command() const { return command_; }
  bool SilentRun = false;
  bool ExitRequested = false;

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
  ui::Timer *Timer = nullptr, *AutoTimer = nullptr;
  gauges::TSensor *RAMUsage = nullptr, *RAMLoading = nullptr, *CPUUsage = nullptr,
                  *SwapUsage = nullptr;
  settings::TElIniFile* IniFile = nullptr;
  settings::TElFormPersist* FormPersist = nullptr;
  gauges::TTextTrayIcon* TrayIcon = nullptr;

 private:
  void CreateSettingLabels(ui::Component* group);
  void CreateMenus();
  void RunCommandLine();

  platform::System& system_;
  CommandLine command_;
  // One processor load meter per process; the processor gauge samples it.
  engine::CpuUsage cpuMeter_;
};

}  // namespace app

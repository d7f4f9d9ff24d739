// Opening the settings dialog and the colour window from the main window.
#include "app/MainFrm.h"
#include "i18n/ApplyLanguage.h"
#include "settings/SetupFrm.h"

namespace app {

void TMainForm::WireDialogs() {
  SettingsB->OnClick = [this] { SettingsBClick(); };
  for (const char* item : {"Settings", "SettingsPop"})
    FindAs<ui::MenuItem>(item)->OnClick = [this] { SettingsBClick(); };
  for (const char* item : {"ColorSet", "ColorSetpop"})
    FindAs<ui::MenuItem>(item)->OnClick = [this] { ColorSetClick(); };
}

void TMainForm::SettingsBClick() {
  if (setupForm_) return;
  settings::TSetupForm dialog(
      App(), settings::SetupLinks{*this,
                                  SensorGauges(),
                                  *TrayIcon,
                                  *TrackBar,
                                  *Auto,
                                  *TryTo,
                                  *AutoTimer,
                                  *DisAuto,
                                  *AutoOpt,
                                  *FormPersist,
                                  system_.registry,
                                  system_.sound,
                                  system_.environment.ProgramFolder(),
                                  [this] { UnregisterHotKeys(); },
                                  [this] { RegisterHotKeys(); },
                                  [this] { TrayModeSwitch(); },
                                  [this] { ShowAutoFreeingState(); }});
  setupForm_ = &dialog;
  struct Slot {
    ui::Window*& slot;
    ~Slot() { slot = nullptr; }
  } slot{setupForm_};
  BeginModalOnTop(dialog);
  i18n::ApplyCurrentLanguage(dialog);
  dialog.PadGroupCaptions();
  App().ShowModal(dialog);
  setupForm_ = nullptr;
  EndModalOnTop();
  SyncSensorActions();
  DisplayTick();
}

}  // namespace app

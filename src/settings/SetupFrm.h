// TSetupForm, "Brantelle Settings": copies the settings out of the main
// window's components when created and back, applied and stored, on Save.
#pragma once

#include <functional>
#include <string>

#include "ui/Callback.h"
#include "gauges/MoreFrm.h"
#include "gauges/TextTrayIcon.h"
#include "settings/FormPersist.h"
#include "ui/Controls.h"
#include "ui/EditControls.h"
#include "ui/Menu.h"
#include "ui/PageControl.h"
#include "ui/Window.h"

namespace platform {
class Registry;
class Sound;
}  // namespace platform

namespace settings {

// What the dialog reads from and writes to in the main window.
struct SetupLinks {
  ui::Window& main;  // the setting labels, by name
  gauges::GaugeSet gauges;  // RAMLoading first
  gauges::TTextTrayIcon& tray;
  ui::TrackBar& slider;
  ui::RadioButton &autoFree, &tryTo;
  ui::Timer& autoTimer;
  ui::MenuItem &disAuto, &autoOpt;
  TElFormPersist& persist;
  platform::Registry& registry;
  platform::Sound& sound;
  std::string programFolder;  // with its trailing separator
  ui::Callback<void()> unregisterHotKeys, registerHotKeys, trayModeSwitch, showAutoFreeingState;
};

class TSetupForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 400, kClientHeight = 340;
  // Builds the controls and loads them; a loading error is shown in the
  // error box and leaves the remaining controls in the starting state: the
  // settings as they stand, each read alone (a value that cannot be read at
  // all shows its initial one), so that Save writes back what the user had.
  TSetupForm(ui::Application& app, SetupLinks links);

  // One blank before and after each group box caption.
  void PadGroupCaptions();

  ui::Status SaveClick();
  ui::Status DefaultClick();
  void MoreButtonClick();

  ui::PageControl* Pages = nullptr;
  ui::CheckBox *AutoStart, *AutoFree, *AutoMin, *Log, *ClsToTray, *TrayMinimize, *AFree,
      *RAMLevel, *CPULevel, *Beep, *CBoard, *Rep, *Style3D;
  ui::RadioButton *Auto, *TryTo;
  ui::SpinEdit *TrackBar, *FreeTimer, *RAMLevel_, *CLevel, *RDelay;
  ui::HotKeyEdit *RHotKey, *AHotKey, *FHotKey;
  ui::ComboBox *LAction, *TDisp, *CPU, *SensType;
  ui::ColorBox* TextColor;
  ui::Button *Save, *Default, *Close_b, *MoreButton;

 private:
  void BuildProgramPage(ui::TabSheet& page);
  void BuildMemoryPage(ui::TabSheet& page);
  void BuildMiscPage(ui::TabSheet& page);
  // Loads every control; tolerant, each step alone, and a number that cannot
  // be read counts as its initial value.
  ui::Status FormCreate(bool tolerant = false);
  void Dependents();
  void HotKeyKeyUp(ui::HotKeyEdit& field);
  bool Flag(const char* label) const;
  ui::Result<int32_t> Number(const char* label) const;
  void SetLabel(const char* label, const std::string& value);
  void SetFlag(const char* label, const ui::CheckBox& box) { SetLabel(label, box.Checked() ? "0" : "1"); }

  SetupLinks links_;
  int labelCount_ = 0;
  bool tolerant_ = false;
};

}  // namespace settings

// The swap file and disk cache window of Windows 95, 98 and ME: reads the
// choice from "system.ini" when it opens and writes the new one on OK; the
// system applies it after the next restart.
#pragma once

#include <cstdint>
#include <string>

#include "engine/DefragMem.h"
#include "platform/System.h"
#include "ui/Controls.h"
#include "ui/EditControls.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Window.h"

namespace tools {

class TVMem : public ui::Window {
 public:
  static constexpr int kClientWidth = 406, kClientHeight = 395;
  static constexpr const char* kSystemIni = "system.ini";

  // Builds the window and runs its creation step; not yet shown.
  TVMem(ui::Application& app, platform::System& system);

  // After translation: the unit labels, the second sheet's captions and the
  // header bars follow the texts they repeat.
  void CopyTranslatedTexts();

  // The handlers.
  void FormCreate();
  // The window's choices from "system.ini"; an error stops the reading there.
  ui::Status ReadSystemIni();
  void DriveBoxChange();
  void ElPopupButton1Click();
  // The option rules, for a check box that has just been checked or unchecked.
  void SwapOptionClick(ui::CheckBox& option);
  void CacheOptionClick(ui::CheckBox& option);

  // Installed memory in whole megabytes, and two and a half times that.
  int64_t Ram() const;
  int64_t Ram25() const;

  ui::PageControl* PageControl1 = nullptr;
  ui::TabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr;
  ui::Panel *Panel1 = nullptr, *Panel2 = nullptr;
  ui::CheckBox *SwpWin = nullptr, *SwpOpt = nullptr, *SwpNot = nullptr, *SwpUser = nullptr;
  ui::CheckBox *BestVC = nullptr, *VCUser = nullptr;
  ui::Label *Label1 = nullptr, *Label2 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
            *Label6 = nullptr, *Label13 = nullptr;
  ui::Label *Label7 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr,
            *Label12 = nullptr;
  ui::ComboBox* DriveBox = nullptr;
  ui::SpinEdit *MinSwapSize = nullptr, *MaxSwapSize = nullptr, *MinVSize = nullptr,
               *MaxVSize = nullptr;
  ui::Button* ElPopupButton1 = nullptr;
  ui::ComboBox* DriveComboBox1 = nullptr;
  engine::TDefragMem* DefragMem1 = nullptr;

 private:
  void CreateSwapPage();
  void CreateCachePage();
  ui::CheckBox& Option(ui::Component* page, const char* name, const char* caption, int top);
  ui::Label& Text(ui::Component* page, const char* name, const char* caption, ui::Rect bounds);
  ui::SpinEdit& Spin(ui::Component* page, const char* name, int top);
  // Every drive of the system, as the hidden list shows them.
  void ListDrives();

  // Checks an option as a click would, running its rule.
  void Check(ui::CheckBox& option);
  // Enables the swap spin boxes and the drive list (white) or disables them (greyed).
  void SwapFields(bool on);
  void CacheFields(bool on);
  // Free bytes of the drive an item names; 0 after the "Invalid drive
  // number." box when the drive cannot be queried.
  int64_t DriveFree(const std::string& item);
  // The swap spin boxes' limit from the selected drive's free space.
  void LimitSwapSizes();
  // Selects the drive list's item for "PagingDrive", when there is one.
  void SelectPagingDrive(const std::string& drive);
  // A size key in kilobytes; -1 when it is absent or no number.
  int64_t ReadKb(const char* section, const char* key);
  void Write(const char* section, const char* key, const std::string& value);
  void Remove(const char* section, const char* key);
  // The swap keys for a swap file on that drive letter with those sizes.
  void WriteSwapFile(char letter, int64_t minKb, int64_t maxKb);

  // What the window showed when it opened: OK writes only what differs from
  // it, so that opening and OK leave "system.ini" as it was.
  struct Shown {
    const ui::CheckBox *swap = nullptr, *cache = nullptr;
    int drive = -1, minSwap = 0, maxSwap = 0, minCache = 0, maxCache = 0;
  };
  Shown Now() const;
  Shown opened_;
  // The stored swap file's larger size in MB and its drive letter: on Windows
  // 9x the file's own space is not free, so the limit never cuts it.
  int storedSwapMb_ = 0;
  char storedSwapDrive_ = '\0';

  platform::System& system_;
};

}  // namespace tools

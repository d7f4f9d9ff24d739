// Tray and window behaviour: what the tray icon shows, its double click,
// minimize, restore and close to the tray, and staying on top.
#include "app/MainFrm.h"
#include "engine/MemoryStatus.h"
#include "text/Text.h"

namespace app {

namespace {

constexpr size_t kPinButton = 0;

}  // namespace

void TMainForm::WireTray() {
  TrayIcon->SetEnabled(false);  // until start-up has finished
  TrayIcon->SetPopupMenu(PopupMenu);
  TrayIcon->OnDblClick = [this] { return TrayIconDblClick(); };
  TrayIcon->SetBackgroundIcon(ImageList1->Image(ImageList1->Count() - 1));
  TrayIcon->SetOptions({0, -1, 0});

  Minimize->OnClick = [this] { MinimizeClick(); };
  FindAs<ui::MenuItem>("ElMenuItem11")->OnClick = [this] { MinimizeClick(); };
  FindAs<ui::MenuItem>("RestorePop")->OnClick = [this] { RestoreClick(); };
  FindAs<ui::MenuItem>("StayOnTop")->OnClick = [this] { StayOnTopClick(); };
  FormCaption->OnButtonClick = [this](size_t i) { FormCaptionButtonClick(i); };

  App().OnMinimize = [this] {
    if (FlagOn("MinimizeToTray")) App().HideTaskButton();
  };
  OnCloseQuery = [this](bool& canClose) {
    if (FlagOn("CloseToTray") && !ExitRequested) {
      canClose = false;
      MinimizeClick();
    } else if (RunInProgress()) {
      // Inside the run's message pumping: the window must outlive the run,
      // so the run is stopped and the close follows its end.
      canClose = false;
      closeAfterRun_ = true;
      DefragMem->Abort();
    }
  };
}

void TMainForm::MinimizeClick() { App().Minimize(); }

void TMainForm::RestoreClick() {
  if (Destroyed()) return;
  // The model learns that the window shows again, whatever hid it (a start
  // in the tray never showed it), so that the next hide saves the settings.
  SetState(ui::WindowState::Normal);
  Show();
  App().Restore();
}

void TMainForm::TrayRefresh() {
  const std::string& panel = StatusBar->PanelAt(0).text;
  TrayIcon->SetHint(panel.substr(0, 127));
  const std::string& type = Setting("TrayType");
  if (type != "0") {
    const int64_t p = engine::FreePercent(DefragMem->FreeMemory(), DefragMem->TotalMemory());
    if (p >= 0 && p <= 100)
      TrayIcon->ReplaceBackground(ImageList1->Image(p <= 25 ? 0 : p <= 50 ? 1 : p <= 75 ? 2 : 3));
  }
  if (type == "1")
    TrayIcon->SetText(text::FromInt(engine::BytesToMb(DefragMem->FreeMemory())));
  else if (type == "2")
    TrayIcon->SetText(
        text::FromInt(engine::FreePercent(DefragMem->FreeMemory(), DefragMem->TotalMemory())));
  TrayIcon->SetIconVisible(true);
}

void TMainForm::TrayModeSwitch() {
  if (Setting("TrayType") == "0") {
    TrayIcon->SetProgramIcon();
    return;
  }
  // The bare background at once, in place of whatever showed (clearing the
  // icon first would only send the shell a blank one in between); the next
  // refresh draws the number on it.
  if (TrayIcon->Text().empty()) TrayIcon->Redraw();
  else TrayIcon->SetText("");
}

void TMainForm::TrayRunning(bool running) {
  if (running) {
    TrayIcon->SetIconList(ImageList);
    TrayIcon->SetCycleInterval(200);
    TrayIcon->SetCycleIcons(true);
    return;
  }
  TrayIcon->SetIconList(nullptr);
  TrayModeSwitch();
  TrayIcon->SetCycleIcons(false);
  TrayIcon->SetCycleInterval(0);
}

ui::Status TMainForm::TrayIconDblClick() {
  // Text that is no number stops here with the error box; the tray icon
  // still restores the window by its menu's default item.
  const ui::Result<int32_t> action = Number("TrayAction");
  RETURN_IF_FAILED(action);
  switch (*action) {
    case 0: RestoreClick(); break;
    case 1:
      if (!RunInProgress()) AFree->Click();
      break;
    case 2: SettingsB->Click(); break;
    case 3: MinimizeClick(); break;
    default: break;
  }
  // The tray menu's default item, "Restore", follows every double click.
  return {};
}

void TMainForm::StayOnTopClick() {
  auto* item = FindAs<ui::MenuItem>("StayOnTop");
  const bool on = !FormPersist->TopMost();
  item->SetChecked(on);
  FormPersist->SetTopMost(on);
  FormCaption->SetDown(kPinButton, on);
}

void TMainForm::FormCaptionButtonClick(size_t button) {
  if (button != kPinButton) return;
  const bool on = FormCaption->Down(kPinButton);
  FormPersist->SetTopMost(on);
  FindAs<ui::MenuItem>("StayOnTop")->SetChecked(on);
}

void TMainForm::BeginModalOnTop(ui::Window& dialog) {
  if (FormPersist->TopMost()) {
    dialog.SetTopMost(true);
    FormPersist->SetTopMost(false);
  } else {
    dialog.SetTopMost(false);
  }
}

void TMainForm::EndModalOnTop() {
  if (FormCaption->Down(kPinButton)) FormPersist->SetTopMost(true);
}

}  // namespace app

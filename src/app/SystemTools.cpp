// The Tools menu's one-shot tools, the BIOS box and the shutdown submenu, in
// the main menu and the tray menu alike; and whether cache tuning is offered.
#include "app/MainFrm.h"
#include "tools/BIOSDate.h"
#include "tools/QuickTools.h"
#include "tools/ToolPictures.h"
#include "tools/easyShutDown.h"

namespace app {

void TMainForm::WireSystemTools() {
  auto bind = [this](std::initializer_list<const char*> items, void (TMainForm::*handler)()) {
    for (const char* item : items) FindAs<ui::MenuItem>(item)->OnClick = [this, handler] { (this->*handler)(); };
  };
  bind({"Wizard", "ElMenuItem32"}, &TMainForm::WizardClick);
  bind({"EjectCD", "ElMenuItem41"}, &TMainForm::EjectCDClick);
  bind({"ClDoc", "ElMenuItem38"}, &TMainForm::ClDocClick);
  bind({"CC", "CCPop"}, &TMainForm::CCClick);
  bind({"IECache", "ElMenuItem9"}, &TMainForm::IECacheClick);
  bind({"ElMenuItem16", "ElMenuItem18"}, &TMainForm::ElMenuItem16Click);
  bind({"Bios", "ElMenuItem33"}, &TMainForm::BiosClick);
  bind({"ElMenuItem3", "ElMenuItem12"}, &TMainForm::DocClick);
  bind({"ShutdownM", "ShutdownP"}, &TMainForm::ShutdownMClick);
  bind({"RestartM", "RestartP"}, &TMainForm::RestartMClick);
  bind({"LogOffM", "LogOffP"}, &TMainForm::LogOffMClick);
  bind({"ForceShutdownM", "ForceShutdownP"}, &TMainForm::ForceShutdownMClick);
  bind({"ForceRestartM", "ForceRestartP"}, &TMainForm::ForceRestartMClick);
  bind({"Poweroff"}, &TMainForm::PoweroffClick);
  bind({"PoweroffP"}, &TMainForm::PoweroffPClick);
  bind({"CD"}, &TMainForm::CDClick);
  bind({"CDpop"}, &TMainForm::CDpopClick);

  auto* left = FindAs<ui::Picture>("Left");
  auto* disabled = FindAs<ui::Picture>("Left_disabled");
  left->OnPaint = tools::DrawCacheStrip;
  disabled->OnPaint = tools::DrawCacheStripDisabled;
  // Decided once: the system's family does not change while the program runs.
  cacheTuning_ = tools::CacheTuningAvailable(system_.tools.version);
  for (ui::Component* c : {static_cast<ui::Component*>(left), Find("vcache"), Find("vcache_pop")})
    c->SetEnabled(cacheTuning_);
  if (!cacheTuning_) {
    left->OnPaint = disabled->OnPaint;
    left->Changed(ui::Prop::Repaint);
  }
}

void TMainForm::WizardClick() {
  tools::LaunchComponent(system_.tools, system_.environment.ProgramFolder() + "wizard.exe");
}

void TMainForm::DocClick() {
  tools::ShellOpen(system_.tools.shell, system_.environment.ProgramFolder() + "Brantelle.chm");
}

void TMainForm::EjectCDClick() {
  tools::EjectCD(system_.tools.media, App().GetBackend().NativeHandle(*this));
}

void TMainForm::ClDocClick() {
  system_.tools.shell.ClearRecentDocuments();
}

void TMainForm::CCClick() {
  system_.clipboard.Empty();
}

void TMainForm::IECacheClick() {
  tools::ClearIECache(system_.tools);
}

void TMainForm::ElMenuItem16Click() {
  tools::ShowUptime(system_.tools, system_.clock);
}

void TMainForm::BiosClick() {
  tools::ShowBiosInformation(*BIOSInfor, system_.registry, system_.tools);
}

void TMainForm::RunShutdown(tools::TActionType action, bool force) {
  TurnOff->ActionType = action;
  TurnOff->Force = force;
  TurnOff->Poweroff = FindAs<ui::MenuItem>("Poweroff")->Checked();
  TurnOff->IfCDThen = FindAs<ui::MenuItem>("CD")->Checked() ? tools::TIsCD::Eject : tools::TIsCD::Nothing;
  // No question first, and the outcome is not shown.
  (void)TurnOff->Execute();
}

void TMainForm::ShutdownMClick() { RunShutdown(tools::TActionType::Shutdown, false); }
void TMainForm::RestartMClick() { RunShutdown(tools::TActionType::Reboot, false); }
void TMainForm::LogOffMClick() { RunShutdown(tools::TActionType::Logoff, false); }
void TMainForm::ForceShutdownMClick() { RunShutdown(tools::TActionType::Shutdown, true); }
void TMainForm::ForceRestartMClick() { RunShutdown(tools::TActionType::Reboot, true); }

void TMainForm::ToggleTwins(const char* clicked, const char* twin) {
  auto* item = FindAs<ui::MenuItem>(clicked);
  auto* other = FindAs<ui::MenuItem>(twin);
  item->SetChecked(!other->Checked());
  other->SetChecked(item->Checked());
}

void TMainForm::PoweroffClick() { ToggleTwins("Poweroff", "PoweroffP"); }
void TMainForm::PoweroffPClick() { ToggleTwins("PoweroffP", "Poweroff"); }
void TMainForm::CDClick() { ToggleTwins("CD", "CDpop"); }
void TMainForm::CDpopClick() { ToggleTwins("CDpop", "CD"); }

}  // namespace app

// The main window's side of the activity log: the Log setting and the File menu entries.
#include "app/ActivityLog.h"
#include "app/MainFrm.h"

namespace app {

void TMainForm::WriteLogLine(const std::string& text) {
  if (!FlagOn("Log")) return;
  try {
    AppendLogLine(system_, text);
  } catch (const ui::Error& e) {
    // Reported here so that no caller is left half done (a run, start-up, closing).
    App().ShowException(e.what());
  }
}

void TMainForm::WireLogMenu() {
  FindAs<ui::MenuItem>("ElMenuItem27")->OnClick = [this] {
    ViewLog(system_, App().GetBackend().NativeHandle(*this));
  };
  FindAs<ui::MenuItem>("ElMenuItem26")->OnClick = [this] { ClearLog(system_); };
  FindAs<ui::MenuItem>("ElMenuItem23")->OnClick = [this] { DeleteLog(system_); };
}

}  // namespace app

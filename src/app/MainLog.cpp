// The main window's side of the activity log: the Log setting and the File menu entries.
#include "app/ActivityLog.h"
#include "app/MainFrm.h"

namespace app {

void TMainForm::WriteLogLine(const std::string& text) {
  if (!FlagOn("Log")) return;
  // Reported here so that no caller is left half done (a run, start-up, closing).
  if (const ui::Status written = AppendLogLine(system_, text); !written.Ok()) App().ShowException(written.Message());
}

void TMainForm::WireLogMenu() {
  FindAs<ui::MenuItem>("ElMenuItem27")->OnClick = [this] {
    ViewLog(system_, App().GetBackend().NativeHandle(*this));
  };
  FindAs<ui::MenuItem>("ElMenuItem26")->OnClick = [this] { ClearLog(system_); };
  FindAs<ui::MenuItem>("ElMenuItem23")->OnClick = [this] { DeleteLog(system_); };
}

}  // namespace app

// The program from process start to the end of the message loop.
#pragma once

#include "app/MainFrm.h"
#include "platform/System.h"
#include "ui/Application.h"

namespace app {

// Everything between the main window's creation and the message loop.
void StartUp(ui::Application& application, TMainForm& form);

// Returns the process exit code; an error when the main window could not be made.
ui::Result<int> RunBrantelle(ui::Application& application, platform::System& system);

}  // namespace app

// The program from process start to the end of the message loop.
#pragma once

#include "platform/System.h"
#include "ui/Application.h"

namespace app {

// Returns the process exit code.
int RunBrantelle(ui::Application& application, platform::System& system);

}  // namespace app

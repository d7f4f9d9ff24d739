// Process entry: the real system services, the Win32 backend, the program.
#include <windows.h>

#include "app/Startup.h"
#include "platform/win32/Win32System.h"
#include "ui/win32/Win32Backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform::win32::Win32System system;
  ui::win32::Win32Backend backend;
  ui::Application application(backend);
  backend.SetApplication(application);
  system.dialogs.owner = backend.AppWindow();
  system.tools.shell.owner = backend.AppWindow();
  const ui::Result<int> exitCode = app::RunBrantelle(application, system.system);
  if (exitCode.Ok()) return *exitCode;
  MessageBoxA(nullptr, exitCode.Message().c_str(), "Brantelle", MB_OK | MB_ICONERROR);
  return 1;
}

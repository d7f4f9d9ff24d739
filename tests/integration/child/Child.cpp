#include "child/Child.h"

#include <windows.h>

#include <cstring>

#include "app/OneInstance.h"
#include "platform/win32/Win32System.h"

namespace child {

int Run(int argc, char** argv) {
  // handover MAPNAME ARG...: act as a later copy: open the block, hand over
  // this command line, exit with the first copy's reply.
  if (argc >= 2 && std::strcmp(argv[0], "handover") == 0) {
    platform::win32::Win32Instance channel;
    if (channel.Open(argv[1]) != platform::OpenResult::Existed) return 2;
    std::vector<std::string> line{platform::win32::ModulePath()};
    for (int i = 2; i < argc; ++i) line.push_back(argv[i]);
    return static_cast<int>(channel.HandOver(channel.Read().messageWindow, app::JoinHandOverText(line)));
  }
  // garbage MAPNAME: scribble over the block
  if (argc >= 2 && std::strcmp(argv[0], "garbage") == 0) {
    platform::win32::Win32Instance channel;
    if (channel.Open(argv[1]) != platform::OpenResult::Existed) return 2;
    channel.Write({0xDEADBEEF, 0xFFFFFFFF, 0x12345678, 0x00010001});
    return 0;
  }
  return 3;
}

unsigned long SpawnAndPump(const std::string& arguments) {
  std::string line = "\"" + platform::win32::ModulePath() + "\" --child " + arguments;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return 0xFFFFFFFF;
  for (;;) {
    const DWORD r = MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 30000, QS_ALLINPUT);
    if (r != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

}  // namespace child

// A small driver for end-to-end tests: starts programs, watches and pokes
// their windows from outside, as a user or another program would. One file
// per window holds that window's commands; this one starts programs and
// dispatches.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ProbeShared.h"

using namespace probe;

int SendBadHandOvers(int first, int count);  // BadHandOver.cpp
// Each window's commands; 2 when the command is not one of them.
int ReportCommand(int argc, char** argv);                                          // ReportProbe.cpp
int CpuWindow(const std::string& cmd, int argc, char** argv, HWND main);           // CpuProbe.cpp
int ToolsCommand(const std::string& cmd, int argc, char** argv, HWND main);        // ToolsProbe.cpp
int VMemCommand(const std::string& cmd, int argc, char** argv, HWND main);         // VMemProbe.cpp
int PlaceCommand(const std::string& cmd, int argc, char** argv, HWND main);        // PlaceProbe.cpp
int MainCommand(const std::string& cmd, int argc, char** argv, HWND main);         // MainProbe.cpp

namespace {

struct Watch {
  DWORD pid;
  bool visible;
};

BOOL CALLBACK SeeVisible(HWND hwnd, LPARAM lp) {
  auto* w = reinterpret_cast<Watch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == w->pid && IsWindowVisible(hwnd)) w->visible = true;
  return TRUE;
}

std::string Quote(int argc, char** argv, int from) {
  std::string line;
  for (int i = from; i < argc; ++i) {
    if (!line.empty()) line += ' ';
    line += std::strchr(argv[i], ' ') ? "\"" + std::string(argv[i]) + "\"" : argv[i];
  }
  return line;
}

// run-watch TIMEOUT EXE ARGS...: exit code, whether any window of it was visible, time taken.
int RunWatch(int argc, char** argv) {
  const DWORD timeout = std::strtoul(argv[2], nullptr, 10);
  std::string line = "\"" + std::string(argv[3]) + "\"";
  if (argc > 4) line += " " + Quote(argc, argv, 4);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const DWORD start = GetTickCount();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::printf("exit=start-failed visible=0 elapsed=0\n");
    return 1;
  }
  Watch w{pi.dwProcessId, false};
  while (WaitForSingleObject(pi.hProcess, 25) == WAIT_TIMEOUT) {
    EnumWindows(SeeVisible, reinterpret_cast<LPARAM>(&w));
    if (GetTickCount() - start > timeout) {
      TerminateProcess(pi.hProcess, 99);
      std::printf("exit=timeout visible=%d elapsed=%lu\n", w.visible, GetTickCount() - start);
      return 1;
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  std::printf("exit=%lu visible=%d elapsed=%lu\n", code, w.visible, GetTickCount() - start);
  return 0;
}

// touch FILE SLEEP: a program for the launcher to start.
int Touch(const char* file, DWORD ms) {
  if (FILE* f = std::fopen(file, "w")) {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    std::fprintf(f, "started in %s\n", dir);
    std::fclose(f);
  }
  Sleep(ms);
  if (FILE* f = std::fopen(file, "a")) {
    std::fprintf(f, "ended\n");
    std::fclose(f);
  }
  return 0;
}

// A key under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE, written "HKCU\\..." or "HKLM\\...".
HKEY OpenKey(const std::string& path, bool create) {
  const size_t slash = path.find('\\');
  const std::string root = path.substr(0, slash), below = slash == std::string::npos ? "" : path.substr(slash + 1);
  HKEY base = root == "HKLM" ? HKEY_LOCAL_MACHINE : root == "HKCU" ? HKEY_CURRENT_USER : nullptr;
  HKEY key = nullptr;
  if (!base) return nullptr;
  const LONG r = create ? RegCreateKeyExA(base, below.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
                        : RegOpenKeyExA(base, below.c_str(), 0, KEY_READ, &key);
  return r == ERROR_SUCCESS ? key : nullptr;
}

// reg-get KEY VALUE: a text value as it stands, a number in decimal; fails when absent.
int RegGet(const std::string& path, const char* name) {
  HKEY key = OpenKey(path, false);
  if (!key) return std::printf("no key\n"), 1;
  char data[1024] = {};
  DWORD type = 0, size = sizeof data - 1;
  const LONG r = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return std::printf("no value\n"), 1;
  if (type == REG_DWORD && size == 4) return std::printf("%lu\n", *reinterpret_cast<DWORD*>(data)), 0;
  return std::printf("%s\n", data), 0;
}

// reg-set KEY VALUE TEXT: stores a text value, making the key if needed.
int RegSet(const std::string& path, const char* name, const char* text) {
  HKEY key = OpenKey(path, true);
  if (!key) return 1;
  const LONG r = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                static_cast<DWORD>(std::strlen(text) + 1));
  RegCloseKey(key);
  return r == ERROR_SUCCESS ? 0 : 1;
}

}  // namespace

static int RunCommand(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string cmd = argv[1];
  if (cmd == "bad-handovers")
    return SendBadHandOvers(argc > 2 ? std::atoi(argv[2]) : 0, argc > 3 ? std::atoi(argv[3]) : 99);
  if (cmd == "run-watch" && argc >= 4) return RunWatch(argc, argv);
  if (cmd == "touch" && argc >= 4) return Touch(argv[2], std::strtoul(argv[3], nullptr, 10));
  if (cmd == "sleep" && argc >= 3) return Sleep(std::strtoul(argv[2], nullptr, 10)), 0;
  if (cmd == "reg-get" && argc >= 4) return RegGet(argv[2], argv[3]);
  if (cmd == "reg-set" && argc >= 5) return RegSet(argv[2], argv[3], argv[4]);
  if (const int r = ReportCommand(argc, argv); r != 2) return r;
  const HWND main = MainWindow();
  if (cmd.rfind("cpu-", 0) == 0) return CpuWindow(cmd, argc, argv, main);
  if (cmd.rfind("tools-", 0) == 0) return ToolsCommand(cmd, argc, argv, main);
  if (cmd.rfind("vmem-", 0) == 0) return VMemCommand(cmd, argc, argv, main);
  if (const int r = PlaceCommand(cmd, argc, argv, main); r != 2) return r;
  return MainCommand(cmd, argc, argv, main);
  return 2;
}

// batch CMD ARGS... ";" CMD ARGS...: several commands in one process (a Wine
// process start costs a minute under emulation); after each command's output
// a line "rc=N". Stops after the first command that fails.
int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "batch") != 0) return RunCommand(argc, argv);
  for (int first = 2; first < argc;) {
    int end = first;
    while (end < argc && std::strcmp(argv[end], ";") != 0) ++end;
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + first, argv + end);
    args.push_back(nullptr);
    const int rc = RunCommand(end - first + 1, args.data());
    std::printf("rc=%d\n", rc);
    std::fflush(stdout);
    if (rc != 0) return rc;
    first = end + 1;
  }
  return 0;
}

// Starts a program and measures it from outside, as a user's task manager would.
//   meter start CAPTION COMMAND...   ms from process start to a visible window
//                                    whose title contains CAPTION, with the
//                                    phases before it (the process's first
//                                    window, hidden or not, and the first with
//                                    CAPTION); then its private bytes
//   meter watch SECONDS COMMAND...   after 5 s of settling and again SECONDS
//                                    later: processor time, handles, GDI and USER
//                                    objects, private bytes; the processor share
//   meter run COMMAND...             ms from start to exit, and the exit code
//   meter figures NAME               handles, GDI and USER objects and private
//                                    bytes of the running process NAME.exe
// Where Wine answers 0 for another process's handles and GUI objects, they
// are counted instead: handles from the system's handle list, GDI objects
// from the process's GDI handle table (its PEB points to it), USER objects
// as its windows (top-level and child); the figure then says "counted".
// The measured program is ended by the meter (start and watch).
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Figures {
  double cpuSeconds = 0;
  DWORD handles = 0, gdi = 0, user = 0;
  bool counted = false;  // some of the three counted by the meter
  SIZE_T privateBytes = 0;
};

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

using QuerySystemFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryProcessFn = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

FARPROC Ntdll(const char* name) { return GetProcAddress(GetModuleHandleA("ntdll.dll"), name); }

// SYSTEM_HANDLE_INFORMATION (class 16): a count, then one entry per handle.
struct HandleEntry {
  ULONG ownerPid;
  BYTE type, flags;
  USHORT value;
  PVOID object;
  ULONG access;
};

struct HandleList {
  ULONG count;
  HandleEntry entry[1];
};

DWORD CountHandles(DWORD pid) {
  auto query = reinterpret_cast<QuerySystemFn>(reinterpret_cast<void*>(Ntdll("NtQuerySystemInformation")));
  if (!query) return 0;
  std::string buffer(1 << 16, '\0');
  ULONG got = 0;
  LONG status;
  while ((status = query(16, buffer.data(), ULONG(buffer.size()), &got)) == LONG(0xC0000004) &&
         buffer.size() < (64u << 20))
    buffer.resize(buffer.size() * 2);
  if (status < 0) return 0;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const size_t first = offsetof(HandleList, entry);
  if (first + size_t(count) * sizeof(HandleEntry) > buffer.size()) return 0;
  const auto* e = reinterpret_cast<const HandleEntry*>(buffer.data() + first);
  DWORD n = 0;
  for (ULONG i = 0; i < count; ++i) n += e[i].ownerPid == pid;
  return n;
}

// The GDI handle table's entry (Wine's layout, as Windows').
struct GdiEntry {
  ULONGLONG object;
  ULONG owner;
  BYTE extType, generation;  // bit 7 of extType: a stock object
  BYTE type, flags;
  ULONGLONG user;
};
static_assert(sizeof(GdiEntry) == 24);

DWORD CountGdiObjects(HANDLE p) {
  auto query = reinterpret_cast<QueryProcessFn>(reinterpret_cast<void*>(Ntdll("NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION info{};
  if (!query || query(p, 0, &info, sizeof info, nullptr) < 0 || !info.PebBaseAddress) return 0;
  const size_t tableField = sizeof(void*) == 8 ? 0xF8 : 0x94;  // PEB.GdiSharedHandleTable
  void* table = nullptr;
  if (!ReadProcessMemory(p, reinterpret_cast<const char*>(info.PebBaseAddress) + tableField, &table,
                         sizeof table, nullptr) || !table)
    return 0;
  constexpr size_t kEntries = 0x10000;
  std::string bytes(kEntries * sizeof(GdiEntry), '\0');
  if (!ReadProcessMemory(p, table, bytes.data(), bytes.size(), nullptr)) return 0;
  const auto* e = reinterpret_cast<const GdiEntry*>(bytes.data());
  DWORD n = 0;
  for (size_t i = 0; i < kEntries; ++i) n += e[i].type != 0 && !(e[i].extType & 0x80);
  return n;
}

struct WindowCount {
  DWORD pid, n;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
  ++reinterpret_cast<WindowCount*>(lp)->n;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND w, LPARAM lp) {
  auto* c = reinterpret_cast<WindowCount*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == c->pid) {
    ++c->n;
    EnumChildWindows(w, CountChild, lp);
  }
  return TRUE;
}

DWORD CountWindows(DWORD pid) {
  WindowCount c{pid, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&c));
  return c.n;
}

Figures Measure(HANDLE p) {
  Figures f;
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(p, &created, &exited, &kernel, &user)) {
    auto ticks = [](const FILETIME& t) { return double(ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime); };
    f.cpuSeconds = (ticks(kernel) + ticks(user)) / 1e7;
  }
  GetProcessHandleCount(p, &f.handles);
  f.gdi = GetGuiResources(p, GR_GDIOBJECTS);
  f.user = GetGuiResources(p, GR_USEROBJECTS);
  if (!f.handles) f.handles = CountHandles(GetProcessId(p)), f.counted = true;
  if (!f.gdi) f.gdi = CountGdiObjects(p), f.counted = true;
  if (!f.user) f.user = CountWindows(GetProcessId(p)), f.counted = true;
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  // Wine leaves PrivateUsage at 0; the page-file usage is the same figure on NT.
  if (GetProcessMemoryInfo(p, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc))
    f.privateBytes = pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
  return f;
}

void Print(const char* when, const Figures& f) {
  std::printf("%s: cpu %.3f s, handles %lu, gdi %lu, user %lu%s, private %.2f MB\n", when, f.cpuSeconds,
              static_cast<unsigned long>(f.handles), static_cast<unsigned long>(f.gdi),
              static_cast<unsigned long>(f.user), f.counted ? " (counted; user = windows)" : "",
              double(f.privateBytes) / 1048576.0);
}

// The command line from argument `first` on, as this process received it.
std::string Command(int first, int argc, char** argv) {
  std::string c;
  for (int i = first; i < argc; ++i) {
    if (i > first) c += ' ';
    c += std::strchr(argv[i], ' ') ? "\"" + std::string(argv[i]) + "\"" : argv[i];
  }
  return c;
}

bool Start(std::string command, PROCESS_INFORMATION& pi) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
}

// What one look at the process's top-level windows saw.
struct Search {
  DWORD pid;
  const char* caption;
  bool anyWindow = false, captioned = false, found = false;
};

BOOL CALLBACK Visit(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != s->pid) return TRUE;
  s->anyWindow = true;
  char title[256] = "";
  if (GetWindowTextA(w, title, sizeof title) && std::strstr(title, s->caption)) {
    s->captioned = true;
    if (IsWindowVisible(w)) {
      s->found = true;
      return FALSE;
    }
  }
  return TRUE;
}

void End(PROCESS_INFORMATION& pi) {
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace

// The first running process whose program file is called name.
HANDLE OpenByName(const char* name) {
  DWORD ids[4096], bytes = 0;
  if (!EnumProcesses(ids, sizeof ids, &bytes)) return nullptr;
  for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
    if (!p) continue;
    char base[MAX_PATH] = "";
    if (GetModuleBaseNameA(p, nullptr, base, sizeof base) && lstrcmpiA(base, name) == 0) return p;
    CloseHandle(p);
  }
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc < 3) return std::fprintf(stderr, "usage: meter start|watch|run ...\n"), 2;
  const std::string mode = argv[1];
  PROCESS_INFORMATION pi{};
  if (mode == "start" && argc >= 4) {
    const double t0 = Now();
    if (!Start(Command(3, argc, argv), pi)) return std::fprintf(stderr, "meter: cannot start\n"), 1;
    Search s{pi.dwProcessId, argv[2]};
    double firstWindow = 0, captioned = 0;
    while (!s.found && Now() - t0 < 30) {
      Search seen = s;
      seen.anyWindow = seen.captioned = false;
      EnumWindows(Visit, reinterpret_cast<LPARAM>(&seen));
      const double at = Now() - t0;
      if (seen.anyWindow && !firstWindow) firstWindow = at;
      if (seen.captioned && !captioned) captioned = at;
      s.found = seen.found;
      if (!s.found) Sleep(1);
    }
    const double ms = (Now() - t0) * 1000;
    Sleep(2000);  // let it settle before its memory is read
    const Figures f = Measure(pi.hProcess);
    std::printf("start: %s after %.0f ms; private %.2f MB; first window %.0f ms, caption %.0f ms\n",
                s.found ? "window" : "NO WINDOW", ms, double(f.privateBytes) / 1048576.0,
                firstWindow * 1000, captioned * 1000);
    End(pi);
    return s.found ? 0 : 1;
  }
  if (mode == "watch" && argc >= 4) {
    const int seconds = std::atoi(argv[2]);
    if (!Start(Command(3, argc, argv), pi)) return std::fprintf(stderr, "meter: cannot start\n"), 1;
    Sleep(5000);
    const Figures a = Measure(pi.hProcess);
    const double t0 = Now();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const Figures b = Measure(pi.hProcess);
    const double wall = Now() - t0;
    Print("watch start", a);
    Print("watch end  ", b);
    std::printf("watch: %.3f %% of one core over %.0f s\n", 100 * (b.cpuSeconds - a.cpuSeconds) / wall, wall);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi.hProcess, &code);
    End(pi);
    return code == STILL_ACTIVE ? 0 : 1;
  }
  if (mode == "figures") {
    HANDLE p = OpenByName(argv[2]);
    if (!p) return std::printf("figures: no process %s\n", argv[2]), 1;
    Print("figures", Measure(p));
    CloseHandle(p);
    return 0;
  }
  if (mode == "run") {
    const double t0 = Now();
    if (!Start(Command(2, argc, argv), pi)) return std::fprintf(stderr, "meter: cannot start\n"), 1;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    std::printf("run: %.0f ms, exit code %lu\n", (Now() - t0) * 1000, static_cast<unsigned long>(code));
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
  }
  return std::fprintf(stderr, "usage: meter start|watch|run ...\n"), 2;
}

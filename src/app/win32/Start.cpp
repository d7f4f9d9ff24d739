// The 32-bit program's own start and end, in place of a C runtime's: the
// floating-point unit set up, the static objects made, WinMain, then the
// static objects destroyed in reverse and the process ended with WinMain's
// code. Nothing of it needs more than what Windows 95 gives every process.
#include <windows.h>

namespace {

using Function = void (*)();

// What atexit registered (the compiler registers the destructor of every
// static object as it is made), newest first.
struct ExitCall {
  Function call;
  ExitCall* next;
};
ExitCall* exitCalls = nullptr;

void RunExitCalls() {
  while (ExitCall* e = exitCalls) {
    exitCalls = e->next;
    e->call();
    HeapFree(GetProcessHeap(), 0, e);
  }
}

// The window's first show as the starter asked for it.
int ShowCommand() {
  STARTUPINFOA info;
  info.cb = sizeof info;
  GetStartupInfoA(&info);
  return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
}

// The command line after the program's own name, as WinMain takes it.
char* Arguments() {
  char* p = GetCommandLineA();
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p > ' ') ++p;
  }
  while (*p && *p <= ' ') ++p;
  return p;
}

}  // namespace

extern "C" {

// The linker's lists: -1, the entries, 0.
extern Function __CTOR_LIST__[];
extern Function __DTOR_LIST__[];

int atexit(Function call) {
  auto* e = static_cast<ExitCall*>(HeapAlloc(GetProcessHeap(), 0, sizeof(ExitCall)));
  if (!e) return -1;
  e->call = call;
  e->next = exitCalls;
  exitCalls = e;
  return 0;
}

[[noreturn]] void BrantelleStart() {
  // The state a C runtime leaves: every exception masked, rounding to
  // nearest, 64-bit precision (the figures' extended-precision arithmetic
  // depends on it; NT starts a thread at 53 bits).
  __asm__ volatile("fninit");
  // Constructors run from the end of the list, as the compiler orders them.
  size_t count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  for (size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
  const int code = WinMain(GetModuleHandleA(nullptr), nullptr, Arguments(), ShowCommand());
  RunExitCalls();
  for (size_t i = 1; __DTOR_LIST__[i]; ++i) __DTOR_LIST__[i]();
  ExitProcess(static_cast<UINT>(code));
}

}  // extern "C"

// The system services of processor identification, from kernel32.
#include <windows.h>

#include "platform/CpuInstructions.h"

namespace platform {

namespace {

class Win32CpuSystem : public CpuSystem {
 public:
  uint32_t TickCount() override { return GetTickCount(); }
  uint32_t ProcessPriorityClass() override { return GetPriorityClass(GetCurrentProcess()); }
  void SetProcessPriorityClass(uint32_t priorityClass) override {
    SetPriorityClass(GetCurrentProcess(), priorityClass);
  }
  int32_t ThreadPriority() override { return GetThreadPriority(GetCurrentThread()); }
  void SetThreadPriority(int32_t priority) override {
    ::SetThreadPriority(GetCurrentThread(), priority);
  }
  uint32_t ProcessorCount() override {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
  }
  uint32_t ProcessorType() override {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwProcessorType;
  }
};

}  // namespace

CpuSystem& HostCpuSystem() {
  static Win32CpuSystem instance;
  return instance;
}

}  // namespace platform

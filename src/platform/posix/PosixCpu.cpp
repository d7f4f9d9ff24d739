// The system services of processor identification in the native build.
#include <time.h>
#include <unistd.h>

#include "platform/CpuInstructions.h"


namespace platform {

namespace {

// Priorities are only remembered: the native build is for tests and tools.
class PosixCpuSystem : public CpuSystem {
 public:
  uint32_t TickCount() override {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
  }
  uint32_t ProcessPriorityClass() override { return priorityClass_; }
  void SetProcessPriorityClass(uint32_t priorityClass) override { priorityClass_ = priorityClass; }
  int32_t ThreadPriority() override { return threadPriority_; }
  void SetThreadPriority(int32_t priority) override { threadPriority_ = priority; }
  uint32_t ProcessorCount() override {
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<uint32_t>(n) : 1u;
  }
  uint32_t ProcessorType() override {
#if defined(__x86_64__)
    return 8664;  // PROCESSOR_AMD_X8664
#elif defined(__i386__)
    return 586;  // PROCESSOR_INTEL_PENTIUM
#else
    return 0;
#endif
  }

 private:
  uint32_t priorityClass_ = kNormalPriorityClass;
  int32_t threadPriority_ = kThreadPriorityNormal;
};

}  // namespace

CpuSystem& HostCpuSystem() {
  static PosixCpuSystem instance;
  return instance;
}

}  // namespace platform

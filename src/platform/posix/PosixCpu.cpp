// The processor instructions in the native build. On x86-64 CPUID always
// exists (the EFLAGS toggle always succeeds); on a processor that is not x86
// the engine sees no CPUID at all and reports its fallback values.
#include <time.h>
#include <unistd.h>

#include "platform/CpuInstructions.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define BRANTELLE_X86 1
#endif

namespace platform {

namespace {

class PosixCpuInstructions : public CpuInstructions {
 public:
  bool CanToggleIdFlag() override {
#if defined(__x86_64__)
    return true;
#elif defined(__i386__)
    uint32_t before, after;
    __asm__ volatile(
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl $0x200000, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "pushl %0\n\t"
        "popfl\n\t"
        : "=&r"(before), "=&r"(after)
        :
        : "cc");
    return ((before ^ after) & 0x200000) != 0;
#else
    return false;
#endif
  }

  CpuidRegisters Cpuid(uint32_t level) override {
    CpuidRegisters r;
#ifdef BRANTELLE_X86
    __cpuid_count(level, 0, r.eax, r.ebx, r.ecx, r.edx);
#else
    (void)level;
#endif
    return r;
  }

  uint64_t ReadTimeStampCounter() override {
#ifdef BRANTELLE_X86
    return __rdtsc();
#else
    return 0;
#endif
  }

  long double FdivResidue(double x, double y) override {
#ifdef BRANTELLE_X86
    uint16_t saved, extended;
    long double result;
    __asm__ volatile("fnstcw %0" : "=m"(saved));
    extended = static_cast<uint16_t>(saved | 0x0300);
    __asm__ volatile(
        "fldcw %[ext]\n\t"
        "fldl %[x]\n\t"
        "fdivl %[y]\n\t"
        "fmull %[y]\n\t"
        "fsubl %[x]\n\t"
        "fstpt %[r]\n\t"
        "fldcw %[old]\n\t"
        : [r] "=m"(result)
        : [x] "m"(x), [y] "m"(y), [ext] "m"(extended), [old] "m"(saved)
        : "cc");
    return result;
#else
    volatile long double vx = x, vy = y;
    return (vx / vy) * vy - vx;
#endif
  }
};

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

CpuInstructions& HostCpuInstructions() {
  static PosixCpuInstructions instance;
  return instance;
}

CpuSystem& HostCpuSystem() {
  static PosixCpuSystem instance;
  return instance;
}

}  // namespace platform

// The processor instructions on 32-bit Windows (i686), with inline assembly
// and GCC's builtins, and the system services from kernel32.
#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include "platform/CpuInstructions.h"

namespace platform {

namespace {

class Win32CpuInstructions : public CpuInstructions {
 public:
  bool CanToggleIdFlag() override {
#if defined(__i386__)
    // Flip bit 21 of EFLAGS, read EFLAGS back, restore the original value:
    // the bit sticks only on a processor that has CPUID.
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
    return true;  // every x86-64 processor has CPUID
#endif
  }

  CpuidRegisters Cpuid(uint32_t level) override {
    CpuidRegisters r;
    __cpuid_count(level, 0, r.eax, r.ebx, r.ecx, r.edx);
    return r;
  }

  uint64_t ReadTimeStampCounter() override { return __rdtsc(); }

  long double FdivResidue(double x, double y) override {
    // Precision control set to a 64-bit mantissa for the computation, then
    // the caller's control word back.
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
  }
};

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

CpuInstructions& HostCpuInstructions() {
  static Win32CpuInstructions instance;
  return instance;
}

CpuSystem& HostCpuSystem() {
  static Win32CpuSystem instance;
  return instance;
}

}  // namespace platform

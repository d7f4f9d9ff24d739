// The processor's identification instructions, with GCC's builtins and inline
// assembly; the same code serves the i686 product and the x86-64 test build.
// On a processor that is not x86 the engine sees no CPUID at all.
#include "platform/CpuInstructions.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define BRANTELLE_X86 1
#endif

namespace platform {

namespace {

class X86Instructions : public CpuInstructions {
 public:
  bool CanToggleIdFlag() override {
#if defined(__x86_64__)
    return true;  // every x86-64 processor has CPUID
#elif defined(__i386__)
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
    return false;
#endif
  }

  CpuidRegisters Cpuid(uint32_t level, uint32_t subLevel) override {
    CpuidRegisters r;
#ifdef BRANTELLE_X86
    __cpuid_count(level, subLevel, r.eax, r.ebx, r.ecx, r.edx);
#else
    (void)level;
    (void)subLevel;
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
#else
    volatile long double vx = x, vy = y;
    return (vx / vy) * vy - vx;
#endif
  }
};

}  // namespace

CpuInstructions& HostCpuInstructions() {
  static X86Instructions instance;
  return instance;
}

}  // namespace platform

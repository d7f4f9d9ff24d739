// The processor's own identification instructions, and the few system services
// that processor identification needs: the EFLAGS ID-bit toggle test,
// CPUID, RDTSC, an extended-precision division, the millisecond tick counter,
// process and thread priorities, the processor count and the processor type.
#pragma once

#include <cstdint>

namespace platform {

// The four registers as CPUID leaves them.
struct CpuidRegisters {
  uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
  bool operator==(const CpuidRegisters&) const = default;
};

class CpuInstructions {
 public:
  virtual ~CpuInstructions() = default;
  // True when bit 21 (ID) of EFLAGS can be toggled, that is, CPUID exists.
  virtual bool CanToggleIdFlag() = 0;
  // Executes CPUID once with EAX = level and ECX = subLevel (the deterministic
  // cache level numbers its caches so). Called only after CanToggleIdFlag()
  // answered true.
  virtual CpuidRegisters Cpuid(uint32_t level, uint32_t subLevel) = 0;
  // The time-stamp counter (RDTSC). Called only when the processor reports one.
  virtual uint64_t ReadTimeStampCounter() = 0;
  // (x / y) * y - x, computed in the processor's extended floating precision
  // with x and y taken from memory.
  virtual long double FdivResidue(double x, double y) = 0;
};

// Process priority classes and thread priorities, as the Win32 API numbers them.
constexpr uint32_t kNormalPriorityClass = 0x20;
constexpr uint32_t kRealtimePriorityClass = 0x100;
constexpr int32_t kThreadPriorityNormal = 0;
constexpr int32_t kThreadPriorityTimeCritical = 15;

class CpuSystem {
 public:
  virtual ~CpuSystem() = default;
  // GetTickCount: milliseconds since start, wrapping at 2^32.
  virtual uint32_t TickCount() = 0;
  // GetPriorityClass / SetPriorityClass of the current process.
  virtual uint32_t ProcessPriorityClass() = 0;
  virtual void SetProcessPriorityClass(uint32_t priorityClass) = 0;
  // GetThreadPriority / SetThreadPriority of the current thread.
  virtual int32_t ThreadPriority() = 0;
  virtual void SetThreadPriority(int32_t priority) = 0;
  // GetSystemInfo: dwNumberOfProcessors and dwProcessorType.
  virtual uint32_t ProcessorCount() = 0;
  virtual uint32_t ProcessorType() = 0;
};

// The real ones of the build platform (platform/win32 or platform/posix).
CpuInstructions& HostCpuInstructions();
CpuSystem& HostCpuSystem();

}  // namespace platform

// A scriptable processor: a register source that answers any CPUID level with
// the registers a test gives it (or has no CPUID at all), a time-stamp counter
// that runs with a fake clock, and recorded priority changes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/CpuInstructions.h"

namespace fakes {

class FakeCpu : public platform::CpuInstructions, public platform::CpuSystem {
 public:
  using Regs = platform::CpuidRegisters;

  // --- Register source ---
  bool hasCpuid = true;  // EFLAGS bit 21 can be toggled
  // Successive answers per level: the n-th execution of a level gets entry n,
  // the last entry repeats. A level without answers gets `otherwise`.
  std::map<uint32_t, std::vector<Regs>> answers;
  Regs otherwise{};
  // Answers of a level by sub-level (ECX); a sub-level above 0 without one gets zeros.
  std::map<std::pair<uint32_t, uint32_t>, Regs> subAnswers;
  std::vector<uint32_t> executed;  // every CPUID execution, in order

  void Set(uint32_t level, Regs r) { answers[level] = {r}; }
  Regs& At(uint32_t level);  // the (first) answer of a level, created when missing
  // Level 0: EAX = maximum standard level, EBX/EDX/ECX = the vendor-id text
  // (up to 12 characters; shorter ones leave zero bytes).
  void SetVendor(const std::string& vendorId, uint32_t maxStd = 3);
  // Level 1: EAX signature, EBX (brand id in its low byte), EDX features.
  void SetSignature(uint32_t signature, uint32_t features = 0, uint32_t ebx = 0);
  // Level 0x80000000: EAX = the given value.
  void SetMaxExt(uint32_t eax);
  // Levels 0x80000002..4 from a text of up to 48 characters (zero padded).
  void SetBrand(const std::string& brand);
  // Level 2 descriptor bytes (entry 0 is the repeat count), from a list of up to 16.
  void SetDescriptors(uint32_t level, const std::vector<uint8_t>& bytes);
  int Executions(uint32_t level) const;

  // --- FDIV ---
  bool fdivFault = false;  // answer 256 as the flawed Pentium does
  std::vector<std::pair<double, double>> fdivOperands;

  // --- Clock and time-stamp counter ---
  // Every TickCount() read advances the clock by usPerRead microseconds; the
  // counter reads tickStart + elapsed ms (mod 2^32) and the TSC advances by
  // mhz cycles per microsecond from tscStart.
  uint32_t tickStart = 1000;
  uint64_t elapsedUs = 0;
  uint32_t usPerRead = 50;
  double mhz = 0;
  uint64_t tscStart = 0;
  int tickReads = 0, tscReads = 0;

  // --- Priorities and system information ---
  uint32_t priorityClass = platform::kNormalPriorityClass;
  int32_t threadPriority = platform::kThreadPriorityNormal;
  std::vector<std::string> priorityLog;  // "class N" / "thread N", in order
  std::vector<std::pair<uint32_t, int32_t>> prioritiesAtTsc;
  uint32_t processorCount = 1;
  uint32_t processorType = 586;

  bool CanToggleIdFlag() override { return hasCpuid; }
  Regs Cpuid(uint32_t level, uint32_t subLevel) override;
  uint64_t ReadTimeStampCounter() override;
  long double FdivResidue(double x, double y) override;

  uint32_t TickCount() override;
  uint32_t ProcessPriorityClass() override { return priorityClass; }
  void SetProcessPriorityClass(uint32_t c) override;
  int32_t ThreadPriority() override { return threadPriority; }
  void SetThreadPriority(int32_t p) override;
  uint32_t ProcessorCount() override { return processorCount; }
  uint32_t ProcessorType() override { return processorType; }

 private:
  std::map<uint32_t, size_t> served_;
};

// Packs four characters into a register, least significant byte first.
uint32_t Chars(const char* four);

// Makes the cpu engine run on a fake for the lifetime of the guard.
class UseFakeCpu {
 public:
  explicit UseFakeCpu(FakeCpu& cpu);
  ~UseFakeCpu();
  UseFakeCpu(const UseFakeCpu&) = delete;
  UseFakeCpu& operator=(const UseFakeCpu&) = delete;
};

}  // namespace fakes

#include "fakes/FakeCpu.h"

#include <algorithm>
#include <cstring>

#include "cpu/CpuidQuery.h"

namespace fakes {

uint32_t Chars(const char* four) {
  uint32_t v = 0;
  for (int i = 0; i < 4 && four[i]; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(four[i])) << (8 * i);
  return v;
}

namespace {

uint32_t Word(const std::string& text, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i)
    if (at + i < text.size()) v |= static_cast<uint32_t>(static_cast<uint8_t>(text[at + i])) << (8 * i);
  return v;
}

}  // namespace

FakeCpu::Regs& FakeCpu::At(uint32_t level) {
  auto& list = answers[level];
  if (list.empty()) list.push_back(Regs{});
  return list.front();
}

void FakeCpu::SetVendor(const std::string& vendorId, uint32_t maxStd) {
  Regs& r = At(0);
  r.eax = maxStd;
  r.ebx = Word(vendorId, 0);
  r.edx = Word(vendorId, 4);
  r.ecx = Word(vendorId, 8);
}

void FakeCpu::SetSignature(uint32_t signature, uint32_t features, uint32_t ebx) {
  Regs& r = At(1);
  r.eax = signature;
  r.ebx = ebx;
  r.edx = features;
}

void FakeCpu::SetMaxExt(uint32_t eax) { At(cpu::kLevelExtMax).eax = eax; }

void FakeCpu::SetBrand(const std::string& brand) {
  for (uint32_t i = 0; i < 3; ++i) {
    Regs& r = At(cpu::kLevelBrand1 + i);
    r.eax = Word(brand, 16 * i);
    r.ebx = Word(brand, 16 * i + 4);
    r.ecx = Word(brand, 16 * i + 8);
    r.edx = Word(brand, 16 * i + 12);
  }
}

void FakeCpu::SetDescriptors(uint32_t level, const std::vector<uint8_t>& bytes) {
  uint32_t regs[4] = {};
  for (size_t k = 0; k < bytes.size() && k < 16; ++k) regs[k / 4] |= static_cast<uint32_t>(bytes[k]) << (8 * (k % 4));
  Set(level, Regs{regs[0], regs[1], regs[2], regs[3]});
}

int FakeCpu::Executions(uint32_t level) const {
  return static_cast<int>(std::count(executed.begin(), executed.end(), level));
}

FakeCpu::Regs FakeCpu::Cpuid(uint32_t level, uint32_t subLevel) {
  executed.push_back(level);
  if (auto sub = subAnswers.find({level, subLevel}); sub != subAnswers.end()) return sub->second;
  if (subLevel != 0) return Regs{};
  auto it = answers.find(level);
  if (it == answers.end() || it->second.empty()) return otherwise;
  size_t& n = served_[level];
  const Regs r = it->second[std::min(n, it->second.size() - 1)];
  ++n;
  return r;
}

uint64_t FakeCpu::ReadTimeStampCounter() {
  ++tscReads;
  prioritiesAtTsc.emplace_back(priorityClass, threadPriority);
  return tscStart + static_cast<uint64_t>(static_cast<double>(elapsedUs) * mhz);
}

long double FakeCpu::FdivResidue(double x, double y) {
  fdivOperands.emplace_back(x, y);
  return fdivFault ? 256.0L : 0.0L;
}

uint32_t FakeCpu::TickCount() {
  ++tickReads;
  elapsedUs += usPerRead;
  return tickStart + static_cast<uint32_t>(elapsedUs / 1000);
}

void FakeCpu::SetProcessPriorityClass(uint32_t c) {
  priorityClass = c;
  priorityLog.push_back("class " + std::to_string(c));
}

void FakeCpu::SetThreadPriority(int32_t p) {
  threadPriority = p;
  priorityLog.push_back("thread " + std::to_string(p));
}

UseFakeCpu::UseFakeCpu(FakeCpu& cpu) { cpu::UseProcessor(cpu, cpu); }
UseFakeCpu::~UseFakeCpu() { cpu::UseHostProcessor(); }

}  // namespace fakes

#include "cpu/CpuidQuery.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "cpu/CpuVendors.h"

namespace cpu {

namespace {

// Current processors report a few dozen extended levels; far more is not a count.
constexpr uint32_t kMaxPlausibleExtLevels = 0xFF;

struct QueryState {
  platform::CpuInstructions* instructions = nullptr;
  platform::CpuSystem* system = nullptr;
  uint32_t cpuidLevel = 0;
  int32_t lastCpuidError = kCpuidOk;
};

QueryState& State() {
  static QueryState state;
  return state;
}

// Stored so that the build cannot fold the FDIV test away.
volatile double storedDividend = kFdivDividend;
volatile double storedDivisor = kFdivDivisor;

// The four characters of a register, least significant byte first.
void AppendRegister(std::string& s, uint32_t value) {
  for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Eight upper-case hexadecimal digits split as "XXXX-XXXX".
std::string SplitHex(uint32_t value) {
  std::string s;
  for (int shift = 28; shift >= 0; shift -= 4) {
    s.push_back("0123456789ABCDEF"[(value >> shift) & 0xF]);
    if (shift == 16) s.push_back('-');
  }
  return s;
}

// One CPUID execution, with CpuidLevel set first.
TCpuidRegisters Execute(uint32_t level, uint32_t subLevel = 0) {
  State().cpuidLevel = level;
  return Instructions().Cpuid(level, subLevel);
}

// The size in KB of the level-1 cache of that type (1 data, 2 code) from the
// deterministic cache level, where the extended level leaves it empty (Intel
// does); 0 when the processor has no such level or lists no such cache.
int32_t DeterministicL1(uint32_t type) {
  if (!IsCpuidAvailable() || GetMaxStdLevel() < kLevelCacheParameters) return 0;
  for (uint32_t index = 0; index < 32; ++index) {
    const TCpuidRegisters r = Execute(kLevelCacheParameters, index);
    const uint32_t kind = r.eax & 0x1F, level = (r.eax >> 5) & 0x7;
    if (kind == 0) break;  // no more caches
    if (level != 1 || kind != type) continue;
    const uint64_t ways = (r.ebx >> 22) + 1, partitions = ((r.ebx >> 12) & 0x3FF) + 1,
                   line = (r.ebx & 0xFFF) + 1, sets = uint64_t{r.ecx} + 1;
    return static_cast<int32_t>(std::min<uint64_t>(ways * partitions * line * sets / 1024, INT32_MAX));
  }
  return 0;
}

// A descriptor list decoded from a directly executed level; empty when it fails.
TCacheDescriptors DirectDescriptors(uint32_t level) {
  TCpuidRegisters r;
  if (!ExecuteCpuidDirect(level, r)) return TCacheDescriptors{};
  return DecodeDescriptors(r);
}

bool ExtendedCachePath() { return GetMaxExtLevel() > 5; }
bool CyrixColumn() { return GetVendorString() == "CyrixInstead"; }

// Speed tables of NormalizeSpeed.
constexpr int64_t kSpeedsBelow300[] = {0, 10, 16, 20, 25, 33, 40, 50, 60, 66, 75, 80, 82, 88, 90};
constexpr int64_t kSpeedsFrom300[] = {0, 33, 50, 66, 100};

}  // namespace

void UseProcessor(platform::CpuInstructions& instructions, platform::CpuSystem& system) {
  QueryState& s = State();
  s.instructions = &instructions;
  s.system = &system;
  s.cpuidLevel = 0;
  s.lastCpuidError = kCpuidOk;
}

void UseHostProcessor() { UseProcessor(platform::HostCpuInstructions(), platform::HostCpuSystem()); }

platform::CpuInstructions& Instructions() {
  QueryState& s = State();
  if (!s.instructions) s.instructions = &platform::HostCpuInstructions();
  return *s.instructions;
}

platform::CpuSystem& System() {
  QueryState& s = State();
  if (!s.system) s.system = &platform::HostCpuSystem();
  return *s.system;
}

uint32_t CpuidLevel() { return State().cpuidLevel; }
int32_t LastCpuidError() { return State().lastCpuidError; }

bool IsCpuidAvailable() { return Instructions().CanToggleIdFlag(); }

bool ExecuteCpuidDirect(uint32_t level, TCpuidRegisters& out) {
  if (!IsCpuidAvailable()) {
    State().lastCpuidError = kCpuidUnavailable;
    return false;
  }
  out = Execute(level);
  return true;
}

bool ExecuteCpuid(uint32_t level, int32_t count, TCpuidRegisters& out) {
  QueryState& s = State();
  if (!IsCpuidAvailable()) {
    s.lastCpuidError = kCpuidUnavailable;
    return false;
  }
  if (level > GetMaxStdLevel()) {
    TCpuidRegisters ext;
    ExecuteCpuidDirect(kLevelExtMax, ext);
    if (level > ext.eax) {
      s.lastCpuidError = kCpuidLevelUnsupported;
      return false;
    }
  }
  s.cpuidLevel = level;
  for (int32_t i = 0; i < count; ++i) out = Execute(level);
  s.lastCpuidError = kCpuidOk;
  return true;
}

uint32_t GetMaxStdLevel() {
  TCpuidRegisters r;
  if (!ExecuteCpuidDirect(kLevelVendor, r)) return 0;
  return r.eax;
}

uint32_t GetMaxExtLevel() {
  TCpuidRegisters r;
  if (!ExecuteCpuidDirect(kLevelExtMax, r)) return 0;
  const uint32_t levels = r.eax & 0x7FFFFFFFu;
  if (levels < 8) return levels;
  // Every processor of the last twenty years reports 8 or more; an old part
  // that answers this level with other data seldom sets bit 31 and never with
  // a count this small.
  return (r.eax & 0x80000000u) && levels <= kMaxPlausibleExtLevels ? levels : 0;
}

std::string GetVendorString() {
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelVendor, 1, r)) return "Unknown";
  std::string id;
  AppendRegister(id, r.ebx);
  AppendRegister(id, r.edx);
  AppendRegister(id, r.ecx);
  id = VisibleText(id);
  return id.size() < 12 ? "Unknown" : id;
}

uint32_t GetSignature() {
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelSignature, 1, r)) return 0;
  return r.eax;
}

uint32_t GetCpuType() { return (GetSignature() >> 12) & 0x3; }
uint32_t GetFamily() { return (GetSignature() >> 8) & 0xF; }
uint32_t GetModel() { return (GetSignature() >> 4) & 0xF; }
uint32_t GetStepping() { return GetSignature() & 0xF; }
uint32_t GetFamilyEx() { return (GetSignature() >> 20) & 0xFF; }
uint32_t GetModelEx() { return (GetSignature() >> 16) & 0xF; }

uint32_t GetBrandId() {
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelSignature, 1, r)) return 0;
  return r.ebx & 0xFF;
}

uint32_t GetFeatures() {
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelSignature, 1, r)) return 0;
  return r.edx;
}

uint32_t GetFeaturesEx() {
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelExtFeatures, 1, r)) return 0;
  return r.edx;
}

bool HasFeature(int bit) {
  if (!IsCpuidAvailable() || bit < 0 || bit > 31) return false;
  return ((GetFeatures() >> bit) & 1u) != 0;
}

bool IsOverDrive() { return GetCpuType() == 1; }

bool HasFDivBug() {
  if (!IsCpuidAvailable()) return false;
  const double x = storedDividend;
  const double y = storedDivisor;
  return Instructions().FdivResidue(x, y) != 0.0L;
}

std::string GetSerialNumber() {
  if (!(GetModel() > 6 && HasFeature(18))) return "";
  TCpuidRegisters r1, r3;
  if (!ExecuteCpuid(kLevelSignature, 1, r1)) return "";
  if (!ExecuteCpuid(kLevelSerial, 1, r3)) return "";
  return SplitHex(r1.eax) + "-" + SplitHex(r3.edx) + "-" + SplitHex(r3.ecx);
}

std::string GetBrandString() {
  std::string brand;
  for (uint32_t level : {kLevelBrand1, kLevelBrand2, kLevelBrand3}) {
    TCpuidRegisters r;
    if (!ExecuteCpuid(level, 1, r)) continue;
    AppendRegister(brand, r.eax);
    AppendRegister(brand, r.ebx);
    AppendRegister(brand, r.ecx);
    AppendRegister(brand, r.edx);
  }
  return brand;
}

std::string VisibleText(const std::string& raw) { return raw.substr(0, raw.find('\0')); }

TCacheDescriptors DecodeDescriptors(const TCpuidRegisters& registers) {
  TCacheDescriptors list{};
  const uint32_t regs[4] = {registers.eax, registers.ebx, registers.ecx, registers.edx};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) list[4 * i + j] = (regs[i] >> (8 * j)) & 0xFF;
  return list;
}

bool GetCacheDescriptors(TCacheDescriptors& list) {
  list = TCacheDescriptors{};
  TCpuidRegisters r;
  if (!ExecuteCpuid(kLevelCacheDescriptors, 1, r)) return false;
  const uint32_t repeat = r.eax & 0xFF;
  if (repeat > 1 && !ExecuteCpuid(kLevelCacheDescriptors, static_cast<int32_t>(repeat), r))
    return false;
  list = DecodeDescriptors(r);
  return true;
}

int32_t ScanDescriptors(const TCacheDescriptors& list, uint32_t code8, uint32_t code16) {
  for (uint32_t d : list) {
    if (d == code8) return 8;
    if (d == code16) return 16;
  }
  return 0;
}

int32_t ScanLevel2(const TCacheDescriptors& list) {
  for (uint32_t d : list) {
    switch (d) {
      case 0x40: return 0;
      case 0x41: return 128;
      case 0x42: case 0x82: return 256;
      case 0x43: case 0x83: return 512;
      case 0x44: case 0x84: return 1024;
      case 0x45: case 0x85: return 2048;
      default: break;
    }
  }
  return 0;
}

namespace {

TCacheDescriptors Level2Descriptors() {
  TCacheDescriptors list;
  GetCacheDescriptors(list);
  return list;
}

}  // namespace

int32_t GetL1DataCache() {
  if (ExtendedCachePath()) {
    if (!CyrixColumn()) {
      TCpuidRegisters r;
      if (!ExecuteCpuidDirect(kLevelL1Cache, r)) return 0;
      return r.ecx >> 24 ? static_cast<int32_t>(r.ecx >> 24) : DeterministicL1(1);
    }
    return ScanDescriptors(DirectDescriptors(kLevelL1Cache), 0x0A, 0x0C);
  }
  return ScanDescriptors(Level2Descriptors(), 0x0A, 0x0C);
}

int32_t GetL1CodeCache() {
  if (ExtendedCachePath()) {
    if (!CyrixColumn()) {
      TCpuidRegisters r;
      if (!ExecuteCpuidDirect(kLevelL1Cache, r)) return 0;
      return r.edx >> 24 ? static_cast<int32_t>(r.edx >> 24) : DeterministicL1(2);
    }
    return ScanDescriptors(DirectDescriptors(kLevelL1Cache), 0x06, 0x08);
  }
  return ScanDescriptors(Level2Descriptors(), 0x06, 0x08);
}

int32_t GetL1UnifiedCache() {
  // Always the list decoded from level 0x80000005, without a level check.
  for (uint32_t d : DirectDescriptors(kLevelL1Cache))
    if (d == 0x80) return 16;
  return 0;
}

int32_t GetL2Cache() {
  if (ExtendedCachePath()) {
    if (!CyrixColumn()) {
      if (GetVendorIndex(0) == kVendorAMD && GetFamily() == 6 && GetModel() == 3) return 64;
      TCpuidRegisters r;
      if (!ExecuteCpuid(kLevelL2Cache, 1, r)) return 0;
      return static_cast<int32_t>(r.ecx >> 16);
    }
    return ScanLevel2(DirectDescriptors(kLevelL2Cache));
  }
  return ScanLevel2(Level2Descriptors());
}

float MeasureSpeed(int32_t delayMs) {
  if (!HasFeature(4)) return -1.0f;
  platform::CpuSystem& sys = System();
  platform::CpuInstructions& ins = Instructions();

  const uint32_t oldClass = sys.ProcessPriorityClass();
  const int32_t oldThread = sys.ThreadPriority();
  sys.SetProcessPriorityClass(platform::kRealtimePriorityClass);
  sys.SetThreadPriority(platform::kThreadPriorityTimeCritical);

  // Start on a tick edge; the end is counted from t0, the value before it.
  const uint32_t t0 = sys.TickCount();
  while (sys.TickCount() == t0) {
  }
  const uint64_t c0 = ins.ReadTimeStampCounter();
  // Elapsed time modulo 2^32, so that a wrap of the counter ends the wait too.
  const uint32_t span = delayMs > 0 ? static_cast<uint32_t>(delayMs) : 0u;
  while (static_cast<uint32_t>(sys.TickCount() - t0) < span) {
  }
  const uint64_t c1 = ins.ReadTimeStampCounter();

  sys.SetThreadPriority(oldThread);
  sys.SetProcessPriorityClass(oldClass);

  auto toFloat = [](uint64_t c) {
    return static_cast<double>(static_cast<uint32_t>(c >> 32)) * 4294967296.0 +
           static_cast<double>(static_cast<uint32_t>(c));
  };
  const double cycles = toFloat(c1) - toFloat(c0);
  return static_cast<float>(cycles / (1000000.0 / (1000.0 / static_cast<double>(delayMs))));
}

int32_t NormalizeSpeed(float rawMHz) {
  const double x = rawMHz;
  // Trunc of a value outside the 64-bit range (or not a number) has no
  // meaning; such a measurement reads as 0.
  if (!std::isfinite(x) || std::fabs(x) >= 9.0e18) return 0;
  const int64_t hundreds = static_cast<int64_t>(std::trunc(x)) / 100;
  const int64_t base = 100 * hundreds;
  const int64_t rest = static_cast<int64_t>(std::trunc(x - static_cast<double>(base)));

  const bool high = base >= 300;
  const int64_t* table = high ? kSpeedsFrom300 : kSpeedsBelow300;
  const size_t n = high ? std::size(kSpeedsFrom300) : std::size(kSpeedsBelow300);
  int64_t best = table[0];
  int64_t bestDistance = rest > best ? rest - best : best - rest;
  for (size_t i = 1; i < n; ++i) {
    const int64_t distance = rest > table[i] ? rest - table[i] : table[i] - rest;
    if (distance <= bestDistance) {  // a tie goes to the later, larger entry
      best = table[i];
      bestDistance = distance;
    }
  }
  int64_t result = base + best;
  if (high && result == 666) result = 667;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(result)));
}

uint32_t GetProcessorCount() { return System().ProcessorCount(); }
uint32_t GetProcessorType() { return System().ProcessorType(); }

}  // namespace cpu

// Query layer: small free functions that execute CPUID and decode
// its registers, the FDIV test, cache sizes, and the clock-speed measurement.
//
// The layer keeps two process-wide values (CpuidLevel, LastCpuidError) and
// runs on one processor-instruction source, the host's unless a test installs
// another with UseProcessor. Callers must not query from two threads at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/CpuInstructions.h"

namespace cpu {

using TCpuidRegisters = platform::CpuidRegisters;

// Entry 4i+j is byte j (least significant first) of register i (EAX, EBX, ECX,
// EDX) of one register set. An empty list is all zeros.
using TCacheDescriptors = std::array<uint32_t, 16>;

// CPUID levels that the engine uses.
constexpr uint32_t kLevelVendor = 0;
constexpr uint32_t kLevelSignature = 1;
constexpr uint32_t kLevelCacheDescriptors = 2;
constexpr uint32_t kLevelSerial = 3;
constexpr uint32_t kLevelCacheParameters = 4;  // deterministic cache parameters, one sub-level a cache
constexpr uint32_t kLevelExtMax = 0x80000000u;
constexpr uint32_t kLevelExtFeatures = 0x80000001u;
constexpr uint32_t kLevelBrand1 = 0x80000002u;
constexpr uint32_t kLevelBrand2 = 0x80000003u;
constexpr uint32_t kLevelBrand3 = 0x80000004u;
constexpr uint32_t kLevelL1Cache = 0x80000005u;
constexpr uint32_t kLevelL2Cache = 0x80000006u;

// LastCpuidError values.
constexpr int32_t kCpuidOk = 0;
constexpr int32_t kCpuidUnavailable = -1;
constexpr int32_t kCpuidLevelUnsupported = -2;

// The FDIV test operands (stored, read at run time).
constexpr double kFdivDividend = 4195835.0;
constexpr double kFdivDivisor = 3145727.0;

// Installs the instruction source the layer runs on (and clears CpuidLevel and
// LastCpuidError); UseHostProcessor goes back to the build platform's own.
void UseProcessor(platform::CpuInstructions& instructions, platform::CpuSystem& system);
void UseHostProcessor();
platform::CpuInstructions& Instructions();
platform::CpuSystem& System();

// The level loaded into EAX by the latest (next) CPUID execution.
uint32_t CpuidLevel();
// 0 after a successful guarded query, -1 without CPUID, -2 for an unsupported level.
int32_t LastCpuidError();

// Bit 21 (ID) of EFLAGS can be toggled.
bool IsCpuidAvailable();
// Guarded query: accepts level when it is not above GetMaxStdLevel(), or else
// not above EAX of level 0x80000000 (unsigned); executes CPUID count times,
// copying the registers into out after each execution.
bool ExecuteCpuid(uint32_t level, int32_t count, TCpuidRegisters& out);
// Direct execution: CPUID once with level, after checking only that CPUID
// exists (otherwise LastCpuidError = -1 and false).
bool ExecuteCpuidDirect(uint32_t level, TCpuidRegisters& out);

// EAX of level 0; 0 (and LastCpuidError -1) without CPUID.
uint32_t GetMaxStdLevel();
// E = EAX of level 0x80000000: E with bit 31 cleared when that is below 8, or
// when bit 31 is set and the count is a plausible one (up to 0xFF); else 0.
uint32_t GetMaxExtLevel();
// EBX, EDX, ECX of level 0 as twelve characters, or "Unknown".
std::string GetVendorString();
// EAX of level 1, 0 when the query fails.
uint32_t GetSignature();
uint32_t GetCpuType();   // signature bits 12-13
uint32_t GetFamily();    // bits 8-11
uint32_t GetModel();     // bits 4-7
uint32_t GetStepping();  // bits 0-3
uint32_t GetFamilyEx();  // bits 20-27
uint32_t GetModelEx();   // bits 16-19
// Low byte of EBX of level 1.
uint32_t GetBrandId();
// EDX of level 1 / of level 0x80000001; 0 when the query fails.
uint32_t GetFeatures();
uint32_t GetFeaturesEx();
// Bit `bit` of GetFeatures(); false without CPUID.
bool HasFeature(int bit);
bool IsOverDrive();
// (x / y) * y - x is not exactly 0 in extended precision; false without CPUID.
bool HasFDivBug();
// Six groups of four upper-case hexadecimal digits (29 characters), or empty.
std::string GetSerialNumber();
// The 48 characters of levels 0x80000002..4 (a failed level adds nothing);
// a zero byte ends the visible name.
std::string GetBrandString();
// The text up to the first zero byte.
std::string VisibleText(const std::string& raw);

// Decodes one register set into a descriptor list.
TCacheDescriptors DecodeDescriptors(const TCpuidRegisters& registers);
// The level-2 descriptor list (repeated as its repeat count asks); all zeros
// and false when the query fails.
bool GetCacheDescriptors(TCacheDescriptors& list);
// The first entry in list order that is one of the two codes decides.
int32_t ScanDescriptors(const TCacheDescriptors& list, uint32_t code8, uint32_t code16);
// Level-2 scan: the first entry in 0x40..0x45 or 0x82..0x85 decides.
int32_t ScanLevel2(const TCacheDescriptors& list);

// Cache sizes in KB (0 when they cannot be determined).
int32_t GetL1DataCache();
int32_t GetL1CodeCache();
int32_t GetL1UnifiedCache();
int32_t GetL2Cache();

// Raw MHz over delayMs, -1 without a time-stamp counter.
float MeasureSpeed(int32_t delayMs);
// Rounded to a catalogue frequency.
int32_t NormalizeSpeed(float rawMHz);
// dwNumberOfProcessors / dwProcessorType of GetSystemInfo.
uint32_t GetProcessorCount();
uint32_t GetProcessorType();

}  // namespace cpu

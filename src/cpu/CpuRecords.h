// Record layer: processor-number wrappers over the query layer, and
// four query calls that fill caller-supplied packed records whose first field
// is their own size. The processor number is accepted and ignored everywhere.
#pragma once

#include <cstdint>

namespace cpu {

static_assert(sizeof(bool) == 1, "the records hold one-byte booleans");

// Wrappers: without CPUID the numeric ones give -1 and the tests false.
bool CpuidAvailable(uint8_t processor);
int32_t CpuidMaxLevel(uint8_t processor);    // GetMaxStdLevel
int32_t CpuidMaxLevelEx(uint8_t processor);  // GetMaxExtLevel
int32_t CpuSignature(uint8_t processor);
int32_t CpuType(uint8_t processor);
int32_t CpuFamily(uint8_t processor);
int32_t CpuFamilyEx(uint8_t processor);  // 0 unless the family is 15
int32_t CpuModel(uint8_t processor);
int32_t CpuModelEx(uint8_t processor);  // 0 unless the model is 15
int32_t CpuStepping(uint8_t processor);
int32_t CpuBrandId(uint8_t processor);
int32_t CpuFeatures(uint8_t processor);
int32_t CpuFeaturesEx(uint8_t processor);
bool CpuFeature(uint8_t processor, int bit);
bool CpuFDivBug(uint8_t processor);

constexpr int32_t kRecordOk = 0;
constexpr int32_t kRecordWrongSize = -3;

#pragma pack(push, 1)

struct TCpuidLevelsRecord {
  int32_t size = 14;
  uint8_t processor = 0;
  bool available = false;
  int32_t maxLevel = 0;
  int32_t maxLevelEx = 0;
};

struct TCacheSizesRecord {
  int32_t size = 21;
  uint8_t processor = 0;
  int32_t l1Code = 0;
  int32_t l1Data = 0;
  int32_t level1 = 0;
  int32_t level2 = 0;
};

struct TFeatureFlagsRecord {
  int32_t size = 35;
  uint8_t processor = 0;
  // Standard feature bits 0 to 9.
  bool fpu = false, vme = false, de = false, pse = false, tsc = false;
  bool msr = false, pae = false, mce = false, cx8 = false, apic = false;
  // Bits 11 to 18.
  bool sep = false, mtrr = false, pge = false, mca = false;
  bool cmov = false, pat = false, pse36 = false, serial = false;
  // Bits 23, 24, 25.
  bool mmx = false, fxsr = false, simd = false;
  // The extended flags.
  bool mmxEx = false, amd3DNow = false, amd3DNowEx = false;
  // Bits 19, 21, 22, 26, 27, 29.
  bool clflush = false, dts = false, acpi = false, simd2 = false, ss = false, tm = false;
};

struct TSignatureRecord {
  int32_t size = 37;
  uint8_t processor = 0;
  int32_t signature = 0;
  int32_t type = 0;
  int32_t family = 0;
  int32_t familyEx = 0;
  int32_t model = 0;
  int32_t modelEx = 0;
  int32_t stepping = 0;
  int32_t brandId = 0;
};

#pragma pack(pop)

static_assert(sizeof(TCpuidLevelsRecord) == 14);
static_assert(sizeof(TCacheSizesRecord) == 21);
static_assert(sizeof(TFeatureFlagsRecord) == 35);
static_assert(sizeof(TSignatureRecord) == 37);

// Each returns 0 after filling the record, or -3 without touching it when the
// size marker is not the record's own.
int32_t QueryCpuidLevels(TCpuidLevelsRecord& record);
int32_t QueryCacheSizes(TCacheSizesRecord& record);
int32_t QueryFeatureFlags(TFeatureFlagsRecord& record);
int32_t QuerySignature(TSignatureRecord& record);

}  // namespace cpu

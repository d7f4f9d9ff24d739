#include "cpu/CpuRecords.h"

#include "cpu/CpuVendors.h"
#include "cpu/CpuidQuery.h"

namespace cpu {

namespace {

bool Bit(uint32_t value, int bit) { return ((value >> bit) & 1u) != 0; }

}  // namespace

bool CpuidAvailable(uint8_t) { return IsCpuidAvailable(); }
int32_t CpuidMaxLevel(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetMaxStdLevel()) : -1; }
int32_t CpuidMaxLevelEx(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetMaxExtLevel()) : -1; }
int32_t CpuSignature(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetSignature()) : -1; }
int32_t CpuType(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetCpuType()) : -1; }
int32_t CpuFamily(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetFamily()) : -1; }

int32_t CpuFamilyEx(uint8_t) {
  if (!IsCpuidAvailable()) return -1;
  return GetFamily() == 15 ? static_cast<int32_t>(GetFamilyEx()) : 0;
}

int32_t CpuModel(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetModel()) : -1; }

int32_t CpuModelEx(uint8_t) {
  if (!IsCpuidAvailable()) return -1;
  return GetModel() == 15 ? static_cast<int32_t>(GetModelEx()) : 0;
}

int32_t CpuStepping(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetStepping()) : -1; }
int32_t CpuBrandId(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetBrandId()) : -1; }
int32_t CpuFeatures(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetFeatures()) : -1; }
int32_t CpuFeaturesEx(uint8_t) { return IsCpuidAvailable() ? static_cast<int32_t>(GetFeaturesEx()) : -1; }
bool CpuFeature(uint8_t, int bit) { return IsCpuidAvailable() && HasFeature(bit); }
bool CpuFDivBug(uint8_t) { return IsCpuidAvailable() && HasFDivBug(); }

int32_t QueryCpuidLevels(TCpuidLevelsRecord& record) {
  if (record.size != static_cast<int32_t>(sizeof(TCpuidLevelsRecord))) return kRecordWrongSize;
  const uint8_t p = record.processor;
  record.available = CpuidAvailable(p);
  record.maxLevel = CpuidMaxLevel(p);
  record.maxLevelEx = CpuidMaxLevelEx(p);
  return kRecordOk;
}

int32_t QueryCacheSizes(TCacheSizesRecord& record) {
  if (record.size != static_cast<int32_t>(sizeof(TCacheSizesRecord))) return kRecordWrongSize;
  record.l1Code = GetL1CodeCache();
  record.l1Data = GetL1DataCache();
  record.level1 = GetL1UnifiedCache();
  record.level2 = GetL2Cache();
  return kRecordOk;
}

int32_t QueryFeatureFlags(TFeatureFlagsRecord& record) {
  if (record.size != static_cast<int32_t>(sizeof(TFeatureFlagsRecord))) return kRecordWrongSize;
  const bool cpuid = IsCpuidAvailable();
  const uint32_t f = cpuid ? GetFeatures() : 0;
  const uint32_t x = cpuid ? GetFeaturesEx() : 0;
  const int32_t v = cpuid ? GetVendorIndex(record.processor) : kVendorUnknown;
  record.fpu = Bit(f, 0);
  record.vme = Bit(f, 1);
  record.de = Bit(f, 2);
  record.pse = Bit(f, 3);
  record.tsc = Bit(f, 4);
  record.msr = Bit(f, 5);
  record.pae = Bit(f, 6);
  record.mce = Bit(f, 7);
  record.cx8 = Bit(f, 8);
  record.apic = Bit(f, 9);
  record.sep = Bit(f, 11);
  record.mtrr = Bit(f, 12);
  record.pge = Bit(f, 13);
  record.mca = Bit(f, 14);
  record.cmov = Bit(f, 15);
  record.pat = Bit(f, 16);
  record.pse36 = Bit(f, 17);
  record.serial = Bit(f, 18);
  record.mmx = Bit(f, 23);
  record.fxsr = Bit(f, 24);
  record.simd = Bit(f, 25);
  record.mmxEx = v == kVendorAMD ? Bit(x, 22) : v == kVendorCyrix ? Bit(x, 24) : false;
  record.amd3DNow = Bit(x, 31);
  record.amd3DNowEx = Bit(x, 30);
  record.clflush = Bit(f, 19);
  record.dts = Bit(f, 21);
  record.acpi = Bit(f, 22);
  record.simd2 = Bit(f, 26);
  record.ss = Bit(f, 27);
  record.tm = Bit(f, 29);
  return kRecordOk;
}

int32_t QuerySignature(TSignatureRecord& record) {
  if (record.size != static_cast<int32_t>(sizeof(TSignatureRecord))) return kRecordWrongSize;
  const uint8_t p = record.processor;
  record.signature = CpuSignature(p);
  record.type = CpuType(p);
  record.family = CpuFamily(p);
  record.familyEx = CpuFamilyEx(p);
  record.model = CpuModel(p);
  record.modelEx = CpuModelEx(p);
  record.stepping = CpuStepping(p);
  record.brandId = CpuBrandId(p);
  return kRecordOk;
}

}  // namespace cpu

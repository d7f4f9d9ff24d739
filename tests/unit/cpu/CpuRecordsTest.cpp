// Record layer: processor-number wrappers, packed records and their
// size markers.
#include <cstddef>
#include <cstring>
#include <vector>

#include "cpu/CpuRecords.h"
#include "cpu/CpuidQuery.h"
#include "unit/cpu/CpuRig.h"

using namespace cpu;
using cputest::Bit;
using cputest::CpuTest;
using cputest::Sig;
using Regs = platform::CpuidRegisters;

namespace {

// ---------------------------------------------------------------- layout

TEST(CpuRecordLayout, RecordsArePackedWithSizeAndProcessorFirst) {
  EXPECT_EQ(offsetof(TCpuidLevelsRecord, processor), 4u);
  EXPECT_EQ(offsetof(TCpuidLevelsRecord, available), 5u);
  EXPECT_EQ(offsetof(TCpuidLevelsRecord, maxLevel), 6u);
  EXPECT_EQ(offsetof(TCpuidLevelsRecord, maxLevelEx), 10u);
  EXPECT_EQ(offsetof(TCacheSizesRecord, l1Code), 5u);
  EXPECT_EQ(offsetof(TCacheSizesRecord, l1Data), 9u);
  EXPECT_EQ(offsetof(TCacheSizesRecord, level1), 13u);
  EXPECT_EQ(offsetof(TCacheSizesRecord, level2), 17u);
  EXPECT_EQ(offsetof(TFeatureFlagsRecord, fpu), 5u);
  EXPECT_EQ(offsetof(TFeatureFlagsRecord, tm), 34u);
  EXPECT_EQ(offsetof(TSignatureRecord, signature), 5u);
  EXPECT_EQ(offsetof(TSignatureRecord, brandId), 33u);
  EXPECT_EQ(+TCpuidLevelsRecord{}.size, 14);
  EXPECT_EQ(+TCacheSizesRecord{}.size, 21);
  EXPECT_EQ(+TFeatureFlagsRecord{}.size, 35);
  EXPECT_EQ(+TSignatureRecord{}.size, 37);
}

// ---------------------------------------------------------------- wrong size markers

template <class R>
void ExpectWrongMarkerLeavesRecordAlone(int32_t (*query)(R&), int32_t marker) {
  R record;
  std::memset(static_cast<void*>(&record), 0xA5, sizeof record);
  record.size = marker;
  R before;
  std::memcpy(static_cast<void*>(&before), &record, sizeof record);
  EXPECT_EQ(query(record), kRecordWrongSize) << marker;
  EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0) << marker;
}

TEST_F(CpuTest, AWrongSizeMarkerGivesMinusThreeAndLeavesTheRecordUntouched) {
  cpu.SetVendor("GenuineIntel", 3);
  cpu.SetSignature(Sig(6, 8, 3), 0xFFFFFFFF);
  for (int32_t m : {13, 15, 0, -14, 21, 37})
    ExpectWrongMarkerLeavesRecordAlone<TCpuidLevelsRecord>(QueryCpuidLevels, m);
  for (int32_t m : {20, 22, 0, 14})
    ExpectWrongMarkerLeavesRecordAlone<TCacheSizesRecord>(QueryCacheSizes, m);
  for (int32_t m : {34, 36, 0, 37})
    ExpectWrongMarkerLeavesRecordAlone<TFeatureFlagsRecord>(QueryFeatureFlags, m);
  for (int32_t m : {36, 38, 0, 35})
    ExpectWrongMarkerLeavesRecordAlone<TSignatureRecord>(QuerySignature, m);
}

TEST_F(CpuTest, TheRightMarkerFillsTheRecordAndKeepsTheProcessorNumber) {
  cpu.SetVendor("GenuineIntel", 3);
  cpu.SetSignature(Sig(6, 8, 3), Bit(4));
  cpu.SetMaxExt(0x80000004);
  TCpuidLevelsRecord levels;
  levels.processor = 3;  // accepted and ignored
  EXPECT_EQ(QueryCpuidLevels(levels), kRecordOk);
  EXPECT_EQ(+levels.size, 14);
  EXPECT_EQ(+levels.processor, 3);
  EXPECT_TRUE(levels.available);
  EXPECT_EQ(+levels.maxLevel, 3);
  EXPECT_EQ(+levels.maxLevelEx, 4);
}

// ---------------------------------------------------------------- without CPUID

TEST_F(CpuTest, WithoutCpuidTheRecordsHoldMinusOneAndFalse) {
  cpu.hasCpuid = false;
  TCpuidLevelsRecord levels;
  EXPECT_EQ(QueryCpuidLevels(levels), kRecordOk);
  EXPECT_FALSE(levels.available);
  EXPECT_EQ(+levels.maxLevel, -1);
  EXPECT_EQ(+levels.maxLevelEx, -1);

  TSignatureRecord sig;
  EXPECT_EQ(QuerySignature(sig), kRecordOk);
  for (int32_t v : {sig.signature, sig.type, sig.family, sig.familyEx, sig.model, sig.modelEx,
                    sig.stepping, sig.brandId})
    EXPECT_EQ(v, -1);

  TFeatureFlagsRecord flags;
  std::memset(reinterpret_cast<char*>(&flags) + 5, 1, 30);
  EXPECT_EQ(QueryFeatureFlags(flags), kRecordOk);
  const char* bytes = reinterpret_cast<const char*>(&flags);
  for (int i = 5; i < 35; ++i) EXPECT_EQ(bytes[i], 0) << i;

  TCacheSizesRecord caches;
  EXPECT_EQ(QueryCacheSizes(caches), kRecordOk);
  EXPECT_EQ(caches.l1Code + caches.l1Data + caches.level1 + caches.level2, 0);

  for (int32_t v : {CpuidMaxLevel(0), CpuidMaxLevelEx(0), CpuSignature(0), CpuType(0), CpuFamily(0),
                    CpuFamilyEx(0), CpuModel(0), CpuModelEx(0), CpuStepping(0), CpuBrandId(0),
                    CpuFeatures(0), CpuFeaturesEx(0)})
    EXPECT_EQ(v, -1);
  EXPECT_FALSE(CpuidAvailable(0));
  EXPECT_FALSE(CpuFeature(0, 4));
  EXPECT_FALSE(CpuFDivBug(0));
}

// ---------------------------------------------------------------- signature record

struct ExCase {
  uint32_t signature;
  int32_t familyEx, modelEx;
};

TEST_F(CpuTest, ExtendedFamilyAndModelAreZeroUnlessFamilyOrModelIsFifteen) {
  const std::vector<ExCase> cases = {
      {Sig(15, 2, 7, 0, 0x01, 0x3), 0x01, 0},
      {Sig(15, 15, 7, 0, 0x06, 0x6), 0x06, 0x6},
      {Sig(6, 15, 1, 0, 0x06, 0x6), 0, 0x6},
      {Sig(6, 14, 1, 0, 0x06, 0x6), 0, 0},
      {Sig(14, 15, 1, 0, 0xFF, 0xF), 0, 0xF},
      {Sig(15, 0, 0, 0, 0x00, 0x0), 0, 0},
  };
  for (const ExCase& c : cases) {
    cpu.SetSignature(c.signature);
    TSignatureRecord r;
    QuerySignature(r);
    EXPECT_EQ(+r.familyEx, c.familyEx) << std::hex << c.signature;
    EXPECT_EQ(+r.modelEx, c.modelEx) << std::hex << c.signature;
  }
}

TEST_F(CpuTest, SignatureRecordHoldsTheEightWrappedValues) {
  cpu.SetSignature(Sig(6, 8, 6, 1), 0x0383FBFF, 0x00000102);
  TSignatureRecord r;
  r.processor = 1;
  EXPECT_EQ(QuerySignature(r), kRecordOk);
  EXPECT_EQ(+r.signature, static_cast<int32_t>(Sig(6, 8, 6, 1)));
  EXPECT_EQ(+r.type, 1);
  EXPECT_EQ(+r.family, 6);
  EXPECT_EQ(+r.familyEx, 0);
  EXPECT_EQ(+r.model, 8);
  EXPECT_EQ(+r.modelEx, 0);
  EXPECT_EQ(+r.stepping, 6);
  EXPECT_EQ(+r.brandId, 2);
  EXPECT_EQ(CpuFeatures(0), 0x0383FBFF);
}

// ---------------------------------------------------------------- feature flags record

TEST_F(CpuTest, EachStandardBitLandsInItsOwnByte) {
  // Record byte (after size and processor) -> standard feature bit; -1 marks
  // the three extended flags.
  const int order[30] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14, 15,
                         16, 17, 18, 23, 24, 25, -1, -1, -1, 19, 21, 22, 26, 27, 29};
  cpu.SetVendor("AuthenticAMD", 1);
  for (int bit = 0; bit < 32; ++bit) {
    cpu.SetSignature(Sig(6, 4), Bit(bit));
    TFeatureFlagsRecord r;
    ASSERT_EQ(QueryFeatureFlags(r), kRecordOk);
    const char* bytes = reinterpret_cast<const char*>(&r) + 5;
    for (int k = 0; k < 30; ++k) EXPECT_EQ(bytes[k] != 0, order[k] == bit) << "bit " << bit << " byte " << k;
  }
}

struct ExFlagCase {
  const char* vendor;
  uint32_t edx;
  bool mmxEx, amd3DNow, amd3DNowEx;
};

TEST_F(CpuTest, ExtendedFlagsDependOnTheVendorForMmxExtensions) {
  const std::vector<ExFlagCase> cases = {
      {"AuthenticAMD", Bit(22), true, false, false},
      {"AuthenticAMD", Bit(24), false, false, false},
      {"CyrixInstead", Bit(24), true, false, false},
      {"CyrixInstead", Bit(22), false, false, false},
      {"GenuineIntel", Bit(22) | Bit(24), false, false, false},
      {"CentaurHauls", Bit(31), false, true, false},
      {"AuthenticAMD", Bit(31) | Bit(30), false, true, true},
      {"GenuineIntel", Bit(30), false, false, true},
      {"AuthenticAMD", 0xFFFFFFFF, true, true, true},
  };
  for (const ExFlagCase& c : cases) {
    cpu.SetVendor(c.vendor, 1);
    cpu.SetMaxExt(0x80000001);
    cpu.Set(0x80000001, Regs{0, 0, 0, c.edx});
    TFeatureFlagsRecord r;
    QueryFeatureFlags(r);
    SCOPED_TRACE(std::string(c.vendor) + " " + std::to_string(c.edx));
    EXPECT_EQ(+r.mmxEx, c.mmxEx);
    EXPECT_EQ(+r.amd3DNow, c.amd3DNow);
    EXPECT_EQ(+r.amd3DNowEx, c.amd3DNowEx);
  }
}

TEST_F(CpuTest, CacheRecordHoldsTheFourSizes) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetDescriptors(2, {1, 0x0A, 0x08, 0x43});
  cpu.SetDescriptors(0x80000005, {0x80});
  TCacheSizesRecord r;
  EXPECT_EQ(QueryCacheSizes(r), kRecordOk);
  EXPECT_EQ(+r.l1Data, 8);
  EXPECT_EQ(+r.l1Code, 16);
  EXPECT_EQ(+r.level1, 16);
  EXPECT_EQ(+r.level2, 512);
}

}  // namespace

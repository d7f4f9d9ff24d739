// Identification on the real processor (under Wine in the Win32 build): the
// engine's answers must agree with each other.
#include <gtest/gtest.h>

#include <string>

#include "cpu/CpuRecords.h"
#include "cpu/CpuVendors.h"
#include "cpu/CpuidQuery.h"
#include "cpu/cxCPU2000.h"

using namespace cpu;

namespace {

class CpuHostTest : public ::testing::Test {
 protected:
  void SetUp() override { UseHostProcessor(); }
};

bool Printable(const std::string& s) {
  for (char ch : s) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

TEST_F(CpuHostTest, VendorStringIsPrintableAndNamesTheVendor) {
  ASSERT_TRUE(IsCpuidAvailable()) << "every processor that runs this build has CPUID";
  const std::string id = GetVendorString();
  ASSERT_EQ(id.size(), 12u) << id;
  EXPECT_TRUE(Printable(id)) << id;
  const int32_t index = GetVendorIndex(0);
  EXPECT_EQ(index, VendorIndexOf(id));
  EXPECT_EQ(GetVendorLongName(0), VendorEntry(index).longName);
  const std::string full = GetFullName(0);
  EXPECT_EQ(full, GetVendorShortName(0) + GetModelName(0));
  EXPECT_TRUE(Printable(full)) << full;
  std::printf("[cpu] vendor \"%s\" (index %d), name \"%s\"\n", id.c_str(), index, full.c_str());
}

TEST_F(CpuHostTest, DecodedFieldsComeFromOneSignature) {
  const uint32_t sig = GetSignature();
  ASSERT_NE(sig, 0u);
  EXPECT_GE(GetMaxStdLevel(), 1u);
  EXPECT_EQ(GetFamily(), (sig >> 8) & 0xF);
  EXPECT_EQ(GetModel(), (sig >> 4) & 0xF);
  EXPECT_EQ(GetStepping(), sig & 0xF);
  EXPECT_EQ(GetCpuType(), (sig >> 12) & 0x3);
  EXPECT_EQ(GetFamilyEx(), (sig >> 20) & 0xFF);
  EXPECT_EQ(GetModelEx(), (sig >> 16) & 0xF);
  EXPECT_GE(GetFamily(), 4u);

  TSignatureRecord r;
  ASSERT_EQ(QuerySignature(r), kRecordOk);
  EXPECT_EQ(static_cast<uint32_t>(int32_t(r.signature)), sig);
  EXPECT_EQ(int32_t(r.family), static_cast<int32_t>(GetFamily()));
  EXPECT_EQ(int32_t(r.model), static_cast<int32_t>(GetModel()));
  EXPECT_EQ(int32_t(r.stepping), static_cast<int32_t>(GetStepping()));
  EXPECT_EQ(int32_t(r.familyEx), GetFamily() == 15 ? static_cast<int32_t>(GetFamilyEx()) : 0);
  EXPECT_EQ(int32_t(r.modelEx), GetModel() == 15 ? static_cast<int32_t>(GetModelEx()) : 0);
  std::printf("[cpu] signature %08X family %u model %u stepping %u\n", sig, GetFamily(), GetModel(),
              GetStepping());
}

TEST_F(CpuHostTest, LevelsAndFeaturesAgreeAcrossLayers) {
  TCpuidLevelsRecord levels;
  ASSERT_EQ(QueryCpuidLevels(levels), kRecordOk);
  EXPECT_TRUE(levels.available);
  EXPECT_EQ(int32_t(levels.maxLevel), static_cast<int32_t>(GetMaxStdLevel()));
  EXPECT_GE(int32_t(levels.maxLevelEx), 0);
  EXPECT_LE(int32_t(levels.maxLevelEx), 0xFF);  // a count, never the raw register

  const uint32_t f = GetFeatures();
  TFeatureFlagsRecord flags;
  ASSERT_EQ(QueryFeatureFlags(flags), kRecordOk);
  EXPECT_EQ(bool(flags.fpu), (f & 1u) != 0);
  EXPECT_EQ(bool(flags.tsc), (f >> 4 & 1u) != 0);
  EXPECT_EQ(bool(flags.mmx), (f >> 23 & 1u) != 0);
  EXPECT_EQ(bool(flags.simd), (f >> 25 & 1u) != 0);
  EXPECT_TRUE(flags.fpu) << "an x87 unit is present on every processor this runs on";
}

TEST_F(CpuHostTest, NoFdivFaultAndSaneCaches) {
  EXPECT_FALSE(HasFDivBug());
  TCacheSizesRecord caches;
  ASSERT_EQ(QueryCacheSizes(caches), kRecordOk);
  for (int32_t kb : {int32_t(caches.l1Code), int32_t(caches.l1Data), int32_t(caches.level1),
                     int32_t(caches.level2)}) {
    EXPECT_GE(kb, 0);
    EXPECT_LE(kb, 65535);
  }
  const std::string brand = GetBrandString();
  EXPECT_LE(brand.size(), 48u);
  EXPECT_TRUE(Printable(VisibleText(brand))) << VisibleText(brand);
  // A current processor (eight extended levels or more) names itself and
  // reports its level-1 caches, from one level or the other.
  TCpuidRegisters ext;
  ASSERT_TRUE(ExecuteCpuidDirect(kLevelExtMax, ext));
  if ((ext.eax & 0x80000000u) && (ext.eax & 0x7FFFFFFFu) >= 8) {
    EXPECT_GT(caches.l1Data, 0);
    EXPECT_GT(caches.l1Code, 0);
    EXPECT_GT(caches.level2, 0);
    EXPECT_FALSE(VisibleText(brand).empty());
  }
}

TEST_F(CpuHostTest, SpeedIsPositiveWithATimeStampCounterAndPrioritiesComeBack) {
  platform::CpuSystem& sys = platform::HostCpuSystem();
  const uint32_t cls = sys.ProcessPriorityClass();
  const int32_t thread = sys.ThreadPriority();
  const float raw = MeasureSpeed(100);
  EXPECT_EQ(sys.ProcessPriorityClass(), cls);
  EXPECT_EQ(sys.ThreadPriority(), thread);
  if (!HasFeature(4)) {
    EXPECT_EQ(raw, -1.0f);
    GTEST_SKIP() << "no time-stamp counter";
  }
  EXPECT_GT(raw, 0.0f);
  EXPECT_GT(NormalizeSpeed(raw), 0);
  std::printf("[cpu] raw %.1f MHz, rounded %d MHz\n", raw, NormalizeSpeed(raw));
}

TEST_F(CpuHostTest, ComponentAgreesWithTheQueries) {
  TcxCPU2000 c(nullptr, "cxCpu");
  c.AutoBench().SetEnabled(true);
  c.AutoBench().SetDelay(100);
  c.Loaded();
  EXPECT_TRUE(c.CPUID().Available());
  EXPECT_EQ(c.InternalResults().VendorID(), GetVendorString());
  EXPECT_EQ(c.InternalResults().Signature(), static_cast<int32_t>(GetSignature()));
  EXPECT_EQ(c.InternalResults().cpuFamily(), static_cast<int32_t>(GetFamily()));
  EXPECT_EQ(c.InternalResults().cpuModel(), static_cast<int32_t>(GetModel()));
  EXPECT_EQ(c.Vendor(), GetVendorLongName(0));
  EXPECT_EQ(c.CPU(), GetModelName(0));
  EXPECT_GE(c.Count(), 1);
  EXPECT_EQ(c.Count(), static_cast<int32_t>(GetProcessorCount() % 256));
  EXPECT_EQ(c.MMX(), HasFeature(23));
  EXPECT_EQ(c.FeatureSet().TSC(), HasFeature(4));
  if (c.FeatureSet().TSC()) {
    EXPECT_GT(c.Speed(), 0);
  }
  EXPECT_FALSE(c.FullName().empty());
  EXPECT_TRUE(Printable(c.FullName())) << c.FullName();
  std::printf("[cpu] %s | %s | %d MHz | L1 %d/%d KB, L2 %d KB | %d processor(s)\n",
              c.FullName().c_str(), c.Vendor().c_str(), c.Speed(), c.Cache().L1Data(),
              c.Cache().L1Code(), c.Cache().Level2(), c.Count());
}

}  // namespace

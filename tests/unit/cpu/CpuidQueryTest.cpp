// Query layer against the fake register source.
#include <string>
#include <vector>

#include "cpu/CpuidQuery.h"
#include "unit/cpu/CpuRig.h"

using namespace cpu;
using cputest::Bit;
using cputest::CpuTest;
using cputest::Sig;
using Regs = platform::CpuidRegisters;

namespace {

const Regs kMarker{0xDEAD0001, 0xDEAD0002, 0xDEAD0003, 0xDEAD0004};

// ---------------------------------------------------------------- no CPUID

TEST_F(CpuTest, WithoutCpuidEveryQueryFailsByValue) {
  cpu.hasCpuid = false;
  cpu.SetVendor("GenuineIntel");  // never read
  cpu.SetSignature(Sig(6, 8), 0xFFFFFFFF);

  EXPECT_FALSE(IsCpuidAvailable());
  Regs out = kMarker;
  EXPECT_FALSE(ExecuteCpuid(0, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidUnavailable);
  EXPECT_EQ(out, kMarker);
  EXPECT_FALSE(ExecuteCpuidDirect(0, out));
  EXPECT_EQ(out, kMarker);

  EXPECT_EQ(GetMaxStdLevel(), 0u);
  EXPECT_EQ(LastCpuidError(), kCpuidUnavailable);
  EXPECT_EQ(GetMaxExtLevel(), 0u);
  EXPECT_EQ(GetVendorString(), "Unknown");
  EXPECT_EQ(GetSignature(), 0u);
  EXPECT_EQ(GetFamily(), 0u);
  EXPECT_EQ(GetModel(), 0u);
  EXPECT_EQ(GetBrandId(), 0u);
  EXPECT_EQ(GetFeatures(), 0u);
  EXPECT_EQ(GetFeaturesEx(), 0u);
  for (int b = 0; b < 32; ++b) EXPECT_FALSE(HasFeature(b)) << b;
  EXPECT_FALSE(IsOverDrive());
  EXPECT_FALSE(HasFDivBug());
  EXPECT_TRUE(cpu.fdivOperands.empty());
  EXPECT_EQ(GetSerialNumber(), "");
  EXPECT_EQ(GetBrandString(), "");
  TCacheDescriptors list;
  list.fill(7);
  EXPECT_FALSE(GetCacheDescriptors(list));
  EXPECT_EQ(list, TCacheDescriptors{});
  EXPECT_EQ(GetL1DataCache(), 0);
  EXPECT_EQ(GetL1CodeCache(), 0);
  EXPECT_EQ(GetL1UnifiedCache(), 0);
  EXPECT_EQ(GetL2Cache(), 0);
  EXPECT_EQ(MeasureSpeed(500), -1.0f);
  EXPECT_TRUE(cpu.executed.empty()) << "CPUID must never execute without the ID flag";
}

// ---------------------------------------------------------------- guarded query

TEST_F(CpuTest, GuardedQueryAcceptsStandardLevelsUpToTheMaximum) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.Set(2, Regs{0x03020101, 0, 0, 0x0C040843});
  Regs out = kMarker;
  EXPECT_TRUE(ExecuteCpuid(2, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidOk);
  EXPECT_EQ(CpuidLevel(), 2u);
  EXPECT_EQ(out, (Regs{0x03020101, 0, 0, 0x0C040843}));
}

TEST_F(CpuTest, GuardedQueryRejectsALevelAboveBothMaxima) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetMaxExt(0x80000004);
  Regs out = kMarker;
  EXPECT_FALSE(ExecuteCpuid(0x80000005, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidLevelUnsupported);
  EXPECT_EQ(out, kMarker);
  EXPECT_EQ(cpu.Executions(0x80000005), 0);
  // A later success clears the error.
  EXPECT_TRUE(ExecuteCpuid(1, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidOk);
}

TEST_F(CpuTest, GuardedQueryAcceptsExtendedLevelsUpToEaxOfLevel0x80000000) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetMaxExt(0x80000008);
  cpu.Set(0x80000008, Regs{0x3030, 0, 0, 0});
  Regs out;
  EXPECT_TRUE(ExecuteCpuid(0x80000008, 1, out));
  EXPECT_EQ(out.eax, 0x3030u);
  EXPECT_FALSE(ExecuteCpuid(0x80000009, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidLevelUnsupported);
}

TEST_F(CpuTest, GuardedQueryComparesUnsignedSoAStandardLevelPassesTheExtendedBound) {
  // Level 5 is above the standard maximum 2 but not above 0x80000004.
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetMaxExt(0x80000004);
  Regs out;
  EXPECT_TRUE(ExecuteCpuid(5, 1, out));
  EXPECT_EQ(LastCpuidError(), kCpuidOk);
}

TEST_F(CpuTest, GuardedQueryWithCountZeroExecutesNothingAndLeavesOutUntouched) {
  cpu.SetVendor("GenuineIntel", 3);
  Regs out = kMarker;
  EXPECT_TRUE(ExecuteCpuid(3, 0, out));
  EXPECT_EQ(out, kMarker);
  EXPECT_EQ(cpu.Executions(3), 0);
  EXPECT_EQ(CpuidLevel(), 3u);
  EXPECT_EQ(LastCpuidError(), kCpuidOk);
}

TEST_F(CpuTest, GuardedQueryRepeatsAndKeepsTheLastRegisters) {
  cpu.SetVendor("GenuineIntel", 3);
  cpu.answers[2] = {Regs{1, 0, 0, 0}, Regs{2, 0, 0, 0}, Regs{3, 0, 0, 0}};
  Regs out;
  EXPECT_TRUE(ExecuteCpuid(2, 3, out));
  EXPECT_EQ(cpu.Executions(2), 3);
  EXPECT_EQ(out.eax, 3u);
}

TEST_F(CpuTest, DirectExecutionChecksOnlyThatCpuidExists) {
  cpu.SetVendor("GenuineIntel", 1);  // no extended levels at all
  cpu.Set(0x80000005, Regs{9, 8, 7, 6});
  Regs out;
  EXPECT_TRUE(ExecuteCpuidDirect(0x80000005, out));
  EXPECT_EQ(out, (Regs{9, 8, 7, 6}));
  EXPECT_EQ(CpuidLevel(), 0x80000005u);
}

TEST_F(CpuTest, MaxStdLevelIsEaxOfLevelZero) {
  cpu.SetVendor("GenuineIntel", 0x16);
  EXPECT_EQ(GetMaxStdLevel(), 0x16u);
}

// ---------------------------------------------------------------- GetMaxExtLevel's rule

struct ExtCase {
  uint32_t eax;
  uint32_t expected;
};

TEST_F(CpuTest, MaxExtLevelClearsBit31AndKeepsValuesBelowEightOrPlausibleCounts) {
  const std::vector<ExtCase> cases = {
      {0x80000004, 4},  // brand string, but not the extended cache path
      {0x80000006, 6}, {0x80000007, 7}, {0x80000005, 5}, {0x80000001, 1}, {0x80000000, 0},
      {0x80000008, 8},  // current Intel
      {0x80000021, 0x21}, {0x80000028, 0x28}, {0x8000001F, 0x1F}, {0x800000FF, 0xFF},  // current AMD
      {0x80000100, 0}, {0xFFFFFFFF, 0},  // not a count
      {0x00000002, 2},  // an old processor answering with other data
      {0x00000007, 7}, {0x00000000, 0}, {0x00000008, 0}, {0x00000021, 0},
  };
  for (const ExtCase& c : cases) {
    cpu.SetMaxExt(c.eax);
    EXPECT_EQ(GetMaxExtLevel(), c.expected) << std::hex << c.eax;
  }
}

// ---------------------------------------------------------------- vendor string

TEST_F(CpuTest, VendorStringIsEbxEdxEcxOfLevelZero) {
  const std::vector<std::string> ids = {"GenuineIntel", "AuthenticAMD", "CyrixInstead", "CentaurHauls",
                                        "NexGenDriven", "UMC UMC UMC ", "RiseRiseRise", "GenuineTMx86"};
  for (const std::string& id : ids) {
    cpu.SetVendor(id);
    EXPECT_EQ(GetVendorString(), id);
  }
  cpu.Set(0, Regs{1, fakes::Chars("Genu"), fakes::Chars("ntel"), fakes::Chars("ineI")});
  EXPECT_EQ(GetVendorString(), "GenuineIntel");
}

TEST_F(CpuTest, VendorStringShorterThanTwelveCharactersIsUnknown) {
  cpu.SetVendor("AMDisbetter");  // 11 characters, a zero byte last
  EXPECT_EQ(GetVendorString(), "Unknown");
  cpu.SetVendor("");
  EXPECT_EQ(GetVendorString(), "Unknown");
  cpu.SetVendor(std::string("Genu\0neIntel", 12));
  EXPECT_EQ(GetVendorString(), "Unknown");
}

// ---------------------------------------------------------------- signature

struct SigCase {
  uint32_t signature;
  uint32_t type, family, model, stepping, familyEx, modelEx;
};

TEST_F(CpuTest, SignatureFieldsDecodeFromTheirBits) {
  const std::vector<SigCase> cases = {
      {0x00000000, 0, 0, 0, 0, 0, 0},
      {0x00000543, 0, 5, 4, 3, 0, 0},
      {0x00001633, 1, 6, 3, 3, 0, 0},
      {0x00002683, 2, 6, 8, 3, 0, 0},
      {0x00000F12, 0, 15, 1, 2, 0, 0},
      {0x00100F42, 0, 15, 4, 2, 1, 0},
      {0x000306A9, 0, 6, 10, 9, 0, 3},
      {0x0FF3FFFF, 3, 15, 15, 15, 0xFF, 3},
      {0xF000C000, 0, 0, 0, 0, 0, 0},  // reserved bits 14-15 and 28-31
      {Sig(6, 7, 2, 1, 0x12, 0xA), 1, 6, 7, 2, 0x12, 0xA},
  };
  for (const SigCase& c : cases) {
    cpu.SetSignature(c.signature);
    SCOPED_TRACE(c.signature);
    EXPECT_EQ(GetSignature(), c.signature);
    EXPECT_EQ(GetCpuType(), c.type);
    EXPECT_EQ(GetFamily(), c.family);
    EXPECT_EQ(GetModel(), c.model);
    EXPECT_EQ(GetStepping(), c.stepping);
    EXPECT_EQ(GetFamilyEx(), c.familyEx);
    EXPECT_EQ(GetModelEx(), c.modelEx);
    EXPECT_EQ(IsOverDrive(), c.type == 1);
  }
}

TEST_F(CpuTest, SignatureFailsToZeroWhenLevelOneIsUnsupported) {
  cpu.Set(0, Regs{0, fakes::Chars("Genu"), fakes::Chars("ineI"), fakes::Chars("ntel")});
  cpu.SetSignature(Sig(5, 2), Bit(4));
  EXPECT_EQ(GetSignature(), 0u);
  EXPECT_EQ(LastCpuidError(), kCpuidLevelUnsupported);
  EXPECT_EQ(GetFamily(), 0u);
  EXPECT_EQ(GetFeatures(), 0u);
  EXPECT_FALSE(HasFeature(4));
}

TEST_F(CpuTest, BrandIdIsTheLowByteOfEbx) {
  cpu.SetSignature(Sig(6, 8), 0, 0x12345608);
  EXPECT_EQ(GetBrandId(), 8u);
}

// ---------------------------------------------------------------- features

TEST_F(CpuTest, HasFeatureReadsEachBitOfLevelOneEdx) {
  for (int b = 0; b < 32; ++b) {
    cpu.SetSignature(Sig(6, 8), Bit(b));
    for (int q = 0; q < 32; ++q) EXPECT_EQ(HasFeature(q), q == b) << b << " " << q;
    EXPECT_FALSE(HasFeature(32));
    EXPECT_FALSE(HasFeature(-1));
  }
}

TEST_F(CpuTest, ExtendedFeaturesAreEdxOfLevel0x80000001) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetMaxExt(0x80000001);
  cpu.Set(0x80000001, Regs{0, 0, 0, 0xC0400000});
  EXPECT_EQ(GetFeaturesEx(), 0xC0400000u);
  cpu.SetMaxExt(0x80000000);
  EXPECT_EQ(GetFeaturesEx(), 0u);
}

// ---------------------------------------------------------------- FDIV

TEST_F(CpuTest, FdivTestUsesTheStoredOperands) {
  EXPECT_FALSE(HasFDivBug());
  ASSERT_EQ(cpu.fdivOperands.size(), 1u);
  EXPECT_EQ(cpu.fdivOperands[0].first, 4195835.0);
  EXPECT_EQ(cpu.fdivOperands[0].second, 3145727.0);
  cpu.fdivFault = true;
  EXPECT_TRUE(HasFDivBug());
}

TEST(CpuHostFdiv, TheHostProcessorComputesTheTestExactly) {
  // On any processor this build runs on, the FDIV computation is exact.
  cpu::UseHostProcessor();
  EXPECT_EQ(platform::HostCpuInstructions().FdivResidue(4195835.0, 3145727.0), 0.0L);
}

// ---------------------------------------------------------------- serial number

TEST_F(CpuTest, SerialNumberIsSixGroupsOfFourHexDigits) {
  cpu.SetVendor("GenuineIntel", 3);
  cpu.SetSignature(0x00000672, Bit(18));
  cpu.Set(3, Regs{0, 0, 0x89abcdef, 0x01234567});
  EXPECT_EQ(GetSerialNumber(), "0000-0672-0123-4567-89AB-CDEF");
  EXPECT_EQ(GetSerialNumber().size(), 29u);
}

TEST_F(CpuTest, SerialNumberNeedsModelAboveSixAndBit18) {
  cpu.SetVendor("GenuineIntel", 3);
  cpu.Set(3, Regs{0, 0, 1, 2});
  cpu.SetSignature(0x00000662, Bit(18));
  EXPECT_EQ(GetSerialNumber(), "");
  cpu.SetSignature(0x00000672, 0);
  EXPECT_EQ(GetSerialNumber(), "");
  cpu.SetSignature(0x00000672, Bit(18));
  EXPECT_EQ(GetSerialNumber(), "0000-0672-0000-0002-0000-0001");
}

TEST_F(CpuTest, SerialNumberIsEmptyWhenLevelThreeFails) {
  cpu.SetVendor("GenuineIntel", 2);  // and no extended levels
  cpu.SetSignature(0x00000672, Bit(18));
  EXPECT_EQ(GetSerialNumber(), "");
}

// ---------------------------------------------------------------- brand string

TEST_F(CpuTest, BrandStringIsFortyEightCharactersFromThreeLevels) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetMaxExt(0x80000004);
  cpu.SetBrand("AMD Athlon(tm) Processor");
  const std::string brand = GetBrandString();
  EXPECT_EQ(brand.size(), 48u);
  EXPECT_EQ(VisibleText(brand), "AMD Athlon(tm) Processor");
  EXPECT_EQ(brand.substr(0, 24), "AMD Athlon(tm) Processor");
}

TEST_F(CpuTest, AFailedBrandLevelContributesNothing) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetMaxExt(0x80000003);
  cpu.SetBrand("0123456789abcdefFEDCBA9876543210XXXXXXXXXXXXXXXX");
  EXPECT_EQ(GetBrandString(), "0123456789abcdefFEDCBA9876543210");
}

}  // namespace

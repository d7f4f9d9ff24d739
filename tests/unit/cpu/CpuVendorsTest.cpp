// Vendor identification tables, driven through the fake register source.
#include <string>
#include <vector>

#include "cpu/CpuVendors.h"
#include "cpu/CpuidQuery.h"
#include "unit/cpu/CpuRig.h"

using namespace cpu;
using cputest::Bit;
using cputest::CpuTest;
using cputest::Sig;

namespace {

// ---------------------------------------------------------------- vendor index and names

struct VendorCase {
  std::string id;
  int32_t index;
  std::string shortName, longName;
};

// Every vendor the tables know.
static std::vector<VendorCase> KnownVendors() {
  return {
      {"GenuineIntel", 1, "Intel ", "Intel Corporation"},
      {"AuthenticAMD", 2, "AMD ", "Advanced Micro Devices"},
      {"CyrixInstead", 3, "Cyrix ", "Cyrix Corporation"},
      {"CentaurHauls", 4, "IDT ", "IDT/Centaur"},
      {"NexGenDriven", 5, "NexGen ", "NexGen Inc"},
      {"UMC UMC UMC ", 6, "UMC ", "United Microelectronics Corp"},
      {"RiseRiseRise", 7, "Rise ", "Rise Technology"},
  };
}

TEST_F(CpuTest, VendorIndexComesFromAnExactCaseSensitiveMatch) {
  std::vector<VendorCase> cases = KnownVendors();
  cases.insert(cases.end(), {
      {"UMC UMC UMC", 0, "Unknown ", "Unknown Vendor"},  // without the trailing blank
      {"genuineintel", 0, "Unknown ", "Unknown Vendor"},
      {"GenuineIntel ", 0, "Unknown ", "Unknown Vendor"},  // 13 characters
      {"GenuineTMx86", 0, "Unknown ", "Unknown Vendor"},
      {"AMDisbetter!", 0, "Unknown ", "Unknown Vendor"},
  });
  for (const VendorCase& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(VendorIndexOf(c.id), c.index);
    EXPECT_EQ(VendorEntry(c.index).shortName, c.shortName);
    EXPECT_EQ(VendorEntry(c.index).longName, c.longName);
  }
  EXPECT_EQ(VendorIndexOf("Unknown"), kVendorUnknown);
  EXPECT_EQ(VendorIndexOf(""), kVendorUnknown);
}

TEST_F(CpuTest, VendorQueriesReadTheVendorStringThroughCpuid) {
  std::vector<VendorCase> cases = KnownVendors();
  cases.push_back({"UMC UMC UMC", 0, "Unknown ", "Unknown Vendor"});  // the 12th byte is zero: "Unknown"
  for (const VendorCase& c : cases) {
    cpu.SetVendor(c.id);
    SCOPED_TRACE(c.id);
    EXPECT_EQ(GetVendorIndex(0), c.index);
    EXPECT_EQ(GetVendorIndex(5), c.index);  // the processor number is ignored
    EXPECT_EQ(GetVendorShortName(0), c.shortName);
    EXPECT_EQ(GetVendorLongName(0), c.longName);
  }
}

// ---------------------------------------------------------------- model tables

struct ModelCase {
  std::string vendor;
  uint32_t family, model;
  std::string name;
  int32_t level2 = 256;  // KB, from a level-2 descriptor
  uint32_t brandId = 0;
  bool overDrive = false;
  bool bit18 = false;
};

uint8_t Level2Descriptor(int32_t kb) {
  switch (kb) {
    case 128: return 0x41;
    case 256: return 0x42;
    case 512: return 0x43;
    case 1024: return 0x44;
    case 2048: return 0x45;
    default: return 0x40;  // none
  }
}

class CpuModelTest : public CpuTest {
 protected:
  void Load(const ModelCase& c) {
    cpu.SetVendor(c.vendor, 3);
    cpu.SetSignature(Sig(c.family, c.model, 1, c.overDrive ? 1 : 0), c.bit18 ? Bit(18) : 0, c.brandId);
    cpu.SetDescriptors(2, {1, Level2Descriptor(c.level2)});
  }
  void Check(const std::vector<ModelCase>& cases) {
    for (const ModelCase& c : cases) {
      Load(c);
      SCOPED_TRACE(c.vendor + " F" + std::to_string(c.family) + " M" + std::to_string(c.model) +
                   " L2=" + std::to_string(c.level2) + " B=" + std::to_string(c.brandId));
      EXPECT_EQ(GetModelName(0), c.name);
      EXPECT_EQ(GetFullName(0), GetVendorShortName(0) + c.name);
    }
  }
};

TEST_F(CpuModelTest, Intel) {
  const std::string I = "GenuineIntel";
  Check({
      {I, 4, 4, "80486SL"}, {I, 4, 7, "80486DX2"}, {I, 4, 8, "80486DX4"},
      {I, 4, 0, "486 class"}, {I, 4, 1, "486 class"}, {I, 4, 15, "486 class"},
      {I, 5, 0, "Pentium (P5)"}, {I, 5, 1, "Pentium (P5)"}, {I, 5, 2, "Pentium (P54C)"},
      {I, 5, 7, "Pentium (P54C)"}, {I, 5, 3, "Pentium 486 OverDrive"}, {I, 5, 4, "Pentium MMX"},
      {I, 5, 5, "Pentium class"}, {I, 5, 8, "Pentium class"},
      {I, 6, 0, "Pentium Pro"}, {I, 6, 1, "Pentium Pro"},
      {I, 6, 3, "Pentium II (Model 3)"},
      {I, 6, 3, "Pentium II Overdrive", 256, 0, true},
      {I, 6, 5, "Celeron (Model 5)", 0}, {I, 6, 5, "Pentium II (Model 5)", 128},
      {I, 6, 5, "Pentium II (Model 5)", 512}, {I, 6, 5, "Pentium II Xeon", 1024},
      {I, 6, 5, "Pentium II Xeon", 2048},
      {I, 6, 6, "Mobile Pentium II", 256}, {I, 6, 6, "Celeron", 128},
      {I, 6, 6, "Mobile Celeron", 128, 0, false, true}, {I, 6, 6, "Celeron", 0},
      {I, 6, 6, "Mobile Pentium II", 512, 0, false, true},
      {I, 6, 7, "Pentium III", 512, 0}, {I, 6, 8, "Pentium III", 256, 0},
      {I, 6, 8, "Pentium III Xeon", 2048, 0}, {I, 6, 7, "Pentium III Xeon", 1024, 0},
      {I, 6, 8, "Celeron", 128, 1}, {I, 6, 8, "Pentium III", 256, 2},
      {I, 6, 8, "Pentium III Xeon", 256, 3}, {I, 6, 7, "Pentium 4", 256, 8},
      {I, 6, 8, "Pentium III class", 256, 4}, {I, 6, 8, "Pentium III class", 2048, 9},
      {I, 6, 10, "Pentium III Xeon"}, {I, 6, 2, "Pentium II/III class"},
      {I, 6, 4, "Pentium II/III class"}, {I, 6, 9, "Pentium II/III class"},
      {I, 6, 11, "Pentium II/III class"}, {I, 6, 15, "Pentium II/III class"},
      {I, 15, 0, "Pentium 4"}, {I, 15, 1, "Pentium 4 class"}, {I, 15, 2, "Pentium 4 class"},
      {I, 3, 0, ""}, {I, 7, 0, ""}, {I, 0, 0, ""}, {I, 14, 0, ""},
  });
}

TEST_F(CpuModelTest, IntelReadsTheLevelTwoCacheForEveryFamilySixModel) {
  Load({"GenuineIntel", 6, 1, "Pentium Pro"});
  cpu.executed.clear();
  GetModelName(0);
  EXPECT_GT(cpu.Executions(2), 0);
  Load({"GenuineIntel", 5, 4, "Pentium MMX"});
  cpu.executed.clear();
  GetModelName(0);
  EXPECT_EQ(cpu.Executions(2), 0);
}

TEST_F(CpuModelTest, IntelLevelTwoFromTheExtendedPath) {
  Load({"GenuineIntel", 6, 8, "", 0, 0});
  cpu.SetMaxExt(0x80000006);
  cpu.Set(0x80000006, platform::CpuidRegisters{0, 0, 0x08004020, 0});  // 2048 KB
  EXPECT_EQ(GetModelName(0), "Pentium III Xeon");
  cpu.Set(0x80000006, platform::CpuidRegisters{0, 0, 0x01004020, 0});  // 256 KB
  EXPECT_EQ(GetModelName(0), "Pentium III");
}

TEST_F(CpuModelTest, Amd) {
  const std::string A = "AuthenticAMD";
  Check({
      {A, 4, 3, "Am486"}, {A, 4, 7, "Am486"}, {A, 4, 8, "Am486"}, {A, 4, 9, "Am486"},
      {A, 4, 14, "Am5x86"}, {A, 4, 15, "Am5x86"}, {A, 4, 0, "486 class"}, {A, 4, 4, "486 class"},
      {A, 5, 0, "K5 (Model 0)"}, {A, 5, 1, "K5 (Model 1)"}, {A, 5, 2, "K5 (Model 2)"},
      {A, 5, 3, "K5 (Model 3)"}, {A, 5, 6, "K6 (Model 6)"}, {A, 5, 7, "K6 (Model 7)"},
      {A, 5, 8, "K6-2"}, {A, 5, 9, "K6-III"}, {A, 5, 13, "K6-2+/K6-III+"},
      {A, 5, 4, "Pentium class"}, {A, 5, 5, "Pentium class"}, {A, 5, 10, "Pentium class"},
      {A, 5, 12, "Pentium class"}, {A, 5, 14, "Pentium class"},
      {A, 6, 1, "Athlon"}, {A, 6, 2, "Athlon"}, {A, 6, 4, "Athlon"}, {A, 6, 3, "Duron"},
      {A, 6, 0, "Athlon class"}, {A, 6, 6, "Athlon class"}, {A, 6, 8, "Athlon class"},
      {A, 15, 4, ""}, {A, 15, 0, ""}, {A, 3, 0, ""}, {A, 7, 0, ""},
  });
}

TEST_F(CpuModelTest, AmdFamilyFifteenHasAnEmptyModelName) {
  Load({"AuthenticAMD", 15, 4, ""});
  EXPECT_EQ(GetModelName(0), "");
  EXPECT_EQ(GetFullName(0), "AMD ");
  EXPECT_EQ(GetVendorLongName(0), "Advanced Micro Devices");
}

TEST_F(CpuModelTest, Cyrix) {
  const std::string C = "CyrixInstead";
  Check({
      {C, 4, 4, "Media GX"}, {C, 4, 9, "Cx5x86"}, {C, 4, 0, "486 class"}, {C, 4, 5, "486 class"},
      {C, 5, 2, "6x86"}, {C, 5, 4, "GXm"}, {C, 5, 0, "Pentium class"}, {C, 5, 3, "Pentium class"},
      {C, 6, 0, "6x86MX"}, {C, 6, 5, "VIA Cyrix III"}, {C, 6, 1, "M2 Class"}, {C, 6, 6, "M2 Class"},
      {C, 3, 0, ""}, {C, 15, 0, ""},
  });
}

TEST_F(CpuModelTest, IdtCentaur) {
  const std::string D = "CentaurHauls";
  Check({
      {D, 5, 4, "C6"}, {D, 5, 8, "C2"}, {D, 5, 9, "C3"}, {D, 5, 0, "Pentium class"},
      {D, 5, 5, "Pentium class"}, {D, 6, 7, ""}, {D, 4, 4, ""},
  });
}

TEST_F(CpuModelTest, NexGen) {
  const std::string N = "NexGenDriven";
  Check({{N, 5, 0, "Nx586"}, {N, 5, 1, "Pentium class"}, {N, 4, 0, ""}, {N, 6, 0, ""}});
}

TEST_F(CpuModelTest, Umc) {
  const std::string U = "UMC UMC UMC ";
  Check({
      {U, 4, 1, "U5D"}, {U, 4, 2, "U5S"}, {U, 4, 0, "Pentium class"}, {U, 4, 3, "Pentium class"},
      {U, 5, 1, ""}, {U, 3, 1, ""},
  });
}

TEST_F(CpuModelTest, Rise) {
  const std::string R = "RiseRiseRise";
  Check({
      {R, 5, 0, "mP6"}, {R, 5, 2, "mP6"}, {R, 5, 1, "Pentium class"}, {R, 5, 8, "Pentium class"},
      {R, 6, 0, ""}, {R, 4, 0, ""},
  });
}

// ---------------------------------------------------------------- unknown vendor

struct TypeCase {
  uint32_t processorType;
  std::string name;
};

TEST_F(CpuTest, UnknownVendorNamesTheClassFromTheProcessorType) {
  const std::vector<TypeCase> cases = {
      {386, "386 class"}, {486, "486 class"}, {586, "Pentium class"}, {686, "Pentium II class"},
      {8664, "8664 class"}, {0, "0 class"}, {2200, "2200 class"}, {4000000000u, "4000000000 class"},
  };
  cpu.SetVendor("GenuineTMx86", 1);
  cpu.SetSignature(Sig(5, 4));
  for (const TypeCase& c : cases) {
    cpu.processorType = c.processorType;
    EXPECT_EQ(GetModelName(0), c.name);
    EXPECT_EQ(GetFullName(0), "Unknown " + c.name);
    EXPECT_EQ(GetVendorLongName(0), "Unknown Vendor");
    EXPECT_EQ(ProcessorTypeClassName(c.processorType), c.name);
  }
}

TEST_F(CpuTest, WithoutCpuidTheNamesComeFromTheOperatingSystem) {
  cpu.hasCpuid = false;
  cpu.processorType = 586;
  EXPECT_EQ(GetVendorIndex(0), kVendorUnknown);
  EXPECT_EQ(GetVendorLongName(0), "Unknown Vendor");
  EXPECT_EQ(GetModelName(0), "Pentium class");
  EXPECT_EQ(GetFullName(0), "Unknown Pentium class");
  cpu.processorType = 486;
  EXPECT_EQ(GetFullName(0), "Unknown 486 class");
  EXPECT_EQ(GetVendorSpeed(0, 500), 0);
}

// ---------------------------------------------------------------- the documented examples

TEST_F(CpuModelTest, SpecExamples) {
  Load({"GenuineIntel", 6, 8, "", 256, 0});
  EXPECT_EQ(GetModelName(0), "Pentium III");
  EXPECT_EQ(GetFullName(0), "Intel Pentium III");
  EXPECT_EQ(GetVendorLongName(0), "Intel Corporation");
  Load({"GenuineIntel", 6, 8, "", 2048, 0});
  EXPECT_EQ(GetModelName(0), "Pentium III Xeon");
  Load({"GenuineIntel", 6, 5, "", 128});
  EXPECT_EQ(GetModelName(0), "Pentium II (Model 5)");
  Load({"GenuineIntel", 6, 6, "", 128, 0, false, false});
  EXPECT_EQ(GetModelName(0), "Celeron");
  Load({"GenuineIntel", 6, 6, "", 128, 0, false, true});
  EXPECT_EQ(GetModelName(0), "Mobile Celeron");
}

}  // namespace

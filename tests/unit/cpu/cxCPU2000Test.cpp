// Component: TcxCPU2000, its sub-objects, creation and load hook.
#include <string>

#include "cpu/CpuidQuery.h"
#include "cpu/cxCPU2000.h"
#include "ui/Headless.h"
#include "ui/Window.h"
#include "unit/cpu/CpuRig.h"

using namespace cpu;
using cputest::Bit;
using cputest::CpuTest;
using cputest::Sig;
using Regs = platform::CpuidRegisters;

namespace {

class CxCpuTest : public CpuTest {
 protected:
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "CpuForm"};

  TcxCPU2000& Create() { return window.Add<TcxCPU2000>("cxCpu"); }

  // A Pentium III (Katmai) with its serial number enabled, 512 KB level 2.
  void PentiumIII() {
    cpu.SetVendor("GenuineIntel", 3);
    cpu.SetSignature(0x00000672, 0x0383FBFF | Bit(18), 0x00000000);
    cpu.SetDescriptors(2, {1, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0x0C, 0x04, 0x08, 0x43});
    cpu.Set(3, Regs{0, 0, 0x89ABCDEF, 0x01234567});
    cpu.processorCount = 2;
    cpu.mhz = 500;
  }
};

TEST_F(CxCpuTest, IsANonVisualComponentOfItsWindow) {
  PentiumIII();
  TcxCPU2000& c = Create();
  EXPECT_EQ(window.Find("cxCpu"), &c);
  EXPECT_EQ(c.GetKind(), ui::Kind::NonVisual);
  EXPECT_EQ(c.Owner(), &window);
}

TEST_F(CxCpuTest, DetectsEverythingWhenCreated) {
  PentiumIII();
  const TcxCPU2000& c = Create();

  EXPECT_TRUE(c.CPUID().Available());
  EXPECT_EQ(c.CPUID().MaxLevel(), 3);
  EXPECT_EQ(c.CPUID().MaxLevelEx(), 0);

  const TcxDetectedInfo& i = c.InternalResults();
  EXPECT_EQ(i.Signature(), 0x672);
  EXPECT_EQ(i.cpuType(), 0);
  EXPECT_EQ(i.cpuFamily(), 6);
  EXPECT_EQ(i.cpuModel(), 7);
  EXPECT_EQ(i.cpuStepping(), 2);
  EXPECT_EQ(i.cpuFamilyEx(), 0);
  EXPECT_EQ(i.cpuModelEx(), 0);
  EXPECT_EQ(i.Brand(), 0);
  EXPECT_EQ(i.FeatureSet(), static_cast<int32_t>(0x0383FBFF | Bit(18)));
  EXPECT_EQ(i.FeatureSetEx(), 0);
  EXPECT_EQ(i.VendorID(), "GenuineIntel");

  EXPECT_TRUE(c.FeatureSet().FPU());
  EXPECT_TRUE(c.FeatureSet().TSC());
  EXPECT_TRUE(c.FeatureSet().SERIAL());
  EXPECT_TRUE(c.FeatureSet().MMX());
  EXPECT_TRUE(c.FeatureSet().XSR());
  EXPECT_TRUE(c.FeatureSet().SIMD());
  EXPECT_FALSE(c.FeatureSet().SIMD2());
  EXPECT_FALSE(c.FeatureSet().CLFLUSH());
  EXPECT_FALSE(c.FeatureSetEx().AMD3DNow());

  EXPECT_EQ(c.Count(), 2);
  EXPECT_FALSE(c.FDivBug());
  EXPECT_FALSE(c.OverDrive());
  EXPECT_TRUE(c.MMX());
  EXPECT_EQ(c.Serial(), "0000-0672-0123-4567-89AB-CDEF");
  EXPECT_EQ(c.Vendor(), "Intel Corporation");
  EXPECT_EQ(c.CPU(), "Pentium III");
  EXPECT_EQ(c.FullName(), "Intel Pentium III");

  EXPECT_EQ(c.Cache().L1Data(), 16);
  EXPECT_EQ(c.Cache().L1Code(), 16);
  EXPECT_EQ(c.Cache().Level1(), 0);
  EXPECT_EQ(c.Cache().Level2(), 512);

  // No measurement before the load hook.
  EXPECT_EQ(c.Speed(), 0);
  EXPECT_EQ(cpu.tscReads, 0);
  EXPECT_TRUE(cpu.priorityLog.empty());
}

TEST_F(CxCpuTest, AutoBenchDefaultsToOffAndHalfASecond) {
  PentiumIII();
  TcxCPU2000& c = Create();
  EXPECT_FALSE(c.AutoBench().Enabled());
  EXPECT_EQ(c.AutoBench().Delay(), 500);
  c.Loaded();
  EXPECT_EQ(c.Speed(), 0);
  EXPECT_EQ(cpu.tscReads, 0);
}

TEST_F(CxCpuTest, LoadHookMeasuresTheSpeedWithTheStoredAutoBench) {
  PentiumIII();
  cpu.mhz = 450;
  TcxCPU2000& c = Create();
  c.AutoBench().SetEnabled(true);
  c.AutoBench().SetDelay(250);
  c.Loaded();
  EXPECT_EQ(c.Speed(), 450);  // 448.2 raw
  EXPECT_EQ(cpu.priorityLog.size(), 4u);
  EXPECT_EQ(c.FullName(), "Intel Pentium III") << "no brand string with MaxLevelEx 0";
}

TEST_F(CxCpuTest, LoadHookTakesTheBrandStringWhenMoreThanThreeExtendedLevels) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetSignature(Sig(6, 2, 1), Bit(4) | Bit(23));
  cpu.SetMaxExt(0x80000004);
  cpu.Set(0x80000001, Regs{0, 0, 0, Bit(31) | Bit(30) | Bit(22)});
  cpu.SetBrand("AMD-K7(tm) Processor");
  TcxCPU2000& c = Create();
  EXPECT_EQ(c.CPUID().MaxLevelEx(), 4);
  EXPECT_EQ(c.FullName(), "AMD Athlon");
  EXPECT_EQ(c.CPU(), "Athlon");
  EXPECT_TRUE(c.FeatureSetEx().MMXEx());
  EXPECT_TRUE(c.FeatureSetEx().AMD3DNow());
  EXPECT_TRUE(c.FeatureSetEx().AMD3DNowEx());
  c.Loaded();
  EXPECT_EQ(c.FullName(), "AMD-K7(tm) Processor");
  EXPECT_EQ(c.CPU(), "Athlon");
}

TEST_F(CxCpuTest, ThreeExtendedLevelsAreNotEnoughForTheBrandString) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetSignature(Sig(5, 8, 0));
  cpu.SetMaxExt(0x80000003);
  cpu.SetBrand("AMD-K6(tm) 3D processor");
  TcxCPU2000& c = Create();
  c.Loaded();
  EXPECT_EQ(c.FullName(), "AMD K6-2");
}

TEST_F(CxCpuTest, WithoutCpuidEverythingHasItsFallbackValue) {
  cpu.hasCpuid = false;
  cpu.processorType = 486;
  cpu.processorCount = 257;  // taken modulo 256
  TcxCPU2000& c = Create();
  c.AutoBench().SetEnabled(true);
  c.Loaded();

  EXPECT_FALSE(c.CPUID().Available());
  EXPECT_EQ(c.CPUID().MaxLevel(), -1);
  EXPECT_EQ(c.CPUID().MaxLevelEx(), -1);
  const TcxDetectedInfo& i = c.InternalResults();
  for (int32_t v : {i.cpuFamily(), i.cpuFamilyEx(), i.cpuModel(), i.cpuModelEx(), i.cpuStepping(),
                    i.cpuType(), i.FeatureSet(), i.FeatureSetEx(), i.Signature(), i.Brand()})
    EXPECT_EQ(v, -1);
  EXPECT_EQ(i.VendorID(), "");

  const TcxFeatureSet& f = c.FeatureSet();
  for (bool b : {f.FPU(), f.VME(), f.DE(), f.PSE(), f.TSC(), f.MSR(), f.PAE(), f.MCE(), f.CX8(),
                 f.APIC(), f.SEP(), f.MTRR(), f.PGE(), f.MCA(), f.CMOV(), f.PAT(), f.PSE36(),
                 f.SERIAL(), f.MMX(), f.XSR(), f.SIMD(), f.SIMD2(), f.CLFLUSH(), f.DTS(), f.ACPI(),
                 f.SS(), f.TM()})
    EXPECT_FALSE(b);
  EXPECT_FALSE(c.FeatureSetEx().MMXEx());
  EXPECT_FALSE(c.FeatureSetEx().AMD3DNow());
  EXPECT_FALSE(c.FeatureSetEx().AMD3DNowEx());

  EXPECT_EQ(c.Count(), 1);
  EXPECT_FALSE(c.FDivBug());
  EXPECT_FALSE(c.OverDrive());
  EXPECT_FALSE(c.MMX());
  EXPECT_EQ(c.Serial(), "");
  EXPECT_EQ(c.Speed(), 0);
  EXPECT_EQ(c.Vendor(), "Unknown Vendor");
  EXPECT_EQ(c.CPU(), "486 class");
  EXPECT_EQ(c.FullName(), "Unknown 486 class");
  EXPECT_EQ(c.Cache().L1Data(), 0);
  EXPECT_EQ(c.Cache().L1Code(), 0);
  EXPECT_EQ(c.Cache().Level1(), 0);
  EXPECT_EQ(c.Cache().Level2(), 0);
  EXPECT_TRUE(cpu.executed.empty());
  EXPECT_TRUE(cpu.priorityLog.empty());
}

TEST_F(CxCpuTest, OverDriveAndFdivFaultAreReported) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetSignature(Sig(5, 3, 1, 1), Bit(0));  // Pentium OverDrive for 486 sockets
  cpu.fdivFault = true;
  TcxCPU2000& c = Create();
  EXPECT_TRUE(c.OverDrive());
  EXPECT_TRUE(c.FDivBug());
  EXPECT_EQ(c.InternalResults().cpuType(), 1);
  EXPECT_EQ(c.CPU(), "Pentium 486 OverDrive");
  EXPECT_EQ(c.Serial(), "");
}

TEST_F(CxCpuTest, SerialNeedsModelAboveSixAndBit18) {
  PentiumIII();
  cpu.SetSignature(0x00000672, 0x0383FBFF);  // serial number disabled
  EXPECT_EQ(Create().Serial(), "");
}

TEST_F(CxCpuTest, ExtendedFamilyAndModelOnlyForFifteen) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetSignature(Sig(15, 15, 2, 0, 0x02, 0x3), Bit(4));
  const TcxDetectedInfo& i = Create().InternalResults();
  EXPECT_EQ(i.cpuFamily(), 15);
  EXPECT_EQ(i.cpuModel(), 15);
  EXPECT_EQ(i.cpuFamilyEx(), 2);
  EXPECT_EQ(i.cpuModelEx(), 3);
}

TEST_F(CxCpuTest, VersionRecords) {
  PentiumIII();
  const TcxCpu2kVersionInfo& v = Create().VersionInfo();
  EXPECT_EQ(v.Engine().Version(), 1.0f);
  EXPECT_EQ(v.Engine().Build(), 45);
  EXPECT_EQ(v.Engine().Status(), TcxBuildStatus::bsFinal);
  EXPECT_EQ(v.Engine().Release(), TcxReleaseStatus::rsPublic);
  EXPECT_EQ(v.Component().Version(), 3.0f);
  EXPECT_EQ(v.Component().Build(), 44);
  EXPECT_EQ(v.Component().Status(), TcxBuildStatus::bsFinal);
  EXPECT_EQ(v.Component().Release(), TcxReleaseStatus::rsPublic);
  EXPECT_FALSE(v.Engine().Product().empty());
  EXPECT_FALSE(v.Component().Copyright().empty());
}

TEST_F(CxCpuTest, WorksWithoutAWindow) {
  PentiumIII();
  TcxCPU2000 c(nullptr, "cxCpu");
  EXPECT_EQ(c.CPU(), "Pentium III");
}

}  // namespace

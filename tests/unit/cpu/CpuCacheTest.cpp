// Cache descriptors and cache sizes: the extended path, the Cyrix
// column, the level-2 scan and the AMD family 6 model 3 rule.
#include <string>
#include <vector>

#include "cpu/CpuidQuery.h"
#include "unit/cpu/CpuRig.h"

using namespace cpu;
using cputest::CpuTest;
using cputest::Sig;
using Regs = platform::CpuidRegisters;

namespace {

// ---------------------------------------------------------------- descriptor list

TEST(CpuDescriptors, EntryFourIPlusJIsByteJOfRegisterI) {
  const TCacheDescriptors list = DecodeDescriptors(Regs{0x03020100, 0x07060504, 0x0B0A0908, 0x0F0E0D0C});
  for (uint32_t k = 0; k < 16; ++k) EXPECT_EQ(list[k], k);
  const TCacheDescriptors high = DecodeDescriptors(Regs{0xFF000000, 0, 0, 0x80});
  EXPECT_EQ(high[3], 0xFFu);
  EXPECT_EQ(high[12], 0x80u);
}

TEST_F(CpuTest, RepeatCountOfOneOrZeroExecutesLevelTwoOnce) {
  for (uint8_t count : {0, 1}) {
    cpu.executed.clear();
    cpu.SetVendor("GenuineIntel", 2);
    cpu.SetDescriptors(2, {count, 0x43});
    TCacheDescriptors list;
    EXPECT_TRUE(GetCacheDescriptors(list));
    EXPECT_EQ(cpu.Executions(2), 1) << int(count);
    EXPECT_EQ(list[0], count);
    EXPECT_EQ(list[1], 0x43u);
  }
}

TEST_F(CpuTest, RepeatCountAboveOneQueriesThatManyTimesAndKeepsTheLast) {
  cpu.SetVendor("GenuineIntel", 2);
  cpu.answers[2] = {Regs{0x00000003, 0, 0, 0}, Regs{0x4103, 0, 0, 0}, Regs{0x4203, 0, 0, 0},
                    Regs{0x4303, 0, 0, 0}};
  TCacheDescriptors list;
  EXPECT_TRUE(GetCacheDescriptors(list));
  EXPECT_EQ(cpu.Executions(2), 4);
  EXPECT_EQ(list[1], 0x43u);
  // The fake keeps answering its last entry (repeat count 3, descriptor 0x43).
  EXPECT_EQ(GetL2Cache(), 512);
  EXPECT_EQ(cpu.Executions(2), 8);
}

TEST_F(CpuTest, FailedDescriptorQueryGivesAnEmptyListAndZeroSizes) {
  cpu.SetVendor("GenuineIntel", 1);  // level 2 unsupported
  cpu.SetDescriptors(2, {1, 0x43, 0x0A, 0x06});
  TCacheDescriptors list;
  list.fill(0x43);
  EXPECT_FALSE(GetCacheDescriptors(list));
  EXPECT_EQ(list, TCacheDescriptors{});
  EXPECT_EQ(GetL2Cache(), 0);
  EXPECT_EQ(GetL1DataCache(), 0);
  EXPECT_EQ(GetL1CodeCache(), 0);
}

// ---------------------------------------------------------------- level-2 scan

struct ScanCase {
  std::vector<uint8_t> bytes;
  int32_t level2;
};

TEST_F(CpuTest, LevelTwoScanFirstStoppingEntryDecides) {
  const std::vector<ScanCase> cases = {
      {{1, 0x43, 0x82}, 512},  // first match wins
      {{1, 0x82, 0x43}, 256},
      {{1, 0x40}, 0},
      {{1, 0x40, 0x43}, 0},  // 0x40 stops the scan
      {{1, 0x41}, 128},
      {{1, 0x42}, 256},
      {{1, 0x82}, 256},
      {{1, 0x43}, 512},
      {{1, 0x83}, 512},
      {{1, 0x44}, 1024},
      {{1, 0x84}, 1024},
      {{1, 0x45}, 2048},
      {{1, 0x85}, 2048},
      {{1, 0x46, 0x81, 0x86, 0x3F}, 0},  // outside both ranges
      {{1}, 0},
      {{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x44}, 1024},  // last entry, EDX byte 3
      {{0x41}, 128},  // entry 0 is scanned too
  };
  for (const ScanCase& c : cases) {
    cpu.SetVendor("GenuineIntel", 2);
    cpu.SetDescriptors(2, c.bytes);
    TCacheDescriptors list;
    GetCacheDescriptors(list);
    EXPECT_EQ(ScanLevel2(list), c.level2);
    EXPECT_EQ(GetL2Cache(), c.level2) << ::testing::PrintToString(c.bytes);
  }
}

// ---------------------------------------------------------------- level-1 scans

struct L1Case {
  std::vector<uint8_t> bytes;
  int32_t data, code;
};

TEST_F(CpuTest, LevelOneScansOnTheLevelTwoList) {
  const std::vector<L1Case> cases = {
      {{1, 0x0A, 0x06}, 8, 8},
      {{1, 0x0C, 0x08}, 16, 16},
      {{1, 0x0C, 0x0A, 0x08, 0x06}, 16, 16},  // first match wins
      {{1, 0x0A, 0x0C, 0x06, 0x08}, 8, 8},
      {{1, 0x43}, 0, 0},
      {{1, 0x0B, 0x07, 0x0D, 0x09}, 0, 0},
  };
  for (const L1Case& c : cases) {
    cpu.SetVendor("GenuineIntel", 2);
    cpu.SetDescriptors(2, c.bytes);
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    EXPECT_EQ(GetL1DataCache(), c.data);
    EXPECT_EQ(GetL1CodeCache(), c.code);
  }
}

TEST_F(CpuTest, UnifiedLevelOneAlwaysReadsLevel0x80000005WithoutALevelCheck) {
  cpu.SetVendor("GenuineIntel", 2);  // no extended levels declared
  cpu.SetDescriptors(0x80000005, {0, 0, 0, 0, 0, 0, 0x80});
  cpu.SetDescriptors(2, {1, 0x80});  // not used for the unified cache
  EXPECT_EQ(GetL1UnifiedCache(), 16);
  cpu.SetDescriptors(0x80000005, {0x81, 0x08});
  EXPECT_EQ(GetL1UnifiedCache(), 0);
}

// ---------------------------------------------------------------- extended path

TEST_F(CpuTest, ExtendedPathReadsLevel1FromTopBytesOfLevel0x80000005) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetSignature(Sig(6, 4, 2));
  cpu.SetMaxExt(0x80000006);
  cpu.Set(0x80000005, Regs{0, 0, 0x40020140, 0x20020140});
  cpu.Set(0x80000006, Regs{0, 0, 0x01008140, 0});
  cpu.SetDescriptors(2, {1, 0x0A, 0x06, 0x45});  // ignored on the extended path
  EXPECT_EQ(GetL1DataCache(), 0x40);
  EXPECT_EQ(GetL1CodeCache(), 0x20);
  EXPECT_EQ(GetL2Cache(), 0x0100);
}

TEST_F(CpuTest, ExtendedPathNeedsMoreThanFiveExtendedLevels) {
  for (uint32_t ext : {0x80000004u, 0x80000005u, 0x00000008u}) {
    cpu.SetVendor("AuthenticAMD", 2);
    cpu.SetSignature(Sig(6, 4, 2));
    cpu.SetMaxExt(ext);
    cpu.Set(0x80000005, Regs{0, 0, 0x40020140, 0x40020140});
    cpu.Set(0x80000006, Regs{0, 0, 0x01008140, 0});
    cpu.SetDescriptors(2, {1, 0x0C, 0x08, 0x42});
    SCOPED_TRACE(ext);
    EXPECT_EQ(GetL1DataCache(), 16);
    EXPECT_EQ(GetL1CodeCache(), 16);
    EXPECT_EQ(GetL2Cache(), 256);
  }
  cpu.SetMaxExt(0x80000007);
  EXPECT_EQ(GetL2Cache(), 0x0100);
}

TEST_F(CpuTest, AmdFamilySixModelThreeReportsSixtyFourKilobytes) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetMaxExt(0x80000006);
  cpu.Set(0x80000006, Regs{0, 0, 0x01008140, 0});
  cpu.SetSignature(Sig(6, 3, 1));
  EXPECT_EQ(GetL2Cache(), 64);
  EXPECT_EQ(cpu.Executions(0x80000006), 0);
  // Neither another AMD model nor another vendor's family 6 model 3.
  cpu.SetSignature(Sig(6, 4, 1));
  EXPECT_EQ(GetL2Cache(), 256);
  cpu.SetSignature(Sig(5, 3, 1));
  EXPECT_EQ(GetL2Cache(), 256);
  cpu.SetVendor("GenuineIntel", 1);
  cpu.SetSignature(Sig(6, 3, 1));
  EXPECT_EQ(GetL2Cache(), 256);
}

TEST_F(CpuTest, ExtendedLevelTwoReadIsGuardedAndFailsToZero) {
  // EAX of 0x80000000 = 6 (bit 31 clear) takes the extended path, but level
  // 0x80000006 is above 6, so the guarded read fails.
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetMaxExt(0x00000006);
  cpu.Set(0x80000005, Regs{0, 0, 0x10000000, 0x08000000});
  cpu.Set(0x80000006, Regs{0, 0, 0x02000000, 0});
  EXPECT_EQ(GetL2Cache(), 0);
  EXPECT_EQ(LastCpuidError(), kCpuidLevelUnsupported);
  EXPECT_EQ(cpu.Executions(0x80000006), 0);
  // Level-1 reads are direct: no level check.
  EXPECT_EQ(GetL1DataCache(), 0x10);
  EXPECT_EQ(GetL1CodeCache(), 0x08);
}

// ---------------------------------------------------------------- Cyrix column

TEST_F(CpuTest, CyrixOnTheExtendedPathScansTheExtendedLevelsDescriptors) {
  cpu.SetVendor("CyrixInstead", 1);
  cpu.SetSignature(Sig(6, 5, 1));
  cpu.SetMaxExt(0x80000006);
  cpu.SetDescriptors(0x80000005, {0, 0x0C, 0x06, 0x80});
  cpu.SetDescriptors(0x80000006, {0, 0x00, 0x83, 0x42});
  cpu.SetDescriptors(2, {1, 0x0A, 0x08, 0x41});  // not used
  EXPECT_EQ(GetL1DataCache(), 16);
  EXPECT_EQ(GetL1CodeCache(), 8);
  EXPECT_EQ(GetL1UnifiedCache(), 16);
  EXPECT_EQ(GetL2Cache(), 512);
}

TEST_F(CpuTest, CyrixLevelTwoOnTheExtendedPathIsADirectRead) {
  // EAX of 0x80000000 = 6: the guarded read of 0x80000006 would fail.
  cpu.SetVendor("CyrixInstead", 1);
  cpu.SetMaxExt(0x00000006);
  cpu.SetDescriptors(0x80000006, {0x44});
  EXPECT_EQ(GetL2Cache(), 1024);
}

TEST_F(CpuTest, CyrixOffTheExtendedPathUsesTheLevelTwoList) {
  cpu.SetVendor("CyrixInstead", 2);
  cpu.SetSignature(Sig(6, 0, 1));
  cpu.SetMaxExt(0x80000005);
  cpu.SetDescriptors(0x80000005, {0, 0x0C, 0x06});
  cpu.SetDescriptors(2, {1, 0x0A, 0x08, 0x41});
  EXPECT_EQ(GetL1DataCache(), 8);
  EXPECT_EQ(GetL1CodeCache(), 16);
  EXPECT_EQ(GetL2Cache(), 128);
}

TEST_F(CpuTest, WithoutCpuidEveryCacheSizeIsZero) {
  cpu.hasCpuid = false;
  cpu.SetVendor("GenuineIntel", 2);
  cpu.SetDescriptors(2, {1, 0x0A, 0x08, 0x41});
  cpu.SetDescriptors(0x80000005, {0x80});
  EXPECT_EQ(GetL1DataCache(), 0);
  EXPECT_EQ(GetL1CodeCache(), 0);
  EXPECT_EQ(GetL1UnifiedCache(), 0);
  EXPECT_EQ(GetL2Cache(), 0);
}

}  // namespace

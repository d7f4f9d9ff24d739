// Speed measurement and rounding.
#include <cmath>
#include <limits>
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

// ---------------------------------------------------------------- NormalizeSpeed

struct RoundCase {
  float raw;
  int32_t expected;
};

TEST(CpuNormalizeSpeed, RoundsToTheCatalogue) {
  const std::vector<RoundCase> cases = {
      // The documented cases.
      {99.9f, 90}, {166.6f, 166}, {199.5f, 190}, {316.9f, 300}, {317.0f, 333},
      {383.0f, 400},  // tie between 66 and 100 goes to 100
      {447.3f, 450}, {666.2f, 667},
      // No time-stamp counter.
      {-1.0f, 0},
      // The 15-entry table below 300 MHz.
      {0.0f, 0}, {4.9f, 0}, {5.0f, 10},  // tie 0/10 goes to 10
      {13.0f, 16},                        // tie 10/16 goes to 16
      {18.0f, 20}, {23.0f, 25}, {29.0f, 33}, {36.5f, 33}, {37.0f, 40}, {45.0f, 50}, {55.0f, 60},
      {63.0f, 66}, {70.0f, 66}, {71.0f, 75}, {78.0f, 80}, {81.0f, 82},  // tie 80/82 goes to 82
      {85.0f, 88},                                          // tie 82/88 goes to 88
      {89.0f, 90}, {98.0f, 90}, {133.3f, 133}, {150.0f, 150}, {200.0f, 200},
      {233.4f, 233}, {266.0f, 266}, {283.0f, 282}, {285.0f, 288}, {299.9f, 290},
      // The 5-entry table from 300 MHz.
      {300.0f, 300}, {316.0f, 300}, {333.3f, 333}, {349.0f, 350}, {358.0f, 366},
      {366.6f, 366}, {399.9f, 400}, {450.0f, 450}, {466.0f, 466}, {498.6f, 500},
      {533.0f, 533}, {598.0f, 600}, {666.0f, 667}, {666.9f, 667}, {698.6f, 700},
      {766.0f, 766},    // only 666 becomes 667
      {1000.4f, 1000}, {1083.0f, 1100}, {1666.0f, 1666}, {2394.3f, 2400}, {3192.5f, 3200},
  };
  for (const RoundCase& c : cases) EXPECT_EQ(NormalizeSpeed(c.raw), c.expected) << c.raw;
}

TEST(CpuNormalizeSpeed, UnmeasurableValuesReadAsZero) {
  EXPECT_EQ(NormalizeSpeed(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(NormalizeSpeed(-std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(NormalizeSpeed(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(NormalizeSpeed(std::numeric_limits<float>::max()), 0);
}

// ---------------------------------------------------------------- MeasureSpeed

class CpuSpeedTest : public CpuTest {
 protected:
  void SetUp() override {
    cpu.SetVendor("GenuineIntel", 2);
    cpu.SetSignature(Sig(6, 8, 3), Bit(4) | Bit(23));
    cpu.mhz = 700;
  }
};

TEST_F(CpuSpeedTest, WithoutATimeStampCounterTheSpeedIsMinusOneAndNothingIsTouched) {
  cpu.SetSignature(Sig(4, 8), Bit(0));
  EXPECT_EQ(MeasureSpeed(500), -1.0f);
  EXPECT_TRUE(cpu.priorityLog.empty());
  EXPECT_EQ(cpu.tickReads, 0);
  EXPECT_EQ(cpu.tscReads, 0);
  EXPECT_EQ(GetVendorSpeed(0, 500), 0);
}

TEST_F(CpuSpeedTest, CountsCyclesFromTheTickEdgeToTheDelayCountedFromBeforeIt) {
  // The edge comes 1 ms after t0 and the end is t0 + 500 ms, so 499 ms of
  // cycles are divided by 500 000.
  const float raw = MeasureSpeed(500);
  EXPECT_NEAR(raw, 700.0 * 499 / 500, 0.01);
  EXPECT_EQ(cpu.tscReads, 2);
  EXPECT_EQ(NormalizeSpeed(raw), 700);
  EXPECT_EQ(GetVendorSpeed(0, 500), 700);
}

TEST_F(CpuSpeedTest, ScalesWithTheDelay) {
  cpu.mhz = 450;
  EXPECT_NEAR(MeasureSpeed(250), 450.0 * 249 / 250, 0.01);
  cpu.mhz = 1000;
  EXPECT_NEAR(MeasureSpeed(1000), 1000.0 * 999 / 1000, 0.01);
}

TEST_F(CpuSpeedTest, RaisesPrioritiesWhileCountingAndRestoresThemThreadFirst) {
  cpu.priorityClass = 0x80;  // HIGH_PRIORITY_CLASS
  cpu.threadPriority = 2;
  MeasureSpeed(100);
  const std::vector<std::string> expected = {"class 256", "thread 15", "thread 2", "class 128"};
  EXPECT_EQ(cpu.priorityLog, expected);
  ASSERT_EQ(cpu.prioritiesAtTsc.size(), 2u);
  for (const auto& [cls, thread] : cpu.prioritiesAtTsc) {
    EXPECT_EQ(cls, platform::kRealtimePriorityClass);
    EXPECT_EQ(thread, platform::kThreadPriorityTimeCritical);
  }
  EXPECT_EQ(cpu.priorityClass, 0x80u);
  EXPECT_EQ(cpu.threadPriority, 2);
}

TEST_F(CpuSpeedTest, TheTickCounterWrappingDuringTheWaitIsHandled) {
  for (uint32_t start : {0xFFFFFF00u, 0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFE0Cu}) {
    cpu.tickStart = start;
    cpu.elapsedUs = 0;
    EXPECT_NEAR(MeasureSpeed(500), 700.0 * 499 / 500, 0.01) << start;
  }
}

TEST_F(CpuSpeedTest, BothHalvesOfTheCounterAreTakenAsUnsigned) {
  // The low half wraps during the measurement and the high half is large.
  cpu.tscStart = (0x80000005ull << 32) | 0xFFFF0000ull;
  cpu.mhz = 2400;
  EXPECT_NEAR(MeasureSpeed(500), 2400.0 * 499 / 500, 0.5);
}

TEST_F(CpuSpeedTest, ACoarseTickCounterStillEnds) {
  // Ticks that move 10 ms at a time (Windows 9x's 55 ms timer behaves alike).
  cpu.usPerRead = 10000;
  const float raw = MeasureSpeed(500);
  EXPECT_GT(raw, 0.0f);
  EXPECT_EQ(cpu.priorityLog.size(), 4u);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/CpuUsage.h"
#include "engine/PerfData.h"
#include "fakes/Errors.h"
#include "fakes/FakePerformance.h"
#include "ui/Component.h"

using engine::CpuUsage;
using engine::SystemTimeFields;
using fakes::BuildPerfBlock;
using fakes::FakePerformance;
using fakes::PerfObjectSpec;

namespace {

SystemTimeFields At(uint16_t second, uint16_t ms = 0) { return {2024, 3, 5, 12, 10, 20, second, ms}; }

std::string ErrorOf(const text::Status& status) { return status.Message(); }

struct Win9x : ::testing::Test {
  FakePerformance perf;
  void SetUp() override {
    perf.family = platform::Family::Win9x;
    perf.dynKeys = {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"};
    perf.dynValues["PerfStats\\StatData"] = 37;
  }
};

}  // namespace

TEST(CpuUsageStart, UnknownVersionIsAnError) {
  FakePerformance perf;
  perf.family.reset();
  CpuUsage meter(perf);
  EXPECT_EQ(ErrorOf(meter.Created()), "Can't get the Windows version");
}

TEST_F(Win9x, FirstLoadStartsTheStatisticAndReadsThePercentage) {
  CpuUsage meter(perf);
  EXPECT_FALSE(meter.IsNT());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.37);
  EXPECT_TRUE(meter.Started());
  const std::vector<std::string> expected{"open PerfStats\\StartStat full", "read PerfStats\\StartStat",
                                          "close PerfStats\\StartStat",  "open PerfStats\\StatData read",
                                          "read PerfStats\\StatData"};
  EXPECT_EQ(perf.log, expected);
  perf.dynValues["PerfStats\\StatData"] = 80;
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.8);
}

TEST_F(Win9x, OnlyProcessorZeroExists) {
  CpuUsage meter(perf);
  EXPECT_EQ(ErrorOf(meter.ProcessorLoad(1)), "CPU index out of bounds");
  EXPECT_EQ(ErrorOf(meter.ProcessorLoad(-1)), "CPU index out of bounds");
  EXPECT_FALSE(meter.Started());
}

TEST_F(Win9x, MissingKeysAreReportedAndRetried) {
  perf.dynKeys.erase("PerfStats\\StartStat");
  CpuUsage meter(perf);
  EXPECT_EQ(ErrorOf(meter.SampleProcessorLoad()), "Unable to start performance monitoring");
  EXPECT_FALSE(meter.Started());
  perf.dynKeys.insert("PerfStats\\StartStat");
  perf.dynKeys.erase("PerfStats\\StatData");
  EXPECT_EQ(ErrorOf(meter.SampleProcessorLoad()), "Unable to read performance data");
  EXPECT_FALSE(meter.Started());
  perf.dynKeys.insert("PerfStats\\StatData");
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_TRUE(meter.Started());
}

TEST_F(Win9x, AFailedReadKeepsTheLastFigure) {
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.dynValues.erase("PerfStats\\StatData");
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.37);
}

TEST_F(Win9x, StoppingEndsTheStatisticOnce) {
  {
    CpuUsage meter(perf);
    EXPECT_OK(meter.SampleProcessorLoad());
    perf.log.clear();
    meter.StopProcessorMonitoring();
    EXPECT_FALSE(meter.Started());
    const std::vector<std::string> expected{"close PerfStats\\StatData", "open PerfStats\\StopStat full",
                                            "read PerfStats\\StopStat", "close PerfStats\\StopStat"};
    EXPECT_EQ(perf.log, expected);
    perf.log.clear();
  }  // the meter's end stops nothing more
  EXPECT_TRUE(perf.log.empty());
  EXPECT_TRUE(perf.openKeys.empty());
}

TEST_F(Win9x, WithoutTheStatisticsTheSystemsIdleTimesServe) {
  perf.dynKeys.clear();  // Wine reporting Windows 98
  perf.haveIdleTimes = true;
  perf.idleTimes = {1'000'000'000};
  perf.idleStamp = 133'000'000'000'000'000;
  CpuUsage meter(perf);
  EXPECT_GT(*meter.ProcessorLoad(0), 0.999);  // the first reading, as on NT
  perf.idleTimes = {1'000'000'000 + 7'500'000};
  perf.idleStamp += 10'000'000;
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_NEAR(*meter.ProcessorLoad(0), 0.25, 1e-12);
  EXPECT_EQ(ErrorOf(meter.ProcessorLoad(1)), "CPU index out of bounds");
  EXPECT_FALSE(meter.Started());  // nothing to stop at the end
  perf.log.clear();
  meter.StopProcessorMonitoring();
  EXPECT_TRUE(perf.log.empty());
}

TEST_F(Win9x, WithNeitherSourceTheStartErrorStands) {
  perf.dynKeys.clear();  // a real Windows 9x system lacks the idle-time query
  CpuUsage meter(perf);
  EXPECT_EQ(ErrorOf(meter.SampleProcessorLoad()), "Unable to start performance monitoring");
  perf.dynKeys = {"PerfStats\\StartStat", "PerfStats\\StatData"};
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.37);
}

TEST(CpuUsageNT, TwoProcessorsOverOneSecond) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.idle = {50'000'000'000, 60'000'000'000, 110'000'000'000}}});
  CpuUsage meter(perf);
  EXPECT_TRUE(meter.IsNT());
  // The first reading compares the idle time since boot with the time since 1601.
  const double first = *meter.ProcessorLoad(0);
  EXPECT_LT(first, 1.0);
  EXPECT_GT(first, 0.9999);
  EXPECT_EQ(meter.InstanceCount(), 3);

  // One second later: processor 0 idled 0.75 s, processor 1 not at all.
  perf.block = BuildPerfBlock(At(2), {{.idle = {50'007'500'000, 60'000'000'000, 110'007'500'000}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.25);
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(1), 1.0);
  EXPECT_EQ(*meter.ProcessorLoad(3), 0.0);
  EXPECT_EQ(*meter.ProcessorLoad(-1), 0.0);
}

TEST(CpuUsageNT, IdenticalTimeStampsGiveZero) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.idle = {100}}});
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.block = BuildPerfBlock(At(1), {{.idle = {200}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_EQ(*meter.ProcessorLoad(0), 0.0);
}

TEST(CpuUsageNT, MissingObjectOrCounterSkipsTheReading) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.titleIndex = 230, .idle = {1}}});
  CpuUsage meter(perf);
  EXPECT_EQ(*meter.ProcessorLoad(0), 0.0);
  EXPECT_EQ(meter.InstanceCount(), -1);

  // A block with the object after another one.
  perf.block = BuildPerfBlock(At(1), {{.titleIndex = 230, .idle = {1, 2}}, {.idle = {0}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.block = BuildPerfBlock(At(2), {{.titleIndex = 230, .idle = {1, 2}}, {.idle = {5'000'000}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.5);

  // Neither a block without the object nor one without the counter changes the answer.
  perf.block = BuildPerfBlock(At(3), {{.titleIndex = 230, .idle = {1}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.5);
  perf.block = BuildPerfBlock(At(4), {{.counterIndexes = {2, 142}, .idle = {0}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.5);
}

TEST(CpuUsageNT, MissingCounterOnFirstReadingFixesTheCountOnly) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.counterIndexes = {2}, .idle = {0, 0}}});
  CpuUsage meter(perf);
  EXPECT_EQ(*meter.ProcessorLoad(0), 0.0);
  EXPECT_EQ(meter.InstanceCount(), 2);
}

TEST(CpuUsageNT, BufferGrowsInStepsOf4096AndIsKept) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.idle = {1}}});
  perf.needed = 9000;
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_EQ(perf.querySizes, (std::vector<uint32_t>{8192, 12288}));
  EXPECT_EQ(meter.PerfBufferSize(), 12288u);
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_EQ(perf.querySizes.back(), 12288u);
  EXPECT_EQ(perf.querySizes.size(), 3u);
}

TEST(CpuUsageNT, OtherQueryFailuresReadTheOldBuffer) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {{.idle = {0}}});
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.failure = 5;  // access denied: the buffer still holds the last block
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_EQ(*meter.ProcessorLoad(0), 0.0);  // same stamp twice
  EXPECT_EQ(meter.InstanceCount(), 1);
}

TEST(CpuUsageNT, WithoutAProcessorObjectTheSystemsIdleTimesServe) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {});  // what Wine answers
  perf.haveIdleTimes = true;
  perf.idleTimes = {1'000'000'000, 5};
  perf.idleStamp = 133'000'000'000'000'000;
  CpuUsage meter(perf);
  EXPECT_GT(*meter.ProcessorLoad(0), 0.999);
  EXPECT_EQ(meter.InstanceCount(), 2);
  perf.idleTimes = {1'000'000'000 + 9'000'000, 5};
  perf.idleStamp += 10'000'000;
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_NEAR(*meter.ProcessorLoad(0), 0.1, 1e-12);
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(1), 1.0);

  // The performance data is asked once: it lacked the object, so later
  // readings take the idle times alone.
  EXPECT_EQ(perf.querySizes.size(), 1u);

  perf.haveIdleTimes = false;
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_NEAR(*meter.ProcessorLoad(0), 0.1, 1e-12);
  EXPECT_EQ(perf.querySizes.size(), 1u);
}

TEST(CpuUsageNT, WithoutIdleTimesEitherThePerformanceDataIsAskedAgain) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {});
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  // The object may appear once the system has loaded its counters.
  perf.block = BuildPerfBlock(At(1), {{.idle = {0}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.block = BuildPerfBlock(At(2), {{.idle = {2'500'000}}});
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_DOUBLE_EQ(*meter.ProcessorLoad(0), 0.75);
  EXPECT_EQ(perf.querySizes.size(), 3u);
}

TEST(CpuUsageNT, AQueryThatNeverFitsEndsWithoutReading) {
  FakePerformance perf;
  perf.needed = 0xFFFFFFFF;
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_EQ(*meter.ProcessorLoad(0), 0.0);
  EXPECT_LE(meter.PerfBufferSize(), 64u << 20);
}

TEST(PerfData, CorruptBlocksNeverReadPastTheBuffer) {
  const auto good = BuildPerfBlock(At(1), {{.titleIndex = 230, .idle = {1}}, {.idle = {7, 8}}});
  auto read = [](const std::vector<uint8_t>& bytes, int32_t& count) {
    // An exact-sized heap copy, so that any overread is caught.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size() + 1]);
    if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
    engine::PerfDataReader reader(copy.get(), bytes.size());
    if (reader.FindProcessorObject() != engine::PerfDataReader::Status::Ok) return false;
    count = reader.NumInstances();
    std::vector<int64_t> idle(2);
    int64_t stamp = 0;
    bool valid = false;
    return reader.ReadIdleCounters(2, idle, stamp, valid) == engine::PerfDataReader::Status::Ok;
  };
  int32_t count = 0;
  ASSERT_TRUE(read(good, count));
  EXPECT_EQ(count, 2);
  for (size_t length = 0; length < good.size(); ++length) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + length);
    // Only the last instance's third counter may be cut without harm.
    if (length < good.size() - 8) {
      EXPECT_FALSE(read(cut, count)) << length;
    }
  }
  // Every 32-bit field in turn made huge or zero.
  for (size_t at = 0; at + 4 <= good.size(); at += 4) {
    for (uint32_t v : {0u, 0x7FFFFFF0u, 0xFFFFFFFFu}) {
      auto bad = good;
      std::memcpy(bad.data() + at, &v, 4);
      read(bad, count);
    }
  }
}

TEST(PerfData, SystemTimeConversion) {
  int64_t t = -1;
  ASSERT_TRUE(engine::SystemTimeToFileTime({1601, 1, 1, 1, 0, 0, 0, 0}, t));
  EXPECT_EQ(t, 0);
  ASSERT_TRUE(engine::SystemTimeToFileTime({2000, 1, 6, 1, 0, 0, 0, 0}, t));
  EXPECT_EQ(t, 125911584000000000);
  ASSERT_TRUE(engine::SystemTimeToFileTime({2024, 2, 4, 29, 23, 59, 59, 999}, t));
  EXPECT_FALSE(engine::SystemTimeToFileTime({2023, 2, 3, 29, 0, 0, 0, 0}, t));
  EXPECT_FALSE(engine::SystemTimeToFileTime({2023, 13, 3, 1, 0, 0, 0, 0}, t));
  EXPECT_FALSE(engine::SystemTimeToFileTime({1600, 12, 3, 31, 0, 0, 0, 0}, t));
}

TEST(CpuUsageNT, CountersAtTheEndsOfTheirRangeGiveANumber) {
  FakePerformance perf;
  perf.block = BuildPerfBlock(At(1), {});
  perf.haveIdleTimes = true;
  perf.idleTimes = {INT64_MIN};
  perf.idleStamp = INT64_MIN;
  CpuUsage meter(perf);
  EXPECT_OK(meter.SampleProcessorLoad());
  perf.idleTimes = {INT64_MAX};
  perf.idleStamp = INT64_MAX;
  EXPECT_OK(meter.SampleProcessorLoad());
  EXPECT_NEAR(*meter.ProcessorLoad(0), 0.0, 1e-9);  // no overflow in the differences
}

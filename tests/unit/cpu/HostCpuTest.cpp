// The native build's own instruction source (platform/posix): a smoke test on
// the machine that runs the unit tests.
#include <gtest/gtest.h>

#include "cpu/CpuVendors.h"
#include "cpu/CpuidQuery.h"

using namespace cpu;

namespace {

#if defined(__x86_64__) || defined(__i386__)

TEST(CpuHostNative, IdentifiesTheBuildMachinesProcessor) {
  UseHostProcessor();
  ASSERT_TRUE(IsCpuidAvailable());
  const std::string id = GetVendorString();
  ASSERT_EQ(id.size(), 12u);
  for (char c : id) EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << id;
  const uint32_t sig = GetSignature();
  EXPECT_EQ(GetFamily(), (sig >> 8) & 0xF);
  EXPECT_EQ(GetModel(), (sig >> 4) & 0xF);
  EXPECT_FALSE(HasFDivBug());
  EXPECT_EQ(GetFullName(0), GetVendorShortName(0) + GetModelName(0));
  if (HasFeature(4)) {
    const float raw = MeasureSpeed(30);
    EXPECT_GT(raw, 0.0f);
    EXPECT_GT(NormalizeSpeed(raw), 0);
  }
}

#else

TEST(CpuHostNative, WithoutX86InstructionsTheEngineReportsFallbacks) {
  UseHostProcessor();
  EXPECT_FALSE(IsCpuidAvailable());
  EXPECT_EQ(GetVendorString(), "Unknown");
  EXPECT_EQ(MeasureSpeed(30), -1.0f);
}

#endif

}  // namespace

// Shared set-up for the processor identification tests: a fake processor that
// the engine runs on for the lifetime of the rig.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "fakes/FakeCpu.h"

namespace cputest {

// A signature from its fields.
constexpr uint32_t Sig(uint32_t family, uint32_t model, uint32_t stepping = 0, uint32_t type = 0,
                       uint32_t familyEx = 0, uint32_t modelEx = 0) {
  return (stepping & 0xF) | (model & 0xF) << 4 | (family & 0xF) << 8 | (type & 0x3) << 12 |
         (modelEx & 0xF) << 16 | (familyEx & 0xFF) << 20;
}

constexpr uint32_t Bit(int n) { return 1u << n; }

// The fake starts as a "GenuineIntel" processor with standard levels 0..3 and
// no extended levels; every other level answers zeros.
class CpuTest : public ::testing::Test {
 protected:
  CpuTest() { cpu.SetVendor("GenuineIntel", 3); }
  fakes::FakeCpu cpu;
  fakes::UseFakeCpu use{cpu};
};

}  // namespace cputest

// The integration tests' entry point. Weak, so that a main of another test
// module can take its place without a clash.
#include <gtest/gtest.h>

__attribute__((weak)) int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

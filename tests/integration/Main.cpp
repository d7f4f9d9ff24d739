// Integration tests against the real Win32 API. A few tests start this program
// again as a child ("--child NAME ...") to play a second process.
#include <gtest/gtest.h>

#include <cstring>

#include "child/Child.h"

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return child::Run(argc - 2, argv + 2);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

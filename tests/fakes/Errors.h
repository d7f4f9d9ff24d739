// The program's errors, as tests look at them: a step that must succeed
// says why it did not.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "text/Error.h"

namespace fakes {

inline ::testing::AssertionResult Succeeded(const text::Status& status) {
  if (status.Ok()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "failed: " << status.Message();
}

}  // namespace fakes

#define EXPECT_OK(expr) EXPECT_TRUE(::fakes::Succeeded(expr))
#define ASSERT_OK(expr) ASSERT_TRUE(::fakes::Succeeded(expr))

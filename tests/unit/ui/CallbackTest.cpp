#include <gtest/gtest.h>

#include <string>

#include "ui/Callback.h"

using ui::Callback;

// Small handlers live inside the callback, others on the heap; either way a
// copy calls the same thing after the original is gone, arguments and results
// pass through, and an empty callback does nothing.
TEST(Callback, CopiesCallWhatTheOriginalHeld) {
  int calls = 0;
  const std::string text(100, 'x');  // too large to keep inside
  struct Case {
    const char* what;
    Callback<int(int)> made;
    int expected;
  };
  Case cases[] = {
      {"no captures", [](int a) { return a + 1; }, 8},
      {"pointer captures", [&calls](int a) { return ++calls, a * 2; }, 14},
      {"a string", [text](int a) { return a + static_cast<int>(text.size()); }, 107},
      {"four pointers", [p = &calls, q = &calls, r = &calls, s = &calls](int a) { return a + (p == s && q == r); }, 8},
      {"empty", nullptr, 0},
  };
  for (Case& c : cases) {
    Callback<int(int)> copy;
    {
      const Callback<int(int)> moved = std::move(c.made);
      copy = moved;
    }
    EXPECT_EQ(copy(7), c.expected) << c.what;
    EXPECT_EQ(static_cast<bool>(copy), c.expected != 0) << c.what;
  }
  EXPECT_EQ(calls, 1);
  Callback<void(std::string&)> append = [](std::string& s) { s += "!"; };
  std::string s = "hi";
  append(s);
  EXPECT_EQ(s, "hi!");
}

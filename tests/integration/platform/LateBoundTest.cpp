#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/LateBound.h"

// A function is found whether or not its library was loaded before, and a
// missing library or function gives null, which each caller takes as failure.
TEST(LateBound, FindsWhatExistsAndNothingElse) {
  struct Row {
    const char* library;
    const char* name;
    bool found;
  } rows[] = {
      {"kernel32.dll", "GetTickCount", true},         // loaded with every program
      {"comdlg32.dll", "ChooseColorA", true},         // loaded by the first call
      {"winmm.dll", "mciSendStringA", true},
      {"comdlg32.dll", "NoSuchFunction", false},
      {"no-such-library.dll", "ChooseColorA", false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(platform::win32::LateBound<FARPROC>(row.library, row.name) != nullptr, row.found)
        << row.library << " " << row.name;
}

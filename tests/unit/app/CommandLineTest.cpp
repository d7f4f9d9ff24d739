#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "platform/CommandLineSplit.h"

using namespace app;

TEST(CommandLine, OnlyTheFirstArgumentSelectsAModeInAnyLetterCase) {
  EXPECT_EQ(ParseCommandLine({"p"}).mode, Mode::Interactive);
  EXPECT_EQ(ParseCommandLine({"p", "/w"}).mode, Mode::ShowWindow);
  EXPECT_EQ(ParseCommandLine({"p", "/Opt"}).mode, Mode::Optimize);
  EXPECT_EQ(ParseCommandLine({"p", "/free", "20"}).mode, Mode::Free);
  EXPECT_EQ(ParseCommandLine({"p", "/free", "20"}).parameter, "20");
  EXPECT_EQ(ParseCommandLine({"p", "/aWc", "x.ini"}).mode, Mode::Launcher);
  // compared as a whole: prefixes, suffixes and later switches do not count
  EXPECT_EQ(ParseCommandLine({"p", "/FREEDOM"}).mode, Mode::Interactive);
  EXPECT_EQ(ParseCommandLine({"p", "-W"}).mode, Mode::Interactive);
  EXPECT_EQ(ParseCommandLine({"p", "x", "/W"}).mode, Mode::Interactive);
  EXPECT_EQ(ParseCommandLine({"p", ""}).mode, Mode::Interactive);
  EXPECT_TRUE(ParseCommandLine({"p", "/opt"}).OneShot());
  EXPECT_FALSE(ParseCommandLine({"p", "/w"}).OneShot());
}

TEST(CommandLine, FreeAmountFallsBackToOneMegabyte) {
  EXPECT_EQ(FreeAmount("30"), 30);
  EXPECT_EQ(FreeAmount(""), 1);
  EXPECT_EQ(FreeAmount("abc"), 1);
  EXPECT_EQ(FreeAmount("12abc"), 1);
  EXPECT_EQ(FreeAmount("99999999999"), 1);
  EXPECT_EQ(FreeAmount("-5"), -5);
}

TEST(CommandLine, SplittingHonoursQuotes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(platform::SplitArguments("\"C:\\Program Files\\B.exe\" /AWC \"my file.ini\""),
            (V{"C:\\Program Files\\B.exe", "/AWC", "my file.ini"}));
  EXPECT_EQ(platform::SplitArguments("  b.exe   /free\t20  "), (V{"b.exe", "/free", "20"}));
  EXPECT_EQ(platform::SplitArguments("a\"b c\"d"), (V{"ab cd"}));
  EXPECT_EQ(platform::SplitArguments("x \"unterminated"), (V{"x", "unterminated"}));
  EXPECT_TRUE(platform::SplitArguments("").empty());
}

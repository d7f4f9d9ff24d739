#include <gtest/gtest.h>

#include "fakes/FakeTools.h"
#include "tools/DateTimeFormat.h"
#include "tools/QuickTools.h"

using platform::BoxAnswer;

namespace {

std::string Uptime(uint32_t tick) {
  fakes::FakeCalendar calendar;  // Wednesday, 9 December 2026, 13:04:47
  return tools::UptimeText(tick, calendar.now, calendar);
}

}  // namespace

TEST(Uptime, TwoLinesJoinedByLineFeedThenCarriageReturn) {
  EXPECT_EQ(Uptime(((24 + 2) * 60 + 3) * 60000u + 4000u),
            "Windows started on Tuesday, December 8, 2026, at 11:01:43 AM\n\r"
            "Its been up for 1 days, 2hours, 3minutes, 4seconds");
  EXPECT_EQ(Uptime(3723000u),
            "Windows started on Wednesday, December 9, 2026, at 12:02:44 PM\n\r"
            "Its been up for 0 days, 1hours, 2minutes, 3seconds");
}

TEST(Uptime, TickCountsAbove2To31AreUnsigned) {
  EXPECT_EQ(Uptime(0x80000000u + 1000u),
            "Windows started on Saturday, November 14, 2026, at 04:33:22 PM\n\r"
            "Its been up for 24 days, 20hours, 31minutes, 24seconds");
  EXPECT_EQ(Uptime(0xFFFFFFFFu),
            "Windows started on Tuesday, October 20, 2026, at 08:01:59 PM\n\r"
            "Its been up for 49 days, 17hours, 2minutes, 47seconds");
}

TEST(Uptime, ShowsItsBoxWithTheClocksTickCount) {
  fakes::FakeTools fake;
  struct : platform::Clock {
    uint32_t TickCount() override { return 1000; }
    std::string TimeText() override { return {}; }
    std::string DateText() override { return {}; }
    std::string DecimalSeparator() override { return "."; }
  } clock;
  tools::ShowUptime(fake.tools, clock);
  ASSERT_EQ(fake.boxes.shown.size(), 1u);
  EXPECT_EQ(fake.boxes.shown[0].caption, "Windows Uptime");
  EXPECT_EQ(fake.boxes.shown[0].buttons, platform::BoxButtons::Ok);
  EXPECT_FALSE(fake.boxes.shown[0].systemModal);
  EXPECT_NE(fake.boxes.shown[0].text.find("at 01:04:46 PM\n\rIts been up for 0 days, 0hours, 0minutes, 1seconds"),
            std::string::npos);
}

TEST(DateTimeFormat, TwelveHourClockQuotesAndDateArithmetic) {
  fakes::FakeCalendar names;
  const platform::LocalTime midnight{2024, 3, 1, 0, 5, 9, 0};
  EXPECT_EQ(tools::FormatDateTime("hh:nn:ss AM/PM", midnight, names), "12:05:09 AM");
  EXPECT_EQ(tools::FormatDateTime("h:n:s", midnight, names), "0:5:9");
  EXPECT_EQ(tools::FormatDateTime("dddd d mmmm yyyy", midnight, names), "Friday 1 March 2024");
  // Back across a leap day and a year.
  EXPECT_EQ(tools::FormatDateTime("yyyy-mm-dd hh:nn", tools::AddMilliseconds(midnight, -6 * 60000), names),
            "2024-02-29 23:59");
  EXPECT_EQ(tools::FormatDateTime("yyyy-mm-dd", tools::AddMilliseconds({2024, 1, 1}, -1), names), "2023-12-31");
  // A translated text is copied whatever characters it holds.
  EXPECT_EQ(tools::FormatDateTime(tools::Quoted("say \"hh\" 'd'") + " d", midnight, names), "say \"hh\" 'd' 1");
  // An unclosed quote copies the rest.
  EXPECT_EQ(tools::FormatDateTime("d \"dd", midnight, names), "1 dd");
}

TEST(LaunchComponent, AFailedStartShowsTheInformationBox) {
  fakes::FakeTools fake;
  fake.shell.result = 33;
  tools::LaunchComponent(fake.tools, "C:\\B\\wizard.exe");
  EXPECT_TRUE(fake.boxes.shown.empty());
  fake.shell.result = 32;
  tools::LaunchComponent(fake.tools, "C:\\B\\wizard.exe");
  ASSERT_EQ(fake.boxes.shown.size(), 1u);
  EXPECT_EQ(fake.boxes.shown[0].text, "This component is absent in system.\r\nTry re-installing the program.");
  EXPECT_EQ(fake.boxes.shown[0].caption, "Information");
  ASSERT_EQ(fake.shell.executed.size(), 2u);
  EXPECT_EQ(fake.shell.executed[1].show, platform::ShowMode::NoActivate);

  fake.shell.result = 2;
  tools::ShellOpen(fake.shell, "C:\\B\\Brantelle.chm");
  EXPECT_EQ(fake.boxes.shown.size(), 1u);  // opening reports nothing
  EXPECT_EQ(fake.shell.executed[2].show, platform::ShowMode::Normal);
}

TEST(IECache, NoDeletesNothingAndYesDeletesEveryEntry) {
  fakes::FakeTools fake;
  fake.urlCache.entries = {"http://a/", "http://b/", "http://c/"};
  fake.boxes.answer = BoxAnswer::No;
  tools::ClearIECache(fake.tools);
  ASSERT_EQ(fake.boxes.shown.size(), 1u);
  EXPECT_EQ(fake.boxes.shown[0].text, "Do you want to clear all Internet Explorer Cache?");
  EXPECT_EQ(fake.boxes.shown[0].caption, "Confirmation");
  EXPECT_EQ(fake.boxes.shown[0].buttons, platform::BoxButtons::YesNo);
  EXPECT_EQ(fake.urlCache.opened, 0);
  EXPECT_TRUE(fake.urlCache.deleted.empty());

  fake.boxes.answer = BoxAnswer::Yes;
  tools::ClearIECache(fake.tools);
  EXPECT_EQ(fake.urlCache.deleted, (std::vector<std::string>{"http://a/", "http://b/", "http://c/"}));
  EXPECT_EQ(fake.urlCache.closed, 1);
  EXPECT_EQ(fake.boxes.shown.size(), 2u);  // nothing at the end
}

TEST(IECache, TheWalkEndsOnAnEmptyCacheAndOnAnyError) {
  fakes::FakeTools empty;
  empty.boxes.answer = BoxAnswer::Yes;
  tools::ClearIECache(empty.tools);
  EXPECT_EQ(empty.urlCache.nextCalls, 0);
  EXPECT_TRUE(empty.urlCache.deleted.empty());

  fakes::FakeTools failing;
  failing.boxes.answer = BoxAnswer::Yes;
  failing.urlCache.entries = {"http://a/", "http://b/"};
  failing.urlCache.endError = 6;  // an invalid handle, say: no more entries will come
  tools::ClearIECache(failing.tools);
  EXPECT_EQ(failing.urlCache.deleted.size(), 2u);
  EXPECT_EQ(failing.urlCache.nextCalls, 2);
  EXPECT_EQ(failing.urlCache.closed, 1);
}

TEST(CacheTuning, AvailableOnTheWindows9xFamilyOnly) {
  fakes::FakeVersion version;
  EXPECT_FALSE(tools::CacheTuningAvailable(version));
  version.SetWin98();
  EXPECT_TRUE(tools::CacheTuningAvailable(version));
  version.platformId = platform::version::kWin32s;
  EXPECT_FALSE(tools::CacheTuningAvailable(version));
}

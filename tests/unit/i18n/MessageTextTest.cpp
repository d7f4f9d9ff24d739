#include <gtest/gtest.h>

#include <set>
#include <string>

#include "i18n/IniLang.h"

using namespace i18n;

namespace {

struct NoLanguage : ::testing::Test {
  void SetUp() override { SetCurrentLanguage(std::nullopt); }
  void TearDown() override { SetCurrentLanguage(std::nullopt); }
};

}  // namespace

TEST(BuiltInMessages, IdsSkipNumbersEndingInZero) {
  std::set<std::string> ids;
  for (const auto& m : BuiltInMessages()) {
    EXPECT_TRUE(ids.insert(std::string(m.id)).second) << "duplicate " << m.id;
    EXPECT_FALSE(m.english.empty()) << m.id;
  }
  EXPECT_EQ(ids.size(), 79u);
  for (const char* id : {"M101", "M201", "M401", "M501", "M601", "M701", "M801", "M901"})
    EXPECT_TRUE(ids.count(id)) << id;
  for (const char* id : {"M10", "M20", "M30", "M40", "M50", "M60", "M70", "M80", "M90", "M1", "M25", "M94"})
    EXPECT_FALSE(ids.count(id)) << id;
}

TEST(BuiltInMessages, TextsAreQuotedExactlyWithCrLfBreaks) {
  EXPECT_EQ(EnglishText("M01"), "&AutoFree: Automatically optimizes\r\nto balance speed and memory");
  EXPECT_EQ(EnglishText("M02"),
            "Selecting AutoFree will cause Brantelle to optimally\r\n"
            "balance speed and RAM when you press Go! (Recommended)\r\n"
            "A majority of RAM is released, but not so much that system performance\r\n"
            "degrades.");
  EXPECT_EQ(EnglishText("M68"), "Brantelle started \"AutoFree Now\"");
  EXPECT_EQ(EnglishText("M14"), "Exit");
  EXPECT_EQ(EnglishText("M93"), "Exit");
  EXPECT_EQ(EnglishText("M401"), "BIOS Information");
  EXPECT_EQ(EnglishText("M51"), "BIOS Information");
  EXPECT_EQ(EnglishText("M501"), "Mb) bytes free/");
  EXPECT_EQ(EnglishText("M89"), "Free RAM before freeing:");
  EXPECT_EQ(EnglishText("m14"), "");  // ids are exact
  EXPECT_EQ(EnglishText("M10"), "");
}

TEST_F(NoLanguage, EveryMessageIsEnglish) {
  for (const auto& m : BuiltInMessages()) EXPECT_EQ(Message(m.id), m.english) << m.id;
  EXPECT_EQ(GetMessageText("anything", "M99"), "anything");
}

TEST_F(NoLanguage, LoadedTableReplacesMessagesAndMissingIdsBecomeEmpty) {
  SetCurrentLanguage(LanguageTable::Parse("[Misc]\nm07=&Versuche\nM08=  \n[MainForm]\nM14=wrong section\n"));
  EXPECT_EQ(Message("M07"), "&Versuche");  // id matched without case
  EXPECT_EQ(Message("M08"), "");
  EXPECT_EQ(Message("M14"), "");  // not English: the file lacks it in Misc
  EXPECT_EQ(GetMessageText("Exit", "M93"), "");
  SetCurrentLanguage(std::nullopt);
  EXPECT_EQ(Message("M14"), "Exit");
}

TEST(JoinMessageLines, MarkersBecomeCrLfWithLeadingEmptiesCollapsed) {
  EXPECT_EQ(JoinMessageLines("plain"), "plain");
  EXPECT_EQ(JoinMessageLines("one*|*two"), "one\r\ntwo");
  EXPECT_EQ(JoinMessageLines("a*|*b*|*c"), "a\r\nb\r\nc");
  EXPECT_EQ(JoinMessageLines("*|**|*x"), "\r\nx");
  EXPECT_EQ(JoinMessageLines("*|*x"), "\r\nx");
  EXPECT_EQ(JoinMessageLines("a*|**|*b"), "a\r\n\r\nb");  // inner empty pieces stay
  EXPECT_EQ(JoinMessageLines("a*|*"), "a\r\n");
  EXPECT_EQ(JoinMessageLines("*|*"), "\r\n");
  EXPECT_EQ(JoinMessageLines("*|*|*"), "\r\n|*");  // markers do not overlap
  EXPECT_EQ(JoinMessageLines("*|"), "*|");
}

TEST_F(NoLanguage, MessageValuesAreJoinedWhenFetched) {
  SetCurrentLanguage(LanguageTable::Parse("[Misc]\nM03 = Zeile eins *|* Zeile zwei\nM04=*|**|*x\n"));
  EXPECT_EQ(Message("M03"), "Zeile eins \r\n Zeile zwei");
  EXPECT_EQ(Message("M04"), "\r\nx");
}

#include <gtest/gtest.h>

#include <string>

#include "i18n/LanguageTable.h"

using i18n::LanguageTable;

TEST(LanguageTable, LineEndsOfEveryKindSplitLines) {
  const auto t = LanguageTable::Parse("[S]\r\na=1\nb=2\rc=3\r\n\r\nd=4");
  EXPECT_EQ(t.Read("S", "a", "?"), "1");
  EXPECT_EQ(t.Read("S", "b", "?"), "2");
  EXPECT_EQ(t.Read("S", "c", "?"), "3");
  EXPECT_EQ(t.Read("S", "d", "?"), "4");  // last line without a line end
  EXPECT_EQ(t.EntryCount("S"), 4u);
}

TEST(LanguageTable, BlanksTabsAndControlCharactersAroundLinesKeysAndValues) {
  const auto t = LanguageTable::Parse("  \t[ MainForm ]\x01\n\t  MainForm.Go.Caption  =  Los! \t\n"
                                      "k=\n  x = a = b \n");
  EXPECT_EQ(t.Read("MainForm", "MainForm.Go.Caption", "?"), "Los!");
  const std::string* empty = t.Find("MainForm", "k");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(*empty, "");
  EXPECT_EQ(t.Read("MainForm", "x", "?"), "a = b");  // further "=" belong to the value
}

TEST(LanguageTable, SectionsAndKeysIgnoreLetterCase) {
  const auto t = LanguageTable::Parse("[mainform]\nmainform.go.caption=Go\n[MISC]\nm14=Exit\n");
  EXPECT_EQ(t.Read("MainForm", "MainForm.Go.Caption", "?"), "Go");
  EXPECT_EQ(t.Read("Misc", "M14", "?"), "Exit");
  EXPECT_EQ(t.Read("MAINFORM", "MAINFORM.GO.CAPTION", "?"), "Go");
}

TEST(LanguageTable, OnlyTheLastSectionOfANameAndTheLastKeyCount) {
  const auto t = LanguageTable::Parse("[Misc]\nM01=first\nM14=gone\n[Other]\nx=1\n"
                                      "[misc]\nM01=second\nM01=third\n");
  EXPECT_EQ(t.Read("Misc", "M01", "?"), "third");
  EXPECT_EQ(t.Find("Misc", "M14"), nullptr);
  EXPECT_EQ(t.Read("Other", "x", "?"), "1");
  EXPECT_EQ(t.SectionCount(), 2u);
}

TEST(LanguageTable, CommentsStrayLinesAndLinesBeforeTheFirstSectionAreIgnored) {
  const auto t = LanguageTable::Parse("top=1\n;[Fake]\n[S]\n; k=comment\n  ;k2=comment\n"
                                      "no equals sign\n[broken\nv=1\n[]\ne=empty name\n");
  EXPECT_EQ(t.Find("S", "top"), nullptr);
  EXPECT_EQ(t.Find("Fake", "k"), nullptr);
  EXPECT_EQ(t.Find("S", "; k"), nullptr);
  EXPECT_EQ(t.Find("S", "k2"), nullptr);
  EXPECT_EQ(t.EntryCount("S"), 1u);  // "[broken" opens nothing; v belongs to S
  EXPECT_EQ(t.Read("S", "v", "?"), "1");
  EXPECT_EQ(t.Read("", "e", "?"), "empty name");
}

TEST(LanguageTable, QuotesAndEightBitBytesStayAsTheyAre) {
  const std::string cyrillic = "\xC2\xFB\xF5\xEE\xE4";  // "Выход" in cp1251
  const auto t = LanguageTable::Parse("[Misc]\nM14=" + cyrillic + "\nM68=\"quoted\"\n");
  EXPECT_EQ(t.Read("Misc", "M14", "?"), cyrillic);
  EXPECT_EQ(t.Read("Misc", "M68", "?"), "\"quoted\"");
}

TEST(LanguageTable, NulBytesAndUnterminatedInputStayInsideTheBuffer) {
  static const char withNul[] = "[S]\nk=a\0b\n\0\0\nz\0=1\0";
  const auto t = LanguageTable::Parse(std::string_view(withNul, sizeof withNul - 1));
  EXPECT_EQ(t.Read("S", "k", "?"), std::string("a\0b", 3));  // inside a line a NUL is text
  EXPECT_EQ(t.Read("S", "z", "?"), "1");                      // at its ends a control character
  // Inputs that end in the middle of a construct.
  for (const char* s : {"[", "[S", "[S]", "[S]\r", "[S]\nk", "[S]\nk=", "\r", "\n\r"})
    EXPECT_NO_THROW(LanguageTable::Parse(s)) << s;
  EXPECT_EQ(LanguageTable::Parse("").SectionCount(), 0u);
}

TEST(LanguageTable, ManySectionsAndLongLines) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
  text += "[Long]\nk=" + std::string(1 << 20, 'x') + "\n";
  const auto t = LanguageTable::Parse(text);
  EXPECT_EQ(t.SectionCount(), 5001u);
  EXPECT_EQ(t.Read("s4999", "K", "?"), "4999");
  EXPECT_EQ(t.Read("Long", "k", "").size(), 1u << 20);
}

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "fakes/SettingsLayout.h"
#include "settings/IniFile.h"

using settings::TElIniFile;
using settings::ValueAsString;
namespace reg = platform::reg;

namespace {

std::string Under(const std::string& below) { return std::string(fakes::kSettingsRoot) + "\\" + below; }

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

}  // namespace

TEST(IniFile, CreatesItsRootAtOnceAndStartsThere) {
  fakes::FakeRegistry r;
  TElIniFile store(nullptr, "IniFile", r);
  EXPECT_TRUE(r.HasKey(fakes::kSettingsRoot));
  EXPECT_EQ(store.Path(), "\\SOFTWARE\\Corvantis\\Brantelle\\Options");
  EXPECT_EQ(store.CurrentKey(), "\\");
}

TEST(IniFile, OpenKeyFollowsItsPathRules) {
  fakes::FakeRegistry r;
  TElIniFile store(nullptr, "IniFile", r);
  ASSERT_TRUE(store.OpenKey("\\MainForm", true));
  EXPECT_TRUE(r.HasKey(Under("MainForm")));

  const int opens = r.opens;
  EXPECT_TRUE(store.OpenKey("\\MAINFORM", true));  // the current path, in other letters
  EXPECT_EQ(r.opens, opens);

  ASSERT_TRUE(store.OpenKey("Auto", true));  // relative
  EXPECT_EQ(store.CurrentKey(), "\\MainForm\\Auto");
  ASSERT_TRUE(store.OpenKey("\\TrackBar\\", true));  // trailing separator dropped
  EXPECT_EQ(store.CurrentKey(), "\\TrackBar");
  EXPECT_TRUE(r.HasKey(Under("TrackBar")));
  ASSERT_TRUE(store.OpenKey("\\", true));
  EXPECT_EQ(store.CurrentKey(), "\\");
  ASSERT_TRUE(store.OpenKey("Sub\\Deeper", true));  // relative to the root: no doubled separator
  EXPECT_EQ(store.CurrentKey(), "\\Sub\\Deeper");

  EXPECT_FALSE(store.OpenKey("\\Missing", false));
  EXPECT_FALSE(r.HasKey(Under("Missing")));
  EXPECT_FALSE(store.OpenKey("\\A\\\\B", true));  // an empty name inside
  EXPECT_EQ(store.CurrentKey(), "\\Sub\\Deeper");

  const int before = r.opens;  // keys once opened stay open
  for (const char* again : {"\\mainform\\auto", "\\", "\\TrackBar", "\\Sub\\Deeper"})
    EXPECT_TRUE(store.OpenKey(again, false)) << again;
  EXPECT_EQ(r.opens, before);
}

TEST(IniFile, HeldValuesAreReadOnceAndNotWrittenAgainUnchanged) {
  fakes::FakeRegistry r;
  r.PutDword(Under("MainForm"), "Left", 5);
  TElIniFile store(nullptr, "IniFile", r);
  ASSERT_TRUE(store.OpenKey("\\MainForm", true));
  store.HoldValues(true);
  int32_t n = 0;
  store.ReadInteger("Left", 0, n);
  r.PutDword(Under("MainForm"), "Left", 9);  // behind the store's back
  store.ReadInteger("LEFT", 0, n);
  EXPECT_EQ(n, 5);
  const int writes = r.writes;
  EXPECT_TRUE(store.WriteInteger("Left", 5));  // as held: left out
  EXPECT_TRUE(store.WriteString("Caption", std::string("y\0z", 3)));
  EXPECT_TRUE(store.WriteString("Caption", "y"));  // the same bytes as stored
  EXPECT_EQ(r.writes, writes + 1);
  r.failWrites = true;
  EXPECT_FALSE(store.WriteInteger("Top", 1));  // a failed write holds nothing
  EXPECT_FALSE(store.ReadInteger("Top", 0, n));

  store.HoldValues(false);  // let go: the registry's own values again
  store.ReadInteger("Left", 0, n);
  EXPECT_EQ(n, 9);
}

TEST(IniFile, AKeyDeletedWhileOpenIsOpenedAgain) {
  fakes::FakeRegistry r;
  TElIniFile store(nullptr, "IniFile", r);
  ASSERT_TRUE(store.OpenKey("\\MainForm", true));
  ASSERT_TRUE(store.OpenKey("\\Existing", true));
  r.Clear();  // as another program would
  EXPECT_TRUE(store.WriteInteger("Left", 5));  // created again, as asked
  EXPECT_NE(r.Get(Under("Existing"), "Left"), nullptr);

  r.Clear();
  r.FailOpening(Under("MainForm"));
  ASSERT_TRUE(store.OpenKey("\\MainForm", true));
  EXPECT_FALSE(store.WriteString("Top", "1"));  // a failure, not a lost value reported as written

  ASSERT_TRUE(store.OpenKey("\\Existing", true));
  r.Clear();  // deleted and made again by another program: read through the old key it is gone
  r.PutDword(Under("Existing"), "Left", 7);
  int32_t n = 0;
  EXPECT_FALSE(store.ReadInteger("Left", 0, n));
  store.Reconnect();  // as every save and restore begins
  EXPECT_TRUE(store.ReadInteger("Left", 0, n));
  EXPECT_EQ(n, 7);
  EXPECT_EQ(store.CurrentKey(), "\\Existing");
}

TEST(IniFile, AKeyThatCannotBeOpenedLeavesTheStoreOnItsPreviousKey) {
  fakes::FakeRegistry r;
  TElIniFile store(nullptr, "IniFile", r);
  r.FailOpening(Under("MainForm\\Locked"));
  ASSERT_TRUE(store.OpenKey("\\MainForm", true));
  EXPECT_FALSE(store.OpenKey("Locked", true));
  EXPECT_EQ(store.CurrentKey(), "\\MainForm");
  EXPECT_TRUE(store.WriteInteger("Left", 5));  // still writes where it was
  ASSERT_NE(r.Get(Under("MainForm"), "Left"), nullptr);
  EXPECT_FALSE(r.HasKey(Under("MainForm\\Locked")));
}

TEST(IniFile, WritesDwordsAndNulTerminatedStrings) {
  fakes::FakeRegistry r;
  TElIniFile store(nullptr, "IniFile", r);
  store.WriteInteger("N", -2);
  store.WriteBool("B", true);
  store.WriteString("S", "15");
  store.WriteString("E", "");
  const auto* n = r.Get(fakes::kSettingsRoot, "N");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->type, reg::kDword);
  EXPECT_EQ(n->data, (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(r.Get(fakes::kSettingsRoot, "B")->data, (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ(r.Get(fakes::kSettingsRoot, "S")->type, reg::kSz);
  EXPECT_EQ(r.Get(fakes::kSettingsRoot, "S")->data, (std::vector<uint8_t>{'1', '5', 0}));
  EXPECT_EQ(r.Get(fakes::kSettingsRoot, "E")->data, (std::vector<uint8_t>{0}));
}

TEST(IniFile, ReadStringTakesEveryTextLikeType) {
  const struct {
    uint32_t type;
    std::vector<uint8_t> data;
    std::optional<std::string> text;
  } cases[] = {
      {reg::kSz, Bytes(std::string("abc\0", 4)), "abc"},
      {reg::kSz, Bytes("abc"), "abc"},                          // stored without its NUL
      {reg::kSz, {0}, ""},                                      // only the terminator
      {reg::kSz, {}, ""},
      {reg::kSz, Bytes(std::string("ab\0cd\0", 6)), "ab"},      // up to the first NUL
      {reg::kExpandSz, Bytes(std::string("%TEMP%\0", 7)), "%TEMP%"},
      {reg::kDword, {20, 0, 0, 0}, "20"},
      {reg::kDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
      {reg::kDword, {20, 0}, std::nullopt},                     // a 2-byte DWORD
      {reg::kDword, {}, std::nullopt},
      {reg::kDword, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
      {reg::kMultiSz, Bytes(std::string("one\0two\0\0", 9)), "one\r\ntwo"},
      {reg::kMultiSz, Bytes(std::string("one\0\0two\0\0", 10)), "one"},  // the list ends at an empty string
      {reg::kMultiSz, Bytes("lone"), "lone"},
      {reg::kMultiSz, {}, ""},
      {reg::kBinary, {0x01, 0xAB, 0xFF}, "454C 3 01 AB FF "},
      {reg::kBinary, {}, "454C 0 "},
      {reg::kNone, Bytes("x"), std::nullopt},
      {reg::kQword, {1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
      {reg::kDwordBigEndian, {0, 0, 0, 20}, std::nullopt},
      {reg::kLink, Bytes("x"), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.data.size() << " bytes");
    EXPECT_EQ(ValueAsString({c.type, c.data}), c.text);
    fakes::FakeRegistry r;
    r.Put(fakes::kSettingsRoot, "V", c.type, c.data);
    TElIniFile store(nullptr, "IniFile", r);
    std::string out;
    EXPECT_EQ(store.ReadString("V", "dflt", out), c.text.has_value());
    EXPECT_EQ(out, c.text.value_or("dflt"));
  }
  const std::vector<uint8_t> big(70000, 0x5A);
  EXPECT_EQ(ValueAsString({reg::kBinary, big})->substr(0, 16), "454C 11170 5A 5A");
}

TEST(IniFile, IntegersAndBooleansOnlyFromFourByteDwords) {
  fakes::FakeRegistry r;
  r.PutDword(fakes::kSettingsRoot, "Ok", 0x80000000u);
  r.PutDword(fakes::kSettingsRoot, "Three", 3);
  r.PutString(fakes::kSettingsRoot, "Text", "20");
  r.Put(fakes::kSettingsRoot, "Short", reg::kDword, {1, 0});
  r.Put(fakes::kSettingsRoot, "Empty", reg::kDword, {});
  r.Put(fakes::kSettingsRoot, "Binary", reg::kBinary, {1, 0, 0, 0});
  TElIniFile store(nullptr, "IniFile", r);
  int32_t v = 0;
  EXPECT_TRUE(store.ReadInteger("Ok", 7, v));
  EXPECT_EQ(v, INT32_MIN);
  for (const char* name : {"Text", "Short", "Empty", "Binary", "Missing"}) {
    EXPECT_FALSE(store.ReadInteger(name, 7, v)) << name;
    EXPECT_EQ(v, 7) << name;
  }
  bool b = false;
  EXPECT_TRUE(store.ReadBool("Three", false, b));
  EXPECT_TRUE(b);
  EXPECT_FALSE(store.ReadBool("Text", true, b));
  EXPECT_TRUE(b);
}

TEST(IniFile, WithoutAnyOpenKeyReadsGiveDefaultsAndWritesFail) {
  fakes::FakeRegistry r;
  r.FailOpening(fakes::kSettingsRoot);
  TElIniFile store(nullptr, "IniFile", r);
  EXPECT_FALSE(store.WriteInteger("N", 1));
  std::string s;
  EXPECT_FALSE(store.ReadString("N", "d", s));
  EXPECT_EQ(s, "d");
  EXPECT_FALSE(store.OpenKey("\\", true));
}

#include <gtest/gtest.h>

#include <algorithm>

#include "i18n/LanguageFile.h"
#include "unit/settings/SettingsRig.h"

using settings_test::Rig;

namespace {

constexpr char kGerman[] = "C:\\Brantelle\\Language\\German.ini";
constexpr char kEnglish[] = "C:\\Brantelle\\Language\\English.ini";

constexpr char kGermanFile[] =
    "[MainForm]\n"
    "MainForm.Go.Caption=Los!\n"
    "MainForm.Bevel1.Hint=Trennlinie\n"
    "MainForm.Minimize.Caption=Ignoriert\n"
    "MainForm.ElMenuItem11.Caption=Minimieren\n"
    "MainForm.Exitb.Caption=Ignoriert\n"
    "[Misc]\n"
    "M14=Beenden\n"
    "M07=&Freigeben\n"
    "M08=MB RAM\n"
    "M66=AN\n"
    "M67=AUS\n"
    "M09=Modus\n";

struct LanguageRig : Rig {
  explicit LanguageRig(fakes::FakeSystem& s, std::vector<std::string> args = {"/W"}) : Rig(s, std::move(args)) {}
  ~LanguageRig() { i18n::SetCurrentLanguage(std::nullopt); }
  ui::MenuItem& Item(const char* name) { return Get<ui::MenuItem>(name); }
  std::string Caption(const char* name) { return form->Find(name)->Caption(); }
};

void PutGerman(fakes::FakeSystem& sys) { sys.files.Put(kGerman, kGermanFile); }

}  // namespace

TEST(LanguageMenu, ClickingTheCheckedLanguageReadsAndStoresNothing) {
  fakes::FakeSystem sys;
  LanguageRig rig(sys);
  ASSERT_TRUE(rig.Item("Eng").Checked());
  const size_t reads = sys.files.reads.size();
  const int writes = sys.registry.writes;
  rig.Item("Eng").Click();
  EXPECT_EQ(sys.files.reads.size(), reads);
  EXPECT_EQ(sys.registry.writes, writes);
}

TEST(LanguageMenu, ChoosingALanguageCaptionsTheWindowAndStoresTheChoice) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  LanguageRig rig(sys);
  rig.Item("Ger").Click();
  EXPECT_TRUE(rig.Item("Ger").Checked());
  EXPECT_FALSE(rig.Item("Eng").Checked());
  EXPECT_EQ(sys.files.reads.back(), kGerman);
  EXPECT_EQ(rig.Caption("Go"), "Los!");
  EXPECT_EQ(rig.form->Find("Bevel1")->Hint(), "Trennlinie");
  // Built-in texts run after the file: they win, and twins follow their source.
  EXPECT_EQ(rig.Caption("Exitb"), "Beenden");
  EXPECT_EQ(rig.Caption("Exit__"), "Beenden");
  EXPECT_EQ(rig.Caption("Minimize"), "Minimieren");
  EXPECT_EQ(rig.Caption("TryTo"), "&Freigeben 1 MB RAM");
  EXPECT_EQ(rig.Caption("ElGroupBox1"), " Modus ");
  EXPECT_EQ(rig.form->StatusBar->PanelAt(2).text, "AUS");
  // Ids the file lacks give empty texts, not English ones.
  EXPECT_EQ(rig.Caption("CPU"), "");
  EXPECT_EQ(rig.form->Find("Right")->Hint(), "");
  const platform::RegValue* stored = sys.registry.Get(settings_test::Key("MainForm\\Ger"), "Checked");
  ASSERT_NE(stored, nullptr);
}

TEST(LanguageMenu, EnglishWithoutItsFileRestoresBuiltInTextsOnly) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  LanguageRig rig(sys);
  rig.Item("Ger").Click();
  rig.Item("Eng").Click();
  EXPECT_EQ(sys.files.reads.back(), kEnglish);
  EXPECT_EQ(i18n::CurrentLanguage(), nullptr);
  EXPECT_EQ(rig.Caption("Exitb"), "Exit");
  EXPECT_EQ(rig.Caption("CPU"), "Processor Detection Toolkit");
  EXPECT_EQ(rig.Caption("ElGroupBox1"), " Memory Mode: Determines what happens when you press Go! ");
  EXPECT_EQ(rig.Caption("TryTo"), "&Try to free 1 Mb of RAM");
  EXPECT_EQ(rig.form->StatusBar->PanelAt(2).text, "OFF");
  // Only the German file set this one: it stays until the next start.
  EXPECT_EQ(rig.Caption("Go"), "Los!");
}

TEST(LanguageMenu, AnUnreadableFileKeepsThePreviousTable) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  sys.files.PutLocked("C:\\Brantelle\\Language\\Russian.ini");
  LanguageRig rig(sys);
  rig.Item("Ger").Click();
  rig.Item("Rus").Click();
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_NE(rig.backend.errors[0].find("Cannot open file C:\\Brantelle\\Language\\Russian.ini"), std::string::npos);
  ASSERT_NE(i18n::CurrentLanguage(), nullptr);
  EXPECT_EQ(i18n::CurrentLanguage()->Read("Misc", "M14", ""), "Beenden");
}

TEST(LanguageMenu, StartUpAppliesOnlyTheStoredChoice) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  sys.files.Put("C:\\Brantelle\\Language\\Russian.ini", "[Misc]\nM14=Vyhod\n");
  sys.registry.PutDword(settings_test::Key("MainForm\\Eng"), "Checked", 0);
  sys.registry.PutDword(settings_test::Key("MainForm\\Ger"), "Checked", 1);
  LanguageRig rig(sys);
  EXPECT_TRUE(rig.Item("Ger").Checked());
  EXPECT_FALSE(rig.form->LanguageStartup);
  ASSERT_EQ(std::count(sys.files.reads.begin(), sys.files.reads.end(), std::string(kGerman)), 1);
  EXPECT_EQ(std::count_if(sys.files.reads.begin(), sys.files.reads.end(),
                          [](const std::string& r) { return r.find("\\Language\\") != std::string::npos; }),
            1);
  EXPECT_EQ(rig.Caption("Exitb"), "Beenden");
  EXPECT_EQ(rig.Caption("Go"), "Los!");
}

TEST(LanguageMenu, NoLanguageStoredAppliesNothingAtStartUp) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  sys.registry.PutDword(settings_test::Key("MainForm\\Eng"), "Checked", 0);
  LanguageRig rig(sys);
  for (const char* name : {"Eng", "Ger", "Rus", "Chi"}) EXPECT_FALSE(rig.Item(name).Checked()) << name;
  EXPECT_TRUE(sys.files.reads.empty());
  EXPECT_EQ(rig.Caption("Exitb"), "Exit");
}

TEST(LanguageMenu, TheFirstStartStoresTheSettingsEvenInAOneShotMode) {
  fakes::FakeSystem sys;
  LanguageRig rig(sys, {"/FREE", "1"});
  EXPECT_NE(sys.registry.Get(settings_test::Key("MainForm\\Eng"), "Checked"), nullptr);
  EXPECT_NE(sys.registry.Get(settings_test::Key("MainForm\\RAMLevel"), "Caption"), nullptr);
}

TEST(LanguageMenu, ColourPickersTakeTranslatedNamesOtherListsKeepTheirs) {
  fakes::FakeSystem sys;
  PutGerman(sys);
  LanguageRig rig(sys);
  auto table = i18n::LanguageTable::Parse("[SetupForm]\nSetupForm.TextColor.items[0]=Schwarz\n"
                                          "SetupForm.TextColor.items[99]=ignoriert\n"
                                          "SetupForm.CPU.items[0]=Niedrig\n");
  i18n::SetCurrentLanguage(table);
  std::string first, priority;
  rig.backend.onModal = [&](ui::Window& w) {
    first = w.FindAs<ui::ColorBox>("TextColor")->Items()[0];
    priority = w.FindAs<ui::ComboBox>("CPU")->Items()[0];
  };
  rig.form->SettingsB->Click();
  EXPECT_EQ(first, "Schwarz");
  EXPECT_NE(priority, "Niedrig");
  EXPECT_EQ(ui::ColorBox::ItemNames()[0], "Black");  // other pickers keep theirs
}

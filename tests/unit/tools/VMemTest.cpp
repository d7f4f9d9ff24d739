// The swap file and cache window on fake drives, a fake "system.ini" and
// scripted installed memory.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "gfx/Canvas.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageTable.h"
#include "tools/vcache.h"
#include "ui/Headless.h"

namespace {

using platform::kDriveFixed;
constexpr unsigned kRemovable = 2, kCdRom = 5;
constexpr const char* kIni = "system.ini";

class VMemTest : public ::testing::Test {
 protected:
  VMemTest() {
    sys.memory.SetMb(256, 100);
    sys.drives.Add('A', kRemovable, -1);
    sys.drives.Add('C', kDriveFixed, 600, "SYSTEM");
    sys.drives.Add('D', kCdRom, 0);
    sys.drives.Add('E', kDriveFixed, 700);
  }
  void Ini(const std::string& section, const std::string& key, const std::string& value) {
    sys.profile.files[kIni][section][key] = value;
  }
  std::optional<std::string> Key(const std::string& section, const std::string& key) const {
    const std::string* v = sys.profile.Find(kIni, section, key);
    return v ? std::optional<std::string>(*v) : std::nullopt;
  }
  std::unique_ptr<tools::TVMem> Open() { return std::make_unique<tools::TVMem>(app, sys.system); }
  // The option names that are checked, in window order.
  static std::string Checked(const tools::TVMem& w) {
    std::string names;
    for (ui::CheckBox* c : {w.SwpWin, w.SwpOpt, w.SwpNot, w.SwpUser, w.BestVC, w.VCUser})
      if (c->Checked()) names += (names.empty() ? "" : " ") + c->Name();
    return names;
  }
  static bool Greyed(const ui::Component& field, uint32_t color) {
    return !field.Enabled() && color == gfx::clBtnFace;
  }
  static bool White(const ui::Component& field, uint32_t color) {
    return field.Enabled() && color == gfx::clWhite;
  }

  ui::HeadlessBackend backend;
  ui::Application app{backend};
  fakes::FakeSystem sys;
};

TEST_F(VMemTest, IsAFixedWindowWithBothPagesAndOnlyFixedDrivesToChoose) {
  auto w = Open();
  EXPECT_EQ(w->Name(), "VMem");
  EXPECT_EQ(w->Caption(), "Virtual Memory Settings");
  EXPECT_EQ(w->ClientWidth(), 406);
  EXPECT_EQ(w->ClientHeight(), 395);
  EXPECT_TRUE(w->MinimizeBox());
  EXPECT_EQ(w->GetPlacement(), ui::Placement::MainFormCenter);
  EXPECT_EQ(w->TabSheet1->Caption(), "Swap File Settings");
  EXPECT_EQ(w->ElPopupButton1->Caption(), "OK");
  EXPECT_FALSE(w->DriveComboBox1->Visible());
  EXPECT_EQ(w->DriveComboBox1->Items(), (std::vector<std::string>{"a:", "c: [SYSTEM]", "d:", "e:"}));
  EXPECT_EQ(w->DriveBox->Items(), (std::vector<std::string>{"c: [SYSTEM]", "e:"}));
  EXPECT_EQ(w->DriveBox->ItemIndex(), 0);
  for (ui::SpinEdit* spin : {w->MinSwapSize, w->MaxSwapSize, w->MinVSize, w->MaxVSize}) {
    EXPECT_EQ(spin->Increment(), 1);
    EXPECT_EQ(spin->LargeIncrement(), 10);
  }
  // Limits: the first fixed drive's free space, and the installed memory.
  EXPECT_EQ(w->MaxSwapSize->Max(), 600);
  EXPECT_EQ(w->MaxVSize->Max(), 256);
  // A "system.ini" without any of the keys means Windows manages the swap file.
  EXPECT_EQ(Checked(*w), "SwpWin");
  EXPECT_TRUE(sys.dialogs.boxes.empty());
}

TEST_F(VMemTest, OptimalSwapFileGoesToTheFirstFixedDriveWithRoom) {
  Ini("386Enh", "Paging", "off");
  auto w = Open();
  w->SwpNot->Click();  // unchecked: every option free again
  w->SwpOpt->Click();
  w->ElPopupButton1->Click();
  // 256 MB needs more than 640 MB: C has 600, E has 700.
  EXPECT_EQ(Key("386Enh", "PagingDrive"), "E:");
  EXPECT_EQ(Key("386Enh", "MinPagingFileSize"), "262144");
  EXPECT_EQ(Key("386Enh", "MaxPagingFileSize"), "655360");
  EXPECT_EQ(Key("386Enh", "Paging"), std::nullopt);
  EXPECT_TRUE(w->Destroyed());

  // Reopened, the same values are recognised as the optimal choice.
  w = Open();
  EXPECT_EQ(Checked(*w), "SwpOpt");
  EXPECT_TRUE(Greyed(*w->DriveBox, w->DriveBox->Color()));
  EXPECT_TRUE(Greyed(*w->MinSwapSize, w->MinSwapSize->Color()));
  EXPECT_FALSE(w->SwpUser->Enabled());
}

TEST_F(VMemTest, TwoAndAHalfTimesTheMemoryRoundsHalvesToEven) {
  for (auto [mb, ram25] : {std::pair{255, 638}, {253, 632}, {256, 640}}) {
    sys.memory.SetMb(mb, 10);
    sys.profile.files.clear();
    auto w = Open();
    EXPECT_EQ(w->Ram25(), ram25) << mb;
    w->SwpWin->Click();
    w->SwpOpt->Click();
    w->ElPopupButton1->Click();
    EXPECT_EQ(Key("386Enh", "MinPagingFileSize"), std::to_string(mb * 1024)) << mb;
    EXPECT_EQ(Key("386Enh", "MaxPagingFileSize"), std::to_string(ram25 * 1024)) << mb;
  }
}

TEST_F(VMemTest, NoDriveWithRoomWarnsAndStillWritesTheCache) {
  sys.memory.SetMb(512, 10);  // needs more than 1280 MB
  sys.drives.drives['E'].freeBytes = -1;  // unreadable: counts as nothing free
  Ini("386Enh", "Paging", "on");
  Ini("386Enh", "PagingDrive", "C:");
  auto w = Open();
  w->SwpWin->Click();
  w->SwpOpt->Click();
  w->BestVC->Click();
  sys.dialogs.boxes.clear();
  w->ElPopupButton1->Click();
  ASSERT_EQ(sys.dialogs.boxes.size(), 2u);
  EXPECT_EQ(sys.dialogs.boxes[0].text, "Invalid drive number.");
  EXPECT_EQ(sys.dialogs.boxes[1].title, "Warning");
  EXPECT_EQ(sys.dialogs.boxes[1].text,
            "You do not have enough free space\r\nfor optimal swap file usage.\r\nTry to free some space and try "
            "again later.");
  EXPECT_EQ(sys.dialogs.boxes[1].icon, platform::BoxIcon::Warning);
  EXPECT_EQ(Key("386Enh", "Paging"), "on");
  EXPECT_EQ(Key("386Enh", "PagingDrive"), "C:");
  EXPECT_EQ(Key("vcache", "MaxFileCache"), "8192");
  EXPECT_TRUE(w->Destroyed());
}

TEST_F(VMemTest, OptimalCacheDependsOnTheMemoryAndIsRecognisedFrom32Mb) {
  for (auto [mb, maxCache, recognised] : {std::tuple{24, "4096", true}, {64, "8192", true}, {31, "8192", false}}) {
    sys.memory.SetMb(mb, 10);
    sys.profile.files.clear();
    auto w = Open();
    w->BestVC->Click();
    EXPECT_TRUE(Greyed(*w->MaxVSize, w->MaxVSize->Color()));
    EXPECT_FALSE(w->VCUser->Enabled());
    w->ElPopupButton1->Click();
    EXPECT_EQ(Key("vcache", "MinFileCache"), "0") << mb;
    EXPECT_EQ(Key("vcache", "MaxFileCache"), maxCache) << mb;

    // 31 MB writes 8192, which the recognition only accepts from 32 MB on.
    w = Open();
    EXPECT_EQ(w->BestVC->Checked(), recognised) << mb;
    EXPECT_EQ(w->VCUser->Checked(), !recognised) << mb;
    EXPECT_EQ(w->MinVSize->Value(), 0);
    EXPECT_EQ(w->MaxVSize->Value(), std::stoi(maxCache) / 1024);
  }
}

TEST_F(VMemTest, ManualCacheSizesAreReadAndWrittenInKilobytes) {
  Ini("vcache", "MinFileCache", "2048");
  Ini("vcache", "MaxFileCache", "16896");  // 16.5 MB: rounds to 16
  auto w = Open();
  EXPECT_EQ(Checked(*w), "SwpWin VCUser");
  EXPECT_EQ(w->MinVSize->Value(), 2);
  EXPECT_EQ(w->MaxVSize->Value(), 16);
  EXPECT_TRUE(White(*w->MinVSize, w->MinVSize->Color()));
  EXPECT_FALSE(w->BestVC->Enabled());
  w->MaxVSize->SetValue(40);
  w->ElPopupButton1->Click();
  EXPECT_EQ(Key("vcache", "MinFileCache"), "2048");
  EXPECT_EQ(Key("vcache", "MaxFileCache"), "40960");
  EXPECT_EQ(sys.profile.writes.size(), 1u);  // the size that changed, nothing else
  EXPECT_EQ(Key("386Enh", "Paging"), std::nullopt);
}

TEST_F(VMemTest, OneSizeKeyIsAManualSwapFileOnItsDrive) {
  Ini("386Enh", "Paging", "on");
  Ini("386Enh", "PagingDrive", "e:");
  Ini("386Enh", "MinPagingFileSize", "665600");  // 650 MB: more than C has free
  auto w = Open();
  EXPECT_EQ(Checked(*w), "SwpUser");
  EXPECT_EQ(w->DriveBox->ItemIndex(), 1);
  // The limits follow the drive shown, so the stored size survives.
  EXPECT_EQ(w->MinSwapSize->Max(), 700);
  EXPECT_EQ(w->MinSwapSize->Value(), 650);
  EXPECT_EQ(w->MaxSwapSize->Value(), 0);
  EXPECT_TRUE(White(*w->DriveBox, w->DriveBox->Color()));
  EXPECT_FALSE(w->SwpWin->Enabled());

  w->DriveBox->Choose(0);
  EXPECT_EQ(w->MinSwapSize->Max(), 600);
  w->MaxSwapSize->SetValue(550);
  w->ElPopupButton1->Click();
  EXPECT_EQ(Key("386Enh", "PagingDrive"), "C:");
  EXPECT_EQ(Key("386Enh", "MinPagingFileSize"), "614400");
  EXPECT_EQ(Key("386Enh", "MaxPagingFileSize"), "563200");
  EXPECT_EQ(Key("386Enh", "Paging"), "on");  // the choice did not change: its switch stays
}

TEST_F(VMemTest, PagingOffGreysTheSwapFieldsAndOkWithoutAChangeWritesNothing) {
  Ini("386Enh", "Paging", "off");
  Ini("386Enh", "PagingDrive", "C:");
  auto w = Open();
  EXPECT_EQ(Checked(*w), "SwpNot");
  for (ui::CheckBox* other : {w->SwpWin, w->SwpOpt, w->SwpUser}) EXPECT_FALSE(other->Enabled());
  EXPECT_TRUE(w->SwpNot->Enabled());
  EXPECT_TRUE(Greyed(*w->DriveBox, w->DriveBox->Color()));
  EXPECT_TRUE(Greyed(*w->MaxSwapSize, w->MaxSwapSize->Color()));
  // The cache page is free, with no option.
  EXPECT_TRUE(w->BestVC->Enabled() && w->VCUser->Enabled());
  EXPECT_TRUE(w->MinVSize->Enabled());
  EXPECT_EQ(w->MinVSize->Color(), ui::kFieldColor);

  w->ElPopupButton1->Click();
  EXPECT_TRUE(sys.profile.writes.empty());
  EXPECT_EQ(Key("386Enh", "Paging"), "off");
  EXPECT_EQ(Key("386Enh", "PagingDrive"), "C:");
  EXPECT_TRUE(w->Destroyed());
}

TEST_F(VMemTest, ClickingACheckedOptionAgainLeavesItsSectionUntouched) {
  Ini("386Enh", "Paging", "off");
  Ini("vcache", "MinFileCache", "0");
  Ini("vcache", "MaxFileCache", "8192");
  auto w = Open();
  EXPECT_EQ(Checked(*w), "SwpNot BestVC");
  w->SwpNot->Click();
  w->BestVC->Click();
  EXPECT_EQ(Checked(*w), "");
  for (ui::CheckBox* c : {w->SwpWin, w->SwpOpt, w->SwpNot, w->SwpUser, w->BestVC, w->VCUser})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  for (ui::SpinEdit* spin : {w->MinSwapSize, w->MaxSwapSize, w->MinVSize, w->MaxVSize})
    EXPECT_TRUE(White(*spin, spin->Color())) << spin->Name();
  const auto before = sys.profile.files;
  w->ElPopupButton1->Click();
  EXPECT_TRUE(sys.profile.writes.empty());
  EXPECT_EQ(sys.profile.files, before);
  EXPECT_TRUE(w->Destroyed());
}

TEST_F(VMemTest, UnknownPagingAndBadNumbersCheckNothing) {
  Ini("386Enh", "Paging", "maybe");
  Ini("vcache", "MinFileCache", "zero");
  Ini("vcache", "MaxFileCache", "99999999999");
  auto w = Open();
  EXPECT_EQ(Checked(*w), "");

  // A size that is no number counts as absent: Windows manages the file.
  Ini("386Enh", "Paging", "on");
  Ini("386Enh", "MinPagingFileSize", "-5");
  Ini("386Enh", "MaxPagingFileSize", "12 MB");
  w = Open();
  EXPECT_EQ(Checked(*w), "SwpWin");
  EXPECT_TRUE(backend.errors.empty());
}

TEST_F(VMemTest, NoFixedDriveOpensWithNothingCheckedAndCannotPlaceAManualFile) {
  sys.drives.drives.erase('C');
  sys.drives.drives.erase('E');
  Ini("386Enh", "Paging", "off");
  auto w = Open();
  EXPECT_TRUE(w->DriveBox->Items().empty());
  EXPECT_EQ(Checked(*w), "");
  EXPECT_TRUE(sys.dialogs.boxes.empty());

  // Without a drive a manual swap file has nowhere to go: nothing is
  // written and the window stays open.
  w->SwpUser->Click();
  w->ElPopupButton1->Click();
  EXPECT_TRUE(sys.profile.writes.empty());
  EXPECT_FALSE(w->Destroyed());
  // The optimal one warns, and the window closes.
  w->SwpUser->Click();
  w->SwpOpt->Click();
  w->ElPopupButton1->Click();
  ASSERT_EQ(sys.dialogs.boxes.size(), 1u);
  EXPECT_EQ(sys.dialogs.boxes[0].title, "Warning");
  EXPECT_TRUE(w->Destroyed());
}

TEST_F(VMemTest, AnUnreadableDriveIsReportedAndOffersNoRoom) {
  sys.drives.drives['C'].freeBytes = -1;
  auto w = Open();
  ASSERT_EQ(sys.dialogs.boxes.size(), 1u);
  EXPECT_EQ(sys.dialogs.boxes[0].text, "Invalid drive number.");
  EXPECT_EQ(sys.dialogs.boxes[0].title, "Error");
  EXPECT_EQ(sys.dialogs.boxes[0].icon, platform::BoxIcon::Error);
  EXPECT_EQ(sys.drives.freeQueries, std::vector<int>{3});
  EXPECT_EQ(w->MaxSwapSize->Max(), 0);
  EXPECT_EQ(Checked(*w), "SwpWin");  // the rest of the creation went on
  w->DriveBox->Choose(1);
  EXPECT_EQ(w->MaxSwapSize->Max(), 700);
}

TEST_F(VMemTest, RefusedWritesAreNotReportedAndTheWindowCloses) {
  sys.profile.refuseWrites = true;
  auto w = Open();
  w->SwpWin->Click();  // from Windows managing the file to none
  w->SwpNot->Click();
  w->ElPopupButton1->Click();
  EXPECT_EQ(sys.profile.writes.size(), 4u);  // three removals and "Paging"
  EXPECT_TRUE(w->Destroyed());
  EXPECT_TRUE(sys.dialogs.boxes.empty());
}

// Opening the window and pressing OK, with or without a change on the other
// page, never touches what the user left alone: a stored size is never cut by
// the drive's free space (on Windows 9x the swap file's own space is not
// free), a missing key is not written, a recognised optimal file stays put.
TEST_F(VMemTest, OkWritesOnlyWhatTheUserChanged) {
  using Ini = std::map<std::string, std::map<std::string, std::string>>;
  struct Row {
    const char* what;
    Ini ini;
    int64_t freeC;
  };
  const Row rows[] = {
      {"fixed 512/512 on a disk with 300 free",
       {{"386Enh", {{"PagingDrive", "C:"}, {"MinPagingFileSize", "524288"}, {"MaxPagingFileSize", "524288"}}}}, 300},
      {"only a minimum stored", {{"386Enh", {{"PagingDrive", "C:"}, {"MinPagingFileSize", "65536"}}}}, 600},
      {"a recognised optimal file without room for it now",
       {{"386Enh", {{"PagingDrive", "E:"}, {"MinPagingFileSize", "262144"}, {"MaxPagingFileSize", "655360"}}}}, 10},
      {"paging off", {{"386Enh", {{"Paging", "off"}}}}, 600},
      {"nothing stored", {}, 600},
      {"manual cache", {{"vcache", {{"MinFileCache", "2048"}, {"MaxFileCache", "16896"}}}}, 600},
  };
  for (const Row& row : rows) {
    for (bool changeCache : {false, true}) {
      SCOPED_TRACE(std::string(row.what) + (changeCache ? ", cache page changed" : ""));
      sys.profile.files[kIni] = row.ini;
      sys.profile.writes.clear();
      sys.dialogs.boxes.clear();
      sys.drives.drives['C'].freeBytes = row.freeC << 20;
      auto w = Open();
      if (changeCache && w->VCUser->Checked()) w->MaxVSize->SetValue(w->MaxVSize->Value() + 1);
      else if (changeCache) w->VCUser->Click();
      w->ElPopupButton1->Click();
      EXPECT_TRUE(w->Destroyed());
      EXPECT_TRUE(sys.dialogs.boxes.empty());
      for (const std::string& write : sys.profile.writes) EXPECT_EQ(write.rfind("vcache/", 0), 0u) << write;
      if (!changeCache) {
        EXPECT_TRUE(sys.profile.writes.empty());
        EXPECT_EQ(sys.profile.files[kIni], row.ini);
      }
      const auto swapKeys = row.ini.count("386Enh") ? row.ini.at("386Enh") : std::map<std::string, std::string>{};
      EXPECT_EQ(sys.profile.files[kIni]["386Enh"], swapKeys);
    }
  }
}

class VMemOpeningTest : public VMemTest {
 protected:
  VMemOpeningTest() {
    sys.environment.args.push_back("/W");
    sys.environment.family = platform::Family::Win9x;
    sys.tools.version.SetWin98();  // the cache-tuning items are offered on 9x only
    main = std::make_unique<app::TMainForm>(app, sys.system);
    app::StartUp(app, *main);
  }
  ~VMemOpeningTest() override { i18n::SetCurrentLanguage(std::nullopt); }
  std::unique_ptr<app::TMainForm> main;
};

TEST_F(VMemOpeningTest, StripAndBothMenuItemsOpenOneWindowAtATime) {
  std::vector<std::string> opened;
  backend.onModal = [&](ui::Window& w) {
    opened.push_back(w.Name());
    main->FindAs<ui::MenuItem>("vcache_pop")->Click();
    main->LeftClick();
  };
  main->FindAs<ui::Picture>("Left")->Click();
  main->FindAs<ui::MenuItem>("vcache")->Click();
  EXPECT_EQ(opened, (std::vector<std::string>{"VMem", "VMem"}));
  EXPECT_TRUE(backend.errors.empty());
}

TEST_F(VMemOpeningTest, HandsOverStayOnTopAndCopiesTranslatedTexts) {
  main->FindAs<ui::MenuItem>("StayOnTop")->Click();
  i18n::SetCurrentLanguage(i18n::LanguageTable::Parse(
      "[VMem]\nVMem.Label4.Caption=Mo\nVMem.Label1.Caption=Minimum :\nVMem.TabSheet2.Caption=Cache\n"
      "VMem.Panel1.Caption=Fichier\nVMem.Label6.Caption=Redemarrer.\n"));
  bool onTop = false, mainOnTop = true;
  std::vector<std::string> texts;
  backend.onModal = [&](ui::Window& window) {
    auto& w = static_cast<tools::TVMem&>(window);
    onTop = w.TopMost();
    mainOnTop = main->TopMost();
    for (ui::Component* c : std::initializer_list<ui::Component*>{
             w.Label5, w.Label11, w.Label12, w.Label7, w.Label9, w.Label10, w.Panel1, w.Panel2})
      texts.push_back(c->Caption());
  };
  main->LeftClick();
  EXPECT_TRUE(onTop);
  EXPECT_FALSE(mainOnTop);
  EXPECT_TRUE(main->TopMost());
  EXPECT_EQ(texts, (std::vector<std::string>{"Mo", "Mo", "Mo", "Minimum :", "Maximum Size:", "Redemarrer.",
                                             " Fichier ", " Cache "}));
}

}  // namespace

namespace {

TEST(SpinEditSteps, PageStepsStayWithinTheRangeAndAnnounceTheChange) {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window(app, "W");
  auto& spin = window.Add<ui::SpinEdit>(nullptr, "Spin");
  spin.SetMax(25);
  int changes = 0;
  spin.OnChange = [&] { ++changes; };
  spin.StepBy(spin.LargeIncrement());
  spin.StepBy(spin.LargeIncrement());
  spin.StepBy(spin.LargeIncrement());
  EXPECT_EQ(spin.Value(), 25);
  EXPECT_EQ(changes, 3);
  spin.StepBy(spin.LargeIncrement());  // at the top already: no change
  EXPECT_EQ(changes, 3);
  spin.StepBy(-int64_t{INT32_MAX} * 4);
  EXPECT_EQ(spin.Value(), 0);
}

}  // namespace

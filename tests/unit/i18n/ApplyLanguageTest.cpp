#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/IniLang.h"
#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Menu.h"
#include "ui/Window.h"

using namespace i18n;

namespace {

// A multi-line text box: lines are addressed as lines[i].
class Memo : public ui::Component {
 public:
  Memo(ui::Window* owner, std::string name, std::vector<std::string> lines)
      : Component(owner, nullptr, std::move(name), ui::Kind::Memo), lines_(std::move(lines)) {}
  size_t LineCount() const override { return lines_.size(); }
  bool SetLine(size_t i, const std::string& text) override {
    if (i >= lines_.size()) return false;
    lines_[i] = text;
    return true;
  }
  std::vector<std::string> lines_;
};

// A drop-down list; untranslated lists answer no items.
class DropDown : public ui::Component {
 public:
  DropDown(ui::Window* owner, std::string name, std::vector<std::string> items, bool translated)
      : Component(owner, nullptr, std::move(name), ui::Kind::ComboBox),
        items_(std::move(items)), translated_(translated) {}
  size_t ItemCount() const override { return translated_ ? items_.size() : 0; }
  bool SetItem(size_t i, const std::string& text) override {
    if (i >= items_.size()) return false;
    items_[i] = text;
    return true;
  }
  std::vector<std::string> items_;
  bool translated_;
};

struct Windows : ::testing::Test {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window main{app, "MainForm"};
  ui::Window report{app, "ReportForm"};
  ui::Button& go = main.Add<ui::Button>(nullptr, "Go");
  ui::Label& ramLevel = main.Add<ui::Label>(nullptr, "RAMLevel");
  ui::TrackBar& slider = main.Add<ui::TrackBar>(nullptr, "TrackBar");
  Memo& memo = report.Add<Memo>("Memo", std::vector<std::string>{"l0", "l1", "l2", "l3"});

  void SetUp() override {
    main.SetCaption("Brantelle");
    go.SetCaption("Go!");
    go.SetHint("Free memory now");
    ramLevel.SetCaption("20");
    ramLevel.SetVisible(false);  // a setting held in an invisible label
  }
};

}  // namespace

TEST_F(Windows, CaptionsHintsAndTitleComeFromTheWindowsSection) {
  ApplyLanguage(main, LanguageTable::Parse("[mainform]\nmainform.caption=Brantelle DE\n"
                                           "MAINFORM.GO.CAPTION = Los!\nMainForm.Go.Hint=Jetzt\n"
                                           "[ReportForm]\nMainForm.Go.Caption=wrong section\n"));
  EXPECT_EQ(main.Caption(), "Brantelle DE");
  EXPECT_EQ(go.Caption(), "Los!");
  EXPECT_EQ(go.Hint(), "Jetzt");
}

TEST_F(Windows, EmptyOrMissingEntriesLeaveTextsAlone) {
  ApplyLanguage(main, LanguageTable::Parse("[MainForm]\nMainForm.Caption=\nMainForm.Go.Caption=\n"
                                           "MainForm.Go.Hint=   \n"));
  EXPECT_EQ(main.Caption(), "Brantelle");
  EXPECT_EQ(go.Caption(), "Go!");
  EXPECT_EQ(go.Hint(), "Free memory now");
  ApplyLanguage(main, LanguageTable::Parse("[Other]\nMainForm.Go.Caption=x\n"));
  EXPECT_EQ(go.Caption(), "Go!");
}

TEST_F(Windows, InvisibleSettingLabelIsReCaptionedLikeAnyOther) {
  ApplyLanguage(main, LanguageTable::Parse("[MainForm]\nMainForm.RAMLevel.Caption=35\n"));
  EXPECT_EQ(ramLevel.Caption(), "35");
  EXPECT_FALSE(ramLevel.Visible());
}

TEST_F(Windows, ComponentsWithoutACaptionKeepNone) {
  ApplyLanguage(main, LanguageTable::Parse("[MainForm]\nMainForm.TrackBar.Caption=x\n"
                                           "MainForm.TrackBar.Hint=Menge\n"));
  EXPECT_EQ(slider.Caption(), "");
  EXPECT_EQ(slider.Hint(), "Menge");
}

TEST_F(Windows, MemoLinesAreReplacedEmptiedOrKeptByFsdef) {
  ApplyLanguage(report, LanguageTable::Parse("[ReportForm]\nReportForm.Memo.lines[0]=Zeile\n"
                                             "ReportForm.Memo.lines[1]=fsdef\n"
                                             "reportform.memo.LINES[2]=\n"
                                             "ReportForm.Memo.lines[9]=no such line\n"));
  EXPECT_EQ(memo.lines_, (std::vector<std::string>{"Zeile", "l1", "", "l3"}));
}

TEST_F(Windows, ItemsOfTranslatedListsOnly) {
  auto& colors = report.Add<DropDown>("TextColor", std::vector<std::string>{"Black", "Red"}, true);
  auto& other = report.Add<DropDown>("Priority", std::vector<std::string>{"Normal", "High"}, false);
  ApplyLanguage(report, LanguageTable::Parse("[ReportForm]\nReportForm.TextColor.items[0]=\n"
                                             "ReportForm.TextColor.items[1]=Rot\n"
                                             "ReportForm.TextColor.items[2]=extra\n"
                                             "ReportForm.Priority.items[0]=Normal DE\n"));
  EXPECT_EQ(colors.items_, (std::vector<std::string>{"Black", "Rot"}));
  EXPECT_EQ(other.items_, (std::vector<std::string>{"Normal", "High"}));
}

TEST_F(Windows, EveryWindowOfTheListTakesItsOwnSection) {
  auto& menu = main.Add<ui::Menu>("MainMenu", false);
  auto& item = main.Add<ui::MenuItem>(&menu, "Eng");
  report.SetCaption("Report");
  ui::Window* list[] = {&main, &report};
  ApplyLanguage(list, LanguageTable::Parse("[MainForm]\nMainForm.Eng.Caption=Englisch\n"
                                           "[ReportForm]\nReportForm.Caption=Bericht\n"
                                           "ReportForm.Memo.lines[3]=drei\n"));
  EXPECT_EQ(item.Caption(), "Englisch");
  EXPECT_EQ(report.Caption(), "Bericht");
  EXPECT_EQ(memo.lines_[3], "drei");
}

TEST_F(Windows, NewWindowsTakeTheCurrentTableOnlyWhenOneIsLoaded) {
  SetCurrentLanguage(std::nullopt);
  ApplyCurrentLanguage(main);
  EXPECT_EQ(go.Caption(), "Go!");
  SetCurrentLanguage(LanguageTable::Parse("[MainForm]\nMainForm.Go.Caption=Los!\n"));
  ApplyCurrentLanguage(main);
  EXPECT_EQ(go.Caption(), "Los!");
  SetCurrentLanguage(std::nullopt);
}

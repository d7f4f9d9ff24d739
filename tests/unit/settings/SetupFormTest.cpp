#include <gtest/gtest.h>

#include <map>

#include "fakes/Errors.h"
#include "settings/InitialSettings.h"
#include "settings/SetupFrm.h"
#include "settings/StartWithWindows.h"
#include "unit/settings/SettingsRig.h"

using settings::TSetupForm;
using settings_test::Rig;

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct DialogRig : Rig {
  explicit DialogRig(fakes::FakeSystem& s) : Rig(s) {}
  // Opens the dialog from the Settings button; while it is open, act runs on it.
  void Open(const std::function<void(TSetupForm&)>& act) {
    backend.onModal = [&](ui::Window& w) {
      if (auto* d = dynamic_cast<TSetupForm*>(&w)) act(*d);
    };
    form->SettingsB->Click();
  }
  std::string Label(const char* name) { return form->Find(name)->Caption(); }
  void SetLabel(const char* name, const char* value) { form->Find(name)->SetCaption(value); }
  const platform::RegValue* Stored(const char* label) {
    return sys.registry.Get(settings_test::Key(std::string("MainForm\\") + label), "Caption");
  }
};

std::string Text(const platform::RegValue* v) {
  if (!v) return "<missing>";
  std::string s(v->data.begin(), v->data.end());
  return s.substr(0, s.find('\0'));
}

}  // namespace

TEST(SetupForm, CloseChangesNothingInTheWindowOrTheRegistry) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  const int writes = sys.registry.writes;
  bool opened = false;
  rig.Open([&](TSetupForm& d) {
    opened = true;
    EXPECT_EQ(d.Caption(), "Brantelle Settings");
    EXPECT_EQ(d.Find("ElGroupBox3")->Caption(), " Whenever Brantelle automatically frees RAM, ");
    d.Beep->Click();
    d.RDelay->SetValue(5);
    d.SensType->Choose(4);
    d.AutoStart->Click();
    d.Close_b->Click();
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(rig.Label("DoBeep"), "0");
  EXPECT_EQ(rig.Label("ReportDelay"), "60000");
  EXPECT_EQ(rig.form->RAMLoading->SensType(), gauges::stDiagramm);
  EXPECT_EQ(sys.registry.writes, writes);
  EXPECT_FALSE(sys.registry.Get(kRun, "Brantelle"));
  EXPECT_FALSE(rig.form->SettingsOpen());
  EXPECT_TRUE(rig.backend.errors.empty());
}

TEST(SetupForm, DelaysRoundHalfToEvenAndSaveWritesTheShownValue) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  const struct { const char* delay; int shown; } delays[] = {{"1500", 2}, {"2500", 2}, {"60000", 60}, {"999999", 180}};
  for (const auto& c : delays) {
    rig.SetLabel("ReportDelay", c.delay);
    rig.Open([&](TSetupForm& d) { EXPECT_EQ(d.RDelay->Value(), c.shown) << c.delay; });
  }
  const struct { unsigned interval; int shown; } intervals[] = {{900000, 15}, {90000, 2}, {7200000, 100}};
  for (const auto& c : intervals) {
    rig.form->AutoTimer->SetInterval(c.interval);
    rig.Open([&](TSetupForm& d) { EXPECT_EQ(d.FreeTimer->Value(), c.shown) << c.interval; });
  }
  rig.SetLabel("ReportDelay", "2500");
  rig.Open([](TSetupForm& d) { d.Save->Click(); });
  EXPECT_EQ(rig.Label("ReportDelay"), "2000");
  EXPECT_EQ(Text(rig.Stored("ReportDelay")), "2000");
  EXPECT_EQ(rig.form->AutoTimer->Interval(), 6000000u);  // the limited 100 minutes
}

TEST(SetupForm, HotKeyFieldsRefuseNoneAndDuplicatesWithATone) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  rig.Open([&](TSetupForm& d) {
    EXPECT_EQ(d.AHotKey->Text(), "A");
    d.AHotKey->KeyDown('T');  // the restore key's
    d.AHotKey->KeyUp();
    EXPECT_EQ(d.AHotKey->Key(), 'A');
    EXPECT_EQ(d.AHotKey->Text(), "A");
    d.FHotKey->KeyDown(0x08);  // Backspace clears
    EXPECT_EQ(d.FHotKey->Text(), "None");
    d.FHotKey->KeyUp();
    EXPECT_EQ(d.FHotKey->Key(), 'D');
    EXPECT_EQ(sys.sound.beeps, (std::vector<std::pair<unsigned, unsigned>>{{5000, 50}, {5000, 50}}));
    d.AHotKey->KeyDown(0x11);  // Ctrl alone changes nothing
    d.AHotKey->KeyDown(0x74);
    d.AHotKey->KeyUp();
    EXPECT_EQ(d.AHotKey->Text(), "F5");
    d.Save->Click();
  });
  EXPECT_EQ(sys.sound.beeps.size(), 2u);
  EXPECT_EQ(rig.Label("AHotKey"), "t");
  EXPECT_NE(sys.hotKeys.IdOf(0x74), 0);
  EXPECT_EQ(sys.hotKeys.IdOf('A'), 0);
  EXPECT_NE(sys.hotKeys.IdOf('T'), 0);
}

TEST(SetupForm, DefaultThenSaveAppliesAndStoresTheDefaults) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  rig.SetLabel("RHotKey", "R");
  rig.SetLabel("TrayType", "0");
  rig.form->TryTo->SetChecked(true);
  rig.form->TrackBar->SetVisible(true);
  rig.form->TrackBar->SetPosition(40);
  rig.Open([](TSetupForm& d) {
    EXPECT_TRUE(d.TrackBar->Enabled());
    EXPECT_EQ(d.TrackBar->Value(), 40);
    EXPECT_OK(d.DefaultClick());
    d.Save->Click();
  });
  EXPECT_EQ(Text(sys.registry.Get(kRun, "Brantelle")), "\"C:\\Brantelle\\Brantelle.exe\"");
  EXPECT_EQ(sys.registry.Get(kRun, "Brantelle")->type, platform::reg::kSz);
  EXPECT_EQ(rig.Label("RAMCritical"), "0");
  EXPECT_EQ(rig.Label("CloseReport"), "1");
  EXPECT_EQ(rig.Label("ReportDelay"), "60000");
  EXPECT_EQ(rig.Label("TrayType"), "1");
  EXPECT_EQ(rig.Label("RHotKey"), "R");
  EXPECT_EQ(rig.Label("AHotKey"), "A");
  EXPECT_EQ(Text(rig.Stored("RAMCritical")), "0");
  EXPECT_TRUE(rig.form->Auto->Checked());
  EXPECT_FALSE(rig.form->TrackBar->Visible());
  EXPECT_EQ(rig.form->TrackBar->Position(), 1);
  EXPECT_EQ(rig.form->TryTo->Caption(), "&Try to free 1 Mb of RAM");
  EXPECT_FALSE(rig.form->AutoTimer->Enabled());
  EXPECT_TRUE(rig.form->DisAuto->Checked() && rig.form->AutoOpt->Checked());

  // Unticking removes the entry again; a missing entry is no error.
  rig.Open([](TSetupForm& d) {
    EXPECT_TRUE(d.AutoStart->Checked());
    d.AutoStart->Click();
    d.Save->Click();
  });
  EXPECT_FALSE(sys.registry.Get(kRun, "Brantelle"));
  rig.Open([](TSetupForm& d) { d.Save->Click(); });
  EXPECT_TRUE(rig.backend.errors.empty());
}

TEST(SetupForm, ALoadingErrorStopsLoadingThereAndTheDialogStillOpens) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  rig.SetLabel("Priority", "x");
  rig.SetLabel("DoBeep", "1");
  bool opened = false;
  rig.Open([&](TSetupForm& d) {
    opened = true;
    EXPECT_FALSE(d.Beep->Checked());  // the setting as it stands, though loading stopped before it
    EXPECT_EQ(d.AHotKey->Text(), "A");  // step 1 did
  });
  EXPECT_TRUE(opened);
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_EQ(rig.backend.errors[0], "Brantelle: 'x' is not a valid integer value");

  rig.SetLabel("Priority", "1");
  rig.SetLabel("TrayAction", "7");
  rig.Open([](TSetupForm&) {});
  EXPECT_EQ(rig.backend.errors.back(), "Brantelle: List index out of bounds (7)");

  rig.SetLabel("TrayAction", "-1");
  rig.Open([](TSetupForm& d) { EXPECT_EQ(d.LAction->ItemIndex(), 0); });
  EXPECT_EQ(rig.backend.errors.back(), "Brantelle: List index out of bounds (-1)");

  rig.SetLabel("TrayAction", "0");
  rig.SetLabel("Log", "1");
  sys.registry.PutDword(kRun, "Brantelle", 1);
  rig.Open([](TSetupForm& d) { EXPECT_FALSE(d.Log->Checked()); });
  EXPECT_EQ(rig.backend.errors.back(), "Brantelle: Invalid data type for 'Brantelle'");

  // An empty text does not count as starting with Windows.
  sys.registry.PutString(kRun, "Brantelle", "");
  rig.Open([](TSetupForm& d) { EXPECT_FALSE(d.AutoStart->Checked()); });
  EXPECT_EQ(rig.backend.errors.size(), 4u);
}

TEST(SetupForm, AFailedStartUpEntryStopsSaveAndKeepsTheDialogOpen) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  bool stillOpen = false;
  rig.Open([&](TSetupForm& d) {
    d.AutoStart->SetChecked(true);
    d.Rep->Click();  // applied: step 9 comes before the entry
    d.AutoMin->Click();  // not applied: step 16 comes after it
    sys.registry.failWrites = true;
    d.Save->Click();
    stillOpen = !d.Destroyed();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(rig.backend.errors.back(), "Brantelle: Failed to set data for 'Brantelle'");
  EXPECT_EQ(rig.Label("CloseReport"), "1");
  EXPECT_EQ(rig.Label("StartMinimized"), "0");
}

TEST(SetupForm, OnTopHandOverAndOneDialogAtATime) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  rig.form->FormPersist->SetTopMost(true);  // on top, but the pin is not down
  int opened = 0;
  rig.Open([&](TSetupForm& d) {
    ++opened;
    EXPECT_TRUE(d.TopMost());
    EXPECT_FALSE(rig.form->FormPersist->TopMost());
    rig.form->SettingsB->Click();  // a second request does nothing
    EXPECT_OK(rig.form->TrayIconDblClick());
  });
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(rig.form->FormPersist->TopMost());

  rig.form->FormCaption->ClickButton(0);  // pinned
  rig.Open([&](TSetupForm& d) { EXPECT_TRUE(d.TopMost()); });
  EXPECT_TRUE(rig.form->FormPersist->TopMost());

  // A tray double click with action 2 opens the dialog.
  rig.SetLabel("TrayAction", "2");
  opened = 0;
  rig.backend.onModal = [&](ui::Window&) { ++opened; };
  EXPECT_OK(rig.form->TrayIconDblClick());
  EXPECT_EQ(opened, 1);
}

// Each setting alone given a value unlike its initial one: the dialog shows it
// in its own control, the control is changed, and Save writes the change to
// that setting and to no other. A mix-up of two settings fails some row.
TEST(SetupForm, EachControlLoadsAndSavesItsOwnSetting) {
  using Dialog = TSetupForm;
  struct Row {
    const char* label;
    const char* stored;
    std::function<bool(Dialog&)> shows;
    std::function<void(Dialog&)> change;
    const char* saved;
  };
  auto box = [](ui::CheckBox* Dialog::*field, bool on) {
    return std::function<bool(Dialog&)>([field, on](Dialog& d) { return (d.*field)->Checked() == on; });
  };
  auto click = [](ui::CheckBox* Dialog::*field) {
    return std::function<void(Dialog&)>([field](Dialog& d) { (d.*field)->Click(); });
  };
  const Row rows[] = {
      {"CloseToTray", "1", box(&Dialog::ClsToTray, false), click(&Dialog::ClsToTray), "0"},
      {"CloseReport", "1", box(&Dialog::Rep, false), click(&Dialog::Rep), "0"},
      {"ClearBord", "0", box(&Dialog::CBoard, true), click(&Dialog::CBoard), "1"},
      {"DoBeep", "1", box(&Dialog::Beep, false), click(&Dialog::Beep), "0"},
      {"RAMCritical", "0", box(&Dialog::RAMLevel, true), click(&Dialog::RAMLevel), "1"},
      {"CPUCheck", "1", box(&Dialog::CPULevel, false), click(&Dialog::CPULevel), "0"},
      {"DefragWhenStart", "0", box(&Dialog::AutoFree, true), click(&Dialog::AutoFree), "1"},
      {"Log", "1", box(&Dialog::Log, false), click(&Dialog::Log), "0"},
      {"StartMinimized", "1", box(&Dialog::AutoMin, false), click(&Dialog::AutoMin), "0"},
      {"MinimizeToTray", "1", box(&Dialog::TrayMinimize, false), click(&Dialog::TrayMinimize), "0"},
      {"RAMLevel", "40", [](Dialog& d) { return d.RAMLevel_->Value() == 40; },
       [](Dialog& d) { d.RAMLevel_->SetValue(50); }, "50"},
      {"CPUCriticalLevel", "60", [](Dialog& d) { return d.CLevel->Value() == 60; },
       [](Dialog& d) { d.CLevel->SetValue(70); }, "70"},
      {"ReportDelay", "5000", [](Dialog& d) { return d.RDelay->Value() == 5; },
       [](Dialog& d) { d.RDelay->SetValue(9); }, "9000"},
      {"Priority", "2", [](Dialog& d) { return d.CPU->ItemIndex() == 2; }, [](Dialog& d) { d.CPU->Choose(0); }, "0"},
      {"TrayType", "0", [](Dialog& d) { return d.TDisp->ItemIndex() == 0; }, [](Dialog& d) { d.TDisp->Choose(2); }, "2"},
      {"TrayAction", "1", [](Dialog& d) { return d.LAction->ItemIndex() == 1; },
       [](Dialog& d) { d.LAction->Choose(0); }, "0"},
      {"AHotKey", "Q", [](Dialog& d) { return d.AHotKey->Key() == 'Q'; }, [](Dialog& d) { d.AHotKey->SetKey('W'); }, "W"},
      {"FHotKey", "K", [](Dialog& d) { return d.FHotKey->Key() == 'K'; }, [](Dialog& d) { d.FHotKey->SetKey('L'); }, "L"},
      {"RHotKey", "M", [](Dialog& d) { return d.RHotKey->Key() == 'M'; }, [](Dialog& d) { d.RHotKey->SetKey('N'); }, "N"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    fakes::FakeSystem sys;
    DialogRig rig(sys);
    std::map<std::string, std::string> before;
    for (const auto& s : settings::kSettingLabels) before[s.name] = rig.Label(s.name);
    rig.SetLabel(row.label, row.stored);
    bool shown = false;
    rig.Open([&](TSetupForm& d) {
      shown = row.shows(d);
      row.change(d);
      d.Save->Click();
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(rig.backend.errors.empty());
    for (const auto& [name, value] : before) {
      const std::string want = name == row.label ? row.saved : value;
      EXPECT_EQ(rig.Label(name.c_str()), want) << name;
      EXPECT_EQ(Text(rig.Stored(name.c_str())), want) << name;
    }
  }
}

// After a loading error the controls it never reached show the settings as
// they stand, so Save writes back what the user had, not the Default values.
TEST(SetupForm, SaveAfterALoadingErrorKeepsWhatTheUserHad) {
  fakes::FakeSystem sys;
  DialogRig rig(sys);
  rig.SetLabel("Priority", "x");  // the sixth step fails
  rig.SetLabel("StartMinimized", "1");
  EXPECT_OK(settings::SetStartWithWindows(sys.registry, "C:\\Brantelle\\"));
  std::map<std::string, std::string> before;
  for (const auto& s : settings::kSettingLabels) before[s.name] = rig.Label(s.name);
  rig.Open([](TSetupForm& d) { d.Save->Click(); });
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  for (const auto& [name, value] : before)
    EXPECT_EQ(rig.Label(name.c_str()), name == "Priority" ? "1" : value) << name;  // an unreadable one: its initial value
  EXPECT_NE(sys.registry.Get(kRun, "Brantelle"), nullptr);
  EXPECT_FALSE(rig.form->AutoTimer->Enabled());
}

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/FormPersist.h"
#include "unit/settings/SettingsRig.h"
#include "ui/Menu.h"

using namespace settings_test;
using gauges::TSensor;
namespace reg = platform::reg;

namespace {

const char* kLanguages[] = {"Eng", "Rus", "UA", "Bul", "Pol", "Ger", "Chi", "Fr", "Ital"};
const char* kGauges[] = {"CPUUsage", "RAMLoading", "RAMUsage", "SwapUsage"};

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// Every persisted property given a value other than its initial one.
void ChangeEverything(Rig& rig) {
  auto& f = *rig.form;
  int n = 0;
  for (const auto& entry : fakes::SettingsLayout())
    if (entry.second.count("Caption"))
      f.Find(entry.first.substr(entry.first.find('\\') + 1))->SetCaption("v" + std::to_string(++n));
  f.FormCaption->SetDown(0, true);
  f.FormPersist->SetTopMost(true);
  f.TryTo->SetChecked(true);
  f.TrackBar->SetPosition(200);
  f.TrackBar->SetVisible(true);
  for (const char* item : {"DispRep", "AutoOpt", "DisAuto", "CD", "Poweroff", "CDpop", "PoweroffP"})
    rig.Get<ui::MenuItem>(item).SetChecked(false);
  rig.Get<ui::MenuItem>("StayOnTop").SetChecked(true);
  f.FreeingReport->SetChecked(false);
  f.AutoTimer->SetInterval(600000);
  f.AutoTimer->SetEnabled(true);
  rig.Get<ui::MenuItem>("Chi").SetChecked(true);
  uint32_t c = 0x101010;
  for (const char* g : kGauges) {
    auto& s = rig.Get<TSensor>(g);
    s.SetStyle3D(true);
    s.SetSensType(gauges::stPie);
    s.SetBorder(gauges::sbsRised);
    s.SetBackColor(c += 0x10);
    s.SetColor(c += 0x10);
    s.SetColor3D(c += 0x10);
    s.SetColorBack3D(c += 0x10);
    gfx::Font font = s.Font();
    font.color = c += 0x10;
    s.SetFont(font);
  }
  gfx::Font font = f.TrayIcon->Font();
  font.color = gfx::clRed;
  f.TrayIcon->SetFont(font);
}

// What a restore must bring back, as one comparable text per property.
std::vector<std::string> Snapshot(Rig& rig) {
  auto& f = *rig.form;
  std::vector<std::string> s;
  for (const auto& entry : fakes::SettingsLayout())
    if (entry.second.count("Caption")) s.push_back(f.Find(entry.first.substr(9))->Caption());
  s.push_back(std::to_string(f.FormCaption->Down(0)) + std::to_string(f.FormPersist->TopMost()) +
              std::to_string(f.Auto->Checked()) + std::to_string(f.TryTo->Checked()) +
              std::to_string(f.FreeingReport->Checked()) + std::to_string(f.TrackBar->Visible()));
  s.push_back(std::to_string(f.TrackBar->Position()) + " " + std::to_string(f.AutoTimer->Interval()) +
              " " + std::to_string(f.AutoTimer->Enabled()));
  for (const char* item : {"DispRep", "AutoOpt", "DisAuto", "StayOnTop", "CD", "Poweroff", "CDpop", "PoweroffP"})
    s.push_back(item + std::to_string(rig.Get<ui::MenuItem>(item).Checked()));
  for (const char* item : kLanguages) s.push_back(item + std::to_string(rig.Get<ui::MenuItem>(item).Checked()));
  for (const char* g : kGauges) {
    auto& x = rig.Get<TSensor>(g);
    s.push_back(std::to_string(x.Style3D()) + " " + std::to_string(x.SensType()) + " " +
                std::to_string(x.Border()) + " " + std::to_string(x.BackColor()) + " " +
                std::to_string(x.Color()) + " " + std::to_string(x.Color3D()) + " " +
                std::to_string(x.ColorBack3D()) + " " + std::to_string(x.Font().color));
  }
  s.push_back(std::to_string(f.TrayIcon->Font().color));
  return s;
}

void SaveAll(Rig& rig) {
  rig.form->FormPersist->SaveProperties();
  rig.form->FormPersist->SaveWindowState();
}

}  // namespace

// The start-up language step saves the properties: their initial values are
// stored at once, the window values only when the window goes.
TEST(FormPersist, FirstStartCreatesTheKeysAndStoresTheInitialProperties) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  std::vector<std::string> expected;
  for (const auto& entry : fakes::SettingsLayout()) expected.push_back(Key(entry.first));
  EXPECT_EQ(Sorted(sys.registry.KeysUnder(fakes::kSettingsRoot)), Sorted(expected));
  EXPECT_TRUE(sys.registry.ValueNames(Key("MainForm")).empty());
  const platform::RegValue* level = sys.registry.Get(Key("MainForm\\RAMLevel"), "Caption");
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(std::string(level->data.begin(), level->data.end()), std::string("15", 3));
  EXPECT_EQ(rig.form->Setting("RAMLevel"), "15");  // initial values kept
  EXPECT_TRUE(rig.form->Auto->Checked());
  EXPECT_EQ(rig.form->IniFile->CurrentKey(), "\\");
}

TEST(FormPersist, ASaveWritesExactlyTheLayout) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  SaveAll(rig);
  const auto layout = fakes::SettingsLayout();
  std::vector<std::string> keys;
  for (const auto& [below, values] : layout) {
    keys.push_back(Key(below));
    std::vector<std::string> names;
    for (const auto& [name, type] : values) {
      names.push_back(name);
      const auto* v = sys.registry.Get(Key(below), name);
      ASSERT_NE(v, nullptr) << below << " " << name;
      EXPECT_EQ(v->type, type) << below << " " << name;
      if (type == reg::kDword) {
        EXPECT_EQ(v->data.size(), 4u) << below << " " << name;
      }
    }
    EXPECT_EQ(Sorted(sys.registry.ValueNames(Key(below))), Sorted(names)) << below;
  }
  EXPECT_EQ(Sorted(sys.registry.KeysUnder(fakes::kSettingsRoot)), Sorted(keys));
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\RAMLevel"), "Caption")->data, (std::vector<uint8_t>{'1', '5', 0}));
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\AutoTimer"), "Interval")->data,
            (std::vector<uint8_t>{0xA0, 0xBB, 0x0D, 0}));  // 900000
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\RAMUsage\\Font"), "Color")->data,
            (std::vector<uint8_t>{0, 0xFF, 0, 0}));  // lime
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\RAMUsage"), "Border")->data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST(FormPersist, EveryListedPropertyRoundTrips) {
  fakes::FakeSystem sys;
  std::vector<std::string> saved;
  {
    Rig first(sys);
    ChangeEverything(first);
    saved = Snapshot(first);
    SaveAll(first);
  }
  fakes::FakeSystem fresh;
  Rig initial(fresh);
  const auto defaults = Snapshot(initial);
  ASSERT_EQ(defaults.size(), saved.size());
  size_t changed = 0;
  for (size_t i = 0; i < saved.size(); ++i) changed += saved[i] != defaults[i];
  EXPECT_EQ(changed, saved.size() - 7);  // all but the seven languages left unchecked

  Rig second(sys);
  EXPECT_EQ(Snapshot(second), saved);
  EXPECT_FALSE(second.form->Auto->Checked());
  EXPECT_TRUE(second.form->TopMost());  // applied to the window
  EXPECT_TRUE(second.backend.errors.empty());
}

TEST(FormPersist, RestoringHasTheEffectsOfCode) {
  fakes::FakeSystem sys;
  for (const char* item : {"Ger", "Ital", "Rus"}) sys.registry.PutDword(Key(std::string("MainForm\\") + item), "Checked", 1);
  sys.registry.PutDword(Key("MainForm\\TryTo"), "Checked", 1);
  sys.registry.PutDword(Key("MainForm\\TrackBar"), "Position", 100000);
  Rig rig(sys);
  for (const char* item : kLanguages)  // the last checked in list order wins
    EXPECT_EQ(rig.Get<ui::MenuItem>(item).Checked(), std::string(item) == "Ital") << item;
  EXPECT_FALSE(rig.form->Auto->Checked());  // the radio group cleared
  EXPECT_EQ(rig.form->TrackBar->Position(), 256);  // limited to the maximum

  Rig early(sys, {"/W"}, false);
  early.form->FormPersist->RestoreProperties();  // before the slider is scaled
  EXPECT_EQ(early.form->TrackBar->Position(), early.form->TrackBar->Max());
}

TEST(FormPersist, AnAutomaticIntervalUnderAMinuteRestoresAsOne) {
  const struct { uint32_t stored, restored; } rows[] = {
      {0, 60000}, {1, 60000}, {999, 60000}, {59999, 60000}, {60000, 60000}, {900000, 900000}, {6000000, 6000000}};
  for (const auto& row : rows) {
    fakes::FakeSystem sys;
    sys.registry.PutDword(Key("MainForm\\AutoTimer"), "Interval", row.stored);
    Rig rig(sys);
    EXPECT_EQ(rig.form->AutoTimer->Interval(), row.restored) << row.stored;
  }
}

TEST(FormPersist, StoredTypesAreReadByTheStoresRules) {
  fakes::FakeSystem sys;
  sys.registry.PutDword(Key("MainForm\\RAMLevel"), "Caption", 20);
  sys.registry.PutString(Key("MainForm\\TrackBar"), "Position", "5");
  sys.registry.Put(Key("MainForm\\FreeingReport"), "Checked", reg::kDword, {0, 0});
  sys.registry.Put(Key("MainForm\\DoBeep"), "Caption", reg::kMultiSz, {'1', 0, '2', 0, 0});
  sys.registry.Put(Key("MainForm\\Log"), "Caption", reg::kBinary, {0x30});
  sys.registry.PutDword(Key("MainForm\\CPUUsage"), "SensType", 9);  // no such style
  sys.registry.PutDword(Key("MainForm\\RAMUsage"), "Border", 0xFFFFFFFF);
  sys.registry.PutDword(Key("MainForm\\Auto"), "checked", 0);  // value names ignore case
  Rig rig(sys);
  EXPECT_EQ(*rig.form->Number("RAMLevel"), 20);
  EXPECT_EQ(rig.form->TrackBar->Position(), 1);
  EXPECT_TRUE(rig.form->FreeingReport->Checked());
  EXPECT_EQ(rig.form->Setting("DoBeep"), "1\r\n2");
  EXPECT_EQ(rig.form->Setting("Log"), "454C 1 30 ");
  EXPECT_FALSE(rig.form->FlagOn("Log"));
  EXPECT_EQ(rig.Get<TSensor>("CPUUsage").SensType(), gauges::stDiagramm);
  EXPECT_EQ(rig.Get<TSensor>("RAMUsage").Border(), gauges::sbsLowered);
  EXPECT_FALSE(rig.form->Auto->Checked());
}

TEST(FormPersist, HostileValuesNeverCrashOrLoosenTheRules) {
  fakes::FakeSystem sys;
  const std::string huge(1 << 20, 'x');
  for (const auto& [below, values] : fakes::SettingsLayout())
    for (const auto& [name, type] : values) {
      if (type == reg::kSz) {
        sys.registry.PutString(Key(below), name, huge);
      } else {
        sys.registry.Put(Key(below), name, reg::kBinary, {1, 0, 0, 0});
        sys.registry.Put(Key(below), name + "\x01\xFF<>\\", reg::kDword, {1, 0, 0, 0});
      }
    }
  sys.registry.Put(Key("MainForm"), "State", reg::kDword, {1});
  Rig rig(sys);
  EXPECT_EQ(rig.form->Setting("RAMLevel"), huge);
  EXPECT_FALSE(rig.form->Number("RAMLevel").Ok());
  EXPECT_TRUE(rig.form->Auto->Checked());  // binary where a DWORD belongs: ignored
  EXPECT_EQ(rig.form->TrackBar->Position(), 1);
  rig.app.Run();
  EXPECT_FALSE(rig.app.Minimized());
  EXPECT_TRUE(rig.backend.errors.empty());
}

TEST(FormPersist, AComponentKeyThatCannotBeOpenedIsSkipped) {
  fakes::FakeSystem sys;
  sys.registry.FailOpening(Key("MainForm\\Auto"));
  Rig rig(sys);
  rig.form->FreeingReport->SetChecked(false);
  SaveAll(rig);
  EXPECT_FALSE(sys.registry.HasKey(Key("MainForm\\Auto")));
  EXPECT_EQ(sys.registry.Get(Key("MainForm"), "Checked"), nullptr);  // nothing landed a level up
  ASSERT_NE(sys.registry.Get(Key("MainForm\\TrackBar"), "Position"), nullptr);
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\FreeingReport"), "Checked")->data[0], 0);
  EXPECT_EQ(rig.form->IniFile->CurrentKey(), "\\");
}

TEST(FormPersist, WindowValuesComeBack) {
  fakes::FakeSystem sys;
  sys.registry.PutDword(Key("MainForm"), "Left", 33);
  sys.registry.PutDword(Key("MainForm"), "Top", static_cast<uint32_t>(-4));
  sys.registry.PutDword(Key("MainForm"), "Topmost", 1);
  Rig rig(sys);
  EXPECT_EQ(rig.form->Left(), 33);
  EXPECT_EQ(rig.form->Top(), -4);
  EXPECT_TRUE(rig.form->FormPersist->TopMost());
  EXPECT_TRUE(rig.form->TopMost());

  fakes::FakeSystem onlyLeft;
  onlyLeft.registry.PutDword(Key("MainForm"), "Left", 33);
  Rig other(onlyLeft);
  EXPECT_EQ(other.form->Left(), 0);  // both or nothing
}

TEST(FormPersist, StoredMinimizedStateMinimizesAtStartUp) {
  fakes::FakeSystem sys;
  sys.registry.PutDword(Key("MainForm"), "State", 1);
  Rig rig(sys);  // "/W": StartMinimized is not what does it
  EXPECT_FALSE(rig.app.Minimized());
  rig.app.Run();  // the posted minimize arrives
  EXPECT_TRUE(rig.app.Minimized());
  EXPECT_EQ(rig.form->State(), ui::WindowState::Normal);

  fakes::FakeSystem maximized;
  maximized.registry.PutDword(Key("MainForm"), "State", 2);
  Rig big(maximized);
  EXPECT_EQ(big.form->State(), ui::WindowState::Maximized);
}

TEST(FormPersist, EveryHideSavesAndEveryShowRestores) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  rig.form->FreeingReport->SetChecked(false);
  rig.app.Minimize();
  EXPECT_EQ(sys.registry.Get(Key("MainForm\\FreeingReport"), "Checked")->data[0], 0);
  EXPECT_EQ(sys.registry.Get(Key("MainForm"), "State")->data[0], 0);  // not minimized yet when hidden

  // Toggled from the tray while hidden, without a save: the show sets it back.
  rig.Get<ui::MenuItem>("DispRep").SetChecked(false);
  rig.app.Restore();
  EXPECT_TRUE(rig.Get<ui::MenuItem>("DispRep").Checked());

  rig.form->Hide();
  rig.form->Find("RAMLevel")->SetCaption("40");
  rig.form->Show();
  EXPECT_EQ(rig.form->Setting("RAMLevel"), "15");
}

TEST(FormPersist, DestroyingWritesTheWindowValuesOnly) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  rig.form->MoveTo(70, 80);
  rig.form->Find("RAMLevel")->SetCaption("40");  // changed, then the program ends unhidden
  rig.form->ExitRequested = true;
  rig.form->Close();
  EXPECT_EQ(sys.registry.Get(Key("MainForm"), "Left")->data[0], 70);
  const platform::RegValue* level = sys.registry.Get(Key("MainForm\\RAMLevel"), "Caption");
  ASSERT_NE(level, nullptr);  // as the start stored it
  EXPECT_EQ(std::string(level->data.begin(), level->data.end()), std::string("15", 3));

  fakes::FakeSystem tray;
  Rig hidden(tray);
  hidden.app.Minimize();
  hidden.form->MoveTo(5, 6);
  hidden.form->ExitRequested = true;
  hidden.form->Close();  // hidden by the minimize, and saved then: nothing more
  EXPECT_EQ(tray.registry.Get(Key("MainForm"), "State")->data[0], 0);
  EXPECT_NE(tray.registry.Get(Key("MainForm"), "Left")->data[0], 5);
}

namespace {
struct RecordingPeer : ui::Peer {
  std::vector<ui::Prop>& log;
  explicit RecordingPeer(std::vector<ui::Prop>& l) : log(l) {}
  void Changed(ui::Prop p) override { log.push_back(p); }
};
}  // namespace

TEST(FormPersist, TopMostIsAppliedAgainWhenTheApplicationIsDeactivated) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  std::vector<ui::Prop> log;
  rig.form->AttachPeer(std::make_unique<RecordingPeer>(log));
  rig.app.Deactivated();
  EXPECT_EQ(std::count(log.begin(), log.end(), ui::Prop::TopMost), 0);
  rig.form->FormPersist->SetTopMost(true);
  log.clear();
  rig.app.Deactivated();
  EXPECT_EQ(std::count(log.begin(), log.end(), ui::Prop::TopMost), 1);
  rig.form->AttachPeer(nullptr);
}

TEST(Settings, FlagsNumbersAndHotKeysAreReadAtEachUse) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  auto& f = *rig.form;
  for (const char* off : {"1", "", "00", " 0", "0 "}) {
    f.Find("Log")->SetCaption(off);
    EXPECT_FALSE(f.FlagOn("Log")) << '"' << off << '"';
  }
  f.Find("Log")->SetCaption("0");
  EXPECT_TRUE(f.FlagOn("Log"));
  EXPECT_EQ(f.HotKey("RHotKey"), 'T');
  f.Find("RHotKey")->SetCaption("t");
  EXPECT_EQ(f.HotKey("RHotKey"), 0x74);  // F5, not the letter
  f.Find("RHotKey")->SetCaption("");
  EXPECT_EQ(f.HotKey("RHotKey"), 0);
  f.Find("ReportDelay")->SetCaption("2500");
  EXPECT_EQ(*f.Number("ReportDelay"), 2500);
  f.Find("ReportDelay")->SetCaption("25 s");
  ui::Dispatch(rig.app, [&] { return ui::Status(f.Number("ReportDelay")); });
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_EQ(rig.backend.errors[0], "Brantelle: '25 s' is not a valid integer value");
  EXPECT_EQ(f.Setting("ReportDelay"), "25 s");
}

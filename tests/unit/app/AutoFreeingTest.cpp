#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Errors.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

using namespace app;

namespace {

constexpr const char* kLog = "C:\\Brantelle\\log.txt";

class Form : public TMainForm {
 public:
  using TMainForm::TMainForm;
  int reports = 0;
  void ShowFreeingReport() override { ++reports; }
};

// 64 MB installed: the automatic amount is 16 MB, everything is 64 MB.
struct AutoRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<Form> form;

  explicit AutoRig(const char* arg = "/W", std::function<void(Form&)> beforeStart = {}) {
    sys.memory.figures.totalPhys = 64u << 20;
    sys.memory.figures.availPhys = 40u << 20;
    sys.environment.args.push_back(arg);
    form = std::make_unique<Form>(app, sys.system);
    if (beforeStart) beforeStart(*form);
    StartUp(app, *form);
  }
  void Set(const char* label, const char* text) { form->Find(label)->SetCaption(text); }
  void SetFreeMb(double mb) { sys.memory.figures.availPhys = static_cast<uint64_t>(mb * 1048576); }
  int Count(const std::string& what) {
    const std::string& log = sys.textFiles.files[kLog];
    int n = 0;
    for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1)) ++n;
    return n;
  }
  int Runs() { return Count("Brantelle started freeing RAM"); }
  int AutoLines() { return Count("    Brantelle started \"AutoFree Now\""); }
  void PressHotKey(int virtualKey) { form->NotifyHotKey(sys.hotKeys.IdOf(virtualKey)); }
};

}  // namespace

TEST(AutoFreeing, ProcessorGuardHoldsBackAtAndAboveTheRoundedCeiling) {
  AutoRig rig;
  auto& f = *rig.form;
  for (double busy : {25.0, 25.5, 80.0}) {
    f.CPUUsage->SetValue(busy);
    EXPECT_OK(f.AutoFree());
  }
  EXPECT_EQ(rig.Runs(), 0);
  EXPECT_EQ(rig.AutoLines(), 0);
  EXPECT_FALSE(f.SilentRun);

  f.CPUUsage->SetValue(24.5);  // rounds to 24
  EXPECT_OK(f.AutoFree());
  EXPECT_EQ(rig.AutoLines(), 1);
  EXPECT_EQ(rig.Runs(), 1);
  EXPECT_EQ(rig.sys.blocks.commits, 16);
  EXPECT_EQ(f.reports, 0);

  rig.Set("CPUCheck", "1");  // guard off: any load runs
  f.CPUUsage->SetValue(100);
  f.TryTo->SetChecked(true);
  f.TrackBar->SetPosition(5);
  EXPECT_OK(f.AutoFree());
  EXPECT_EQ(rig.sys.blocks.commits, 16 + 5);

  rig.backend.onProcessMessages = [&] { EXPECT_OK(f.AutoFree()); };  // the timer during a run
  EXPECT_OK(f.AutoFree());
  EXPECT_EQ(rig.Runs(), 3);
  EXPECT_EQ(rig.AutoLines(), 3);
}

TEST(AutoFreeing, LowMemoryTriggerFiresAtTheRoundedLevelAndNeverInsideARun) {
  AutoRig rig("/W", [](Form& f) { f.Find("RAMCritical")->SetCaption("0"); });
  auto& f = *rig.form;
  EXPECT_EQ(rig.Runs(), 0);  // 40 MB free at start-up
  rig.SetFreeMb(15.5);       // rounds to 16
  f.Timer->Tick();
  EXPECT_EQ(rig.Runs(), 0);
  rig.SetFreeMb(15.4);
  f.Timer->Tick();
  EXPECT_EQ(rig.Runs(), 1);  // memory is still low at the run's own closing tick
  f.Timer->Tick();
  EXPECT_EQ(rig.Runs(), 2);
  f.CPUUsage->SetValue(30);
  f.Timer->Tick();
  EXPECT_EQ(rig.Runs(), 2);
  rig.Set("RAMCritical", "1");
  f.CPUUsage->SetValue(0);
  f.Timer->Tick();
  EXPECT_EQ(rig.Runs(), 2);

  AutoRig low("/W", [](Form& f) {
    f.Find("RAMCritical")->SetCaption("0");
    f.Find("RAMLevel")->SetCaption("50");
  });
  EXPECT_EQ(low.Runs(), 1);  // from the start-up display tick
}

TEST(AutoFreeing, TwinMenuItemsSwitchTheTimerAndTheStatusPanel) {
  AutoRig rig;
  auto& f = *rig.form;
  auto first = [&] {
    EXPECT_TRUE(f.DisAuto->Checked());
    EXPECT_TRUE(f.AutoOpt->Checked());
    EXPECT_FALSE(f.AutoTimer->Enabled());
    EXPECT_EQ(f.StatusBar->PanelAt(2).text, "OFF");
  };
  first();
  f.DisAuto->Click();
  EXPECT_FALSE(f.DisAuto->Checked());
  EXPECT_FALSE(f.AutoOpt->Checked());
  EXPECT_TRUE(f.AutoTimer->Enabled());
  EXPECT_EQ(f.StatusBar->PanelAt(2).text, "ON");
  f.AutoTimer->Tick();
  EXPECT_EQ(rig.AutoLines(), 1);
  f.DisAuto->Click();
  first();
  f.AutoOpt->Click();
  EXPECT_TRUE(f.AutoTimer->Enabled());
  EXPECT_FALSE(f.DisAuto->Checked());
  f.AutoOpt->Click();
  first();

  // Marks that disagree (an edited registry): the chosen item takes the
  // other's opposite, the timer follows the chosen one, the other follows it.
  f.DisAuto->SetChecked(true);
  f.AutoOpt->SetChecked(false);
  f.AutoOpt->Click();
  EXPECT_FALSE(f.AutoOpt->Checked());
  EXPECT_FALSE(f.DisAuto->Checked());
  EXPECT_TRUE(f.AutoTimer->Enabled());
  EXPECT_EQ(f.StatusBar->PanelAt(2).text, "ON");
}

TEST(AutoFreeing, HotKeysAreRegisteredFromTheKeySettingsAndReleasedWithTheWindow) {
  AutoRig rig;
  auto& keys = rig.sys.hotKeys;
  ASSERT_EQ(keys.registered.size(), 3u);
  for (int vk : {'A', 'D', 'T'}) {
    const int id = keys.IdOf(vk);
    EXPECT_NE(id, 0) << char(vk);
    EXPECT_EQ(keys.registered[id].window, 0x1000u);
  }
  EXPECT_EQ(keys.IdOf('A'), keys.atoms["AutoFreeHotKey"]);
  EXPECT_EQ(keys.IdOf('D'), keys.atoms["DefragAllHotKey"]);
  EXPECT_EQ(keys.IdOf('T'), keys.atoms["RestoreHotKey"]);

  // As the settings dialog applies new keys: release, then register anew.
  rig.Set("RHotKey", "t");  // F5
  rig.Set("FHotKey", "");
  keys.takenKeys.insert('A');
  rig.form->UnregisterHotKeys();
  rig.form->RegisterHotKeys();
  EXPECT_EQ(keys.registered.size(), 1u);
  EXPECT_NE(keys.IdOf(0x74), 0);
  EXPECT_EQ(keys.IdOf(0), 0);  // the empty key registers nothing, not Ctrl+Alt alone
  EXPECT_EQ(keys.IdOf('A'), 0);
  EXPECT_EQ(keys.atomRefs.size(), 3u);  // all three kept, the empty key's too
  for (const auto& [atom, refs] : keys.atomRefs) EXPECT_EQ(refs, 1) << atom;

  rig.form->ExitRequested = true;  // a real exit, not a close to the tray
  rig.form->Close();
  EXPECT_TRUE(keys.registered.empty());
  EXPECT_TRUE(keys.atomRefs.empty());

  AutoRig oneShot("/OPT");
  EXPECT_TRUE(oneShot.sys.hotKeys.registered.empty());
  EXPECT_EQ(oneShot.Runs(), 1);
}

TEST(AutoFreeing, HotKeysFreeSilentlyAndRestore) {
  AutoRig rig;
  auto& f = *rig.form;
  f.CPUUsage->SetValue(99);
  rig.PressHotKey('D');  // everything, even with a busy processor
  EXPECT_EQ(rig.sys.blocks.commits, 64);
  EXPECT_EQ(rig.AutoLines(), 0);
  EXPECT_EQ(f.reports, 0);

  rig.PressHotKey('A');  // held back by the guard, yet the next run stays silent
  EXPECT_EQ(rig.Runs(), 1);
  EXPECT_TRUE(f.SilentRun);
  EXPECT_OK(f.GoClick());
  EXPECT_EQ(rig.Runs(), 2);
  EXPECT_EQ(f.reports, 0);
  EXPECT_OK(f.GoClick());
  EXPECT_EQ(f.reports, 1);

  f.CPUUsage->SetValue(0);
  rig.PressHotKey('A');
  EXPECT_EQ(rig.AutoLines(), 1);

  const int restores = rig.backend.restores;
  rig.PressHotKey('T');
  EXPECT_EQ(rig.backend.restores, restores + 1);
  f.NotifyHotKey(0x7777);  // not ours
  EXPECT_EQ(rig.Runs(), 4);
}

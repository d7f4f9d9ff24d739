#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/RecordingCanvas.h"
#include "ui/Headless.h"

using namespace app;

namespace {

struct ToolsRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;

  explicit ToolsRig(bool win98 = false) {
    if (win98) sys.tools.version.SetWin98();
    sys.memory.SetMb(256, 128);
    sys.environment.args.push_back("/W");
    form = std::make_unique<TMainForm>(app, sys.system);
    StartUp(app, *form);
  }
  ui::MenuItem& Item(const char* name) { return *form->FindAs<ui::MenuItem>(name); }
  void Click(const char* name) { Item(name).Click(); }
  std::vector<fakes::DrawOp> Paint(const char* picture) {
    fakes::RecordingCanvas canvas(14, 360);
    auto* p = form->FindAs<ui::Picture>(picture);
    if (p->OnPaint) p->OnPaint(canvas);
    return canvas.ops;
  }
  bool SamePicture(const char* a, const char* b) {
    const auto x = Paint(a), y = Paint(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
      if (x[i].kind != y[i].kind || x[i].pen != y[i].pen || x[i].ink != y[i].ink || x[i].text != y[i].text)
        return false;
    return true;
  }
};

}  // namespace

TEST(CacheTuningEntries, OnNtTheyAreGreyedAndTheStripShowsItsDisabledPicture) {
  ToolsRig rig;
  EXPECT_FALSE(rig.form->CacheTuningAvailable());
  EXPECT_FALSE(rig.form->Find("Left")->Enabled());
  EXPECT_FALSE(rig.Item("vcache").Enabled());
  EXPECT_FALSE(rig.Item("vcache_pop").Enabled());
  EXPECT_FALSE(rig.form->Find("Left_disabled")->Visible());
  EXPECT_FALSE(rig.Paint("Left").empty());
  EXPECT_TRUE(rig.SamePicture("Left", "Left_disabled"));
  // A disabled strip does not react.
  int clicks = 0;
  auto* left = rig.form->FindAs<ui::Picture>("Left");
  left->OnClick = [&] { ++clicks; };
  left->Click();
  EXPECT_EQ(clicks, 0);
  // The other tools stay available.
  for (const char* item : {"CPU", "Wizard", "EjectCD", "ClDoc", "CC", "IECache", "ElMenuItem16", "Bios", "TOFF"})
    EXPECT_TRUE(rig.Item(item).Enabled()) << item;
}

TEST(CacheTuningEntries, OnWindows98TheyAreAvailableWithTheirOwnPicture) {
  ToolsRig rig(true);
  EXPECT_TRUE(rig.form->CacheTuningAvailable());
  EXPECT_TRUE(rig.form->Find("Left")->Enabled());
  EXPECT_TRUE(rig.Item("vcache").Enabled());
  EXPECT_TRUE(rig.Item("vcache_pop").Enabled());
  EXPECT_FALSE(rig.SamePicture("Left", "Left_disabled"));
}

TEST(ShutdownMenu, TwinCheckItemsAlwaysAgree) {
  ToolsRig rig;
  for (auto [main, tray] : {std::pair{"Poweroff", "PoweroffP"}, std::pair{"CD", "CDpop"}}) {
    EXPECT_TRUE(rig.Item(main).Checked() && rig.Item(tray).Checked());
    rig.Click(tray);
    EXPECT_FALSE(rig.Item(main).Checked()) << main;
    EXPECT_FALSE(rig.Item(tray).Checked()) << tray;
    rig.Click(main);
    EXPECT_TRUE(rig.Item(main).Checked() && rig.Item(tray).Checked()) << main;
    rig.Click(main);
    EXPECT_FALSE(rig.Item(main).Checked() || rig.Item(tray).Checked()) << main;
  }
}

TEST(ShutdownMenu, EachItemRunsItsActionWithTheCheckItemsAndAsksNothing) {
  const struct {
    const char* item;
    bool powerOff, cd;
    uint32_t flags;
    int doorOpened;
  } cases[] = {
      {"ShutdownM", true, true, 9, 1},     {"ShutdownP", false, true, 1, 1},
      {"ForceShutdownP", true, false, 13, 0}, {"ForceRestartM", true, true, 6, 0},
      {"RestartP", false, false, 2, 0},    {"LogOffM", true, true, 0, 0},
      {"LogOffP", false, false, 0, 0},
  };
  for (const auto& c : cases) {
    ToolsRig rig;
    if (!c.powerOff) rig.Click("Poweroff");
    if (!c.cd) rig.Click("CDpop");
    rig.Click(c.item);
    EXPECT_EQ(rig.sys.tools.power.exits, std::vector<uint32_t>{c.flags}) << c.item;
    EXPECT_EQ(rig.sys.tools.media.doorOpened, c.doorOpened) << c.item;
    EXPECT_TRUE(rig.sys.tools.boxes.shown.empty()) << c.item;
    EXPECT_EQ(rig.form->TurnOff->IfCDThen, c.cd ? tools::TIsCD::Eject : tools::TIsCD::Nothing);
  }
}

TEST(ToolsMenu, MainAndTrayItemsCallTheSameTools) {
  ToolsRig rig;
  auto& t = rig.sys.tools;
  for (const char* item : {"EjectCD", "ElMenuItem41"}) rig.Click(item);
  ASSERT_EQ(t.media.sent.size(), 2u);
  EXPECT_EQ(t.media.sent[1].command, "Set cdaudio Door Open Wait");
  EXPECT_FALSE(t.media.sent[1].wantReply);
  EXPECT_EQ(t.media.sent[1].callbackWindow, rig.backend.NativeHandle(*rig.form));

  for (const char* item : {"ClDoc", "ElMenuItem38"}) rig.Click(item);
  EXPECT_EQ(t.shell.recentCleared, 2);
  for (const char* item : {"CC", "CCPop"}) rig.Click(item);
  EXPECT_EQ(rig.sys.clipboard.empties, 2);

  for (const char* item : {"ElMenuItem16", "ElMenuItem18"}) rig.Click(item);
  for (const char* item : {"Bios", "ElMenuItem33"}) rig.Click(item);  // no BIOS key: no box
  t.boxes.answer = platform::BoxAnswer::No;
  for (const char* item : {"IECache", "ElMenuItem9"}) rig.Click(item);
  ASSERT_EQ(t.boxes.shown.size(), 4u);
  EXPECT_EQ(t.boxes.shown[0].caption, "Windows Uptime");
  EXPECT_EQ(t.boxes.shown[1].caption, "Windows Uptime");
  EXPECT_EQ(t.boxes.shown[3].caption, "Confirmation");

  rig.sys.registry.PutString("HARDWARE\\DESCRIPTION\\System", "SystemBiosDate", "06/15/05",
                             platform::RegRoot::LocalMachine);
  rig.Click("ElMenuItem33");  // a date without a version is a read error too
  EXPECT_EQ(t.boxes.shown.size(), 4u);
  rig.sys.registry.Put("HARDWARE\\DESCRIPTION\\System", "SystemBiosVersion", platform::reg::kMultiSz,
                       {'V', '1', 0, 0}, platform::RegRoot::LocalMachine);
  rig.Click("ElMenuItem33");
  EXPECT_EQ(t.boxes.shown.back().text, "Bios Date: 06/15/05\r\nBIOS Version: V1\r\n");
}

TEST(ToolsMenu, WizardAndHelpStartFromTheProgramsFolder) {
  ToolsRig rig;
  auto& t = rig.sys.tools;
  t.shell.result = 2;  // neither file exists
  rig.Click("ElMenuItem3");
  rig.Click("ElMenuItem12");
  EXPECT_TRUE(t.boxes.shown.empty());
  rig.Click("ElMenuItem32");
  ASSERT_EQ(t.shell.executed.size(), 3u);
  EXPECT_EQ(t.shell.executed[0].path, "C:\\Brantelle\\Brantelle.chm");
  EXPECT_EQ(t.shell.executed[2].path, "C:\\Brantelle\\wizard.exe");
  ASSERT_EQ(t.boxes.shown.size(), 1u);
  EXPECT_EQ(t.boxes.shown[0].caption, "Information");
}

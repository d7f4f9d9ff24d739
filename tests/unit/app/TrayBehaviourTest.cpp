#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Errors.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

using namespace app;
using platform::NotifyOp;

namespace {

struct TrayRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;

  TrayRig() {
    sys.memory.SetMb(250, 116);  // 46.4 % free
    sys.environment.args.push_back("/W");
    form = std::make_unique<TMainForm>(app, sys.system);
    StartUp(app, *form);
  }
  void Set(const char* label, const char* value) { form->Find(label)->SetCaption(value); }
  void DoubleClick() { sys.notifyArea.DeliverMouse(1, platform::kLButtonDblClk); }
  bool BackgroundIs(size_t i) const {
    return form->TrayIcon->BackgroundIcon() == form->ImageList1->Image(i);
  }
};

}  // namespace

TEST(TrayBehaviour, RefreshShowsMegabytesOrPercentOverTheBandsBackground) {
  TrayRig rig;
  rig.sys.memory.figures.availPhys = 123456789;
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->TrayIcon->Text(), "118");
  EXPECT_EQ(rig.sys.notifyArea.Last().op, NotifyOp::Add);
  EXPECT_EQ(rig.sys.notifyArea.Last().data.tip, rig.form->StatusBar->PanelAt(0).text);

  rig.Set("TrayType", "2");
  rig.sys.memory.SetMb(250, 116);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->TrayIcon->Text(), "46");
  const struct { uint64_t freeMb; size_t band; } bands[] = {{62, 0}, {65, 1}, {185, 2}, {250, 3}};
  for (const auto& b : bands) {
    rig.sys.memory.SetMb(250, b.freeMb);
    rig.form->Timer->Tick();
    EXPECT_TRUE(rig.BackgroundIs(b.band)) << b.freeMb;
  }

  rig.Set("TrayType", "0");
  rig.form->TrayModeSwitch();
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.sys.notifyArea.Last().data.icon, fakes::FakeNotifyArea::kProgramIcon);
}

TEST(TrayBehaviour, RunAnimatesWithTheRunningHintAndEndsOnTheNumber) {
  TrayRig rig;
  std::map<uint32_t, unsigned> cycles;
  std::string tip;
  rig.backend.onProcessMessages = [&] {
    cycles = rig.sys.notifyArea.cycles;
    tip = rig.sys.notifyArea.Last().data.tip;
  };
  rig.form->SilentRun = true;
  EXPECT_OK(rig.form->DefragMem->Defrag(2));
  EXPECT_EQ(cycles.at(1), 200u);
  EXPECT_EQ(tip, "Brantelle is optimizing your memory ...");
  EXPECT_TRUE(rig.sys.notifyArea.cycles.empty());
  EXPECT_EQ(rig.form->TrayIcon->Text(), "116");
  EXPECT_EQ(rig.form->TrayIcon->IconList(), nullptr);
}

TEST(TrayBehaviour, DoubleClickActsByTrayActionAndAlwaysEndsRestored) {
  TrayRig rig;
  rig.Set("TrayAction", "3");
  rig.DoubleClick();
  EXPECT_EQ(rig.backend.minimizes, 1);
  EXPECT_FALSE(rig.app.Minimized());

  rig.Set("TrayAction", "1");
  rig.form->Go->SetEnabled(false);  // a run in progress
  rig.DoubleClick();
  EXPECT_EQ(rig.sys.blocks.commits, 0);
  EXPECT_FALSE(rig.app.Minimized());

  rig.form->Go->SetEnabled(true);
  rig.DoubleClick();
  EXPECT_GT(rig.sys.blocks.commits, 0);  // the automatic amount, a quarter of 250 MB

  rig.Set("TrayAction", "x");
  rig.app.Minimize();
  rig.DoubleClick();
  EXPECT_FALSE(rig.app.Minimized());
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_NE(rig.backend.errors[0].find("'x' is not a valid integer value"), std::string::npos);
}

TEST(TrayBehaviour, CloseGoesToTheTrayUnlessExitOrTheSessionEndAskedForIt) {
  TrayRig rig;
  rig.form->Close();
  EXPECT_FALSE(rig.form->Destroyed());
  EXPECT_TRUE(rig.app.Minimized());
  EXPECT_EQ(rig.backend.hides, 1);  // minimize to tray: the task bar button goes

  rig.app.Restore();  // settings changed while hidden would be restored by the show
  rig.Set("MinimizeToTray", "1");
  rig.form->Minimize->Click();
  EXPECT_TRUE(rig.app.Minimized());
  EXPECT_EQ(rig.backend.hides, 1);

  rig.app.Restore();
  rig.Set("CloseToTray", "1");
  rig.form->Close();
  EXPECT_TRUE(rig.form->Destroyed());

  TrayRig session;
  ASSERT_TRUE(session.form->OnQueryEndSession());
  session.form->Close();
  EXPECT_TRUE(session.form->Destroyed());

  TrayRig exiting;
  exiting.form->FindAs<ui::MenuItem>("Exit_")->Click();
  EXPECT_TRUE(exiting.form->Destroyed());
}

TEST(TrayBehaviour, StayOnTopTwinsAndTheModalHandOver) {
  TrayRig rig;
  auto* item = rig.form->FindAs<ui::MenuItem>("StayOnTop");
  item->Click();
  EXPECT_TRUE(item->Checked());
  EXPECT_TRUE(rig.form->TopMost());
  EXPECT_TRUE(rig.form->FormCaption->Down(0));

  ui::Window dialog(rig.app, "SetupForm");
  rig.form->BeginModalOnTop(dialog);
  EXPECT_TRUE(dialog.TopMost());
  EXPECT_FALSE(rig.form->TopMost());
  rig.form->EndModalOnTop();
  EXPECT_TRUE(rig.form->TopMost());

  rig.form->FormCaption->ClickButton(0);  // the pin, released
  EXPECT_FALSE(item->Checked());
  EXPECT_FALSE(rig.form->FormPersist->TopMost());
  rig.form->BeginModalOnTop(dialog);
  EXPECT_FALSE(dialog.TopMost());
  rig.form->EndModalOnTop();
  EXPECT_FALSE(rig.form->TopMost());
}

TEST(TrayBehaviour, IconComesBackWhenTheTaskBarIsRecreated) {
  TrayRig rig;
  const size_t before = rig.sys.notifyArea.calls.size();
  rig.sys.notifyArea.DeliverTaskbarCreated();
  ASSERT_EQ(rig.sys.notifyArea.calls.size(), before + 1);
  EXPECT_EQ(rig.sys.notifyArea.Last().op, NotifyOp::Add);
  EXPECT_NE(rig.sys.notifyArea.Last().data.icon, 0u);
}

TEST(TrayBehaviour, TrayMenuOpensInTheForegroundAfterPendingMessages) {
  TrayRig rig;
  int foregroundsWhilePumping = -1;
  rig.backend.onProcessMessages = [&] { foregroundsWhilePumping = rig.backend.foregrounds; };
  rig.sys.notifyArea.DeliverMouse(1, platform::kRButtonDown);
  EXPECT_EQ(foregroundsWhilePumping, 1);
  EXPECT_EQ(rig.backend.popups, 1);
}

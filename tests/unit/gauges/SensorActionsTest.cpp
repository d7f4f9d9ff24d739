#include <gtest/gtest.h>

#include "gauges/MoreFrm.h"
#include "settings/SetupFrm.h"
#include "unit/settings/SettingsRig.h"

using gauges::TMoreForm;
using settings_test::Rig;

namespace {

bool Checked(Rig& rig, const char* item) { return rig.Get<ui::MenuItem>(item).Checked(); }

std::vector<gauges::TSensType> Styles(Rig& rig) {
  std::vector<gauges::TSensType> s;
  for (auto* g : rig.form->SensorGauges()) s.push_back(g->SensType());
  return s;
}

}  // namespace

TEST(SensorActions, StylesAreOneRadioGroupThatTheCheckedOneLeaves) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  EXPECT_TRUE(Checked(rig, "Dia") && Checked(rig, "DiaPop"));
  EXPECT_EQ(rig.Get<ui::MenuItem>("PiePop").Caption(), "Pie");
  rig.Get<ui::MenuItem>("Pie").Click();
  EXPECT_EQ(Styles(rig), std::vector<gauges::TSensType>(4, gauges::stPie));
  EXPECT_TRUE(Checked(rig, "Pie") && Checked(rig, "PiePop"));
  EXPECT_FALSE(Checked(rig, "Dia") || Checked(rig, "DiaPop"));

  rig.Get<ui::MenuItem>("PiePop").Click();  // again: only the check mark goes
  for (const char* item : {"Dia", "Bond", "Col", "Dig", "Pie", "PiePop"}) EXPECT_FALSE(Checked(rig, item)) << item;
  EXPECT_EQ(Styles(rig), std::vector<gauges::TSensType>(4, gauges::stPie));
  rig.form->SyncSensorActions();
  EXPECT_TRUE(Checked(rig, "Pie") && Checked(rig, "PiePop"));

  rig.Get<ui::MenuItem>("Style3ds").Click();
  for (auto* g : rig.form->SensorGauges()) EXPECT_TRUE(g->Style3D());
  EXPECT_TRUE(Checked(rig, "Style3dpop"));
  rig.Get<ui::MenuItem>("Style3dpop").Click();
  for (auto* g : rig.form->SensorGauges()) EXPECT_FALSE(g->Style3D());
}

TEST(SensorActions, TheDialogsStyleIsSyncedIntoTheMenusAfterSave) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  rig.backend.onModal = [](ui::Window& w) {
    auto& d = dynamic_cast<settings::TSetupForm&>(w);
    d.SensType->Choose(3);
    d.Style3D->Click();
    d.Save->Click();
  };
  rig.form->SettingsB->Click();
  EXPECT_EQ(Styles(rig), std::vector<gauges::TSensType>(4, gauges::stDigital));
  EXPECT_TRUE(Checked(rig, "Dig") && Checked(rig, "Style3dpop"));
}

TEST(ColorWindow, ShowsTheReferenceGaugeAndGivesAllFourItsChoices) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  rig.form->CPUUsage->SetBackColor(gfx::clWhite);  // only this one, elsewhere
  rig.form->RAMLoading->SetColor3D(0x00123456);
  int opened = 0;
  rig.backend.onChooseColor = [](uint32_t& c) {
    c = 0x00ABCDEF;
    return true;
  };
  rig.backend.onModal = [&](ui::Window& w) {
    auto& m = dynamic_cast<TMoreForm&>(w);
    ++opened;
    EXPECT_EQ(m.Caption(), "Sensors Settings");
    EXPECT_EQ(m.ClientWidth(), 253);
    EXPECT_EQ(m.BackColor->Selected(), gfx::clBlack);
    EXPECT_EQ(m.Color3D->ItemIndex(), ui::ColorBox::kCustomIndex);
    EXPECT_EQ(m.Border->ItemIndex(), gauges::sbsLowered);
    rig.form->ColorSetClick();  // already open: nothing
    m.Color->Choose(9);  // Red
    m.Font->Choose(ui::ColorBox::kCustomIndex);
    m.Border->Choose(2);
    m.SaveB->Click();
  };
  rig.Get<ui::MenuItem>("ColorSetpop").Click();
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(gauges::MoreFormOpen());
  for (auto* g : rig.form->SensorGauges()) {
    EXPECT_EQ(g->BackColor(), gfx::clBlack);
    EXPECT_EQ(g->Color(), 0x000000FFu);
    EXPECT_EQ(g->Color3D(), 0x00123456u);
    EXPECT_EQ(g->Font().color, 0x00ABCDEFu);
    EXPECT_EQ(g->Border(), gauges::sbsRised);
  }

  // A cancelled colour dialog keeps the colour; Close applies nothing.
  rig.backend.onChooseColor = nullptr;
  rig.backend.onModal = [&](ui::Window& w) {
    auto& m = dynamic_cast<TMoreForm&>(w);
    m.Color->Choose(ui::ColorBox::kCustomIndex);
    EXPECT_EQ(m.Color->Selected(), 0x000000FFu);
    m.Border->Choose(0);
    m.CloseB->Click();
  };
  rig.form->ColorSetClick();
  EXPECT_EQ(rig.form->SwapUsage->Border(), gauges::sbsRised);
}

TEST(ColorWindow, OpensFromTheDialogWithItsOnTopStyle) {
  fakes::FakeSystem sys;
  Rig rig(sys);
  rig.form->FormPersist->SetTopMost(true);
  bool moreOnTop = false;
  rig.backend.onModal = [&](ui::Window& w) {
    if (auto* d = dynamic_cast<settings::TSetupForm*>(&w)) {
      d->MoreButton->Click();
      return;
    }
    moreOnTop = w.TopMost();
  };
  rig.form->SettingsB->Click();
  EXPECT_TRUE(moreOnTop);
}

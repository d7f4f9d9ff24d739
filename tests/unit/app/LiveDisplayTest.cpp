#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

using namespace app;

namespace {

constexpr gfx::Color kRed = 0x000000FF, kLime = 0x0000FF00;

struct DisplayRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;

  DisplayRig() {
    sys.memory.figures.totalPhys = 267894784;  // 255.48 MB
    sys.memory.figures.availPhys = 50u << 20;
    sys.environment.args.push_back("/W");
    sys.environment.version = "3.5";
    form = std::make_unique<TMainForm>(app, sys.system);
    StartUp(app, *form);
  }
  void SetFreeBytes(uint64_t bytes) { sys.memory.figures.availPhys = bytes; }
};

}  // namespace

TEST(LiveDisplay, TitleAndStatusTextFollowFreeMemory) {
  DisplayRig rig;
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->Caption(), "Brantelle 3.5 : 20% RAM free (50 Mb)");
  EXPECT_EQ(rig.form->StatusBar->PanelAt(0).text,
            "52428800 (50 Mb) bytes free/ 267894784 (255 Mb) bytes installed");
  EXPECT_EQ(rig.form->StatusBar->PanelAt(0).hint, "This area displays memory information and statistics.");
  rig.SetFreeBytes(100u << 20);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->Caption(), "Brantelle 3.5 : 39% RAM free (100 Mb)");
}

TEST(LiveDisplay, MemoryUsageGaugeTurnsRedAtTheRoundedThreshold) {
  DisplayRig rig;
  rig.form->Find("RAMCritical")->SetCaption("0");
  rig.SetFreeBytes(static_cast<uint64_t>(15.4 * 1048576));
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->RAMLoading->Font().color, kRed);
  rig.SetFreeBytes(static_cast<uint64_t>(15.5 * 1048576));  // rounds to 16
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->RAMLoading->Font().color, kLime);
  rig.form->Find("RAMCritical")->SetCaption("1");
  rig.SetFreeBytes(0);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->RAMLoading->Font().color, kLime);
}

TEST(LiveDisplay, ProcessorGaugeIsRedOnlyAboveTheCeilingAndTakesTheSwapGaugesColour) {
  DisplayRig rig;
  rig.form->CPUUsage->SetValue(25.4);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->CPUUsage->Font().color, kLime);  // 25 is not above 25
  rig.form->CPUUsage->SetValue(25.6);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->CPUUsage->Font().color, kRed);
  rig.form->Find("CPUCheck")->SetCaption("1");
  gfx::Font white = rig.form->SwapUsage->Font();
  white.color = 0x00FFFFFF;
  rig.form->SwapUsage->SetFont(white);
  rig.form->Timer->Tick();
  EXPECT_EQ(rig.form->CPUUsage->Font().color, 0x00FFFFFFu);
  EXPECT_EQ(rig.form->RAMLoading->Font().color, 0x00FFFFFFu);
}

TEST(LiveDisplay, ABadThresholdStopsTheTickInTheErrorBox) {
  DisplayRig rig;
  rig.form->Find("CPUCriticalLevel")->SetCaption("high");
  rig.backend.errors.clear();
  rig.form->Timer->Tick();
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_NE(rig.backend.errors[0].find("'high' is not a valid integer value"), std::string::npos);
  EXPECT_EQ(rig.form->Caption(), "Brantelle 3.5 : 20% RAM free (50 Mb)");  // texts came first
}

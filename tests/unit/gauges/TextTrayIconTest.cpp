#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/Fakes.h"
#include "gauges/TextTrayIcon.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using fakes::DrawOp;
using gauges::TTextTrayIcon;
using platform::NotifyOp;

namespace {

struct TrayRig {
  fakes::FakeNotifyArea area;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "Form"};
  ui::Menu& menu = window.Add<ui::Menu>("PopupMenu", true);
  TTextTrayIcon& tray = window.Add<TTextTrayIcon>("TrayIcon", area);
  uint32_t Id() const { return 1; }  // the first icon of the area
  DrawOp TextOp() const {
    for (const auto& op : area.lastImageOps)
      if (op.kind == DrawOp::Text) return op;
    return {};
  }
};

gfx::IconImage Filled(gfx::Color c) {
  gfx::IconImage image;
  image.pixels.fill(c);
  return image;
}

}  // namespace

TEST(TextTrayIcon, NumberIsCentredOnePixelHighAndWideTextStartsLeftOfTheIcon) {
  TrayRig rig;  // recording metrics: 6 pixels per character, 13 high
  rig.tray.SetOptions({0, -1, 0});
  rig.tray.SetText("46");
  DrawOp op = rig.TextOp();
  EXPECT_EQ(op.text, "46");
  EXPECT_EQ(op.points.at(0), (gfx::Point{1, 0}));
  EXPECT_EQ(op.font.name, "Arial");
  EXPECT_TRUE(op.font.bold);
  EXPECT_EQ(op.font.height, -11);
  rig.tray.SetText("1234");
  EXPECT_EQ(rig.TextOp().points.at(0), (gfx::Point{-4, 0}));  // (15 - 24) div 2 truncates
  rig.tray.SetText("");
  EXPECT_EQ(rig.TextOp().kind, DrawOp::Line);  // no text drawn: the bare background
}

TEST(TextTrayIcon, KeyColourIsTheInverseOfTheInkWhenBothWouldBeEqual) {
  TrayRig rig;
  rig.tray.SetText("5");
  EXPECT_EQ(rig.area.lastImageOps.back().kind, DrawOp::Text);
  auto fills = [&] {
    std::vector<gfx::Color> v;
    for (const auto& op : rig.area.lastImageOps)
      if (op.kind == DrawOp::Rectangle) v.push_back(op.brush);
    return v;
  };
  EXPECT_EQ(fills(), std::vector<gfx::Color>{gfx::clBtnFace});
  rig.tray.SetColor(gfx::clBlack);  // the ink's colour
  EXPECT_EQ(fills().back(), gfx::clWhite);
  EXPECT_EQ(rig.TextOp().ink, gfx::clBlack);
}

TEST(TextTrayIcon, CompositionKeepsTextOverBackgroundAndClearsTheKey) {
  const gfx::Color key = 0x00C0C0C0, ink = gfx::clBlack, face = gfx::clLime;
  gfx::IconImage text = Filled(key);
  text.Set({7, 7}, ink);
  gfx::IconImage background = Filled(face);
  background.Set({0, 0}, gfx::clRed, true);  // a transparent corner
  background.Set({1, 0}, key);                // a pixel that happens to be the key

  const gfx::IconImage icon = gauges::ComposeTrayIcon(&background, text, key, false);
  EXPECT_EQ(icon.At({7, 7}), ink);
  EXPECT_FALSE(icon.ClearAt({7, 7}));
  EXPECT_EQ(icon.At({5, 5}), face);
  EXPECT_FALSE(icon.ClearAt({5, 5}));
  EXPECT_TRUE(icon.ClearAt({0, 0}));
  EXPECT_TRUE(icon.ClearAt({1, 0}));

  const gfx::IconImage bare = gauges::ComposeTrayIcon(nullptr, text, key, false);
  EXPECT_FALSE(bare.ClearAt({5, 5}));
  EXPECT_TRUE(gauges::ComposeTrayIcon(nullptr, text, key, true).ClearAt({5, 5}));
}

TEST(TextTrayIcon, DoubleClickRunsTheHandlerThenTheDefaultItemAndNothingWhileDisabled) {
  TrayRig rig;
  std::vector<std::string> order;
  rig.tray.SetPopupMenu(&rig.menu);
  rig.tray.OnDblClick = [&] { order.push_back("dbl"); };
  auto& plain = rig.window.Add<ui::MenuItem>(&rig.menu, "Plain");
  plain.OnClick = [&] { order.push_back("plain"); };
  rig.area.DeliverMouse(rig.Id(), platform::kLButtonDblClk);
  EXPECT_EQ(order, std::vector<std::string>{"dbl"});  // no default item

  auto& restore = rig.window.Add<ui::MenuItem>(&rig.menu, "Restore");
  restore.SetDefault(true);
  restore.OnClick = [&] { order.push_back("restore"); };
  rig.area.DeliverMouse(rig.Id(), platform::kLButtonDblClk);
  EXPECT_EQ(order, (std::vector<std::string>{"dbl", "dbl", "restore"}));

  rig.area.DeliverMouse(rig.Id(), platform::kRButtonDown);
  EXPECT_EQ(rig.backend.popups, 1);
  rig.area.cursorKnown = false;
  rig.area.DeliverMouse(rig.Id(), platform::kRButtonDown);
  EXPECT_EQ(rig.backend.popups, 1);

  rig.area.cursorKnown = true;
  rig.tray.SetEnabled(false);
  rig.area.DeliverMouse(rig.Id(), platform::kLButtonDblClk);
  rig.area.DeliverMouse(rig.Id(), platform::kRButtonDown);
  EXPECT_EQ(order.size(), 3u);
  EXPECT_EQ(rig.backend.popups, 1);
}

TEST(TextTrayIcon, AnimationCyclesTwelvePicturesUntilTextIsAssigned) {
  TrayRig rig;
  std::vector<gfx::IconImage> frames;
  for (int i = 0; i < 12; ++i) frames.push_back(Filled(gfx::Rgb(i, 0, 0)));
  auto& list = rig.window.Add<gauges::TImageList>("ImageList", frames);
  rig.tray.SetIconVisible(true);
  rig.tray.SetIconList(&list);
  rig.tray.SetCycleInterval(200);
  rig.tray.SetCycleIcons(true);
  EXPECT_EQ(rig.area.cycles.at(rig.Id()), 200u);
  EXPECT_EQ(rig.area.Shown(), frames[0]);
  for (int tick = 1; tick <= 12; ++tick) {
    rig.area.DeliverCycle(rig.Id());
    EXPECT_EQ(rig.area.Shown(), frames[tick % 12]) << tick;
  }
  rig.tray.SetText("9");
  EXPECT_TRUE(rig.area.cycles.empty());
  EXPECT_FALSE(rig.tray.CycleIcons());
}

TEST(TextTrayIcon, PresenceTipAndShellRestart) {
  fakes::FakeNotifyArea area;
  {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Window window{app, "Form"};
    auto& tray = window.Add<TTextTrayIcon>("TrayIcon", area);
    area.DeliverTaskbarCreated();
    EXPECT_TRUE(area.calls.empty());  // not shown yet: stays away
    tray.SetHint(std::string(200, 'x'));
    EXPECT_TRUE(area.calls.empty());
    tray.SetIconVisible(true);
    EXPECT_EQ(area.Last().op, NotifyOp::Add);
    EXPECT_EQ(area.Last().data.tip, std::string(127, 'x'));
    area.DeliverTaskbarCreated();
    EXPECT_EQ(area.Last().op, NotifyOp::Add);
    EXPECT_EQ(area.calls.size(), 2u);
    tray.SetShowHint(false);
    EXPECT_EQ(area.Last().op, NotifyOp::Modify);
    EXPECT_EQ(area.Last().data.tip, "");
  }
  EXPECT_EQ(area.Last().op, NotifyOp::Delete);  // the window took its icon along
  area.DeliverMouse(1, platform::kLButtonDblClk);  // a late message finds nobody
}

TEST(TextTrayIcon, InkOfTheKeysValueStillShowsAndIsNeverBlended) {
  TrayRig rig;
  gfx::Font font = rig.tray.Font();
  font.color = 0x00C0C0C0;  // the value of the button face, the key
  rig.tray.SetFont(font);
  rig.tray.SetText("5");
  gfx::Color key = 0;
  for (const auto& op : rig.area.lastImageOps)
    if (op.kind == DrawOp::Rectangle) key = op.brush;
  EXPECT_EQ(key, 0x003F3F3Fu);
  EXPECT_FALSE(rig.TextOp().font.antialiased);
  EXPECT_TRUE(rig.tray.Font().antialiased);  // the property itself is untouched
}

TEST(TextTrayIcon, IconBitsAreBlueFirstWithAMaskBitPerTransparentPixel) {
  gfx::IconImage image;
  image.Set({0, 0}, 0x00112233);           // red 0x33, green 0x22, blue 0x11
  image.Set({9, 0}, gfx::clRed, true);     // transparent whatever its colour
  image.Set({15, 15}, gfx::clWhite, true);
  const gfx::IconBits bits = gfx::ToIconBits(image);
  EXPECT_EQ(bits.color[0], 0x00332211u);
  EXPECT_EQ(bits.color[9], 0u);
  EXPECT_EQ(bits.color[255], 0u);
  EXPECT_EQ(bits.mask[0], 0x00);
  EXPECT_EQ(bits.mask[1], 0x40);   // x 9: second byte of the row, second bit from the top
  EXPECT_EQ(bits.mask[31], 0x01);  // the last pixel: the last bit of the last padded row
  for (size_t i = 2; i < 31; ++i) EXPECT_EQ(bits.mask[i], 0) << i;
}

TEST(TextTrayIcon, EveryIconMadeIsFreedExactlyOnce) {
  fakes::FakeNotifyArea area;
  {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Window window{app, "Form"};
    auto& frames = window.Add<gauges::TImageList>("ImageList", gauges::RunAnimationFrames());
    auto& tray = window.Add<TTextTrayIcon>("TrayIcon", area);
    tray.SetIconVisible(true);
    tray.SetText("12");
    tray.SetText("13");
    tray.SetIconList(&frames);
    tray.SetCycleInterval(200);
    tray.SetCycleIcons(true);
    for (int i = 0; i < 14; ++i) area.DeliverCycle(1);
    tray.SetIconList(nullptr);
    tray.SetProgramIcon();
    tray.SetText("14");
  }
  ASSERT_GT(area.madeIcons.size(), 15u);
  std::vector<platform::IconHandle> made, freed = area.freed;
  for (size_t i = 0; i < area.madeIcons.size(); ++i)
    made.push_back(fakes::FakeNotifyArea::kFirstIcon + static_cast<platform::IconHandle>(i));
  std::sort(freed.begin(), freed.end());
  EXPECT_EQ(freed, made);
}

TEST(TextTrayIcon, OnlyChangesReachTheShellAndOnlyANewTextDrawsAnIcon) {
  TrayRig rig;
  rig.tray.SetIconVisible(true);
  rig.tray.SetHint("512 free");
  rig.tray.SetText("512");
  const size_t calls = rig.area.calls.size(), icons = rig.area.madeIcons.size();
  // A tick that finds the same figures: the tip, the show flag and the
  // number are set again, and nothing is sent or drawn.
  rig.tray.SetHint("512 free");
  rig.tray.SetShowHint(rig.tray.ShowHint());
  rig.tray.SetText("512");
  EXPECT_EQ(rig.area.calls.size(), calls);
  EXPECT_EQ(rig.area.madeIcons.size(), icons);

  rig.tray.SetHint("511 free");
  ASSERT_EQ(rig.area.calls.size(), calls + 1);
  EXPECT_EQ(rig.area.Last().op, NotifyOp::Modify);
  EXPECT_EQ(rig.area.Last().data.tip, "511 free");
  rig.tray.SetText("511");
  EXPECT_EQ(rig.area.madeIcons.size(), icons + 1);
  EXPECT_EQ(rig.area.Last().data.icon, rig.area.kFirstIcon + icons);
}

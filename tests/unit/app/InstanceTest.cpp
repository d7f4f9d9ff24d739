#include <gtest/gtest.h>

#include "app/OneInstance.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"
#include "ui/Window.h"

using namespace app;

TEST(Instance, HandOverTextEndsEveryElementWithCrLf) {
  EXPECT_EQ(JoinHandOverText({"C:\\B\\Brantelle.exe", "/W"}), "C:\\B\\Brantelle.exe\r\n/W\r\n");
  EXPECT_EQ(SplitHandOverText("a\r\n/W\r\n"), (std::vector<std::string>{"a", "/W"}));
  EXPECT_EQ(SplitHandOverText("a\nb\rc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitHandOverText("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Instance, DecodingRefusesMalformedRecords) {
  const char good[] = "x\r\n";
  EXPECT_EQ(platform::DecodeHandOver(0, good, sizeof good).value(), "x\r\n");
  EXPECT_FALSE(platform::DecodeHandOver(1, good, sizeof good));          // other data id
  EXPECT_FALSE(platform::DecodeHandOver(0, good, 3));                   // no terminating zero
  EXPECT_FALSE(platform::DecodeHandOver(0, nullptr, 4));
  EXPECT_FALSE(platform::DecodeHandOver(0, good, 0));
  const char early[] = {'a', '\0', 'b', 'c'};
  EXPECT_EQ(platform::DecodeHandOver(0, early, sizeof early).value(), "a");  // stops at the zero
}

namespace {

struct GuardRig {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "MainForm"};
  fakes::FakeInstance channel;
  TElOneInstance& guard = window.Add<TElOneInstance>("OneInstance", channel);
};

}  // namespace

TEST(Instance, FirstCopyRegistersAndAnswersHandOvers) {
  GuardRig rig;
  std::vector<std::string> received;
  rig.guard.OnInstanceRun = [&](const std::vector<std::string>& p) { received = p; };
  ASSERT_TRUE(rig.guard.Loaded({"C:\\B.exe"}));
  EXPECT_TRUE(rig.guard.IsFirst());
  EXPECT_EQ(rig.channel.openedName, "Brantelle");
  EXPECT_EQ(rig.channel.block.mainWindow, 0x1000u);  // the owning form's handle
  EXPECT_EQ(rig.channel.block.appWindow, 0x2000u);   // the application's, not the form's again
  EXPECT_EQ(rig.channel.block.messageWindow, 0x20u);
  EXPECT_FALSE(rig.app.IsTerminated());
  rig.channel.onHandOver("C:\\B.exe\r\n/W\r\n");
  EXPECT_EQ(received, (std::vector<std::string>{"C:\\B.exe", "/W"}));
}

TEST(Instance, LaterCopyHandsItsCommandLineOverAndEnds) {
  GuardRig rig;
  rig.channel.result = platform::OpenResult::Existed;
  rig.channel.block = {0x400000, 0x11, 0x22, 0x33};
  uint32_t seenMain = 0;
  rig.guard.OnExists = [&](const platform::InstanceBlock& b, bool& doSwitch) {
    seenMain = b.mainWindow;
    doSwitch = true;
  };
  ASSERT_TRUE(rig.guard.Loaded({"C:\\B.exe", "/W"}));
  EXPECT_FALSE(rig.guard.IsFirst());
  EXPECT_EQ(seenMain, 0x22u);
  ASSERT_EQ(rig.channel.sent.size(), 1u);
  EXPECT_EQ(rig.channel.sent[0].first, 0x33u);
  EXPECT_EQ(rig.channel.sent[0].second, "C:\\B.exe\r\n/W\r\n");
  EXPECT_TRUE(rig.app.IsTerminated());
}

TEST(Instance, NoSwitchNoHandOverAndFailureIsReported) {
  GuardRig rig;
  rig.channel.result = platform::OpenResult::Existed;
  rig.guard.Loaded({"C:\\B.exe"});
  EXPECT_TRUE(rig.channel.sent.empty());
  EXPECT_TRUE(rig.app.IsTerminated());

  GuardRig failing;
  failing.channel.result = platform::OpenResult::Failed;
  EXPECT_FALSE(failing.guard.Loaded({"C:\\B.exe"}));
}

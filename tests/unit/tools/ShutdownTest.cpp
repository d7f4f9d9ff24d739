#include <gtest/gtest.h>

#include "fakes/FakeTools.h"
#include "tools/easyShutDown.h"

using tools::TActionType;
using tools::TIsCD;

namespace {

struct ShutdownRig {
  fakes::FakeTools fake;
  tools::TeasyShutDown turnOff{nullptr, "TurnOff", fake.tools};

  bool Run(TActionType action, bool force, bool poweroff, TIsCD cd) {
    turnOff.ActionType = action;
    turnOff.Force = force;
    turnOff.Poweroff = poweroff;
    turnOff.IfCDThen = cd;
    return turnOff.Execute();
  }
};

}  // namespace

TEST(Shutdown, EveryActionGivesTheFlagsOfItsRow) {
  const struct {
    TActionType action;
    bool force, poweroff;
    uint32_t flags;
  } rows[] = {
      {TActionType::Shutdown, false, false, 1}, {TActionType::Shutdown, true, false, 5},
      {TActionType::Shutdown, false, true, 9},  {TActionType::Shutdown, true, true, 13},
      {TActionType::Reboot, false, false, 2},   {TActionType::Reboot, false, true, 2},
      {TActionType::Reboot, true, false, 6},    {TActionType::Reboot, true, true, 6},
      {TActionType::Logoff, false, false, 0},   {TActionType::Logoff, false, true, 0},
      {TActionType::Logoff, true, false, 4},    {TActionType::Logoff, true, true, 4},
  };
  for (const auto& row : rows) {
    ShutdownRig rig;
    EXPECT_TRUE(rig.Run(row.action, row.force, row.poweroff, TIsCD::Nothing));
    ASSERT_EQ(rig.fake.power.exits.size(), 1u);
    EXPECT_EQ(rig.fake.power.exits[0], row.flags) << static_cast<int>(row.action) << row.force << row.poweroff;
    EXPECT_EQ(rig.fake.power.privilegeEnabled, 1);
    EXPECT_TRUE(rig.fake.media.sent.empty());
  }
}

TEST(Shutdown, AShutdownEjectsADiscThatIsReadyBeforeTheExitCall) {
  ShutdownRig rig;
  int doorAtExit = -1;
  rig.fake.power.onExit = [&] { doorAtExit = rig.fake.media.doorOpened; };
  EXPECT_TRUE(rig.Run(TActionType::Shutdown, false, true, TIsCD::Eject));
  ASSERT_EQ(rig.fake.media.sent.size(), 2u);
  EXPECT_EQ(rig.fake.media.sent[0].command, "Status cdaudio ready wait");
  EXPECT_TRUE(rig.fake.media.sent[0].wantReply);
  EXPECT_EQ(rig.fake.media.sent[0].callbackWindow, 0u);
  EXPECT_EQ(rig.fake.media.sent[1].command, "Set cdaudio door open wait");
  EXPECT_FALSE(rig.fake.media.sent[1].wantReply);
  EXPECT_EQ(doorAtExit, 1);
  EXPECT_EQ(rig.fake.power.exits, std::vector<uint32_t>{9});
}

TEST(Shutdown, OnlyTheExactReplyTrueOpensTheDoor) {
  // No drive gives an error text; the device's answer is compared as it stands.
  for (const char* reply : {"false", "TRUE", "true ", "", "The specified device is not open or is not recognized by MCI."}) {
    ShutdownRig rig;
    rig.fake.media.reply = reply;
    EXPECT_TRUE(rig.Run(TActionType::Shutdown, false, false, TIsCD::Eject));
    EXPECT_EQ(rig.fake.media.doorOpened, 0) << reply;
    EXPECT_EQ(rig.fake.power.exits, std::vector<uint32_t>{1});
  }
}

TEST(Shutdown, RestartsAndLogOffsLeaveTheDiscAlone) {
  for (TActionType action : {TActionType::Reboot, TActionType::Logoff}) {
    ShutdownRig rig;
    rig.Run(action, true, true, TIsCD::Eject);
    EXPECT_TRUE(rig.fake.media.sent.empty());
  }
}

TEST(Shutdown, TheQuestionModeAsksOnlyWithADiscAndCancelStopsEverything) {
  ShutdownRig rig;
  rig.turnOff.MessageString = "Remove the disc?";
  rig.fake.boxes.answer = platform::BoxAnswer::Cancel;
  EXPECT_FALSE(rig.Run(TActionType::Shutdown, false, false, TIsCD::Show_message));
  ASSERT_EQ(rig.fake.boxes.shown.size(), 1u);
  EXPECT_EQ(rig.fake.boxes.shown[0].text, "Remove the disc?");
  EXPECT_EQ(rig.fake.boxes.shown[0].buttons, platform::BoxButtons::YesNoCancel);
  EXPECT_TRUE(rig.fake.power.exits.empty());
  EXPECT_EQ(rig.fake.power.privilegeEnabled, 0);

  for (auto answer : {platform::BoxAnswer::Yes, platform::BoxAnswer::No}) {
    ShutdownRig go;
    go.fake.boxes.answer = answer;
    EXPECT_TRUE(go.Run(TActionType::Shutdown, false, false, TIsCD::Show_message));
    EXPECT_EQ(go.fake.media.doorOpened, 0);
    EXPECT_EQ(go.fake.power.exits, std::vector<uint32_t>{1});
  }

  ShutdownRig empty;
  empty.fake.media.reply = "false";
  empty.fake.boxes.answer = platform::BoxAnswer::Cancel;
  EXPECT_TRUE(empty.Run(TActionType::Shutdown, false, false, TIsCD::Show_message));
  EXPECT_TRUE(empty.fake.boxes.shown.empty());
}

TEST(Shutdown, ARefusedExitIsReportedAsFalse) {
  ShutdownRig rig;
  rig.fake.power.accept = false;
  EXPECT_FALSE(rig.Run(TActionType::Logoff, false, false, TIsCD::Nothing));
}

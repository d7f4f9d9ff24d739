#include <gtest/gtest.h>

#include "app/ActivityLog.h"
#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

using namespace app;

namespace {

constexpr const char* kLog = "C:\\Brantelle\\log.txt";

struct LogRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;

  explicit LogRig(std::vector<std::string> args = {"/W"}) {
    sys.memory.figures.totalPhys = 64u << 20;  // the automatic amount is 16 MB
    sys.memory.figures.availPhys = 30u << 20;
    sys.environment.args.insert(sys.environment.args.end(), args.begin(), args.end());
  }
  void Start() {
    form = std::make_unique<TMainForm>(app, sys.system);
    StartUp(app, *form);
  }
  ui::MenuItem& Item(const char* name) { return *form->FindAs<ui::MenuItem>(name); }
};

}  // namespace

TEST(ActivityLog, LineFormatAndPath) {
  EXPECT_EQ(LogLine("*** Brantelle started", "9:05:01 PM", "2/1/2024"),
            "*** Brantelle started at 9:05:01 PM 2/1/2024\r\n");
  fakes::FakeEnvironment env;
  env.folder = "D:\\Tools\\";
  EXPECT_EQ(LogFilePath(env), "D:\\Tools\\log.txt");
}

TEST(ActivityLog, InteractiveStartCreatesTheFileWithTheStartLineAndAppends) {
  LogRig rig;
  rig.Start();
  EXPECT_EQ(rig.sys.textFiles.files[kLog], "*** Brantelle started at 10:00:00 01.02.2024\r\n");
  rig.sys.clock.time = "10:30:00";
  rig.form->Exitb->Click();
  EXPECT_EQ(rig.sys.textFiles.files[kLog],
            "*** Brantelle started at 10:00:00 01.02.2024\r\n"
            "*** Brantelle closed at 10:30:00 01.02.2024\r\n");
}

TEST(ActivityLog, OneShotModeWritesItsRunLinesBeforeTheStartLineAndNoClosingLine) {
  LogRig rig({"/FREE", "20"});
  rig.sys.textFiles.files[kLog] = "earlier\r\n";
  rig.Start();
  EXPECT_TRUE(rig.app.IsTerminated());
  EXPECT_EQ(rig.sys.textFiles.files[kLog],
            "earlier\r\n"
            "    Brantelle started freeing RAM at 10:00:00 01.02.2024\r\n"
            "    Brantelle finished freeing RAM at 10:00:00 01.02.2024\r\n"
            "    Brantelle freeing 0 Mb at 10:00:00 01.02.2024\r\n"
            "*** Brantelle started at 10:00:00 01.02.2024\r\n");
  EXPECT_EQ(rig.sys.blocks.commits, 20);
}

TEST(ActivityLog, LogOffWritesNothingButTheMenuStillActs) {
  LogRig rig;
  rig.Start();
  rig.sys.textFiles.files[kLog] = "kept\r\n";
  rig.sys.textFiles.writes = 0;
  rig.form->Find("Log")->SetCaption("1");
  rig.form->Go->Click();
  EXPECT_EQ(rig.sys.textFiles.files[kLog], "kept\r\n");
  EXPECT_EQ(rig.sys.textFiles.writes, 0);

  rig.Item("ElMenuItem27").Click();
  ASSERT_EQ(rig.sys.opener.opened.size(), 1u);
  EXPECT_EQ(rig.sys.opener.opened[0].first, kLog);
  EXPECT_EQ(rig.sys.opener.opened[0].second, 0x1000u);  // owned by the main window
  rig.Item("ElMenuItem26").Click();
  EXPECT_EQ(rig.sys.textFiles.files[kLog], "");
  rig.Item("ElMenuItem23").Click();
  EXPECT_EQ(rig.sys.textFiles.files.count(kLog), 0u);
}

TEST(ActivityLog, ClearCreatesAMissingFileAndDeleteOfNoFileIsQuiet) {
  LogRig rig;
  rig.Start();
  rig.Item("ElMenuItem23").Click();
  rig.Item("ElMenuItem23").Click();
  EXPECT_EQ(rig.sys.textFiles.files.count(kLog), 0u);
  rig.Item("ElMenuItem26").Click();
  ASSERT_EQ(rig.sys.textFiles.files.count(kLog), 1u);
  EXPECT_EQ(rig.sys.textFiles.files[kLog], "");
  EXPECT_TRUE(rig.backend.errors.empty());
  EXPECT_EQ(rig.Item("ElMenuItem27").ShortCut(), "Ctrl+V");
  EXPECT_EQ(rig.Item("ElMenuItem26").ShortCut(), "Ctrl+C");
  EXPECT_EQ(rig.Item("ElMenuItem23").ShortCut(), "Ctrl+D");
}

TEST(ActivityLog, UnwritableFolderReportsTheErrorAndTheRunEndsNormally) {
  LogRig rig({"/W"});
  rig.sys.textFiles.readOnlyFolders.insert("C:\\Brantelle\\");
  rig.Start();
  ASSERT_EQ(rig.backend.errors.size(), 1u);  // the start line; start-up went on
  EXPECT_NE(rig.backend.errors[0].find("I/O error 5"), std::string::npos) << rig.backend.errors[0];
  EXPECT_TRUE(rig.form->Visible());
  rig.form->Go->Click();
  EXPECT_EQ(rig.backend.errors.size(), 4u);
  EXPECT_EQ(rig.sys.blocks.commits, 16);
  EXPECT_TRUE(rig.sys.blocks.held.empty());
  EXPECT_FALSE(rig.form->DefragMem->Busy());
  EXPECT_TRUE(rig.form->Go->Enabled());
  EXPECT_EQ(rig.form->Exitb->Caption(), "Exit");
  EXPECT_TRUE(rig.form->Timer->Running());
  EXPECT_FALSE(rig.form->SilentRun);
}

TEST(ActivityLog, UnwritableFolderDoesNotKeepAOneShotModeAlive) {
  LogRig rig({"/free", "4"});
  rig.sys.textFiles.readOnlyFolders.insert("C:\\Brantelle\\");
  rig.Start();
  EXPECT_EQ(rig.app.QuietErrorCount(), 4);  // no box: nothing would close it
  EXPECT_TRUE(rig.backend.errors.empty());
  EXPECT_TRUE(rig.app.IsTerminated());
}

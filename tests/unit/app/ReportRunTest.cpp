#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "i18n/IniLang.h"
#include "ui/Headless.h"

using namespace app;

namespace {

constexpr const char* kLog = "C:\\Brantelle\\log.txt";

struct ReportRunRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<TMainForm> form;

  ReportRunRig() {
    sys.memory.figures.totalPhys = 268435456;
    sys.memory.figures.availPhys = 41943040;
    sys.environment.args.push_back("/W");
    form = std::make_unique<TMainForm>(app, sys.system);
    StartUp(app, *form);
    sys.textFiles.files.erase(kLog);
    // The run frees memory at its first step.
    backend.onProcessMessages = [this] { sys.memory.figures.availPhys = 268435456; };
  }
  // Log lines without their time stamps.
  std::vector<std::string> Log() {
    std::vector<std::string> lines;
    const std::string& all = sys.textFiles.files[kLog];
    for (size_t at = 0; at < all.size();) {
      const size_t end = all.find("\r\n", at);
      const std::string line = all.substr(at, end - at);
      lines.push_back(line.substr(0, line.find(" at ")));
      at = end == std::string::npos ? all.size() : end + 2;
    }
    return lines;
  }
};

}  // namespace

TEST(ReportRun, GoOpensTheReportOnTopAndTheRunEndsAfterItCloses) {
  ReportRunRig rig;
  rig.form->FindAs<ui::MenuItem>("StayOnTop")->Click();
  int shown = 0;
  rig.backend.onModal = [&](ui::Window& w) {
    ++shown;
    auto& r = dynamic_cast<report::TReportForm&>(w);
    EXPECT_EQ(rig.form->Report(), &r);
    EXPECT_EQ(r.Label1->Caption(), "Free RAM before freeing: 40 Mb (16% )");
    EXPECT_EQ(r.ProgressBar1->Position(), 16);
    EXPECT_EQ(r.Label2->Caption(), "Free RAM now after freeing: 256 Mb (100% )");
    EXPECT_EQ(r.ProgressBar2->Position(), 100);
    EXPECT_TRUE(r.TopMost());
    EXPECT_FALSE(rig.form->TopMost());
    EXPECT_TRUE(rig.form->Go->Enabled());  // idle while the report shows
    EXPECT_EQ(rig.Log(), std::vector<std::string>{"    Brantelle started freeing RAM"});
    r.ElPopupButton3->Click();
    EXPECT_TRUE(r.Destroyed());
  };
  rig.form->Go->Click();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(rig.form->Report(), nullptr);
  EXPECT_TRUE(rig.form->TopMost());
  EXPECT_EQ(rig.Log(), (std::vector<std::string>{"    Brantelle started freeing RAM",
                                                 "    Brantelle finished freeing RAM",
                                                 "    Brantelle freeing 216 Mb"}));

  // A loaded language translates the window after its content is built.
  i18n::SetCurrentLanguage(i18n::LanguageTable::Parse(
      "[ReportForm]\nReportForm.Label2.Caption=Danach\nReportForm.Memo.lines[3]=---\n"));
  rig.backend.onModal = [&](ui::Window& w) {
    ++shown;
    auto& r = dynamic_cast<report::TReportForm&>(w);
    EXPECT_EQ(r.Label2->Caption(), "Danach");
    EXPECT_EQ(r.Memo->Lines().at(3), "---");
  };
  rig.form->Go->Click();
  i18n::SetCurrentLanguage(std::nullopt);
  EXPECT_EQ(shown, 2);

  rig.form->FreeingReport->Click();  // unchecked: no report
  rig.form->Go->Click();
  EXPECT_EQ(shown, 2);
}

TEST(ReportRun, ExitWhileTheReportIsOpenClosesItLetsTheRunEndAndThenEnds) {
  for (const char* exitItem : {"Exit_", "close box"}) {
    ReportRunRig rig;
    rig.form->Find("CloseToTray")->SetCaption("1");
    bool closedFromOutside = false;
    rig.backend.onModal = [&](ui::Window& w) {
      if (std::string(exitItem) == "Exit_") rig.form->FindAs<ui::MenuItem>("Exit_")->Click();
      else rig.form->Close();
      closedFromOutside = w.Destroyed();
      EXPECT_FALSE(rig.form->Destroyed());
      EXPECT_FALSE(rig.app.IsTerminated());
    };
    rig.form->Go->Click();
    EXPECT_TRUE(closedFromOutside) << exitItem;
    EXPECT_FALSE(rig.form->Destroyed());
    rig.backend.RunPosted();  // the message loop comes back to the close
    EXPECT_TRUE(rig.form->Destroyed()) << exitItem;
    EXPECT_TRUE(rig.app.IsTerminated());
    EXPECT_EQ(rig.Log(), (std::vector<std::string>{"    Brantelle started freeing RAM",
                                                   "    Brantelle finished freeing RAM",
                                                   "    Brantelle freeing 216 Mb",
                                                   "*** Brantelle closed"}))
        << exitItem;
  }
}

#include <gtest/gtest.h>

#include <limits>

#include "fakes/Fakes.h"
#include "report/ReportFrm.h"
#include "report/ReportOutput.h"
#include "ui/Headless.h"

using namespace report;

namespace {

struct ReportRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  TReportInputs in;

  ReportRig() {
    in.RunStartTime = "10:00:00", in.RunStartDate = "01.02.2024";
    in.RunEndTime = "10:01:05", in.RunEndDate = "01.02.2024";
    in.RunElapsedText = "Elapsed time: 1m 5s";
    in.FreeBeforeRun = 41943040;
    in.FreeAfterRun = 268435456;
    in.TotalMemory = 268435456;
    in.SwapValue = 50.4, in.SwapMaxValue = 200;
    in.CloseReport = "0", in.ReportDelay = "60000";
    sys.memory.figures.totalVirtual = 2147352576;
    sys.memory.figures.availVirtual = 2000000000;
  }
  std::unique_ptr<TReportForm> Make() { return std::make_unique<TReportForm>(app, sys.system, in); }
};

const std::vector<std::string> kLines = {
    "Started at: 10:00:00 01.02.2024",
    "Finished at: 10:01:05 01.02.2024",
    "Elapsed time: 1m 5s",
    "",
    "Free RAM before freeing: 40 Mb (16% )",
    "Free RAM now after freeing: 256 Mb (100% )",
    "RAM installed: 256 Mb",
    "Swap File usage now: 50 Mb (25% )",
    "Swap File maxsize: 200 Mb",
    "Total Virtual Memory: 2048 Mb",
    "Available Virtual Memory: 1907 Mb",
};

}  // namespace

TEST(ReportForm, ShowsTheRunsFiguresWithTheirBarsAndTheElevenLines) {
  ReportRig rig;
  auto f = rig.Make();
  EXPECT_EQ(f->Caption(), "Brantelle Result Report");
  EXPECT_EQ(f->ClientWidth(), 317);
  EXPECT_EQ(f->ClientHeight(), 281);
  EXPECT_FALSE(f->MinimizeBox());
  EXPECT_EQ(f->Label1->Caption(), "Free RAM before freeing: 40 Mb (16% )");
  EXPECT_EQ(f->ProgressBar1->Position(), 16);
  EXPECT_EQ(f->Label2->Caption(), "Free RAM now after freeing: 256 Mb (100% )");
  EXPECT_EQ(f->ProgressBar2->Position(), 100);
  EXPECT_EQ(f->Label3->Caption(), "Swap File usage now: 50 Mb (25% )");
  EXPECT_EQ(f->ProgressBar3->Position(), 25);
  EXPECT_EQ(f->Memo->Lines(), kLines);
  EXPECT_TRUE(f->Memo->ReadOnly());
  EXPECT_EQ(f->Label4->Caption(), "Note: to disable the shows of this window,  uncheck ");
  EXPECT_EQ(f->Label5->Caption(), "\"Display freeing results ...\" under Memory Mode");
  EXPECT_EQ(f->ElPopupButton3->Caption(), "Close");
  EXPECT_EQ(f->ElPopupButton1->Caption(), "Save");
  EXPECT_EQ(f->ElPopupButton2->Caption(), "Print");
  // Language files address the components by these names, in this order.
  std::vector<std::string> names;
  for (const auto& c : f->Components()) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Label1", "ProgressBar1", "Label2", "ProgressBar2",
                                             "Label3", "ProgressBar3", "Memo", "ElPopupButton3",
                                             "ElPopupButton1", "ElPopupButton2", "Label4", "Label5",
                                             "Timer", "SaveDialog"}));
}

TEST(ReportForm, WithoutASwapFileTheShareReadsZero) {
  ReportRig rig;
  rig.in.SwapValue = 0, rig.in.SwapMaxValue = 0;
  auto f = rig.Make();
  EXPECT_EQ(f->Label3->Caption(), "Swap File usage now: 0 Mb (0% )");
  EXPECT_EQ(f->ProgressBar3->Position(), 0);
  EXPECT_EQ(f->Memo->Lines()[8], "Swap File maxsize: 0 Mb");
  rig.in.SwapValue = std::numeric_limits<double>::quiet_NaN();
  rig.in.SwapMaxValue = std::numeric_limits<double>::infinity();
  EXPECT_EQ(rig.Make()->Label3->Caption(), "Swap File usage now: 0 Mb (0% )");
}

TEST(ReportForm, ClosesItselfAfterTheDelayOnlyWhenSetTo) {
  ReportRig rig;
  rig.in.ReportDelay = "5000";
  auto g = rig.Make();
  bool openBefore = false;
  rig.backend.onModal = [&](ui::Window& w) {
    rig.backend.Elapse(w, 4999);
    openBefore = !w.Destroyed();
    rig.backend.Elapse(w, 1);
  };
  int closes = 0;
  g->OnClose = [&] { ++closes; };
  rig.app.ShowModal(*g);
  EXPECT_TRUE(openBefore);
  EXPECT_TRUE(g->Destroyed());
  EXPECT_EQ(closes, 1);

  rig.in.CloseReport = "1";
  auto h = rig.Make();
  EXPECT_FALSE(h->Timer->Running());
  rig.backend.onModal = [&](ui::Window& w) {
    rig.backend.Elapse(w, 24u * 3600 * 1000);
    openBefore = !w.Destroyed();
  };
  rig.app.ShowModal(*h);
  EXPECT_TRUE(openBefore);

  rig.in.CloseReport = "0", rig.in.ReportDelay = "-5";
  EXPECT_FALSE(rig.Make()->Timer->Running());
  EXPECT_TRUE(rig.backend.errors.empty());
}

TEST(ReportForm, ADelayThatIsNoNumberIsReportedAndTheWindowKeepsOneMinute) {
  ReportRig rig;
  rig.in.ReportDelay = "5 s";
  auto f = rig.Make();
  ASSERT_EQ(rig.backend.errors.size(), 1u);
  EXPECT_NE(rig.backend.errors[0].find("'5 s' is not a valid integer value"), std::string::npos);
  EXPECT_TRUE(f->Timer->Running());
  EXPECT_EQ(f->Timer->Interval(), 60000u);
  EXPECT_EQ(f->Memo->LineCount(), 11u);
}

TEST(ReportForm, SaveWritesTheLinesUnderTheNameAsTypedAndSwallowsErrors) {
  ReportRig rig;
  auto f = rig.Make();
  rig.sys.fileDialogs.answer = "C:\\out\\report";
  rig.sys.textFiles.files["C:\\out\\report"] = "an older, longer file that is replaced";
  f->ElPopupButton1->Click();
  ASSERT_EQ(rig.sys.fileDialogs.requests.size(), 1u);
  EXPECT_EQ(rig.sys.fileDialogs.requests[0].filter, "Text File (*.txt)|*.txt");
  EXPECT_EQ(rig.sys.fileDialogs.requests[0].title, "Save as ...");
  std::string expected;
  for (const auto& l : kLines) expected += l + "\r\n";
  EXPECT_EQ(rig.sys.textFiles.files["C:\\out\\report"], expected);
  EXPECT_EQ(rig.sys.textFiles.files.count("C:\\out\\report.txt"), 0u);

  rig.sys.fileDialogs.answer.reset();  // cancelled
  const int writes = rig.sys.textFiles.writes;
  f->ElPopupButton1->Click();
  EXPECT_EQ(rig.sys.textFiles.writes, writes);

  rig.sys.fileDialogs.answer = "C:\\locked\\report.txt";
  rig.sys.textFiles.readOnlyFolders.insert("C:\\locked\\");
  f->ElPopupButton1->Click();
  EXPECT_TRUE(rig.backend.errors.empty());
  EXPECT_FALSE(f->Destroyed());
}

TEST(ReportForm, PrintGivesOneLinePerReportLineAndBreaksPagesWhenTheNextLineWouldNotFit) {
  ReportRig rig;
  auto f = rig.Make();
  rig.sys.printing.lineHeight = 100, rig.sys.printing.pageHeight = 450;
  f->ElPopupButton2->Click();
  ASSERT_EQ(rig.sys.printing.jobs.size(), 1u);
  const auto& job = rig.sys.printing.jobs[0];
  EXPECT_TRUE(job.finished);
  EXPECT_EQ(job.title, "Brantelle Result Report");
  ASSERT_EQ(job.pages.size(), 3u);
  std::vector<std::string> printed;
  for (const auto& page : job.pages) {
    for (size_t i = 0; i < page.size(); ++i) {
      EXPECT_EQ(page[i].y, static_cast<int>(i) * 100);
      printed.push_back(page[i].text);
    }
  }
  EXPECT_EQ(job.pages[0].size(), 4u);
  EXPECT_EQ(printed, kLines);  // the empty fourth line too
}

TEST(PrintLines, NoPrinterARefusedLineOrAPageSmallerThanALineEndSafely) {
  fakes::FakePrinting printer;
  const std::vector<std::string> lines = {"a", "b", "c"};
  printer.hasPrinter = false;
  EXPECT_FALSE(PrintLines(printer, "t", lines));
  printer.hasPrinter = true;
  printer.failAtLine = 1;
  EXPECT_FALSE(PrintLines(printer, "t", lines));
  EXPECT_TRUE(printer.jobs.back().abandoned);
  printer.failAtLine = -1;
  printer.pageHeight = 40;  // one line per page, however tall the line
  EXPECT_TRUE(PrintLines(printer, "t", lines));
  EXPECT_EQ(printer.jobs.back().pages.size(), 3u);
  printer.lineHeight = 0;
  EXPECT_FALSE(PrintLines(printer, "t", lines));
  EXPECT_TRUE(printer.jobs.back().abandoned);
}

TEST(PrinterDevice, TheProfileEntryNamesPrinterDriverAndPort) {
  auto d = platform::ParsePrinterDevice("Office PDF,winspool,CUPS:Office");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->name, "Office PDF");
  EXPECT_EQ(d->driver, "winspool");
  EXPECT_EQ(d->port, "CUPS:Office");
  EXPECT_EQ(platform::ParsePrinterDevice("Laser, HPPCL ")->port, "");
  for (const char* bad : {"", "nothing", ",winspool,LPT1:", "Laser,,LPT1:", " , "})
    EXPECT_FALSE(platform::ParsePrinterDevice(bad)) << bad;
}

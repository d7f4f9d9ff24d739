// The result report after a run started by hand.
#include <memory>

#include "app/MainFrm.h"
#include "i18n/ApplyLanguage.h"

namespace app {

void TMainForm::ShowFreeingReport() {
  report::TReportInputs in;
  in.RunStartTime = RunRecord.RunStartTime;
  in.RunStartDate = RunRecord.RunStartDate;
  in.RunEndTime = RunRecord.RunEndTime;
  in.RunEndDate = RunRecord.RunEndDate;
  in.RunElapsedText = RunRecord.RunElapsedText;
  in.FreeBeforeRun = RunRecord.FreeBeforeRun;
  in.FreeAfterRun = RunRecord.FreeAfterRun;
  in.TotalMemory = DefragMem->TotalMemory();
  in.SwapValue = SwapUsage->Value();
  in.SwapMaxValue = SwapUsage->MaxValue();
  in.CloseReport = Setting("CloseReport");
  in.ReportDelay = Setting("ReportDelay");

  auto form = std::make_unique<report::TReportForm>(App(), system_, in);
  BeginModalOnTop(*form);
  // Whatever happens while it shows, the hand-over is undone and nothing
  // keeps pointing at the window once it is gone.
  struct Restore {
    TMainForm& main;
    ~Restore() {
      main.report_ = nullptr;
      main.EndModalOnTop();
    }
  } restore{*this};
  i18n::ApplyCurrentLanguage(*form);
  report_ = form.get();
  App().ShowModal(*form);
  report_ = nullptr;
  form.reset();
}

void TMainForm::WireReport() {
  auto query = std::move(OnCloseQuery);
  OnCloseQuery = [this, query](bool& canClose) {
    if (query) query(canClose);
    if (!canClose || !report_) return;
    // The run is still waiting for its report: it writes its last lines,
    // then closes again, so that the closing line comes last.
    canClose = false;
    closeAfterRun_ = true;
    report_->Close();
  };
}

}  // namespace app

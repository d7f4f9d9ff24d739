// The result report window: figures of the run that just ended, with Save
// and Print, closing itself after the set delay.
#pragma once

#include "platform/System.h"
#include "report/ReportContent.h"
#include "ui/Controls.h"
#include "ui/Memo.h"
#include "ui/SaveDialog.h"
#include "ui/Window.h"

namespace report {

class TReportForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 317, kClientHeight = 281;
  static constexpr unsigned kDefaultDelay = 60000;

  // Builds all content at once; nothing is updated later.
  TReportForm(ui::Application& app, platform::System& system, const TReportInputs& in);

  ui::Label *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
  ui::ProgressBar *ProgressBar1 = nullptr, *ProgressBar2 = nullptr, *ProgressBar3 = nullptr;
  ui::Memo* Memo = nullptr;
  ui::Button *ElPopupButton3 = nullptr, *ElPopupButton1 = nullptr, *ElPopupButton2 = nullptr;
  ui::Label *Label4 = nullptr, *Label5 = nullptr;
  ui::Timer* Timer = nullptr;
  ui::SaveDialog* SaveDialog = nullptr;

  void ElPopupButton3Click();  // Close
  void ElPopupButton1Click();  // Save
  void ElPopupButton2Click();  // Print
  void TimerTimer();

 private:
  void StartClosingTimer(const TReportInputs& in);
  platform::System& system_;
};

}  // namespace report

#include "report/ReportFrm.h"


#include "report/ReportOutput.h"
#include "text/Text.h"
#include "ui/Application.h"

namespace report {

namespace {

constexpr int kMargin = 8, kWidth = TReportForm::kClientWidth - 2 * kMargin;

}  // namespace

TReportForm::TReportForm(ui::Application& app, platform::System& system, const TReportInputs& in)
    : ui::Window(app, "ReportForm"), system_(system) {
  SetCaption("Brantelle Result Report");
  SetClientSize(kClientWidth, kClientHeight);
  SetMinimizeBox(false);
  SetPlacement(ui::Placement::MainFormCenter);

  const TReportContent content = BuildReportContent(in, engine::ReadMemoryStatus(system.memory));
  ui::Label** labels[] = {&Label1, &Label2, &Label3};
  ui::ProgressBar** bars[] = {&ProgressBar1, &ProgressBar2, &ProgressBar3};
  const TReportFigure* figures[] = {&content.before, &content.after, &content.swap};
  for (int i = 0; i < 3; ++i) {
    const std::string n = std::to_string(i + 1);
    auto& label = *(*labels[i] = &Add<ui::Label>(nullptr, "Label" + n));
    label.SetCaption(figures[i]->text);
    label.SetBounds({kMargin, 6 + i * 38, kWidth, 15});
    auto& bar = *(*bars[i] = &Add<ui::ProgressBar>(nullptr, "ProgressBar" + n));
    bar.SetSmooth(true);
    bar.SetPosition(figures[i]->percent);
    bar.SetBounds({kMargin, 22 + i * 38, kWidth, 14});
  }

  Memo = &Add<ui::Memo>(nullptr, "Memo");
  Memo->SetReadOnly(true);
  Memo->SetVerticalScrollBar(true);
  Memo->SetLines(content.lines);
  Memo->SetBounds({kMargin, 120, kWidth, 100});

  struct ButtonSpec {
    ui::Button** slot;
    const char* name;
    const char* caption;
    void (TReportForm::*click)();
  };
  const ButtonSpec buttons[] = {
      {&ElPopupButton3, "ElPopupButton3", "Close", &TReportForm::ElPopupButton3Click},
      {&ElPopupButton1, "ElPopupButton1", "Save", &TReportForm::ElPopupButton1Click},
      {&ElPopupButton2, "ElPopupButton2", "Print", &TReportForm::ElPopupButton2Click},
  };
  const int buttonWidth = (kWidth - 2 * kMargin) / 3;
  for (int i = 0; i < 3; ++i) {
    auto& b = *(*buttons[i].slot = &Add<ui::Button>(nullptr, buttons[i].name));
    b.SetCaption(buttons[i].caption);
    b.SetBounds({kMargin + i * (buttonWidth + kMargin), 226, buttonWidth, 24});
    b.OnClick = [this, click = buttons[i].click] { (this->*click)(); };
  }

  Label4 = &Add<ui::Label>(nullptr, "Label4");
  Label4->SetCaption("Note: to disable the shows of this window,  uncheck ");
  Label5 = &Add<ui::Label>(nullptr, "Label5");
  Label5->SetCaption("\"Display freeing results ...\" under Memory Mode");
  for (ui::Label* l : {Label4, Label5}) l->SetCentered(true);
  Label4->SetBounds({0, 254, kClientWidth, 13});
  Label5->SetBounds({0, 267, kClientWidth, 13});

  Timer = &Add<ui::Timer>("Timer");
  Timer->SetInterval(kDefaultDelay);
  Timer->OnTimer = [this] { TimerTimer(); };
  SaveDialog = &Add<ui::SaveDialog>("SaveDialog");
  SaveDialog->SetFilter("Text File (*.txt)|*.txt");
  SaveDialog->SetTitle("Save as ...");

  StartClosingTimer(in);
}

void TReportForm::StartClosingTimer(const TReportInputs& in) {
  if (in.CloseReport != "0") {
    Timer->SetEnabled(false);
    return;
  }
  // A delay that is no whole number is reported and the first one stays.
  ui::Dispatch(App(), [&]() -> ui::Status {
    const ui::Result<int32_t> delay = text::ToInt(in.ReportDelay);
    RETURN_IF_FAILED(delay);
    // No delay, or one below zero, never comes: such a window waits for the user.
    if (*delay <= 0) Timer->SetEnabled(false);
    else Timer->SetInterval(static_cast<unsigned>(*delay));
    return {};
  });
}

// The buttons keep their failures to themselves: a report not saved or not
// printed says nothing.
void TReportForm::ElPopupButton3Click() { Close(); }

void TReportForm::ElPopupButton1Click() {
  const auto name = system_.fileDialogs.SaveFileName(SaveDialog->Filter(), SaveDialog->Title(),
                                                     App().GetBackend().NativeHandle(*this));
  if (name) SaveLines(system_.textFiles, *name, Memo->Lines());
}

void TReportForm::ElPopupButton2Click() { PrintLines(system_.printing, Caption(), Memo->Lines()); }

void TReportForm::TimerTimer() {
  Timer->SetEnabled(false);
  Close();
}

}  // namespace report

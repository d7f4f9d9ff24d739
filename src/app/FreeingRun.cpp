// The freeing run around the engine: amount, priority, the window's running
// state, the run record, and what follows a run.
#include <initializer_list>

#include "app/MainFrm.h"
#include "engine/MemoryStatus.h"
#include "i18n/MessageText.h"
#include "text/Text.h"

namespace app {

using i18n::Message;

namespace {

const std::string kIndent = "    ";

std::string MbText(int64_t mb) { return text::FromInt(mb) + " " + Message("M77"); }

}  // namespace

void TMainForm::WireFreeingRun() {
  Go->OnClick = [this] { return GoClick(); };
  Exitb->OnClick = [this] { ExitbClick(); };
  Exit__->OnClick = [this] { ExitbClick(); };
  Exit_->OnClick = [this] { ExitbClick(); };
  auto slider = [this] { TrackBar->SetVisible(TryTo->Checked()); };
  Auto->OnClick = slider;
  TryTo->OnClick = slider;
  TrackBar->OnChange = [this] {
    TryTo->SetCaption(Message("M07") + " " + text::FromInt(TrackBar->Position()) + " " +
                      Message("M08"));
  };
  FreeingReport->OnClick = [this] { DispRep->SetChecked(FreeingReport->Checked()); };
  DispRep->OnClick = [this] {
    DispRep->SetChecked(!FreeingReport->Checked());
    FreeingReport->SetChecked(DispRep->Checked());
  };
  AFree->OnClick = [this] { return AutoFree(); };
  for (int p = 10; p <= 100; p += 10)
    FindAs<ui::MenuItem>("M" + std::to_string(p))->OnClick = [this, p] { return TrayAmountClick(p); };
  DefragMem->OnBeforeDefrag = [this] { RunStep([this] { return DefragMemBeforeDefrag(); }); };
  DefragMem->OnProgress = [this](int progress) {
    RunStep([this, progress] { DefragMemProgress(progress); });
  };
  DefragMem->OnAfterDefrag = [this] { ui::Dispatch(App(), [this] { DefragMemAfterDefrag(); }); };
}

void TMainForm::RunStep(const ui::Event& step) {
  bool done = false;
  ui::Dispatch(App(), [&]() -> ui::Status {
    RETURN_IF_FAILED(step());
    done = true;
    return {};
  });
  if (!done) DefragMem->Abort();
}

ui::Status TMainForm::GoClick() {
  const int64_t mb = TryTo->Checked() ? TrackBar->Position()
                                      : engine::PercentOfTotalMb(DefragMem->TotalMemory(), 25);
  return DefragMem->Defrag(static_cast<int32_t>(mb));
}

void TMainForm::ExitbClick() {
  if (!RunInProgress()) {
    ExitRequested = true;
    Close();
    return;
  }
  DefragMem->Abort();
  WriteLogLine(kIndent + Message("M75"));
}

ui::Status TMainForm::TrayAmountClick(int percent) {
  // The submenu is disabled during a run; a refused call would also make the
  // engine forget a Stop that is still pending.
  if (RunInProgress()) return {};
  const int32_t total = DefragMem->TotalMemory();
  return DefragMem->Defrag(static_cast<int32_t>(percent == 100 ? engine::BytesToMb(total)
                                                        : engine::PercentOfTotalMb(total, percent)));
}

void TMainForm::CaptionTrayAmounts() {
  const int32_t total = DefragMem->TotalMemory();
  const std::string totalText = MbText(engine::BytesToMb(total));
  for (int p = 10; p <= 100; p += 10) {
    const int64_t share = p == 100 ? engine::BytesToMb(total) : engine::PercentOfTotalMb(total, p);
    FindAs<ui::MenuItem>("M" + std::to_string(p))
        ->SetCaption(std::to_string(p) + "% of " + totalText + " (" + MbText(share) + ")");
  }
}

ui::Status TMainForm::SetRunPriority() {
  // Text that is no number stops the run before it starts, with the error box.
  const ui::Result<int32_t> value = Number("Priority");
  RETURN_IF_FAILED(value);
  switch (*value) {
    case 0: system_.priority.Set(platform::PriorityClass::High); break;
    case 1: system_.priority.Set(platform::PriorityClass::Normal); break;
    case 2: system_.priority.Set(platform::PriorityClass::Idle); break;
    default: break;
  }
  return {};
}

void TMainForm::ShowRunningState(bool running) {
  for (ui::Component* c : std::initializer_list<ui::Component*>{Exit__, Exit_, Go, AFree, TFreeMenu})
    c->SetEnabled(!running);
  Exitb->SetCaption(Message(running ? "M92" : "M93"));
  if (running) {
    StatusBar->SetPanelVisible(2, false);
    StatusBar->SetPanelVisible(0, false);
    StatusBar->SetPanelVisible(1, true);
  } else {
    StatusBar->SetPanelVisible(1, false);
    StatusBar->SetPanelVisible(0, true);
    StatusBar->SetPanelVisible(2, true);
  }
  ProgressBar->SetVisible(running);
  ProgressBar->SetPosition(0);
}

void TMainForm::DisplayTick() {
  // Run even while the timer is stopped; an error in it must not keep the
  // window in its running state.
  ui::Dispatch(App(), Timer->OnTimer);
}

ui::Status TMainForm::DefragMemBeforeDefrag() {
  RETURN_IF_FAILED(SetRunPriority());
  RunStartTick = system_.clock.TickCount();
  RunRecord.RunStartTime = system_.clock.TimeText();
  RunRecord.RunStartDate = system_.clock.DateText();
  RunRecord.FreeBeforeRun = DefragMem->FreeMemory();
  for (gauges::TSensor* g : {RAMLoading, RAMUsage, CPUUsage, SwapUsage}) g->SetActive(false);
  Exitb->SetShowHint(false);
  TrayRunning(true);
  ShowRunningState(true);
  Timer->SetEnabled(false);
  SetCaption(Message("M73"));
  TrayIcon->SetHint(Message("M73"));
  WriteLogLine(kIndent + Message("M72"));
  return {};
}

void TMainForm::DefragMemProgress(int progress) {
  App().ProcessMessages();
  ProgressBar->SetPosition(progress);
}

void TMainForm::DefragMemAfterDefrag() {
  system_.priority.Set(platform::PriorityClass::Normal);
  // The counter wraps after 49.7 days; the difference modulo 2^32 stays right across it.
  const uint32_t elapsed = system_.clock.TickCount() - static_cast<uint32_t>(RunStartTick);
  RunRecord.RunElapsedText = ElapsedTimeText(elapsed);
  RunRecord.RunEndTime = system_.clock.TimeText();
  RunRecord.RunEndDate = system_.clock.DateText();
  RunRecord.FreeAfterRun = DefragMem->FreeMemory();
  for (gauges::TSensor* g : {RAMLoading, RAMUsage, CPUUsage, SwapUsage}) g->SetActive(true);
  Exitb->SetShowHint(true);
  TrayRunning(false);
  DisplayTick();
  ShowRunningState(false);
  Timer->SetEnabled(true);
  if (FlagOn("ClearBord")) system_.clipboard.Empty();
  if (FlagOn("DoBeep")) system_.sound.Beep(5000, 50);
  // A run ended by a close opens no report: the program is about to end.
  if (DispRep->Checked() && !SilentRun && !reportOpen_ && !closeAfterRun_) {
    reportOpen_ = true;
    ui::Dispatch(App(), [this] { ShowFreeingReport(); });
    reportOpen_ = false;
  }
  SilentRun = false;
  WriteLogLine(kIndent + Message("M701"));
  WriteLogLine(kIndent + Message("M71") + " " + text::FromInt(GainedMb(RunRecord)) + " Mb");
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    // From the message loop, once the run's callers (a tray double click that
    // restores next, say) have finished with the window.
    App().GetBackend().Post([this] { Close(); });
  }
}

}  // namespace app

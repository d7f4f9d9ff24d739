// The once-a-second display: title, status bar and the gauges' warning colours.
#include "app/MainFrm.h"
#include "engine/MemoryStatus.h"
#include "i18n/MessageText.h"
#include "text/Text.h"

namespace app {

namespace {

constexpr gfx::Color kWarningColor = 0x000000FF;

void SetFontColor(gauges::TSensor& gauge, gfx::Color color) {
  gfx::Font font = gauge.Font();
  font.color = color;
  gauge.SetFont(font);
}

}  // namespace

void TMainForm::StatusTexts() {
  using engine::BytesToMb;
  using i18n::Message;
  using text::FromInt;
  const int64_t total = DefragMem->TotalMemory();
  SetCaption("Brantelle " + system_.environment.ProgramVersion() + " : " +
             FromInt(engine::FreePercent(DefragMem->FreeMemory(), total)) + "% " + Message("M78") +
             " (" + FromInt(BytesToMb(DefragMem->FreeMemory())) + " " + Message("M77") + ")");
  const int64_t freeBytes = DefragMem->FreeMemory();
  StatusBar->SetPanelText(0, FromInt(freeBytes) + " (" + FromInt(BytesToMb(freeBytes)) + " " +
                                 Message("M501") + " " + FromInt(total) + " (" +
                                 FromInt(BytesToMb(total)) + " " + Message("M49"));
  TrayRefresh();
}

bool TMainForm::MemoryIsLow() const {
  return FlagOn("RAMCritical") && engine::BytesToMb(DefragMem->FreeMemory()) <= Number("RAMLevel");
}

void TMainForm::TimerTimer() {
  StatusTexts();
  // The normal colour is whatever the never-recoloured swap gauge shows.
  const gfx::Color normal = SwapUsage->Font().color;
  const bool cpuHigh = FlagOn("CPUCheck") &&
                       engine::RoundHalfEven(CPUUsage->Value()) > Number("CPUCriticalLevel");
  SetFontColor(*CPUUsage, cpuHigh ? kWarningColor : normal);
  SetFontColor(*RAMLoading, MemoryIsLow() ? kWarningColor : normal);
  LowMemoryTrigger();
}

}  // namespace app

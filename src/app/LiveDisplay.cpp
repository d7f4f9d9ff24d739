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

ui::Result<bool> TMainForm::MemoryIsLow() const {
  if (!FlagOn("RAMCritical")) return false;
  const int64_t freeMb = engine::BytesToMb(DefragMem->FreeMemory());
  const ui::Result<int32_t> level = Number("RAMLevel");
  RETURN_IF_FAILED(level);
  return freeMb <= *level;
}

ui::Status TMainForm::TimerTimer() {
  StatusTexts();
  // The normal colour is whatever the never-recoloured swap gauge shows.
  const gfx::Color normal = SwapUsage->Font().color;
  bool cpuHigh = false;
  if (FlagOn("CPUCheck")) {
    const int64_t load = engine::RoundHalfEven(CPUUsage->Value());
    const ui::Result<int32_t> level = Number("CPUCriticalLevel");
    RETURN_IF_FAILED(level);
    cpuHigh = load > *level;
  }
  SetFontColor(*CPUUsage, cpuHigh ? kWarningColor : normal);
  const ui::Result<bool> low = MemoryIsLow();
  RETURN_IF_FAILED(low);
  SetFontColor(*RAMLoading, *low ? kWarningColor : normal);
  return LowMemoryTrigger();
}

}  // namespace app

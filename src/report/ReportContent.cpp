#include "report/ReportContent.h"

#include <cmath>

#include "i18n/MessageText.h"
#include "text/Text.h"

namespace report {

using i18n::Message;

namespace {

std::string Mb(int64_t mb) { return text::FromInt(mb) + " " + Message("M77"); }

TReportFigure Figure(const char* id, int64_t mb, int64_t percent) {
  return {Message(id) + " " + Mb(mb) + " (" + text::FromInt(percent) + "% )",
          static_cast<int>(percent < 0 ? 0 : percent > 100 ? 100 : percent)};
}

// Megabytes of the swap gauge, kept to the range the memory figures can have.
long double SwapFigure(double mb) {
  if (!std::isfinite(mb) || mb < 0) return 0;
  return std::fmin(mb, static_cast<double>(engine::kFigureCap));
}

}  // namespace

TReportContent BuildReportContent(const TReportInputs& in, const engine::TMemorySnapshot& now) {
  TReportContent c;
  c.before = Figure("M89", engine::BytesToMb(in.FreeBeforeRun),
                    engine::FreePercent(in.FreeBeforeRun, in.TotalMemory));
  c.after = Figure("M901", engine::BytesToMb(in.FreeAfterRun),
                   engine::FreePercent(in.FreeAfterRun, in.TotalMemory));
  const long double swapMb = SwapFigure(in.SwapValue), swapMax = SwapFigure(in.SwapMaxValue);
  const int64_t swapPercent = swapMax > 0 ? engine::RoundHalfEven(swapMb / swapMax * 100) : 0;
  c.swap = Figure("M91", engine::RoundHalfEven(swapMb), swapPercent);

  c.lines = {
      Message("M79") + ": " + in.RunStartTime + " " + in.RunStartDate,
      Message("M801") + ": " + in.RunEndTime + " " + in.RunEndDate,
      in.RunElapsedText,
      "",
      c.before.text,
      c.after.text,
      Message("M81") + ": " + Mb(engine::BytesToMb(in.TotalMemory)),
      c.swap.text,
      Message("M82") + ": " + Mb(engine::RoundHalfEven(swapMax)),
      Message("M83") + ": " + Mb(engine::BytesToMb(now.totalVirtual)),
      Message("M84") + ": " + Mb(engine::BytesToMb(now.availVirtual)),
  };
  return c;
}

}  // namespace report

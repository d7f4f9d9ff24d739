#include "app/RunRecord.h"

#include "engine/MemoryStatus.h"
#include "i18n/MessageText.h"
#include "text/Text.h"

namespace app {

std::string ElapsedTimeText(uint64_t ms) {
  const uint64_t seconds = ms / 1000;
  const uint64_t h = ms / 3600000;
  const uint64_t m = (seconds - h * 3600) / 60;
  const uint64_t s = seconds % 60;
  std::string text;
  if (h != 0) text += std::to_string(h) + "h ";
  if (h != 0 || m != 0) text += std::to_string(m) + "m ";
  text += std::to_string(s) + "s";
  return i18n::Message("M74") + ": " + text;
}

int64_t GainedMb(const TRunRecord& run) {
  // Both counts lie in 0 .. 2147483647, so the signed difference cannot overflow.
  return engine::BytesToMb(static_cast<int64_t>(run.FreeAfterRun) - run.FreeBeforeRun);
}

}  // namespace app

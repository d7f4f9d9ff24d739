#include "ui/SharedTimers.h"

#include <algorithm>

namespace ui {

namespace {
// The tick count of Windows moves in steps of up to 16 ms.
constexpr uint32_t kClockStepMs = 16;
}  // namespace

bool SharedTimers::HasPeriod(unsigned period) const {
  return std::any_of(members_.begin(), members_.end(), [&](const Member& m) { return m.period == period; });
}

SharedTimers::Change SharedTimers::Set(int id, unsigned period, uint32_t now) {
  Change change;
  auto it = std::find_if(members_.begin(), members_.end(), [&](const Member& m) { return m.id == id; });
  if (it != members_.end()) {
    const unsigned was = it->period;
    members_.erase(it);
    if (!HasPeriod(was)) change.kill = was;
  }
  if (period == 0) return change;
  if (!HasPeriod(period)) change.start = period;
  members_.push_back({id, period, now, false});
  return change;
}

std::vector<int> SharedTimers::Due(unsigned period, uint32_t now) {
  std::vector<int> due;
  for (Member& m : members_) {
    if (m.period != period) continue;
    // Wrapping subtraction: the millisecond count turns over every 49.7 days.
    if (!m.ticked && now - m.started + period / 16 + kClockStepMs < period) continue;
    m.ticked = true;
    due.push_back(m.id);
  }
  return due;
}

bool SharedTimers::Runs(int id, unsigned period) const {
  return std::any_of(members_.begin(), members_.end(),
                     [&](const Member& m) { return m.id == id && m.period == period; });
}

}  // namespace ui

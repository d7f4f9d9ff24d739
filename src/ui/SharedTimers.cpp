#include "ui/SharedTimers.h"

#include <algorithm>

namespace ui {

namespace {
// The tick count of Windows moves in steps of up to 16 ms.
constexpr uint32_t kClockStepMs = 16;

// How near its own due time a tick of a shared system timer may come to be a
// timer's tick: one clock step, or a quarter of a short period.
uint32_t Near(unsigned period) { return std::min(kClockStepMs, period / 4); }

// Signed distance from b to a on the wrapping millisecond count (it turns
// over every 49.7 days).
int32_t Since(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b); }
}  // namespace

unsigned SharedTimers::InPhase(unsigned period, uint32_t now) const {
  const int64_t p = period, closeBy = Near(period);
  for (const System& s : systems_) {
    if (s.period != period) continue;
    // Where the new timer's first tick falls between two ticks of s.
    const int64_t phase = ((static_cast<int64_t>(Since(now + period, s.next)) % p) + p) % p;
    if (phase <= closeBy || phase >= p - closeBy) return s.id;
  }
  return 0;
}

SharedTimers::Change SharedTimers::Set(int id, unsigned period, uint32_t now) {
  Change change;
  auto it = std::find_if(members_.begin(), members_.end(), [&](const Member& m) { return m.id == id; });
  if (it != members_.end()) {
    const unsigned was = it->system;
    members_.erase(it);
    if (std::none_of(members_.begin(), members_.end(), [&](const Member& m) { return m.system == was; })) {
      change.kill = was;
      systems_.erase(std::find_if(systems_.begin(), systems_.end(), [&](const System& s) { return s.id == was; }));
    }
  }
  if (period == 0) return change;
  if (const unsigned joined = InPhase(period, now)) {
    members_.push_back({id, joined, now + period, false});
    return change;
  }
  // Ids are never 0; one freed a moment ago is not reused, so that a late
  // message of the killed timer cannot tick the new one.
  do ++lastId_;
  while (lastId_ == 0 || std::any_of(systems_.begin(), systems_.end(), [&](const System& s) { return s.id == lastId_; }));
  systems_.push_back({lastId_, period, now + period});
  members_.push_back({id, lastId_, now + period, true});
  change.start = lastId_;
  change.period = period;
  return change;
}

std::vector<int> SharedTimers::Due(unsigned system, uint32_t now) {
  std::vector<int> due;
  auto s = std::find_if(systems_.begin(), systems_.end(), [&](const System& x) { return x.id == system; });
  if (s == systems_.end()) return due;  // a message of a timer killed meanwhile
  s->next = now + s->period;
  for (Member& m : members_) {
    if (m.system != system) continue;
    if (!m.ticked && Since(now + Near(s->period), m.due) < 0) continue;
    m.ticked = true;
    due.push_back(m.id);
  }
  return due;
}

bool SharedTimers::Runs(int id, unsigned system) const {
  return std::any_of(members_.begin(), members_.end(),
                     [&](const Member& m) { return m.id == id && m.system == system; });
}

}  // namespace ui

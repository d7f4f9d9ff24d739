#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/SharedTimers.h"

namespace {

struct SetAt {
  uint32_t ms;
  int id;
  unsigned period;  // 0 stops
};

// Runs the system timers on a clock the test moves: each fires exactly a
// period after it started (or last fired), as SetTimer does. Returns the
// timers' ticks up to `until` as "id@ms", and counts the system timers.
std::string RunClock(const std::vector<SetAt>& sets, uint32_t from, uint32_t until, int* started) {
  ui::SharedTimers timers;
  std::map<unsigned, std::pair<unsigned, uint32_t>> system;  // id -> period, next
  std::string out;
  size_t next = 0;
  for (uint32_t now = from;; ++now) {
    for (; next < sets.size() && sets[next].ms == now; ++next) {
      const ui::SharedTimers::Change c = timers.Set(sets[next].id, sets[next].period, now);
      if (c.kill) system.erase(c.kill);
      if (c.start) system[c.start] = {c.period, now + c.period}, ++*started;
    }
    for (auto& [id, s] : system) {
      if (s.second != now) continue;
      s.second = now + s.first;
      for (int t : timers.Due(id, now))
        if (timers.Runs(t, id)) out += (out.empty() ? "" : " ") + std::to_string(t) + "@" + std::to_string(now - from);
    }
    if (now == until) return out;
  }
}

}  // namespace

// Every timer ticks a full period after it starts, whatever else runs; only
// timers whose ticks coincide share a system timer.
TEST(SharedTimers, EachTimerKeepsItsOwnPeriodFromItsStart) {
  struct Row {
    const char* what;
    std::vector<SetAt> sets;  // times relative to `from`
    uint32_t from, until;
    const char* ticks;
    int systemTimers;
  };
  const std::vector<Row> rows = {
      {"the report's 1 s self-close while the gauges run",
       {{0, 1, 1000}, {1234, 9, 1000}},
       0, 2300, "1@1000 1@2000 9@2234", 2},
      {"the report's 60 s self-close while freeing runs every minute at another phase",
       {{0, 7, 60000}, {25000, 9, 60000}},
       0, 90000, "7@60000 9@85000", 2},
      {"the display timer restarted at the end of a run",
       {{0, 1, 1000}, {0, 2, 1000}, {5500, 2, 0}, {5500, 2, 1000}},
       0, 7000, "1@1000 2@1000 1@2000 2@2000 1@3000 2@3000 1@4000 2@4000 1@5000 2@5000 1@6000 2@6500 1@7000", 2},
      {"timers started together share; a restart in phase, within a clock step, joins",
       {{0, 1, 1000}, {0, 2, 1000}, {2005, 2, 0}, {2005, 2, 1000}, {3990, 3, 1000}},
       0, 5000, "1@1000 2@1000 1@2000 2@2000 1@3000 2@3000 1@4000 2@4000 1@5000 2@5000 3@5000", 1},
      {"a timer stopped before its tick never ticks; the last one stopped kills its system timer",
       {{0, 1, 1000}, {0, 2, 1000}, {10, 1, 0}, {1500, 2, 0}, {1600, 3, 1000}},
       0, 2700, "2@1000 3@2600", 2},
      {"short periods started together share too",
       {{0, 1, 40}, {0, 2, 40}, {20, 3, 40}},
       0, 80, "1@40 2@40 3@60 1@80 2@80", 2},
      {"the millisecond count wraps",
       {{0, 1, 1000}, {300, 2, 1000}},
       0xFFFFFF00u, 0xFFFFFF00u + 1400, "1@1000 2@1300", 2},
  };
  for (const Row& row : rows) {
    std::vector<SetAt> sets = row.sets;
    for (SetAt& s : sets) s.ms += row.from;
    int started = 0;
    EXPECT_EQ(RunClock(sets, row.from, row.until, &started), row.ticks) << row.what;
    EXPECT_EQ(started, row.systemTimers) << row.what;
  }
}

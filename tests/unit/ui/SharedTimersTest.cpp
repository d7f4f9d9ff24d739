#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/SharedTimers.h"

// Scripts of steps {ms, id, period, expected}: id > 0 sets timer id to period
// (0 stops it) and expects the system-timer change; id 0 fires period and
// expects the ticked ids. A joiner's first tick waits for 15/16 of its period
// less a 16 ms clock step; a period's system timer starts with its first timer
// and is killed with its last; the millisecond count may wrap.
TEST(SharedTimers, ShareOneSystemTimerPerPeriod) {
  struct Step {
    uint32_t ms;
    int id;
    unsigned period;
    const char* expected;
  };
  const std::vector<std::vector<Step>> scripts = {
      {{0, 1, 1000, "start 1000"}, {78, 2, 1000, ""}, {79, 3, 1000, ""}, {400, 4, 1000, ""},
       {1000, 0, 1000, "1 2"}, {2000, 0, 1000, "1 2 3 4"}},
      {{0, 1, 1000, "start 1000"}, {0, 2, 1000, ""}, {10, 1, 0, ""}, {1000, 0, 1000, "2"},
       {1100, 2, 0, "kill 1000"}, {2100, 2, 0, ""}},
      {{0, 1, 1000, "start 1000"}, {500, 1, 1000, "kill 1000 start 1000"}, {600, 2, 60000, "start 60000"},
       {700, 2, 1000, "kill 60000"}, {1500, 0, 1000, "1"}, {2500, 0, 1000, "1 2"}},
      {{0xFFFFFF00u, 1, 1000, "start 1000"}, {0xFFFFFF10u, 2, 1000, ""}, {744, 0, 1000, "1 2"}},
  };
  for (size_t n = 0; n < scripts.size(); ++n) {
    ui::SharedTimers timers;
    for (size_t i = 0; i < scripts[n].size(); ++i) {
      const Step& s = scripts[n][i];
      std::string out;
      if (s.id == 0) {
        for (int id : timers.Due(s.period, s.ms)) out += (out.empty() ? "" : " ") + std::to_string(id);
      } else {
        const ui::SharedTimers::Change c = timers.Set(s.id, s.period, s.ms);
        if (c.kill) out = "kill " + std::to_string(*c.kill);
        if (c.start) out += (out.empty() ? "start " : " start ") + std::to_string(*c.start);
      }
      EXPECT_EQ(out, s.expected) << "script " << n << ", step " << i;
    }
  }
}

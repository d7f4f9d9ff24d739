#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/SharedTimers.h"

using ui::SharedTimers;

namespace {

// One step of a script: at ms, timer id gets period (0 stops it), or, with
// id 0, the system timer of period fires. What the step must give back is
// written as text: "kill P start P" for a change, the ticked ids for a fire.
struct Step {
  uint32_t ms;
  int id;
  unsigned period;
  const char* expected;
};

std::string Apply(SharedTimers& timers, const Step& s) {
  std::string out;
  if (s.id == 0) {
    for (int id : timers.Due(s.period, s.ms)) out += (out.empty() ? "" : " ") + std::to_string(id);
    return out;
  }
  const SharedTimers::Change c = timers.Set(s.id, s.period, s.ms);
  if (c.kill) out += "kill " + std::to_string(*c.kill);
  if (c.start) out += (out.empty() ? "start " : " start ") + std::to_string(*c.start);
  return out;
}

}  // namespace

// One system timer per period, started by the first timer of the period and
// killed with the last; a joiner's first tick comes no earlier than 15/16 of
// its period (less a 16 ms clock step) and less than a period late; a restart alone in its period
// restarts the system timer; the millisecond count may wrap.
TEST(SharedTimers, ShareOneSystemTimerPerPeriod) {
  struct Script {
    const char* what;
    std::vector<Step> steps;
  };
  const Script scripts[] = {
      {"display timer and gauges started together",
       {{0, 1, 1000, "start 1000"}, {5, 2, 1000, ""}, {9, 3, 1000, ""}, {1000, 0, 1000, "1 2 3"},
        {2000, 0, 1000, "1 2 3"}}},
      {"a joiner waits for a tick a period on, then keeps the pace",
       {{0, 1, 1000, "start 1000"}, {400, 2, 1000, ""}, {1000, 0, 1000, "1"}, {2000, 0, 1000, "1 2"},
        {2700, 0, 1000, "1 2"}}},
      {"a sixteenth early is on time, a little more waits",
       {{0, 1, 1000, "start 1000"}, {78, 2, 1000, ""}, {79, 3, 1000, ""}, {1000, 0, 1000, "1 2"},
        {2000, 0, 1000, "1 2 3"}}},
      {"the last one stopped kills the system timer",
       {{0, 1, 1000, "start 1000"}, {0, 2, 1000, ""}, {10, 1, 0, ""}, {1000, 0, 1000, "2"},
        {1100, 2, 0, "kill 1000"}, {2000, 0, 1000, ""}, {2100, 2, 0, ""}}},
      {"a restart alone restarts, among others rejoins",
       {{0, 1, 1000, "start 1000"}, {500, 1, 1000, "kill 1000 start 1000"}, {600, 2, 1000, ""},
        {1500, 0, 1000, "1"}, {1700, 1, 1000, ""}, {2500, 0, 1000, "2"}, {3500, 0, 1000, "2 1"}}},
      {"a new period moves the timer",
       {{0, 1, 1000, "start 1000"}, {0, 2, 1000, ""}, {300, 1, 60000, "start 60000"}, {1000, 0, 1000, "2"},
        {60300, 0, 60000, "1"}, {60400, 2, 60000, "kill 1000"}}},
      {"across the wrap of the millisecond count",
       {{0xFFFFFF00u, 1, 1000, "start 1000"}, {0xFFFFFF10u, 2, 1000, ""}, {744, 0, 1000, "1 2"}, {1744, 0, 1000, "1 2"}}},
  };
  for (const Script& script : scripts) {
    SharedTimers timers;
    for (size_t i = 0; i < script.steps.size(); ++i)
      EXPECT_EQ(Apply(timers, script.steps[i]), script.steps[i].expected) << script.what << ", step " << i;
  }
}

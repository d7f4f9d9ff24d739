// Timers of one period and one phase share one system timer: a tray gauge
// program then wakes once a second, not once per gauge (under Wine each
// wake-up is a round trip to the server). A timer joins a running system
// timer only where its own ticks fall on that timer's ticks, within one step
// of the system's tick count: timers started together (the display timer and
// the gauges at start-up), or a later one whose start happens to be in phase.
// Any other timer gets a system timer of its own, so that every timer ticks a
// full period after its start, as one of its own would. Ticks of a shared
// system timer reach its timers in the order they joined.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

class SharedTimers {
 public:
  // What the caller does with the system timers, in this order: kill system
  // timer `kill` (0: none), start system timer `start` (0: none) at `period`.
  struct Change {
    unsigned kill = 0, start = 0, period = 0;
  };
  // (Re)starts timer id with period at now (milliseconds); period 0 stops it.
  Change Set(int id, unsigned period, uint32_t now);
  // The timers to tick for a tick of system timer `system` at now.
  std::vector<int> Due(unsigned system, uint32_t now);
  // Whether id still belongs to system timer `system` (a tick before it may
  // have stopped or moved it).
  bool Runs(int id, unsigned system) const;

 private:
  struct Member {
    int id;
    unsigned system;
    uint32_t due;  // its first tick; once ticked it ticks with its system timer
    bool ticked;
  };
  struct System {
    unsigned id, period;
    uint32_t next;  // when its next tick is expected
  };
  unsigned InPhase(unsigned period, uint32_t now) const;
  std::vector<Member> members_;
  std::vector<System> systems_;
  unsigned lastId_ = 0;
};

}  // namespace ui

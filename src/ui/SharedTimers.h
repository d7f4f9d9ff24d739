// Timers of one period share one system timer: a tray gauge program then
// wakes once a second, not once per gauge (under Wine each wake-up is a round
// trip to the server). A timer that starts its period's system timer ticks
// exactly a period after its start; one that joins a running period first
// ticks at the first shared tick at least 15/16 of a period (less the 16 ms
// step of the system's tick count) after its start: up to a sixteenth early,
// as timer messages jitter, or less than a period late. Shared ticks reach the timers in the order they started.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

class SharedTimers {
 public:
  // What the caller does with the system timers, in this order: kill the
  // one of a period whose last timer stopped, start one for a new period.
  struct Change {
    std::optional<unsigned> kill, start;
  };
  // (Re)starts timer id with period at now (milliseconds); period 0 stops it.
  Change Set(int id, unsigned period, uint32_t now);
  // The timers to tick for a shared tick of period at now.
  std::vector<int> Due(unsigned period, uint32_t now);
  // Whether id still runs at period (a tick before it may have stopped it).
  bool Runs(int id, unsigned period) const;

 private:
  struct Member {
    int id;
    unsigned period;
    uint32_t started;
    bool ticked;
  };
  bool HasPeriod(unsigned period) const;
  std::vector<Member> members_;
};

}  // namespace ui

// Timers: each ui::Timer is a member of the system timer of its period.
#include "ui/Controls.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Peers.h"

namespace ui::win32 {

namespace {

class TimerPeer : public Peer {
 public:
  TimerPeer(Timer& t, Win32Backend& backend) : t_(t), backend_(backend), id_(backend.Register(t)) {
    Changed(Prop::Enabled);
  }
  ~TimerPeer() override {
    backend_.ScheduleTimer(id_, 0);
    backend_.Unregister(id_);
  }
  void Changed(Prop prop) override {
    if (prop == Prop::Enabled || prop == Prop::Interval) backend_.ScheduleTimer(id_, t_.Running() ? t_.Interval() : 0);
  }

 private:
  Timer& t_;
  Win32Backend& backend_;
  int id_;
};

}  // namespace

std::unique_ptr<Peer> CreateTimerPeer(Timer& t, Win32Backend& backend) {
  return std::make_unique<TimerPeer>(t, backend);
}

void Win32Backend::ScheduleTimer(int id, unsigned period) {
  const SharedTimers::Change change = timers_.Set(id, period, GetTickCount());
  if (change.kill) KillTimer(appWindow_, change.kill);
  if (change.start) SetTimer(appWindow_, change.start, change.period, nullptr);
}

void Win32Backend::TimerFired(unsigned system) {
  for (int id : timers_.Due(system, GetTickCount()))
    if (timers_.Runs(id, system))  // an earlier tick may have stopped it
      if (auto* t = As<Timer>(ById(id))) t->Tick();
}

}  // namespace ui::win32

#include "ui/Application.h"

#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Window.h"

namespace ui {

void Application::SetTitle(const std::string& t) {
  if (t == title_) return;
  title_ = t;
  backend_.TitleChanged(t);
}

void Application::Minimize() {
  if (!minimized_ && main_ && main_->Visible()) main_->NotifyShowing(false);
  backend_.MinimizeApp();
  if (minimized_) return;
  minimized_ = true;
  Dispatch(*this, OnMinimize);
}

void Application::Restore() {
  const bool wasMinimized = minimized_;
  minimized_ = false;  // a restore asked for by the notification itself does nothing more
  if (wasMinimized && main_ && main_->Visible()) main_->NotifyShowing(true);
  backend_.RestoreApp();
  if (wasMinimized) Dispatch(*this, OnRestore);
}

void Application::PostMinimize() {
  backend_.Post([this] { Minimize(); });
}

void Application::Deactivated() {
  Dispatch(*this, OnDeactivate);
  const auto listeners = deactivateListeners_;
  for (const auto& [id, listener] : listeners) Dispatch(*this, listener);
}

int Application::ListenDeactivate(Event e) {
  deactivateListeners_.emplace_back(++nextListener_, std::move(e));
  return nextListener_;
}

void Application::UnlistenDeactivate(int id) {
  std::erase_if(deactivateListeners_, [id](const auto& l) { return l.first == id; });
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.Terminated();
}

void Application::Run() {
  if (!terminated_) backend_.Run();
}

void Application::ShowModal(Window& w) { backend_.RunModal(w); }

void Application::ShowException(const std::string& message) {
  if (quietErrors_) {
    ++quietErrorCount_;
    return;
  }
  backend_.ShowError(title_, message);
}

void Application::HandleException(const std::string& message, const Component* source) {
  if (!source) return ShowException(message);
  // A timer that fails fails again every tick: one box, then quiet until a
  // tick has worked, and never a second box over one still open.
  if (!failing_.insert(source).second || boxOpen_.count(source)) return;
  boxOpen_.insert(source);
  ShowException(message);
  boxOpen_.erase(source);
}

void Application::HandlerSucceeded(const Component* source) { failing_.erase(source); }

void Application::Forget(const Component* source) {
  failing_.erase(source);
  boxOpen_.erase(source);
}

void HeadlessBackend::RunPosted() {
  while (!posted.empty()) {
    Event call = std::move(posted.front());
    posted.erase(posted.begin());
    if (app) Dispatch(*app, call);
  }
}

void HeadlessBackend::RunModal(Window& w) {
  w.Show();
  if (onModal) onModal(w);
  if (!w.Destroyed()) w.Close();
}

}  // namespace ui

namespace ui {

void HeadlessBackend::Elapse(Window& w, unsigned ms) {
  for (const auto& c : w.Components()) {
    if (c->GetKind() != Kind::Timer) continue;
    auto& timer = static_cast<Timer&>(*c);
    unsigned& passed = timerElapsed[&timer];
    if (!timer.Running()) {
      passed = 0;
      continue;
    }
    passed += ms;
    while (timer.Running() && !w.Destroyed() && passed >= timer.Interval()) {
      passed -= timer.Interval();
      timer.Tick();
    }
  }
}

}  // namespace ui

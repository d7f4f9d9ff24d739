#include "ui/Window.h"

#include "text/Text.h"

#include "ui/Application.h"

namespace ui {

Window::Window(Application& app, std::string name)
    : Component(nullptr, nullptr, std::move(name), Kind::Window), app_(app) {
  SetVisible(false);
}

Window::~Window() {
  // Components go in reverse creation order, children before their parents.
  while (!components_.empty()) components_.pop_back();
}

Component& Window::Adopt(Component* made) {
  std::unique_ptr<Component> owned(made);  // freed if the list cannot grow
  components_.push_back(std::move(owned));
  Component& c = *made;
  if (GetPeer() && !c.WaitsToShow()) c.AttachPeer(app_.GetBackend().CreatePeer(c));
  return c;
}

Component* Window::Find(std::string_view name) const {
  for (const auto& c : components_)
    if (text::EqualsNoCase(c->Name(), name)) return c.get();
  return nullptr;
}

void Window::SetClientSize(int w, int h) {
  if (w == clientWidth_ && h == clientHeight_) return;
  clientWidth_ = w, clientHeight_ = h;
  Changed(Prop::Bounds);
}

void Window::NotifyClientResized(int w, int h) {
  if (clientWidth_ == 0 && clientHeight_ == 0) return;
  if (w != clientWidth_ || h != clientHeight_) Changed(Prop::Bounds);  // back to the fixed size
}

void Window::SetState(WindowState s) {
  if (s == state_) return;
  state_ = s;
  Changed(Prop::WindowState);
}

void Window::SetTopMost(bool on) {
  if (on == topMost_) return;
  topMost_ = on;
  Changed(Prop::TopMost);
}

void Window::MoveTo(int left, int top) {
  left_ = left, top_ = top;
  Changed(Prop::Position);
}

int Window::ListenShowNotification(ShowNotification n) {
  showListeners_.emplace_back(++nextListener_, std::move(n));
  return nextListener_;
}

void Window::UnlistenShowNotification(int id) {
  std::erase_if(showListeners_, [id](const auto& l) { return l.first == id; });
}

void Window::NotifyShowing(bool shown, bool destroying) {
  const auto listeners = showListeners_;  // a listener may unlisten
  for (const auto& entry : listeners) Dispatch(app_, [&] { entry.second(shown, destroying); });
}

bool Window::HiddenByMinimize() const { return app_.MainWindow() == this && app_.Minimized(); }

void Window::Show() {
  if (Visible()) return;
  if (!HiddenByMinimize()) NotifyShowing(true);
  SetVisible(true);
  Dispatch(app_, OnShow);
}

void Window::Hide() {
  if (!Visible()) return;
  if (!HiddenByMinimize()) NotifyShowing(false);
  SetVisible(false);
  Dispatch(app_, OnHide);
}

void Window::Close() {
  bool canClose = true;
  if (OnCloseQuery) Dispatch(app_, [&] { OnCloseQuery(canClose); });
  if (!canClose) return;
  Dispatch(app_, OnClose);
  Changed(Prop::Closed);  // a native window is destroyed and reports back
  NotifyDestroyed();
}

void Window::NotifyHotKey(int id) {
  if (OnHotKey) Dispatch(app_, [&] { return OnHotKey(id); });
}

void Window::NotifyDestroyed() {
  if (destroyed_) return;
  if (Visible()) {
    // A main window the minimized application hides was saved as it hid.
    if (!HiddenByMinimize()) NotifyShowing(false, true);
    SetVisible(false);
    Dispatch(app_, OnHide);
  }
  destroyed_ = true;
  Dispatch(app_, OnDestroy);
  if (app_.MainWindow() == this) app_.Terminate();
}

}  // namespace ui

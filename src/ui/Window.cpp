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

void Window::Adopted(Component& c) {
  if (GetPeer()) c.AttachPeer(app_.GetBackend().CreatePeer(c));
}

Component* Window::Find(const std::string& name) const {
  for (const auto& c : components_)
    if (text::EqualsNoCase(c->Name(), name)) return c.get();
  return nullptr;
}

void Window::SetClientSize(int w, int h) {
  if (w == clientWidth_ && h == clientHeight_) return;
  clientWidth_ = w, clientHeight_ = h;
  Changed(Prop::Bounds);
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

void Window::Show() {
  if (Visible()) return;
  SetVisible(true);
  Dispatch(app_, OnShow);
}

void Window::Hide() {
  if (!Visible()) return;
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

void Window::NotifyDestroyed() {
  if (destroyed_) return;
  if (Visible()) {
    SetVisible(false);
    Dispatch(app_, OnHide);
  }
  destroyed_ = true;
  Dispatch(app_, OnDestroy);
  if (app_.MainWindow() == this) app_.Terminate();
}

}  // namespace ui

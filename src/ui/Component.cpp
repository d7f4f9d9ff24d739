#include "ui/Component.h"

#include "ui/Application.h"
#include "ui/Window.h"

namespace ui {

Component::Component(Window* owner, Component* parent, std::string name, Kind kind)
    : owner_(owner), parent_(parent), name_(std::move(name)), kind_(kind) {}

Component::~Component() = default;

Application& Component::App() const {
  if (owner_) return owner_->App();
  return static_cast<const Window*>(this)->App();
}

bool Component::HasCaption() const {
  switch (kind_) {
    case Kind::TrackBar: case Kind::ProgressBar: case Kind::StatusBar: case Kind::Bevel:
    case Kind::Memo: case Kind::ComboBox: case Kind::ColorBox: case Kind::SpinEdit:
    case Kind::HotKeyEdit: case Kind::ListView: case Kind::Timer:
      return false;
    default:
      return true;
  }
}

void Component::SetCaption(std::string_view text) {
  if (text == caption_) return;
  caption_ = text;
  Changed(Prop::Caption);
  CaptionChanged();
}

void Component::SetHint(std::string_view text) {
  if (text == hint_) return;
  hint_ = text;
  Changed(Prop::Hint);
}

void Component::SetShowHint(bool on) {
  if (on == showHint_) return;
  showHint_ = on;
  Changed(Prop::Hint);
}

void Component::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed(Prop::Enabled);
}

void Component::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  if (on && !peer_ && owner_ && owner_->GetPeer()) App().GetBackend().Realize(*owner_);
  Changed(Prop::Visible);
}

bool Component::WaitsToShow() const {
  if (!IsControl() || kind_ == Kind::TabSheet) return false;
  return !visible_ || (parent_ && parent_->IsControl() && !parent_->GetPeer());
}

bool Component::IsControl() const {
  switch (kind_) {
    case Kind::Window: case Kind::CaptionBar: case Kind::Menu: case Kind::MenuItem:
    case Kind::Timer: case Kind::Action: case Kind::NonVisual:
      return false;
    default:
      return true;
  }
}

void Component::SetBounds(const Rect& r) {
  if (r == bounds_) return;
  bounds_ = r;
  Changed(Prop::Bounds);
}

bool Component::Showing() const {
  if (!visible_) return false;
  // A tab sheet is a window of its own that shows and hides what lies on it.
  for (const Component* up = parent_; up && up->GetKind() != Kind::TabSheet; up = up->Parent())
    if (!up->Visible()) return false;
  return true;
}

void Component::AttachPeer(std::unique_ptr<Peer> peer) {
  peer_ = std::move(peer);
  Realized();
}

void Dispatch(Application& app, const Event& handler, const Component* source) {
  if (!handler) return;
  const Status status = handler();
  if (!status.Ok()) app.HandleException(status.Message(), source);
  else if (source) app.HandlerSucceeded(source);
}

}  // namespace ui

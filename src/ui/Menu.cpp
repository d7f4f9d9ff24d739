#include "ui/Menu.h"

#include "ui/Action.h"
#include "ui/Window.h"

namespace ui {

MenuItem* Menu::DefaultItem() const {
  for (MenuItem* item : items_)
    if (item->IsDefault()) return item;
  return nullptr;
}

MenuItem::MenuItem(Window* owner, Component* parent, std::string name)
    : Component(owner, parent, std::move(name), Kind::MenuItem) {
  Siblings().push_back(this);
}

std::vector<MenuItem*>& MenuItem::Siblings() const {
  Component* p = Parent();
  if (p->GetKind() == Kind::Menu) return static_cast<Menu*>(p)->items_;
  return static_cast<MenuItem*>(p)->items_;
}

void MenuItem::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(Prop::Checked);
  if (!on || !radio_) return;
  for (MenuItem* other : Siblings())
    if (other != this && other->radio_ && other->group_ == group_) other->SetChecked(false);
}

void MenuItem::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  Changed(Prop::Default);
}

void MenuItem::SetShortCut(const std::string& text) {
  if (text == shortcut_) return;
  shortcut_ = text;
  Changed(Prop::Caption);
}

MenuItem::~MenuItem() {
  if (action_) action_->Unbind(*this);
}

void MenuItem::Click() {
  if (!Enabled()) return;
  if (action_) action_->Execute();
  else Dispatch(App(), OnClick);
}

void MenuItem::SetAction(Action* action) {
  if (action == action_) return;
  if (action_) action_->Unbind(*this);
  action_ = action;
  if (action_) action_->Bind(*this);
}

}  // namespace ui

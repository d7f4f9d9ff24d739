#include "ui/Action.h"

#include <algorithm>

#include "ui/Menu.h"
#include "ui/Window.h"

namespace ui {

Action::Action(Window* owner, std::string name, int group)
    : Component(owner, nullptr, std::move(name), Kind::Action), group_(group) {
  SetVisible(false);
}

Action::~Action() {
  for (MenuItem* item : clients_) item->ForgetAction();
}

void Action::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  Changed(Prop::Checked);
  for (MenuItem* item : clients_) item->SetChecked(on);
  if (!on || group_ <= 0) return;
  for (const auto& c : Owner()->Components())
    if (auto* other = As<Action>(c.get()); other && other != this && other->group_ == group_)
      other->SetChecked(false);
}

void Action::Execute() {
  if (Enabled()) Dispatch(App(), OnExecute);
}

void Action::Bind(MenuItem& item) {
  if (std::find(clients_.begin(), clients_.end(), &item) == clients_.end()) clients_.push_back(&item);
  item.SetCaption(Caption());
  item.SetChecked(checked_);
}

void Action::Unbind(MenuItem& item) { std::erase(clients_, &item); }

void Action::CaptionChanged() {
  for (MenuItem* item : clients_) item->SetCaption(Caption());
}

}  // namespace ui

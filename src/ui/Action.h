// Actions: commands with a caption and a check mark that menu items are
// bound to. A bound item shows the action's caption and check mark and runs
// the action when chosen.
#pragma once

#include <vector>

#include "ui/Component.h"

namespace ui {

class MenuItem;

class Action : public Component {
 public:
  UI_KIND_CLASS(Action, Action)
  // Actions of one window with the same group above 0 form a radio group:
  // checking one unchecks the others.
  Action(Window* owner, std::string name, int group = 0);
  ~Action() override;
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  int GroupIndex() const { return group_; }
  Event OnExecute;
  void Execute();

  // Items bound through MenuItem::SetAction.
  void Bind(MenuItem& item);
  void Unbind(MenuItem& item);

 protected:
  void CaptionChanged() override;

 private:
  int group_;
  bool checked_ = false;
  std::vector<MenuItem*> clients_;
};

}  // namespace ui

// Menus: a main menu or a popup menu holds menu items, which hold sub-items.
#pragma once

#include "ui/Component.h"

namespace ui {

class MenuItem;
class Action;

class Menu : public Component {
 public:
  UI_KIND_CLASS(Menu, Menu)
  Menu(Window* owner, std::string name, bool popup)
      : Component(owner, nullptr, std::move(name), Kind::Menu), popup_(popup) {}
  bool IsPopup() const { return popup_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // The highest item whose Default flag is set, or none.
  MenuItem* DefaultItem() const;

 private:
  friend class MenuItem;
  bool popup_;
  std::vector<MenuItem*> items_;
};

class MenuItem : public Component {
 public:
  UI_KIND_CLASS(MenuItem, MenuItem)
  // parent is the menu or the item this one belongs to. A caption of "-" is a separator.
  MenuItem(Window* owner, Component* parent, std::string name);

  const std::vector<MenuItem*>& Items() const { return items_; }
  bool IsSeparator() const { return Caption() == "-"; }
  bool Checked() const { return checked_; }
  // Checking a radio item clears the other radio items of its group and parent.
  void SetChecked(bool on);
  bool IsDefault() const { return default_; }
  void SetDefault(bool on);
  int GroupIndex() const { return group_; }
  bool RadioItem() const { return radio_; }
  void SetRadio(int group) { radio_ = true, group_ = group; }
  const std::string& ShortCut() const { return shortcut_; }
  void SetShortCut(const std::string& text);
  Event OnClick;
  // Runs the bound action, or else OnClick.
  void Click();
  // Binds the item to the action (it takes the action's caption and check
  // mark); nullptr unbinds.
  void SetAction(Action* action);
  Action* GetAction() const { return action_; }
  void ForgetAction() { action_ = nullptr; }
  ~MenuItem() override;

 private:
  std::vector<MenuItem*>& Siblings() const;
  Action* action_ = nullptr;
  std::vector<MenuItem*> items_;
  bool checked_ = false, default_ = false, radio_ = false;
  int group_ = 0;
  std::string shortcut_;
};

}  // namespace ui

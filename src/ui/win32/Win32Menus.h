// Menus of the Win32 backend: menu handles built from the model, and the
// Ctrl shortcuts of a window's main menu.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/Menu.h"

namespace ui::win32 {

// What the menu peers need of the backend that makes them: handing the
// dependency this way keeps it one-way (the backend knows the menus).
class MenuHost {
 public:
  // A command id for the item, routed back to it when chosen.
  virtual int Register(Component& item) = 0;
  // The menu's handles are to be rebuilt.
  virtual void MenuChanged(Menu& root) = 0;

 protected:
  ~MenuHost() = default;
};

// Menu handles are rebuilt from the model after a batch of changes.
class MenuPeer : public Peer {
 public:
  MenuPeer(Menu& m, MenuHost& backend) : m_(m), backend_(backend) {}
  ~MenuPeer() override;
  void Changed(Prop) override;
  HMENU Build();

 private:
  void Fill(HMENU menu, const std::vector<MenuItem*>& items);
  Menu& m_;
  MenuHost& backend_;
  HMENU menu_ = nullptr;
};

std::unique_ptr<Peer> CreateMenuItemPeer(MenuItem& item, MenuHost& backend);

// Ctrl with a letter or digit runs the main menu item of the window of that
// class that has the keyboard, when one carries that shortcut.
bool RunShortCut(const MSG& msg, const char* formClass);

}  // namespace ui::win32

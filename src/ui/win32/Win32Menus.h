// Menus of the Win32 backend: menu handles built from the model, and the
// Ctrl shortcuts of a window's main menu.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/Menu.h"

namespace ui::win32 {

class Win32Backend;

// Menu handles are rebuilt from the model after a batch of changes.
class MenuPeer : public Peer {
 public:
  MenuPeer(Menu& m, Win32Backend& backend) : m_(m), backend_(backend) {}
  ~MenuPeer() override;
  void Changed(Prop) override;
  HMENU Build();

 private:
  void Fill(HMENU menu, const std::vector<MenuItem*>& items);
  Menu& m_;
  Win32Backend& backend_;
  HMENU menu_ = nullptr;
};

std::unique_ptr<Peer> CreateMenuItemPeer(MenuItem& item, Win32Backend& backend);

// Ctrl with a letter or digit runs the main menu item of the window of that
// class that has the keyboard, when one carries that shortcut.
bool RunShortCut(const MSG& msg, const char* formClass);

}  // namespace ui::win32

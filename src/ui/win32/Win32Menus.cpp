#include "ui/win32/Win32Menus.h"

#include <string>

#include "ui/Window.h"

namespace ui::win32 {

namespace {

Menu* RootMenu(Component& c) {
  Component* up = &c;
  while (up && up->GetKind() != Kind::Menu) up = up->Parent();
  return static_cast<Menu*>(up);
}

class MenuItemPeer : public Peer {
 public:
  MenuItemPeer(MenuItem& item, MenuHost& backend) : item_(item), backend_(backend) {
    if (Menu* root = RootMenu(item_)) backend_.MenuChanged(*root);
  }
  void Changed(Prop) override {
    if (Menu* root = RootMenu(item_)) backend_.MenuChanged(*root);
  }

 private:
  MenuItem& item_;
  MenuHost& backend_;
};

// The enabled item of the menu tree that carries this shortcut text, or none.
MenuItem* ItemWithShortCut(const std::vector<MenuItem*>& items, const std::string& shortcut) {
  for (MenuItem* item : items) {
    if (!item->Enabled()) continue;
    if (item->ShortCut() == shortcut) return item;
    if (MenuItem* inner = ItemWithShortCut(item->Items(), shortcut)) return inner;
  }
  return nullptr;
}

}  // namespace

MenuPeer::~MenuPeer() {
  if (menu_) DestroyMenu(menu_);
}

void MenuPeer::Changed(Prop) { backend_.MenuChanged(m_); }

HMENU MenuPeer::Build() {
  if (menu_) DestroyMenu(menu_);
  menu_ = m_.IsPopup() ? CreatePopupMenu() : CreateMenu();
  Fill(menu_, m_.Items());
  return menu_;
}

void MenuPeer::Fill(HMENU menu, const std::vector<MenuItem*>& items) {
  for (MenuItem* item : items) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item->Caption();
    if (!item->ShortCut().empty()) text += "\t" + item->ShortCut();
    UINT flags = MF_STRING | (item->Enabled() ? 0 : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    UINT_PTR id = backend_.Register(*item);
    if (!item->Items().empty()) {
      HMENU sub = CreatePopupMenu();
      Fill(sub, item->Items());
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(sub);
    }
    AppendMenuA(menu, flags, id, text.c_str());
    if (item->IsDefault()) SetMenuDefaultItem(menu, GetMenuItemCount(menu) - 1, TRUE);
    if (item->RadioItem() && item->Checked()) {
      const int pos = GetMenuItemCount(menu) - 1;
      CheckMenuRadioItem(menu, pos, pos, pos, MF_BYPOSITION);
    }
  }
}

std::unique_ptr<Peer> CreateMenuItemPeer(MenuItem& item, MenuHost& backend) {
  return std::make_unique<MenuItemPeer>(item, backend);
}

bool RunShortCut(const MSG& msg, const char* formClass) {
  if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 ||
      GetKeyState(VK_SHIFT) < 0)
    return false;
  const bool letter = msg.wParam >= 'A' && msg.wParam <= 'Z', digit = msg.wParam >= '0' && msg.wParam <= '9';
  if (!letter && !digit) return false;
  HWND root = msg.hwnd;  // the top-level window; GetAncestor is missing on Windows 95
  while (root && (GetWindowLongA(root, GWL_STYLE) & WS_CHILD)) root = GetParent(root);
  char cls[32] = {};
  if (!root || !GetClassNameA(root, cls, sizeof cls) || lstrcmpA(cls, formClass) != 0) return false;
  auto* w = reinterpret_cast<Window*>(GetWindowLongPtrA(root, GWLP_USERDATA));
  if (!w || !w->MainMenu()) return false;
  MenuItem* item = ItemWithShortCut(w->MainMenu()->Items(),
                                    std::string("Ctrl+") + static_cast<char>(msg.wParam));
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace ui::win32

// Menus cannot be read across processes under Wine, so the probe walks them
// with the keyboard: the menu key, then arrow keys and Enter, all queued to
// the window, whose menu loop reads them in order.
#include <windows.h>

#include <cstring>

int MenuKeys(HWND window, int count, char** keys) {
  if (!window) return 1;
  if (!PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 0)) return 1;
  for (int i = 0; i < count; ++i) {
    WPARAM vk = 0;
    if (!std::strcmp(keys[i], "right")) vk = VK_RIGHT;
    else if (!std::strcmp(keys[i], "left")) vk = VK_LEFT;
    else if (!std::strcmp(keys[i], "down")) vk = VK_DOWN;
    else if (!std::strcmp(keys[i], "up")) vk = VK_UP;
    else if (!std::strcmp(keys[i], "enter")) vk = VK_RETURN;
    else if (!std::strcmp(keys[i], "esc")) vk = VK_ESCAPE;
    else return 1;
    PostMessageA(window, WM_KEYDOWN, vk, 1);
    PostMessageA(window, WM_KEYUP, vk, 0xC0000001);
  }
  return 0;
}

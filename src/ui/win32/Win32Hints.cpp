#include "ui/win32/Win32Hints.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui::win32 {

namespace {

HWND TopLevelOf(HWND h) {
  // GetAncestor is not on Windows 95.
  while (h && (GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) h = GetParent(h);
  return h;
}

// Each window's tooltip. It has no owner: Wine moves a window's owned
// popups with it, and a window put into the top-most band after a popup of
// its own is left out of it. So it goes when its window is destroyed.
std::vector<std::pair<HWND, HWND>>& Tooltips() {
  static std::vector<std::pair<HWND, HWND>> tips;  // window, tooltip
  return tips;
}

HWND TooltipOf(HWND window, bool make) {
  const HWND top = TopLevelOf(window);
  if (!top) return nullptr;
  auto& tips = Tooltips();
  std::erase_if(tips, [](const auto& t) { return !IsWindow(t.second); });
  for (const auto& t : tips)
    if (t.first == top) return t.second;
  if (!make) return nullptr;
  HWND tip = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tip) return nullptr;
  // Hints of several lines keep their breaks (comctl32 4.70 on; 4.00 shows
  // one line and ignores the message).
  SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
  tips.emplace_back(top, tip);
  return tip;
}

TTTOOLINFOA Tool(HWND window, UINT_PTR id, UINT flags) {
  TTTOOLINFOA t{};
  t.cbSize = kToolInfoSize;
  t.uFlags = flags;
  t.hwnd = window;
  t.uId = id;
  return t;
}

// A tool is taken out and put in again: the record's text is copied in, and
// a tool that moved or changed its kind needs its new flags and place.
void Put(HWND window, UINT_PTR id, UINT flags, const RECT& area, const std::string& text) {
  HWND tip = TooltipOf(window, !text.empty());
  if (!tip) return;
  TTTOOLINFOA t = Tool(window, id, 0);
  SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&t));
  if (text.empty()) return;
  t = Tool(window, id, flags | TTF_SUBCLASS);
  t.rect = area;
  t.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&t));
}

}  // namespace

void SetControlHint(HWND control, const std::string& text, bool seeThrough, const RECT& area) {
  // Both kinds live on the parent under the control's handle as id, so a
  // change of kind replaces the tool.
  HWND parent = GetParent(control);
  Put(parent, reinterpret_cast<UINT_PTR>(control), seeThrough ? 0 : TTF_IDISHWND, area, text);
}

void SetAreaHint(HWND window, UINT_PTR id, const RECT& area, const std::string& text) {
  Put(window, id, 0, area, text);
}

void DropHints(HWND window) {
  auto& tips = Tooltips();
  for (auto it = tips.begin(); it != tips.end(); ++it)
    if (it->first == window) {
      DestroyWindow(it->second);
      tips.erase(it);
      return;
    }
}

void RelayPointer(HWND window, POINT client) {
  HWND tip = TooltipOf(window, false);
  if (!tip) return;
  MSG m{};
  m.hwnd = window;
  m.message = WM_MOUSEMOVE;
  m.lParam = MAKELPARAM(client.x, client.y);
  m.time = GetMessageTime();
  GetCursorPos(&m.pt);
  SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

}  // namespace ui::win32

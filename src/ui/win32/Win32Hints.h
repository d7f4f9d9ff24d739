// Hints: the controls of a window show theirs in one tooltip window that the
// window owns, made with its first hint. A tool is told by the window that
// holds it and an id; a control's own tool uses the control as id.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "ui/Component.h"

namespace ui::win32 {

// What a control shows when the pointer rests on it: its hint while it
// shows and shows hints; nothing otherwise.
inline std::string HintToShow(const Component& c) { return c.ShowHint() && c.Showing() ? c.Hint() : std::string(); }

// Shows text (nothing when empty) when the pointer rests on control. A control
// that lets the pointer through to its parent (a group box) gets an area of
// the parent at its place instead: `area` is where it lies there.
void SetControlHint(HWND control, const std::string& text, bool seeThrough, const RECT& area);
// Shows text over area (client coordinates of window, which receives the
// pointer's messages there); id tells the areas of one window apart.
void SetAreaHint(HWND window, UINT_PTR id, const RECT& area, const std::string& text);
// Destroys the tooltip of a top-level window that is being destroyed.
void DropHints(HWND window);
// Passes on a pointer message the tooltip cannot see itself: the caption's,
// as a move in client coordinates of window.
void RelayPointer(HWND window, POINT client);

// The first version of the tool record: comctl32 4.00 (Windows 95) takes no
// other, and later versions take it too.
inline constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOA, lpszText) + sizeof(LPSTR);
static_assert(kToolInfoSize == (sizeof(void*) == 4 ? 40 : 56), "the record up to its text, as comctl32 4.00 knows it");

}  // namespace ui::win32

// The caption bar's own buttons (the stay-on-top pin), drawn in the window's
// non-client area at the left end of its caption, after the system icon.
#pragma once

#include <windows.h>

namespace ui {
class CaptionBar;
}

namespace ui::win32 {

// Handles the non-client messages that draw the buttons and the title beside
// them and that click them; true when result is the message's answer.
bool CaptionMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, CaptionBar& bar, LRESULT& result);

// Where button i lies, in window coordinates.
RECT CaptionButtonRect(HWND hwnd, size_t i);

}  // namespace ui::win32

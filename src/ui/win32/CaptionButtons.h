// The caption bar's own buttons (the stay-on-top pin), drawn in the window's
// non-client area at the left end of its caption, after the system icon.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/Component.h"

namespace ui {
class CaptionBar;
class Window;
}

namespace ui::win32 {

// Handles, for a window with a caption bar, the non-client messages that draw
// its buttons and the title beside them and that click them; true when
// result is the message's answer.
bool CaptionMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const Window& w, LRESULT& result);

// The caption bar's peer: a pressed or released button redraws the frame.
std::unique_ptr<Peer> MakeCaptionPeer(CaptionBar& bar);

// Where button i lies, in window coordinates.
RECT CaptionButtonRect(HWND hwnd, size_t i);

}  // namespace ui::win32

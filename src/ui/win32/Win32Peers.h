// What the Win32 backend's peers share: the native handle behind a peer and
// where a control sits in its native parent.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/Component.h"

namespace ui {
class Timer;
}

namespace ui::win32 {

class Win32Backend;

// Window classes the backend registers for its own controls.
inline constexpr char kPaintClass[] = "TBrantellePaintBox";
inline constexpr char kPictureClass[] = "TBrantellePicture";
inline constexpr char kPageClass[] = "TBrantellePage";

// The window procedure of kPaintClass and kPictureClass: each window keeps
// its back buffer in its first extra slot (cbWndExtra >= sizeof(LONG_PTR)).
LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

class NativePeer : public Peer {
 public:
  virtual HWND Handle() const = 0;
};

// The backend makes a component's peer by its kind (Win32Backend::CreatePeer),
// and so the kind tells which peer a component has: a window and every
// control a native one, the value controls an input peer.
inline bool HasNativePeer(const Component& c) {
  switch (c.GetKind()) {
    case Kind::Timer: case Kind::Menu: case Kind::MenuItem: case Kind::CaptionBar:
    case Kind::NonVisual: case Kind::Action:
      return false;
    default:
      return true;
  }
}
inline NativePeer* NativePeerOf(const Component& c) {
  return HasNativePeer(c) ? static_cast<NativePeer*>(c.GetPeer()) : nullptr;
}
inline bool HasInputPeer(const Component& c) {
  switch (c.GetKind()) {
    case Kind::ComboBox: case Kind::ColorBox: case Kind::SpinEdit: case Kind::HotKeyEdit:
      return true;
    default:
      return false;
  }
}

// The offset of a component's bounds in its native parent: children of group
// boxes and page controls are placed on the parent of these.
POINT ControlOrigin(const Component& c);
HWND ParentHandleOf(const Component& c);

// The peer of a standard or backend-drawn control: labels, buttons, check
// and radio boxes, track and progress bars, memos, status bars, pictures,
// paint boxes, panels, list views, page controls and their sheets.
std::unique_ptr<Peer> CreateControlPeer(Component& c, Win32Backend& backend);

// A timer's peer: timers of one period share one system timer.
std::unique_ptr<Peer> CreateTimerPeer(Timer& t, Win32Backend& backend);

// Peers of the value controls (lists, colour pickers, spin boxes, hot-key
// fields); none for other kinds.
std::unique_ptr<Peer> CreateInputPeer(Component& c, Win32Backend& backend);
// A control's notification code from WM_COMMAND; true when it was handled.
bool InputCommand(Component& c, int code);
// The background brush of a list or spin box given a colour of its own, with
// the device context set to match; nullptr for other controls.
HBRUSH InputBackground(HWND control, HDC dc);
// Owner-drawn items of the colour pickers.
bool InputDrawItem(const DRAWITEMSTRUCT& item);

}  // namespace ui::win32

#include "platform/win32/Win32NotifyArea.h"

#include <shellapi.h>

#include <cstring>

#include "gfx/win32/GdiCanvas.h"
#include "gfx/win32/IconHandle.h"
#include "platform/win32/HiddenWindow.h"
#include "platform/win32/RecordSizes.h"

namespace platform::win32 {

namespace {

HICON ToHicon(IconHandle h) { return reinterpret_cast<HICON>(static_cast<uintptr_t>(h)); }
IconHandle FromHicon(HICON h) { return static_cast<IconHandle>(reinterpret_cast<uintptr_t>(h)); }

}  // namespace

Win32NotifyArea::~Win32NotifyArea() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK Win32NotifyArea::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32NotifyArea*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) {
    if (msg == kCallbackMessage) {
      self->DeliverMouse(static_cast<uint32_t>(wp), static_cast<uint32_t>(lp));
      return 0;
    }
    if (msg == WM_TIMER) {
      self->DeliverCycle(static_cast<uint32_t>(wp));
      return 0;
    }
    if (self->taskbarCreated_ && msg == self->taskbarCreated_) {
      self->DeliverTaskbarCreated();
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND Win32NotifyArea::Window() {
  if (window_) return window_;
  window_ = CreateHiddenWindow("TTrayIconHandler", Proc, this, WS_EX_TOOLWINDOW);
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  return window_;
}

bool Win32NotifyArea::Notify(NotifyOp op, const TrayIconData& data) {
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = sizeof nid < kNotifyIconDataSize ? sizeof nid : kNotifyIconDataSize;
  nid.hWnd = Window();
  nid.uID = data.id;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = ToHicon(data.icon);
  const size_t n = data.tip.size() < kTipLength ? data.tip.size() : kTipLength;
  std::memcpy(nid.szTip, data.tip.data(), n);
  nid.szTip[n] = '\0';
  const DWORD message = op == NotifyOp::Add ? NIM_ADD : op == NotifyOp::Modify ? NIM_MODIFY : NIM_DELETE;
  return Shell_NotifyIconA(message, &nid) != FALSE;
}

std::unique_ptr<gfx::Canvas> Win32NotifyArea::CreateImage(int width, int height) {
  auto image = std::make_unique<gfx::win32::GdiBitmap>(width, height);
  if (!image->Valid()) return nullptr;
  return image;
}

IconHandle Win32NotifyArea::MakeIcon(const gfx::IconImage& image) {
  return FromHicon(gfx::win32::MakeIcon(image));
}

void Win32NotifyArea::FreeIcon(IconHandle icon) {
  if (icon) DestroyIcon(ToHicon(icon));
}

IconHandle Win32NotifyArea::ProgramIcon() {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  return FromHicon(icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
}

bool Win32NotifyArea::CursorPos(gfx::Point& at) {
  POINT p;
  if (!GetCursorPos(&p)) return false;
  at = {p.x, p.y};
  return true;
}

void Win32NotifyArea::StartCycle(uint32_t id, unsigned ms) {
  StopCycle(id);
  if (HWND w = Window()) SetTimer(w, id, ms, nullptr);
}

void Win32NotifyArea::StopCycle(uint32_t id) {
  if (window_) KillTimer(window_, id);
}

}  // namespace platform::win32

// The notification area through Shell_NotifyIconA, with one hidden window
// that receives the icons' callback messages, "TaskbarCreated" and the
// animation timers.
#pragma once

#include <windows.h>

#include "platform/NotifyArea.h"

namespace platform::win32 {

class Win32NotifyArea : public NotifyArea {
 public:
  ~Win32NotifyArea() override;
  bool Notify(NotifyOp op, const TrayIconData& data) override;
  std::unique_ptr<gfx::Canvas> CreateImage(int width, int height) override;
  IconHandle MakeIcon(const gfx::IconImage& image) override;
  void FreeIcon(IconHandle icon) override;
  IconHandle ProgramIcon() override;
  bool CursorPos(gfx::Point& at) override;
  void StartCycle(uint32_t id, unsigned ms) override;
  void StopCycle(uint32_t id) override;
  // The window the icons report to, made on first use.
  HWND Window();

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND window_ = nullptr;
  UINT taskbarCreated_ = 0;
};

}  // namespace platform::win32

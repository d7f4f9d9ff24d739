// The notification area of the task bar: adding, changing and removing an
// icon with its tooltip, the mouse messages it reports back, the shell's
// "TaskbarCreated" notice, system icons made from 16 × 16 pictures, and a
// timer for icon animation.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gfx/Canvas.h"
#include "gfx/IconImage.h"

namespace platform {

using IconHandle = uint32_t;  // 0: no icon

enum class NotifyOp { Add, Modify, Delete };

struct TrayIconData {
  uint32_t id = 0;
  IconHandle icon = 0;
  std::string tip;  // at most kTipLength characters reach the shell
};

// Mouse messages as the shell reports them in the callback message's lParam.
enum TrayMouse : uint32_t {
  kMouseMove = 0x200, kLButtonDown = 0x201, kLButtonUp = 0x202, kLButtonDblClk = 0x203,
  kRButtonDown = 0x204, kRButtonUp = 0x205,
};

class NotifyArea {
 public:
  static constexpr uint32_t kCallbackMessage = 0x800;  // WM_USER + 1024
  static constexpr size_t kTipLength = 127;

  struct Listener {
    std::function<void(uint32_t mouseMessage)> mouse;
    std::function<void()> taskbarCreated, cycle;
  };

  virtual ~NotifyArea() = default;

  // Shell_NotifyIcon with message, icon and tip; false when the shell refused.
  virtual bool Notify(NotifyOp op, const TrayIconData& data) = 0;
  // An off-screen image of the kind MakeIcon can read, for drawing the number.
  virtual std::unique_ptr<gfx::Canvas> CreateImage(int width, int height) = 0;
  // A system icon from the picture (0 on failure); FreeIcon releases it.
  virtual IconHandle MakeIcon(const gfx::IconImage& image) = 0;
  virtual void FreeIcon(IconHandle icon) = 0;
  // The program's own icon; shared, never freed.
  virtual IconHandle ProgramIcon() = 0;
  virtual bool CursorPos(gfx::Point& at) = 0;
  // Calls the id's cycle listener every ms milliseconds until StopCycle.
  virtual void StartCycle(uint32_t id, unsigned ms) = 0;
  virtual void StopCycle(uint32_t id) = 0;

  // A fresh identity for one icon of this process.
  uint32_t NewId() { return ++lastId_; }
  void Listen(uint32_t id, Listener l) { listeners_[id] = std::move(l); }
  void Unlisten(uint32_t id) { listeners_.erase(id); }

  // Called by the implementation as the messages arrive.
  void DeliverMouse(uint32_t id, uint32_t mouseMessage) {
    // A copy: the listener may go while it runs.
    if (auto l = Of(id); l && l->mouse) std::function<void(uint32_t)>(l->mouse)(mouseMessage);
  }
  void DeliverCycle(uint32_t id) {
    if (auto l = Of(id); l && l->cycle) std::function<void()>(l->cycle)();
  }
  void DeliverTaskbarCreated() {
    auto copy = listeners_;  // a listener may unlisten
    for (auto& [id, l] : copy)
      if (l.taskbarCreated) l.taskbarCreated();
  }

 private:
  const Listener* Of(uint32_t id) const {
    auto it = listeners_.find(id);
    return it == listeners_.end() ? nullptr : &it->second;
  }
  std::map<uint32_t, Listener> listeners_;
  uint32_t lastId_ = 0;
};

}  // namespace platform

// The notification area as a record of what the program asked of it; each
// drawn image is a recording canvas whose operations are kept.
#pragma once

#include <map>
#include <vector>

#include "fakes/RecordingCanvas.h"
#include "platform/NotifyArea.h"

namespace fakes {

class FakeNotifyArea : public platform::NotifyArea {
 public:
  struct Call {
    platform::NotifyOp op;
    platform::TrayIconData data;
  };
  std::vector<Call> calls;
  bool refuseAdd = false;                   // as the shell does when the icon is there already
  std::vector<gfx::IconImage> madeIcons;    // handle n is madeIcons[n - kFirstIcon]
  std::vector<platform::IconHandle> freed;
  std::vector<DrawOp> lastImageOps;         // what the last image received
  gfx::Point cursor{600, 580};
  bool cursorKnown = true;
  std::map<uint32_t, unsigned> cycles;      // running animation timers
  static constexpr platform::IconHandle kFirstIcon = 100, kProgramIcon = 7;

  bool Notify(platform::NotifyOp op, const platform::TrayIconData& data) override {
    calls.push_back({op, data});
    return !(op == platform::NotifyOp::Add && refuseAdd);
  }
  std::unique_ptr<gfx::Canvas> CreateImage(int width, int height) override {
    auto image = std::make_unique<KeptCanvas>(*this, width, height);
    live_ = image.get();
    return image;
  }
  platform::IconHandle MakeIcon(const gfx::IconImage& image) override {
    if (live_) lastImageOps = std::move(live_->ops), live_->ops.clear();  // one icon's drawing
    madeIcons.push_back(image);
    return kFirstIcon + static_cast<platform::IconHandle>(madeIcons.size() - 1);
  }
  void FreeIcon(platform::IconHandle icon) override { freed.push_back(icon); }
  platform::IconHandle ProgramIcon() override { return kProgramIcon; }
  bool CursorPos(gfx::Point& at) override {
    at = cursor;
    return cursorKnown;
  }
  void StartCycle(uint32_t id, unsigned ms) override { cycles[id] = ms; }
  void StopCycle(uint32_t id) override { cycles.erase(id); }

  const Call& Last() const { return calls.back(); }
  const gfx::IconImage& Shown() const { return madeIcons.at(Last().data.icon - kFirstIcon); }

 private:
  class KeptCanvas : public RecordingCanvas {
   public:
    KeptCanvas(FakeNotifyArea& area, int w, int h) : RecordingCanvas(w, h), area_(area) {}
    ~KeptCanvas() override {
      if (!ops.empty()) area_.lastImageOps = ops;
      if (area_.live_ == this) area_.live_ = nullptr;
    }

   private:
    FakeNotifyArea& area_;
  };
  KeptCanvas* live_ = nullptr;  // the image a client still draws into
};

}  // namespace fakes

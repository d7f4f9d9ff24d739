// A day in the tray and on the screen: the whole program on fakes, driven
// through 24 hours of one-second ticks on the fake clock with 100 freeing runs
// spread over it. Prints the heap in use and the live tray icons every quarter
// of the run; fails when either grows after the first hour, when an error was
// shown, or (under LeakSanitizer) when anything is left at exit.
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/MainFrm.h"
#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/RecordingCanvas.h"
#include "ui/Headless.h"

namespace {

// The notification area as counts only: a recording one would grow by itself.
class CountingNotifyArea : public platform::NotifyArea {
 public:
  std::set<platform::IconHandle> live;
  platform::IconHandle next = 100;
  long notifies = 0;
  bool Notify(platform::NotifyOp, const platform::TrayIconData&) override {
    ++notifies;
    return true;
  }
  // The tray icon keeps its image and draws into it again: what it recorded
  // for one icon is dropped once the icon is made, or the fake would grow.
  std::unique_ptr<gfx::Canvas> CreateImage(int width, int height) override {
    auto image = std::make_unique<fakes::RecordingCanvas>(width, height);
    image_ = image.get();
    return image;
  }
  platform::IconHandle MakeIcon(const gfx::IconImage&) override {
    if (image_) image_->ops.clear();
    live.insert(next);
    return next++;
  }
  void FreeIcon(platform::IconHandle icon) override { live.erase(icon); }
  platform::IconHandle ProgramIcon() override { return 7; }
  bool CursorPos(gfx::Point& at) override {
    at = {600, 580};
    return true;
  }
  void StartCycle(uint32_t, unsigned) override {}
  void StopCycle(uint32_t) override {}

 private:
  fakes::RecordingCanvas* image_ = nullptr;  // the form, and its icon, go first
};

}  // namespace

// The sanitizers' allocator count when they are linked in, else the C library's.
extern "C" __attribute__((weak)) size_t __sanitizer_get_current_allocated_bytes();

namespace {

size_t Heap() {
  if (__sanitizer_get_current_allocated_bytes) return __sanitizer_get_current_allocated_bytes();
  return mallinfo2().uordblks;
}

}  // namespace

// soak [HOURS]: 24 by default; the runs scale with the hours.
int main(int argc, char** argv) {
  const int hours = argc > 1 ? std::atoi(argv[1]) : 24;
  if (hours < 2 || hours > 24 * 30) return std::fprintf(stderr, "soak: HOURS from 2 to 720\n"), 2;
  const int kSeconds = hours * 3600, kRuns = hours * 100 / 24 > 4 ? hours * 100 / 24 : 4,
            kRunEvery = kSeconds / kRuns;
  fakes::FakeSystem f;
  CountingNotifyArea tray;
  platform::System sys{f.memory,   f.blocks,      f.launcher, f.profile,  f.instance, f.dialogs,
                       f.environment, f.performance, f.files,   f.clock,    f.priority, f.clipboard,
                       f.sound,    f.opener,      f.textFiles, f.registry, f.hotKeys,  tray,
                       f.fileDialogs, f.printing, f.tools.tools, f.profile, f.drives};
  f.memory.figures.totalPhys = 512u << 20;
  f.memory.figures.availPhys = 200u << 20;
  ui::HeadlessBackend backend;
  backend.onModal = [](ui::Window&) {};  // a report or dialog closes at once
  ui::Application app(backend);
  auto form = std::make_unique<app::TMainForm>(app, sys);
  app::StartUp(app, *form);  // no switches: into the tray

  size_t heapAfterHour = 0, iconsAfterHour = 0;
  int runs = 0, status = 0;
  size_t logBytes = 0;
  for (int s = 1; s <= kSeconds; ++s) {
    f.clock.tick += 1000;
    // Free memory wanders between 150 and 250 MB, so every figure changes.
    f.memory.figures.availPhys = (150u + (s * 7919u) % 100u) << 20;
    backend.Elapse(*form, 1000);
    backend.RunPosted();
    if (form->Visible()) {
      for (auto* g : {form->CPUUsage, form->RAMLoading, form->RAMUsage, form->SwapUsage}) {
        fakes::RecordingCanvas canvas(g->Bounds().width, g->Bounds().height);
        g->Paint(canvas);
      }
    }
    if (s % kRunEvery == 0 && runs < kRuns) {
      if (!form->GoClick().Ok()) std::fprintf(stderr, "soak: a run failed\n");
      backend.RunPosted();
      ++runs;
      // The fakes' own records (the log file's text, priority changes, beeps)
      // would grow the heap by themselves.
      for (auto& file : f.textFiles.files) logBytes += file.second.size(), std::string().swap(file.second);
      std::vector<platform::PriorityClass>().swap(f.priority.sets);
      decltype(f.sound.beeps)().swap(f.sound.beeps);
      std::vector<std::string>().swap(f.files.reads);
    }
    if (s == kSeconds / 2) form->RestoreClick();  // the second half on the screen
    if (s == 3600) heapAfterHour = Heap(), iconsAfterHour = tray.live.size();
    if (s % ((hours >= 4 ? hours / 4 : 1) * 3600) == 0)
      std::printf("soak: hour %2d: heap %zu bytes, %zu tray icons live, %ld tray calls, %d runs\n",
                  s / 3600, Heap(), tray.live.size(), tray.notifies, runs);
  }
  const size_t heapEnd = Heap();
  const long growth = static_cast<long>(heapEnd) - static_cast<long>(heapAfterHour);
  std::printf("soak: heap growth from hour 1 to hour %d: %ld bytes; %zu log bytes written; "
              "%zu error boxes, %zu messages\n",
              hours, growth, logBytes, backend.errors.size(), f.dialogs.boxes.size());
  // Slack for allocator rounding of strings that change length, not for a leak:
  // a leak of one small object per tick would be 86400 of them.
  if (growth > 16 * 1024 || tray.live.size() > iconsAfterHour + 1 || runs != kRuns ||
      !backend.errors.empty() || !f.dialogs.boxes.empty()) {
    std::printf("soak: FAILED\n");
    status = 1;
  }
  form.reset();
  std::printf("soak: %s\n", status ? "memory or icons grew" : "flat");
  return status;
}

#include <gtest/gtest.h>

#include "ui/Headless.h"
#include "ui/Window.h"

namespace {

struct RecordingPeer : ui::Peer {
  std::vector<ui::Prop>* changes;
  explicit RecordingPeer(std::vector<ui::Prop>* c) : changes(c) {}
  void Changed(ui::Prop p) override { changes->push_back(p); }
};

}  // namespace

TEST(Window, AFixedClientSizeSnapsBackOnEveryResize) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window fixed(app, "ReportForm"), free(app, "Other");
  fixed.SetClientSize(317, 281);
  std::vector<ui::Prop> changes, freeChanges;
  fixed.AttachPeer(std::make_unique<RecordingPeer>(&changes));
  free.AttachPeer(std::make_unique<RecordingPeer>(&freeChanges));

  fixed.NotifyClientResized(400, 300);
  EXPECT_EQ(changes, std::vector<ui::Prop>{ui::Prop::Bounds});
  fixed.NotifyClientResized(317, 281);  // the size it snapped back to
  EXPECT_EQ(changes.size(), 1u);
  free.NotifyClientResized(400, 300);  // no size was set: nothing to keep
  EXPECT_TRUE(freeChanges.empty());
}

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
  ui::Window w(app, "ReportForm");
  w.SetClientSize(317, 281);
  std::vector<ui::Prop> changes;
  w.AttachPeer(std::make_unique<RecordingPeer>(&changes));
  int resized = 0;
  w.OnResize = [&] { ++resized; };

  w.NotifyResized(400, 300);
  EXPECT_EQ(changes, std::vector<ui::Prop>{ui::Prop::Bounds});
  EXPECT_EQ(resized, 0);
  w.NotifyResized(317, 281);
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(resized, 1);

  w.SetFixedClientSize(false);
  w.NotifyResized(400, 300);
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(resized, 2);
}

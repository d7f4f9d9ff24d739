#include <gtest/gtest.h>

#include "ui/Headless.h"
#include "ui/Window.h"

namespace {

struct RecordingPeer : ui::Peer {
  std::vector<ui::Prop>* props;
  explicit RecordingPeer(std::vector<ui::Prop>* p) : props(p) {}
  void Changed(ui::Prop p) override { props->push_back(p); }
};

}  // namespace

TEST(Window, AFixedClientSizeSnapsBackAfterEveryResize) {
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  ui::Window w(app, "Form");
  std::vector<ui::Prop> props;
  w.AttachPeer(std::make_unique<RecordingPeer>(&props));
  w.NotifyClientResized(500, 300);  // no fixed size: any size goes
  EXPECT_TRUE(props.empty());
  w.SetClientSize(459, 387);
  props.clear();
  w.NotifyClientResized(459, 387);
  EXPECT_TRUE(props.empty());
  w.NotifyClientResized(600, 387);
  w.NotifyClientResized(459, 100);
  EXPECT_EQ(props, (std::vector<ui::Prop>{ui::Prop::Bounds, ui::Prop::Bounds}));
}

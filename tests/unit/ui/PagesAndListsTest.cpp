// Page tabs and the report-style list view of the component model.
#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/Window.h"

namespace {

struct CountingPeer : ui::Peer {
  explicit CountingPeer(std::vector<ui::Prop>& log) : log(log) {}
  void Changed(ui::Prop p) override { log.push_back(p); }
  std::vector<ui::Prop>& log;
};

struct Rig {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "Form"};
};

std::vector<std::string> Captions(const ui::ListView& list) {
  std::vector<std::string> out;
  for (const auto& item : list.Items()) out.push_back(item.caption);
  return out;
}

}  // namespace

TEST(PageControl, ShowsOnePageAtATime) {
  Rig rig;
  auto& pages = rig.window.Add<ui::PageControl>(nullptr, "Pages");
  pages.SetBounds({8, 8, 300, 200});
  auto& first = rig.window.Add<ui::TabSheet>(&pages, "First");
  auto& second = rig.window.Add<ui::TabSheet>(&pages, "Second");
  auto& group = rig.window.Add<ui::GroupBox>(&second, "Group");

  EXPECT_EQ(pages.ActivePage(), &first);  // the first page added
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(second.Visible());
  EXPECT_EQ(second.Bounds().width, 292);  // inside the frame, below the tabs

  int changes = 0;
  pages.OnChange = [&] { ++changes; };
  pages.SelectTab(1);
  pages.SelectTab(1);
  pages.SelectTab(5);  // no such page
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pages.ActivePageIndex(), 1);
  EXPECT_FALSE(first.Visible());
  EXPECT_TRUE(second.Visible());

  // A tab sheet belongs to a page control: nothing else can be its parent.
  static_assert(!std::is_constructible_v<ui::TabSheet, ui::Window*, decltype(&group), std::string>);
  static_assert(std::is_constructible_v<ui::TabSheet, ui::Window*, ui::PageControl*, std::string>);
}

TEST(ListView, KeepsRowsSortedByCaptionAndShowsABatchOnce) {
  Rig rig;
  auto& list = rig.window.Add<ui::ListView>(nullptr, "List");
  std::vector<ui::Prop> log;
  list.AttachPeer(std::make_unique<CountingPeer>(log));

  list.AddItem({"b", {"first b"}, 0});
  list.SetSortedByCaption(true);  // sorts what is there, then every addition
  log.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  for (const char* c : {"a", "B", "3d", "c"}) list.AddItem({c, {}, 1});
  list.EndUpdate();
  EXPECT_TRUE(log.empty());  // still inside the outer bracket
  list.EndUpdate();
  EXPECT_EQ(log, std::vector<ui::Prop>{ui::Prop::Items});
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(log.size(), 1u);

  // Case is ignored; equal captions keep the order they came in.
  EXPECT_EQ(Captions(list), (std::vector<std::string>{"3d", "a", "b", "B", "c"}));
  EXPECT_EQ(list.Items()[2].subItems, std::vector<std::string>{"first b"});

  list.Clear();
  EXPECT_TRUE(list.Items().empty());
}

// Page tabs: a page control shows one of its tab sheets at a time, and with
// it the components placed on that sheet.
#pragma once

#include <vector>

#include "ui/Component.h"

namespace ui {

class TabSheet;

class PageControl : public Component {
 public:
  UI_KIND_CLASS(PageControl, PageControl)
  PageControl(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::PageControl) {}

  const std::vector<TabSheet*>& Pages() const { return pages_; }
  // -1 while there is no page.
  int ActivePageIndex() const { return active_; }
  TabSheet* ActivePage() const;
  void SetActivePageIndex(int i);
  // The user chose a tab: that page shows, then OnChange runs.
  void SelectTab(int i);
  Event OnChange;

  // Where a sheet lies inside the control: below the tab row, within the frame.
  Rect SheetBounds() const;

 private:
  friend class TabSheet;
  std::vector<TabSheet*> pages_;
  int active_ = -1;
};

// A page of a page control, which is its parent; its caption is the tab's
// text. The first page added becomes the active one.
class TabSheet : public Component {
 public:
  UI_KIND_CLASS(TabSheet, TabSheet)
  TabSheet(Window* owner, PageControl* parent, std::string name);
  PageControl& Control() const { return *static_cast<PageControl*>(Parent()); }
};

}  // namespace ui

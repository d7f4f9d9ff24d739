// Page tabs: a page control shows one of its tab sheets at a time; the
// controls whose parent is a sheet show only while that sheet is active.
#pragma once

#include <vector>

#include "ui/Component.h"

namespace ui {

class TabSheet;

class PageControl : public Component {
 public:
  PageControl(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::PageControl) {}
  const std::vector<TabSheet*>& Pages() const { return pages_; }
  // The active sheet's index; -1 while there is none.
  int ActivePageIndex() const { return active_; }
  // Out-of-range indexes are ignored.
  void SetActivePageIndex(int i);
  Event OnChange;
  // The user chose a tab.
  void Choose(int i);

 private:
  friend class TabSheet;
  std::vector<TabSheet*> pages_;
  int active_ = -1;
};

class TabSheet : public Component {
 public:
  // The first sheet of a page control becomes its active one.
  TabSheet(Window* owner, PageControl* pages, std::string name);
  PageControl& Pages() const { return *static_cast<PageControl*>(Parent()); }
  int PageIndex() const;
  bool Active() const { return Pages().ActivePageIndex() == PageIndex(); }
};

}  // namespace ui

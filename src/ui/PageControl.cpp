#include "ui/PageControl.h"

#include <algorithm>
#include "text/Error.h"

namespace ui {

namespace {

// Room the tab row and the frame take from the control's bounds.
constexpr int kTabRow = 24, kFrame = 4;

}  // namespace

TabSheet* PageControl::ActivePage() const {
  return active_ < 0 ? nullptr : pages_[static_cast<size_t>(active_)];
}

void PageControl::SetActivePageIndex(int i) {
  if (i < 0 || i >= static_cast<int>(pages_.size()) || i == active_) return;
  active_ = i;
  for (size_t p = 0; p < pages_.size(); ++p) pages_[p]->SetVisible(static_cast<int>(p) == i);
  Changed(Prop::ItemIndex);
}

void PageControl::SelectTab(int i) {
  const int before = active_;
  SetActivePageIndex(i);
  if (active_ != before) Dispatch(App(), OnChange);
}

Rect PageControl::SheetBounds() const {
  const Rect& b = Bounds();
  return {kFrame, kTabRow, std::max(0, b.width - 2 * kFrame), std::max(0, b.height - kTabRow - kFrame)};
}

TabSheet::TabSheet(Window* owner, PageControl* parent, std::string name)
    : Component(owner, parent, std::move(name), Kind::TabSheet) {
  PageControl& control = Control();
  SetBounds(control.SheetBounds());
  SetVisible(false);
  control.pages_.push_back(this);
  control.Changed(Prop::Items);
  if (control.active_ < 0) control.SetActivePageIndex(0);
}

}  // namespace ui

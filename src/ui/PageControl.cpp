#include "ui/PageControl.h"

#include <algorithm>

#include "ui/Window.h"

namespace ui {

void PageControl::SetActivePageIndex(int i) {
  if (i < 0 || i >= static_cast<int>(pages_.size()) || i == active_) return;
  active_ = i;
  Changed(Prop::ActivePage);
  // The controls on the sheets appear and disappear with them.
  for (const auto& c : Owner()->Components())
    if (c->Parent() && c->Parent() != this && c->GetKind() != Kind::TabSheet) {
      for (const Component* up = c->Parent(); up; up = up->Parent())
        if (up->Parent() == this) {
          c->Changed(Prop::Visible);
          break;
        }
    }
}

void PageControl::Choose(int i) {
  const int before = active_;
  SetActivePageIndex(i);
  if (active_ != before) Dispatch(App(), OnChange);
}

TabSheet::TabSheet(Window* owner, PageControl* pages, std::string name)
    : Component(owner, pages, std::move(name), Kind::TabSheet) {
  pages->pages_.push_back(this);
  if (pages->active_ < 0) pages->active_ = 0;
}

int TabSheet::PageIndex() const {
  const auto& pages = Pages().pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

}  // namespace ui

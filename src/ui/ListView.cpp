#include "ui/ListView.h"

#include <algorithm>

#include "text/Text.h"

namespace ui {

namespace {

bool CaptionBefore(const ListView::Item& a, const ListView::Item& b) {
  return text::Upper(a.caption) < text::Upper(b.caption);
}

}  // namespace

void ListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back(Column{caption, width});
  Changed(Prop::Items);
}

void ListView::SetShowColumnHeaders(bool on) {
  if (on == showHeaders_) return;
  showHeaders_ = on;
  Changed(Prop::Items);
}

void ListView::SetSortedByCaption(bool on) {
  if (on == sorted_) return;
  sorted_ = on;
  if (on) Sort();
  ItemsChanged();
}

void ListView::SetSmallImages(const ImageList* images) {
  if (images == images_) return;
  images_ = images;
  Changed(Prop::Items);
}

void ListView::AddItem(Item item) {
  auto at = sorted_ ? std::upper_bound(items_.begin(), items_.end(), item, CaptionBefore) : items_.end();
  items_.insert(at, std::move(item));
  ItemsChanged();
}

void ListView::Clear() {
  if (items_.empty()) return;
  items_.clear();
  ItemsChanged();
}

void ListView::EndUpdate() {
  if (updating_ == 0 || --updating_ > 0 || !pending_) return;
  pending_ = false;
  Changed(Prop::Items);
}

void ListView::ItemsChanged() {
  if (updating_ > 0) pending_ = true;
  else Changed(Prop::Items);
}

void ListView::Sort() { std::stable_sort(items_.begin(), items_.end(), CaptionBefore); }

}  // namespace ui

// A report-style list view: columns, rows with sub-item texts and a small
// picture from an image list, optionally kept sorted by the first column.
#pragma once

#include <string>
#include <vector>

#include "ui/Component.h"

namespace ui {

class ImageList;

class ListView : public Component {
 public:
  UI_KIND_CLASS(ListView, ListView)
  struct Column {
    std::string caption;
    int width = 0;
  };
  struct Item {
    std::string caption;
    std::vector<std::string> subItems;
    int imageIndex = -1;  // none
  };

  ListView(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::ListView) {}

  void AddColumn(const std::string& caption, int width);
  const std::vector<Column>& Columns() const { return columns_; }
  bool ShowColumnHeaders() const { return showHeaders_; }
  void SetShowColumnHeaders(bool on);
  // Rows are kept in ascending order of their captions (case ignored); rows
  // with equal captions keep the order they were added in.
  bool SortedByCaption() const { return sorted_; }
  void SetSortedByCaption(bool on);
  const ImageList* SmallImages() const { return images_; }
  void SetSmallImages(const ImageList* images);

  // The rows in the order they are shown.
  const std::vector<Item>& Items() const { return items_; }
  void AddItem(Item item);
  void Clear();
  // Changes between these are shown once, at the outermost EndUpdate.
  void BeginUpdate() { ++updating_; }
  void EndUpdate();

 private:
  void ItemsChanged();
  void Sort();
  std::vector<Column> columns_;
  std::vector<Item> items_;
  const ImageList* images_ = nullptr;
  bool showHeaders_ = true, sorted_ = false, pending_ = false;
  int updating_ = 0;
};

}  // namespace ui

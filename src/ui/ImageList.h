// A list of 16 × 16 pictures with transparency, for the tray icon and for the
// row pictures of list views.
#pragma once

#include <string>
#include <vector>

#include "gfx/IconImage.h"
#include "ui/Controls.h"

namespace ui {

class ImageList : public NonVisual {
 public:
  ImageList(Window* owner, std::string name, std::vector<gfx::IconImage> images)
      : NonVisual(owner, std::move(name)), images_(std::move(images)) {}
  size_t Count() const { return images_.size(); }
  const gfx::IconImage& Image(size_t i) const { return images_.at(i); }

 private:
  std::vector<gfx::IconImage> images_;
};

}  // namespace ui

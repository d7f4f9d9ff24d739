// An image list of 16 × 16 tray pictures, and the program's two lists: the
// backgrounds for the four bands of free memory and the run animation.
#pragma once

#include <string>
#include <vector>

#include "gfx/IconImage.h"
#include "ui/Controls.h"

namespace gauges {

class TImageList : public ui::NonVisual {
 public:
  TImageList(ui::Window* owner, std::string name, std::vector<gfx::IconImage> images)
      : ui::NonVisual(owner, std::move(name)), images_(std::move(images)) {}
  size_t Count() const { return images_.size(); }
  const gfx::IconImage& Image(size_t i) const { return images_.at(i); }

 private:
  std::vector<gfx::IconImage> images_;
};

// Four round badges, from little free memory (red) to plenty (green).
std::vector<gfx::IconImage> FreeMemoryBackgrounds();
// Twelve frames of a light running round a ring.
std::vector<gfx::IconImage> RunAnimationFrames();

}  // namespace gauges

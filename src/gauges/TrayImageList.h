// An image list of 16 × 16 tray pictures, and the program's two lists: the
// backgrounds for the four bands of free memory and the run animation.
#pragma once

#include <vector>

#include "gfx/IconImage.h"
#include "ui/ImageList.h"

namespace gauges {

using TImageList = ui::ImageList;

// Four round badges, from little free memory (red) to plenty (green).
std::vector<gfx::IconImage> FreeMemoryBackgrounds();
// Twelve frames of a light running round a ring.
std::vector<gfx::IconImage> RunAnimationFrames();

}  // namespace gauges

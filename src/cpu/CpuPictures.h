// The processor detection pictures, drawn by the program itself: the strip
// along the main window's right edge, the chip on the window's first page and
// the supported / unsupported marks of the feature list.
#pragma once

#include <vector>

#include "gfx/Canvas.h"
#include "gfx/IconImage.h"

namespace cpu {

// A narrow vertical bar that reads "CPU" from top to bottom, over the whole canvas.
void DrawProcessorStrip(gfx::Canvas& canvas);
// A processor package with its pins, centred on the canvas.
void DrawChip(gfx::Canvas& canvas);
// Picture 0: a green tick (supported); picture 1: a red cross (unsupported).
std::vector<gfx::IconImage> SupportMarks();

}  // namespace cpu

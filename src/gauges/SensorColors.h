// The derived colours of a gauge: the grid and the 3D edges.
#pragma once

#include "gfx/Canvas.h"

namespace gauges {

// Each of the three low bytes (a system colour reference is not resolved)
// halved and rounded, an exact half to the even neighbour.
gfx::Color DarkenColor(gfx::Color c);
// Each byte times 85/64, rounded the same way; a channel that would pass 255
// stays at 255, so a light face keeps a light edge.
gfx::Color LightenColor(gfx::Color c);

}  // namespace gauges

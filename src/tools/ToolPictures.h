// The picture of the cache-tuning strip along the main window's left edge,
// and its greyed twin for systems where cache tuning is not available.
#pragma once

#include "gfx/Canvas.h"

namespace tools {

// A narrow vertical bar that reads "CACHE" from top to bottom.
void DrawCacheStrip(gfx::Canvas& canvas);
// The same bar in greys, its letters sunken.
void DrawCacheStripDisabled(gfx::Canvas& canvas);

}  // namespace tools

// System icons from the program's own 16 × 16 pictures.
#pragma once

#include <windows.h>

#include "gfx/IconImage.h"

namespace gfx::win32 {

// A new icon the caller destroys (DestroyIcon), or none when the system has
// no room for one.
HICON MakeIcon(const IconImage& image);

}  // namespace gfx::win32

#include "gauges/SensorColors.h"

#include <algorithm>
#include <cmath>

namespace gauges {

static gfx::Color Scale(gfx::Color c, double factor) {
  gfx::Color out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double scaled = std::nearbyint(((c >> shift) & 0xFF) * factor);  // half to even
    out |= static_cast<gfx::Color>(std::min(scaled, 255.0)) << shift;
  }
  return out;
}

gfx::Color DarkenColor(gfx::Color c) { return Scale(c, 0.5); }
gfx::Color LightenColor(gfx::Color c) { return Scale(c, 85.0 / 64.0); }

}  // namespace gauges

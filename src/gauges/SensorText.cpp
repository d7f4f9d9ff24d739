#include "gauges/SensorText.h"

#include <cmath>
#include <cstdio>

namespace gauges {

std::string SensorValueText(double value, const std::string& suffix,
                            const std::string& decimalSeparator) {
  if (std::isnan(value)) return "NAN" + suffix;
  if (std::isinf(value)) return (value < 0 ? "-INF" : "INF") + suffix;
  char text[400];
  std::snprintf(text, sizeof text, "%.2f", value);  // the C locale writes '.'
  std::string out = text;
  if (const size_t dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, decimalSeparator);
  return out + suffix;
}

}  // namespace gauges

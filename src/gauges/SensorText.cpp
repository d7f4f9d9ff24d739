#include "gauges/SensorText.h"

#include <cmath>
#include <cstdio>

namespace gauges {

std::string SensorValueText(double value, const std::string& suffix) {
  if (std::isnan(value)) return "NAN" + suffix;
  if (std::isinf(value)) return (value < 0 ? "-INF" : "INF") + suffix;
  char text[400];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text + suffix;
}

}  // namespace gauges

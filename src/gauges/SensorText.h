// The value text a gauge shows: two decimals, then the unit.
#pragma once

#include <string>

namespace gauges {

// 123.456 with " %" gives "123.46 %" (with "," as the separator, "123,46 %").
std::string SensorValueText(double value, const std::string& suffix,
                            const std::string& decimalSeparator = ".");

}  // namespace gauges

// The four gauges of the main window share one appearance.
#pragma once

#include <string>

#include "gauges/Sensor.h"

namespace gauges {

// Creates a gauge in window (inside parent) with the main window's
// appearance, assigned in the order of the window's description, sampling type.
TSensor& AddMainWindowGauge(ui::Window& window, ui::Component* parent, const std::string& name,
                            TDataType type, SensorSources sources, ui::Rect bounds = {0, 0, 197, 65});

}  // namespace gauges

// A headless window to hold gauges, and a peer that counts repaints.
#pragma once

#include <memory>

#include "gauges/Sensor.h"
#include "ui/Application.h"
#include "ui/Headless.h"
#include "ui/Window.h"

namespace gauges_test {

struct RepaintCounter : ui::Peer {
  int* count;
  explicit RepaintCounter(int* c) : count(c) {}
  void Changed(ui::Prop prop) override {
    if (prop == ui::Prop::Repaint) ++*count;
  }
};

struct Host {
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  ui::Window window{app, "MainForm"};
  int repaints = 0;

  gauges::TSensor& Add(gauges::SensorSources sources = {}) {
    auto& s = window.Add<gauges::TSensor>(nullptr, "Gauge", sources);
    s.AttachPeer(std::make_unique<RepaintCounter>(&repaints));
    return s;
  }
};

}  // namespace gauges_test

#include "gauges/Sensor.h"

#include <algorithm>
#include <cmath>

#include "engine/CpuUsage.h"
#include "engine/MemoryStatus.h"
#include "gauges/SensorColors.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace gauges {

namespace {
constexpr unsigned kSamplePeriodMs = 1000;
constexpr double kMb = 1048576.0;
}  // namespace

TSensor::TSensor(ui::Window* owner, ui::Component* parent, std::string name, SensorSources sources)
    : ui::PaintBox(owner, parent, std::move(name)), sources_(sources), history_(100, 0.0) {
  gridColor_ = DarkenColor(color_);
  font_.color = color_;
  SetBounds({0, 0, 300, 100});
}

TSensor::~TSensor() = default;

void TSensor::SetPointCount(int n) {
  n = std::max(n, 1);
  if (n == PointCount()) return;
  history_.resize(n, 0.0);
  if (historyPos_ >= n) historyPos_ = 0;
}

void TSensor::SetValue(double v) {
  if (++historyPos_ >= PointCount()) historyPos_ = 0;
  history_[historyPos_] = v;
  Repaint();
}

ui::Status TSensor::SetMaxValue(double v) {
  if (v == maxValue_) return {};
  if (v == minValue_) return ui::Error("MinValue and MaxValue can't be equal.");
  maxValue_ = v;
  Repaint();
  return {};
}

ui::Status TSensor::SetMinValue(double v) {
  if (v == minValue_) return {};
  if (v == maxValue_) return ui::Error("MinValue and MaxValue can't be equal.");
  minValue_ = v;
  Repaint();
  return {};
}

#define SENSOR_WRITER(Setter, Type, field) \
  void TSensor::Setter(Type v) {           \
    if (v == field) return;                \
    field = v;                             \
    Repaint();                             \
  }

SENSOR_WRITER(SetMargin, int, margin_)
SENSOR_WRITER(SetBackColor, gfx::Color, backColor_)
SENSOR_WRITER(SetBorder, TSensBorderStyle, border_)
SENSOR_WRITER(SetXGrid, int, xGrid_)
SENSOR_WRITER(SetYGrid, int, yGrid_)
SENSOR_WRITER(SetStyle3D, bool, style3D_)
SENSOR_WRITER(SetColorBack3D, gfx::Color, colorBack3D_)
SENSOR_WRITER(SetGrid, bool, grid_)
SENSOR_WRITER(SetShowText, bool, showText_)
SENSOR_WRITER(SetFont, const gfx::Font&, font_)
SENSOR_WRITER(SetSuffix, const std::string&, suffix_)
#undef SENSOR_WRITER

void TSensor::SetColor(gfx::Color c) {
  if (c == color_) return;
  color_ = c;
  gridColor_ = DarkenColor(c);
  Repaint();
}

void TSensor::SetColor3D(gfx::Color c) {
  if (c == color3D_) return;
  color3D_ = c;
  shadow3D_ = DarkenColor(c);
  highlight3D_ = LightenColor(c);
  Repaint();
}

void TSensor::SetSensType(TSensType t) {
  if (t == sensType_) return;
  sensType_ = t;
  // Only the diagram lets its text block replace what lies beneath.
  textCopyMode_ = t == stDiagramm ? gfx::CopyMode::Copy : gfx::CopyMode::Xor;
  Repaint();
}

void TSensor::SetDataType(TDataType t) {
  if (t == dataType_) return;
  dataType_ = t;
  std::fill(history_.begin(), history_.end(), 0.0);
  suffix_.clear();
  if (t == dtUser) {
    StopSampling();
  } else {
    engine::TMemorySnapshot s;
    if (sources_.memory && t != dtCPU) s = engine::ReadMemoryStatus(*sources_.memory);
    // The scale is set directly: a system without a swap file gets 0 … 0.
    minValue_ = 0;
    switch (t) {
      case dtCPU:
      case dtPhisMemLoadPercent:
        maxValue_ = 100;
        suffix_ = " %";
        break;
      case dtFreePhisMem:
        maxValue_ = s.totalPhys / kMb;
        suffix_ = " mb";
        break;
      case dtFreeSwap:
      case dtLoadSwap:
        maxValue_ = s.totalPageFile / kMb;
        suffix_ = " mb";
        break;
      case dtUser:
        break;
    }
    StartSampling();
  }
  Repaint();
}

void TSensor::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (sampleTimer_) sampleTimer_->SetInterval(ms);
}

void TSensor::StartSampling() {
  if (sampleTimer_ || !Owner()) return;
  sampleTimer_ = std::make_unique<ui::Timer>(Owner(), Name() + "SampleTimer");
  sampleTimer_->OnTimer = [this] { return SampleTick(); };
  sampleTimer_->SetInterval(kSamplePeriodMs);
  Realized();
}

void TSensor::Realized() {
  // A gauge of a window that is realised already gets a running timer now;
  // one realised later gets it with its own peer.
  if (sampleTimer_ && !sampleTimer_->GetPeer() && GetPeer())
    sampleTimer_->AttachPeer(App().GetBackend().CreatePeer(*sampleTimer_));
}

void TSensor::StopSampling() { sampleTimer_.reset(); }

ui::Status TSensor::SampleTick() {
  if (!active_ || dataType_ == dtUser) return {};
  const ui::Result<double> sample = TakeSample();
  RETURN_IF_FAILED(sample);
  SetValue(*sample);
  return {};
}

ui::Result<double> TSensor::TakeSample() {
  if (dataType_ == dtCPU) {
    if (!sources_.cpu) return 0.0;
    RETURN_IF_FAILED(sources_.cpu->SampleProcessorLoad());
    const ui::Result<double> load = sources_.cpu->ProcessorLoad(0);
    RETURN_IF_FAILED(load);
    const double v = 100 * *load;
    return std::isnan(v) || v < 0 ? 0 : v;
  }
  if (!sources_.memory) return 0.0;
  const engine::TMemorySnapshot s = engine::ReadMemoryStatus(*sources_.memory);
  switch (dataType_) {
    case dtPhisMemLoadPercent:
      return engine::LoadPercent(s);
    case dtFreePhisMem:
      return engine::FreeMb(s);
    case dtFreeSwap:
      return engine::PageFileFreeMb(s);
    case dtLoadSwap:
      return engine::PageFileUsedMb(s);
    default:
      return 0;
  }
}

}  // namespace gauges

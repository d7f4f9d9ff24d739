// TSensor: the gauge control. It samples one system quantity on a timer of its
// own (or shows values its owner writes to Value), keeps a ring of the last
// PointCount values and draws them in one of five styles, flat or 3D.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Canvas.h"
#include "ui/Controls.h"

namespace engine {
class CpuUsage;
}
namespace platform {
class MemoryInfo;
}

namespace gauges {

enum TSensBorderStyle : uint8_t { sbsSingle, sbsLowered, sbsRised };
enum TSensType : uint8_t { stDiagramm, stBond, stColumn, stDigital, stPie };
enum TDataType : uint8_t { dtUser, dtCPU, dtPhisMemLoadPercent, dtFreePhisMem, dtFreeSwap, dtLoadSwap };

// Where a sampling gauge takes its figures from (a missing source samples 0),
// and the locale's decimal separator its value text is written with.
struct SensorSources {
  platform::MemoryInfo* memory = nullptr;
  engine::CpuUsage* cpu = nullptr;
  std::string decimalSeparator = ".";
};

class TSensor : public ui::PaintBox {
 public:
  UI_TAGGED_CLASS(TSensor)
  TSensor(ui::Window* owner, ui::Component* parent, std::string name, SensorSources sources = {});
  ~TSensor() override;

  // Draws the whole gauge onto canvas, which is the off-screen buffer the size
  // of the control (the backend copies it to the screen in one step).
  void Paint(gfx::Canvas& canvas) override;

  int PointCount() const { return static_cast<int>(history_.size()); }
  // Resizes the history, keeping its first entries; counts below 1 count as 1.
  void SetPointCount(int n);
  // The newest value; every write adds a sample, even an equal one.
  double Value() const { return history_[historyPos_]; }
  void SetValue(double v);
  double MaxValue() const { return maxValue_; }
  // Fails with "MinValue and MaxValue can't be equal." on a value equal to the other end.
  ui::Status SetMaxValue(double v);
  double MinValue() const { return minValue_; }
  ui::Status SetMinValue(double v);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  gfx::Color Color() const { return color_; }
  void SetColor(gfx::Color c);
  gfx::Color BackColor() const { return backColor_; }
  void SetBackColor(gfx::Color c);
  TSensBorderStyle Border() const { return border_; }
  void SetBorder(TSensBorderStyle b);
  int XGrid() const { return xGrid_; }
  void SetXGrid(int v);
  int YGrid() const { return yGrid_; }
  void SetYGrid(int v);
  bool Style3D() const { return style3D_; }
  void SetStyle3D(bool on);
  gfx::Color Color3D() const { return color3D_; }
  void SetColor3D(gfx::Color c);
  gfx::Color ColorBack3D() const { return colorBack3D_; }
  void SetColorBack3D(gfx::Color c);
  bool Grid() const { return grid_; }
  void SetGrid(bool on);
  TSensType SensType() const { return sensType_; }
  void SetSensType(TSensType t);
  bool ShowText() const { return showText_; }
  void SetShowText(bool on);
  bool Active() const { return active_; }
  void SetActive(bool on) { active_ = on; }
  const gfx::Font& Font() const { return font_; }
  void SetFont(const gfx::Font& f);
  TDataType DataType() const { return dataType_; }
  void SetDataType(TDataType t);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  const std::string& Suffix() const { return suffix_; }
  const std::string& DecimalSeparator() const { return sources_.decimalSeparator; }
  void SetSuffix(const std::string& s);

  gfx::Color GridColor() const { return gridColor_; }
  gfx::Color Highlight3D() const { return highlight3D_; }
  gfx::Color Shadow3D() const { return shadow3D_; }
  int HistoryPos() const { return historyPos_; }
  const std::vector<double>& History() const { return history_; }
  // How the flat text block is combined into the picture.
  gfx::CopyMode TextCopyMode() const { return textCopyMode_; }
  // The sampling timer, the gauge's own (not a named part of its window, so
  // no language file or stored setting reaches it); none for dtUser.
  ui::Timer* SampleTimer() const { return sampleTimer_.get(); }

  // One tick of the sampling timer.
  ui::Status SampleTick();
  void Realized() override;

 private:
  void Repaint() { Invalidate(); }
  ui::Result<double> TakeSample();
  void StartSampling();
  void StopSampling();

  SensorSources sources_;
  int historyPos_ = 0;
  std::vector<double> history_;
  double maxValue_ = 100.0, minValue_ = 0.0;
  gfx::Color backColor_ = gfx::clBlack, color_ = gfx::clLime;
  int margin_ = 2;
  TSensBorderStyle border_ = sbsLowered;
  bool grid_ = false, active_ = true;
  int xGrid_ = 10, yGrid_ = 10;
  gfx::Color gridColor_;
  bool style3D_ = false;
  gfx::Color color3D_ = gfx::clBtnFace, colorBack3D_ = gfx::clBtnFace;
  gfx::Color highlight3D_ = gfx::clWhite, shadow3D_ = gfx::clBtnShadow;
  TSensType sensType_ = stDiagramm;
  bool showText_ = true;
  std::string suffix_;
  TDataType dataType_ = dtUser;
  std::unique_ptr<ui::Timer> sampleTimer_;
  unsigned interval_ = 0;
  gfx::Font font_;
  gfx::CopyMode textCopyMode_ = gfx::CopyMode::Copy;
};

}  // namespace gauges

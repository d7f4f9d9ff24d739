#include "gauges/MainWindowGauge.h"

#include "ui/Window.h"

namespace gauges {

TSensor& AddMainWindowGauge(ui::Window& window, ui::Component* parent, const std::string& name,
                            TDataType type, SensorSources sources, ui::Rect bounds) {
  TSensor& g = window.Add<TSensor>(parent, name, sources);
  g.SetBounds(bounds);
  g.SetHint("This area displays memory information and statistics");
  g.SetPointCount(100);
  g.SetValue(0);
  (void)g.SetMaxValue(100);  // above the minimum of 0: never refused
  g.SetMargin(2);
  g.SetColor(gfx::clLime);
  g.SetBackColor(gfx::clBlack);
  g.SetBorder(sbsLowered);
  g.SetXGrid(10);
  g.SetYGrid(10);
  g.SetStyle3D(false);
  g.SetColor3D(gfx::clLime);
  g.SetColorBack3D(gfx::clBlack);
  g.SetGrid(true);
  g.SetSensType(stDiagramm);
  g.SetShowText(true);
  gfx::Font font;
  font.name = gfx::kDefaultFontName;
  font.height = -11;
  font.color = gfx::clLime;
  g.SetFont(font);
  g.SetDataType(type);
  g.SetInterval(0);
  return g;
}

}  // namespace gauges

// The gauges' appearance properties, as the main window persists them.
#include "gauges/Sensor.h"
#include "settings/PropertyTable.h"

namespace settings {

namespace {
struct SensorFontFacet {};
}  // namespace

void AddGaugeProperties(PropertyTable& t) {
  using gauges::TSensor;
  t.Boolean<TSensor, &TSensor::Style3D, &TSensor::SetStyle3D>("Style3D");
  t.Enumeration<TSensor, gauges::stPie + 1, &TSensor::SensType, &TSensor::SetSensType>("SensType");
  t.Integer<TSensor, &TSensor::BackColor, &TSensor::SetBackColor>("BackColor");
  t.Enumeration<TSensor, gauges::sbsRised + 1, &TSensor::Border, &TSensor::SetBorder>("Border");
  t.Integer<TSensor, &TSensor::Color, &TSensor::SetColor>("Color");
  t.Integer<TSensor, &TSensor::Color3D, &TSensor::SetColor3D>("Color3D");
  t.Integer<TSensor, &TSensor::ColorBack3D, &TSensor::SetColorBack3D>("ColorBack3D");
  t.Object<TSensor, SensorFontFacet>("Font");
  t.FacetInteger<SensorFontFacet, TSensor, [](TSensor& s, size_t) { return s.Font().color; },
                 [](TSensor& s, size_t, int32_t v) {
                   gfx::Font font = s.Font();
                   font.color = static_cast<gfx::Color>(v);
                   s.SetFont(font);
                 }>("Color");
}

}  // namespace settings

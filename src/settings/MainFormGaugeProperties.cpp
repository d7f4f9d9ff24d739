// The gauges' appearance properties, as the main window persists them.
#include "gauges/Sensor.h"
#include "settings/PropertyTable.h"

namespace settings {

namespace {
struct SensorFontFacet {};
}  // namespace

void AddGaugeProperties(PropertyTable& t) {
  using gauges::TSensor;
  auto color = [&t](const char* name, gfx::Color (TSensor::*get)() const, void (TSensor::*set)(gfx::Color)) {
    t.Integer<TSensor>(name, [get](TSensor& s) { return static_cast<int32_t>((s.*get)()); },
                       [set](TSensor& s, int32_t v) { (s.*set)(static_cast<gfx::Color>(v)); });
  };
  t.Boolean<TSensor>("Style3D", [](TSensor& s) { return s.Style3D(); },
                     [](TSensor& s, bool v) { s.SetStyle3D(v); });
  t.Enumeration<TSensor>("SensType", gauges::stPie + 1, [](TSensor& s) { return int32_t(s.SensType()); },
                         [](TSensor& s, int32_t v) { s.SetSensType(gauges::TSensType(v)); });
  color("BackColor", &TSensor::BackColor, &TSensor::SetBackColor);
  t.Enumeration<TSensor>("Border", gauges::sbsRised + 1, [](TSensor& s) { return int32_t(s.Border()); },
                         [](TSensor& s, int32_t v) { s.SetBorder(gauges::TSensBorderStyle(v)); });
  color("Color", &TSensor::Color, &TSensor::SetColor);
  color("Color3D", &TSensor::Color3D, &TSensor::SetColor3D);
  color("ColorBack3D", &TSensor::ColorBack3D, &TSensor::SetColorBack3D);
  t.Object<TSensor, SensorFontFacet>("Font");
  t.FacetInteger<SensorFontFacet, TSensor>(
      "Color", [](TSensor& s, size_t) { return static_cast<int32_t>(s.Font().color); },
      [](TSensor& s, size_t, int32_t v) {
        gfx::Font font = s.Font();
        font.color = static_cast<gfx::Color>(v);
        s.SetFont(font);
      });
}

}  // namespace settings

// The main window's persisted list, in the order of saving and restoring, and the
// accessors of the properties it names.
#include <algorithm>

#include "gauges/TextTrayIcon.h"
#include "settings/FormPersist.h"
#include "ui/Controls.h"
#include "ui/Menu.h"

namespace settings {

namespace {

PropEntry Leaf(const char* name) { return PropEntry{name, {}}; }

PropEntry Node(const char* name, std::vector<PropEntry> children) {
  return PropEntry{name, std::move(children)};
}

// The facets of the main window's sub-objects.
struct CaptionButtonFacet {};
struct TrayFontFacet {};

}  // namespace

const std::vector<PropEntry>& MainFormPropsToStore() {
  static const std::vector<PropEntry> list = [] {
    std::vector<PropEntry> l;
    l.push_back(Node("FormCaption", {Node("Buttons<0>", {Leaf("Down")})}));
    l.push_back(Node("FormPersist", {Leaf("TopMost")}));
    l.push_back(Node("Auto", {Leaf("Checked")}));
    l.push_back(Node("TrackBar", {Leaf("Position"), Leaf("Visible")}));
    l.push_back(Node("TryTo", {Leaf("Checked")}));
    l.push_back(Node("DispRep", {Leaf("Checked")}));
    l.push_back(Node("FreeingReport", {Leaf("Checked")}));
    l.push_back(Node("AutoTimer", {Leaf("Interval"), Leaf("Enabled")}));
    l.push_back(Node("AutoOpt", {Leaf("Checked")}));
    for (const char* label : {"CPUCriticalLevel", "DefragWhenStart", "CloseReport", "DoBeep"})
      l.push_back(Node(label, {Leaf("Caption")}));
    l.push_back(Node("DisAuto", {Leaf("Checked")}));
    l.push_back(Node("StayOnTop", {Leaf("Checked")}));
    l.push_back(Node("TrayType", {Leaf("Caption")}));
    for (const char* gauge : {"CPUUsage", "RAMLoading", "RAMUsage", "SwapUsage"})
      l.push_back(Node(gauge, {Leaf("Style3D"), Leaf("SensType"), Leaf("BackColor"), Leaf("Border"),
                               Leaf("Color"), Leaf("Color3D"), Leaf("ColorBack3D"),
                               Node("Font", {Leaf("Color")})}));
    for (const char* label : {"Log", "ClearBord", "CPUCheck", "RAMLevel", "RAMCritical",
                              "ReportDelay", "TrayAction", "Priority", "StartMinimized"})
      l.push_back(Node(label, {Leaf("Caption")}));
    for (const char* item : {"CD", "Poweroff", "CDpop", "PoweroffP"})
      l.push_back(Node(item, {Leaf("Checked")}));
    l.push_back(Node("MinimizeToTray", {Leaf("Caption")}));
    l.push_back(Node("TrayIcon", {Node("Font", {Leaf("Color")})}));
    for (const char* label : {"CloseToTray", "RHotKey", "AHotKey", "FHotKey"})
      l.push_back(Node(label, {Leaf("Caption")}));
    for (const char* item : {"Eng", "Rus", "UA", "Bul", "Pol", "Ger", "Chi", "Fr", "Ital"})
      l.push_back(Node(item, {Leaf("Checked")}));
    return l;
  }();
  return list;
}

void AddGaugeProperties(PropertyTable& table);  // MainFormGaugeProperties.cpp

const PropertyTable& MainFormProperties() {
  static const PropertyTable table = [] {
    PropertyTable t;
    using ui::Component;
    t.Text<Component>("Caption", [](Component& c) { return c.Caption(); },
                      [](Component& c, const std::string& v) { c.SetCaption(v); });
    t.Boolean<Component>("Visible", [](Component& c) { return c.Visible(); },
                         [](Component& c, bool v) { c.SetVisible(v); });
    t.Boolean<Component>("Enabled", [](Component& c) { return c.Enabled(); },
                         [](Component& c, bool v) { c.SetEnabled(v); });
    t.Boolean<ui::RadioButton>("Checked", [](ui::RadioButton& c) { return c.Checked(); },
                               [](ui::RadioButton& c, bool v) { c.SetChecked(v); });
    t.Boolean<ui::CheckBox>("Checked", [](ui::CheckBox& c) { return c.Checked(); },
                            [](ui::CheckBox& c, bool v) { c.SetChecked(v); });
    t.Boolean<ui::MenuItem>("Checked", [](ui::MenuItem& c) { return c.Checked(); },
                            [](ui::MenuItem& c, bool v) { c.SetChecked(v); });
    t.Integer<ui::TrackBar>("Position", [](ui::TrackBar& c) { return c.Position(); },
                            [](ui::TrackBar& c, int32_t v) { c.SetPosition(v); });
    // The automatic-freeing timer is the only timer whose interval is stored.
    // An edited one under the dialog's minute would start runs back to back,
    // each taking a quarter of memory: it restores as one minute.
    t.Integer<ui::Timer>("Interval", [](ui::Timer& c) { return static_cast<int32_t>(c.Interval()); },
                         [](ui::Timer& c, int32_t v) {
                           c.SetInterval(std::max(static_cast<uint32_t>(v), kMinAutoInterval));
                         });
    t.Collection<ui::CaptionBar, CaptionButtonFacet>("Buttons",
                                                     [](ui::CaptionBar& c) { return c.ButtonCount(); });
    t.FacetBoolean<CaptionButtonFacet, ui::CaptionBar>(
        "Down", [](ui::CaptionBar& c, size_t i) { return c.Down(i); },
        [](ui::CaptionBar& c, size_t i, bool v) { c.SetDown(i, v); });
    t.Boolean<TElFormPersist>("TopMost", [](TElFormPersist& c) { return c.TopMost(); },
                              [](TElFormPersist& c, bool v) { c.SetTopMost(v); });
    t.Object<gauges::TTextTrayIcon, TrayFontFacet>("Font");
    t.FacetInteger<TrayFontFacet, gauges::TTextTrayIcon>(
        "Color", [](gauges::TTextTrayIcon& c, size_t) { return static_cast<int32_t>(c.Font().color); },
        [](gauges::TTextTrayIcon& c, size_t, int32_t v) {
          auto font = c.Font();
          font.color = static_cast<uint32_t>(v);
          c.SetFont(font);
        });
    AddGaugeProperties(t);
    return t;
  }();
  return table;
}

}  // namespace settings

// The main window's persisted list, in the order of saving and restoring, and the
// accessors of the properties it names.
#include <algorithm>
#include <initializer_list>

#include "gauges/TextTrayIcon.h"
#include "settings/FormPersist.h"
#include "ui/Controls.h"
#include "ui/Menu.h"

namespace settings {

namespace {

// Adds each object's properties, given as paths ("Font/Color"), after what the
// list holds; an object or sub-object named as the last one at its level goes
// on with it. A table of names rather than nested initialisers: the program
// carries a few hundred bytes of names instead of tens of kilobytes of code.
void Add(std::vector<PropEntry>& list, std::initializer_list<const char*> objects,
         std::initializer_list<const char*> paths) {
  for (const char* object : objects)
    for (const char* path : paths) {
      std::vector<PropEntry>* level = &list;
      std::string rest = std::string(object) + "/" + path;
      for (size_t slash; (slash = rest.find('/')) != std::string::npos; rest.erase(0, slash + 1)) {
        const std::string name = rest.substr(0, slash);
        if (level->empty() || level->back().name != name) level->push_back(PropEntry{name, {}});
        level = &level->back().children;
      }
      level->push_back(PropEntry{rest, {}});
    }
}

// The facets of the main window's sub-objects.
struct CaptionButtonFacet {};
struct TrayFontFacet {};

}  // namespace

const std::vector<PropEntry>& MainFormPropsToStore() {
  static const std::vector<PropEntry> list = [] {
    std::vector<PropEntry> l;
    Add(l, {"FormCaption"}, {"Buttons<0>/Down"});
    Add(l, {"FormPersist"}, {"TopMost"});
    Add(l, {"Auto"}, {"Checked"});
    Add(l, {"TrackBar"}, {"Position", "Visible"});
    Add(l, {"TryTo", "DispRep", "FreeingReport"}, {"Checked"});
    Add(l, {"AutoTimer"}, {"Interval", "Enabled"});
    Add(l, {"AutoOpt"}, {"Checked"});
    Add(l, {"CPUCriticalLevel", "DefragWhenStart", "CloseReport", "DoBeep"}, {"Caption"});
    Add(l, {"DisAuto", "StayOnTop"}, {"Checked"});
    Add(l, {"TrayType"}, {"Caption"});
    Add(l, {"CPUUsage", "RAMLoading", "RAMUsage", "SwapUsage"},
        {"Style3D", "SensType", "BackColor", "Border", "Color", "Color3D", "ColorBack3D", "Font/Color"});
    Add(l, {"Log", "ClearBord", "CPUCheck", "RAMLevel", "RAMCritical", "ReportDelay", "TrayAction", "Priority",
            "StartMinimized"},
        {"Caption"});
    Add(l, {"CD", "Poweroff", "CDpop", "PoweroffP"}, {"Checked"});
    Add(l, {"MinimizeToTray"}, {"Caption"});
    Add(l, {"TrayIcon"}, {"Font/Color"});
    Add(l, {"CloseToTray", "RHotKey", "AHotKey", "FHotKey"}, {"Caption"});
    Add(l, {"Eng", "Rus", "UA", "Bul", "Pol", "Ger", "Chi", "Fr", "Ital"}, {"Checked"});
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

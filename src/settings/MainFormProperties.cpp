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
    t.Text<Component, &Component::Caption, &Component::SetCaption>("Caption");
    t.Boolean<Component, &Component::Visible, &Component::SetVisible>("Visible");
    t.Boolean<Component, &Component::Enabled, &Component::SetEnabled>("Enabled");
    t.Boolean<ui::RadioButton, &ui::RadioButton::Checked, &ui::RadioButton::SetChecked>("Checked");
    t.Boolean<ui::CheckBox, &ui::CheckBox::Checked, &ui::CheckBox::SetChecked>("Checked");
    t.Boolean<ui::MenuItem, &ui::MenuItem::Checked, &ui::MenuItem::SetChecked>("Checked");
    t.Integer<ui::TrackBar, &ui::TrackBar::Position, &ui::TrackBar::SetPosition>("Position");
    // The automatic-freeing timer is the only timer whose interval is stored.
    // An edited one under the dialog's minute would start runs back to back,
    // each taking a quarter of memory: it restores as one minute.
    t.Integer<ui::Timer, &ui::Timer::Interval, [](ui::Timer& c, int32_t v) {
      c.SetInterval(std::max(static_cast<uint32_t>(v), kMinAutoInterval));
    }>("Interval");
    t.Collection<ui::CaptionBar, CaptionButtonFacet, &ui::CaptionBar::ButtonCount>("Buttons");
    t.FacetBoolean<CaptionButtonFacet, ui::CaptionBar, &ui::CaptionBar::Down, &ui::CaptionBar::SetDown>("Down");
    t.Boolean<TElFormPersist, &TElFormPersist::TopMost, &TElFormPersist::SetTopMost>("TopMost");
    using gauges::TTextTrayIcon;
    t.Object<TTextTrayIcon, TrayFontFacet>("Font");
    t.FacetInteger<TrayFontFacet, TTextTrayIcon, [](TTextTrayIcon& c, size_t) { return c.Font().color; },
                   [](TTextTrayIcon& c, size_t, int32_t v) {
                     auto font = c.Font();
                     font.color = static_cast<uint32_t>(v);
                     c.SetFont(font);
                   }>("Color");
    AddGaugeProperties(t);
    return t;
  }();
  return table;
}

}  // namespace settings

// The gauges' appearance commands behind both Sensors menus, and the colour window.
#include "app/MainFrm.h"

namespace app {

void TMainForm::CreateSensorActions() {
  Add<ui::NonVisual>("ActionList");
  Style3dAction = &Add<ui::Action>("Style3dAction");
  Style3dAction->SetCaption("3D Style of Sensors");
  Style3dAction->OnExecute = [this] {
    Style3dAction->SetChecked(!Style3dAction->Checked());
    for (gauges::TSensor* g : SensorGauges()) g->SetStyle3D(Style3dAction->Checked());
  };
  const struct {
    ui::Action** slot;
    const char* name;
    const char* caption;
    gauges::TSensType type;
  } styles[] = {{&DiaAction, "DiaAction", "Diagramm", gauges::stDiagramm},
                {&BondAction, "BondAction", "Bond", gauges::stBond},
                {&ColAction, "ColAction", "Column", gauges::stColumn},
                {&DigAction, "DigAction", "Digital", gauges::stDigital},
                {&PieAction, "PieAction", "Pie", gauges::stPie}};
  for (const auto& s : styles) {
    ui::Action* action = *s.slot = &Add<ui::Action>(s.name, 1);
    action->SetCaption(s.caption);
    action->OnExecute = [this, action, type = s.type] {
      // Choosing the checked style again only takes its check mark away.
      action->SetChecked(!action->Checked());
      if (!action->Checked()) return;
      for (gauges::TSensor* g : SensorGauges()) g->SetSensType(type);
    };
  }
  DiaAction->SetChecked(true);
}

void TMainForm::SyncSensorActions() {
  Style3dAction->SetChecked(RAMLoading->Style3D());
  ui::Action* styles[] = {DiaAction, BondAction, ColAction, DigAction, PieAction};
  const int type = RAMLoading->SensType();
  if (type >= 0 && type < 5) styles[type]->SetChecked(true);
}

void TMainForm::ColorSetClick() {
  gauges::OpenMoreForm(App(), SensorGauges(), [this](ui::Window& w) { BeginModalOnTop(w); },
                       [this] { EndModalOnTop(); });
}

}  // namespace app

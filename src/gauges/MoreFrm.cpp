#include "gauges/MoreFrm.h"

#include "i18n/ApplyLanguage.h"
#include "ui/Application.h"

namespace gauges {

namespace {

// The one colour window while it exists.
TMoreForm* MoreForm = nullptr;

}  // namespace

TMoreForm::TMoreForm(ui::Application& app, const GaugeSet& gauges) : ui::Window(app, "MoreForm"), gauges_(gauges) {
  SetCaption("Sensors Settings");
  SetClientSize(kClientWidth, kClientHeight);
  SetMinimizeBox(false);  // a modal dialog is not minimized on its own: the window under it waits
  SetPlacement(ui::Placement::MainFormCenter);
  auto& group = Add<ui::GroupBox>(nullptr, "GroupBox1");
  group.SetBounds({8, 4, 237, 176});
  struct Row {
    const char* label;
    const char* name;
  };
  const Row rows[] = {{"Back Color:", "BackColor"},     {"Color:", "Color"},
                      {"Color3D:", "Color3D"},          {"Back Color3D:", "BackColor3D"},
                      {"Font Color:", "Font"},          {"Border Style:", "Border"}};
  ui::ColorBox** pickers[] = {&BackColor, &Color, &Color3D, &BackColor3D, &Font};
  for (int i = 0; i < 6; ++i) {
    const int y = 18 + i * 26;
    auto& label = Add<ui::Label>(&group, "Label" + std::to_string(i + 1));
    label.SetCaption(rows[i].label);
    label.SetBounds({10, y + 3, 90, 16});
    if (i < 5) {
      *pickers[i] = &Add<ui::ColorBox>(&group, rows[i].name);
      (*pickers[i])->SetBounds({104, y, 122, 21});
    }
  }
  Border = &Add<ui::ComboBox>(&group, "Border");
  Border->SetItems({"Single", "Lowered", "Rised"});
  Border->SetBounds({104, 18 + 5 * 26, 122, 21});
  SaveB = &Add<ui::Button>(nullptr, "SaveB");
  SaveB->SetCaption("Save");
  SaveB->SetBounds({30, 188, 90, 27});
  SaveB->OnClick = [this] { SaveBClick(); };
  CloseB = &Add<ui::Button>(nullptr, "CloseB");
  CloseB->SetCaption("Close");
  CloseB->SetBounds({133, 188, 90, 27});
  CloseB->OnClick = [this] { Close(); };

  const TSensor& ref = *gauges_[0];
  BackColor->SetSelected(ref.BackColor());
  Color->SetSelected(ref.Color());
  Color3D->SetSelected(ref.Color3D());
  BackColor3D->SetSelected(ref.ColorBack3D());
  Font->SetSelected(ref.Font().color);
  (void)Border->SetItemIndex(ref.Border());  // one of the three styles listed
}

void TMoreForm::SaveBClick() {
  for (TSensor* g : gauges_) {
    g->SetBackColor(BackColor->Selected());
    g->SetColor(Color->Selected());
    g->SetColorBack3D(BackColor3D->Selected());
    gfx::Font font = g->Font();
    font.color = Font->Selected();
    g->SetFont(font);
    g->SetColor3D(Color3D->Selected());
    // No border style is an error that the window keeps to itself: the rest,
    // closing included, is skipped.
    if (Border->ItemIndex() < 0) return;
    g->SetBorder(static_cast<TSensBorderStyle>(Border->ItemIndex()));
  }
  Close();
}

void OpenMoreForm(ui::Application& app, const GaugeSet& gauges,
                  const ui::Callback<void(ui::Window&)>& before, const ui::Callback<void()>& after) {
  if (MoreForm) return;
  TMoreForm form(app, gauges);
  MoreForm = &form;
  struct Slot {
    ~Slot() { MoreForm = nullptr; }
  } slot;
  if (before) before(form);
  i18n::ApplyCurrentLanguage(form);
  app.ShowModal(form);
  MoreForm = nullptr;
  if (after) after();
}

bool MoreFormOpen() { return MoreForm != nullptr; }

}  // namespace gauges

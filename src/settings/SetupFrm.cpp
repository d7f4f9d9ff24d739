#include "settings/SetupFrm.h"

#include <algorithm>
#include <functional>

#include "engine/MemoryStatus.h"
#include "i18n/ApplyLanguage.h"
#include "platform/Desktop.h"
#include "settings/InitialSettings.h"
#include "settings/StartWithWindows.h"
#include "text/Text.h"
#include "ui/Application.h"

namespace settings {

namespace {

// n / divisor, rounded half to even, kept within int.
int RoundedQuotient(int32_t n, int32_t divisor) {
  return static_cast<int>(engine::RoundHalfEven(static_cast<long double>(n) / divisor));
}

// The first character's code names the key; an empty text names none.
int KeyOf(const std::string& label) { return label.empty() ? 0 : static_cast<unsigned char>(label[0]); }

// A stored number must name an item: -1 (no choice) is none either, and
// would be saved back as a setting no reader knows.
ui::Status SelectStored(ui::ComboBox& list, const ui::Result<int32_t>& index) {
  RETURN_IF_FAILED(index);
  if (*index < 0) return ui::Error("List index out of bounds (" + std::to_string(*index) + ")");
  return list.SetItemIndex(*index);
}

}  // namespace

TSetupForm::TSetupForm(ui::Application& app, SetupLinks links)
    : ui::Window(app, "SetupForm"), links_(std::move(links)) {
  SetCaption("Brantelle Settings");
  SetClientSize(kClientWidth, kClientHeight);
  SetMinimizeBox(false);  // a modal dialog is not minimized on its own: the window under it waits
  Pages = &Add<ui::PageControl>(nullptr, "PageControl1");
  Pages->SetBounds({6, 6, 388, 296});
  const char* tabs[] = {"&Program", "&Memory", "M&iscellaneous settings"};
  ui::TabSheet* sheets[3];
  for (int i = 0; i < 3; ++i) {
    sheets[i] = &Add<ui::TabSheet>(Pages, "TabSheet" + std::to_string(i + 1));
    sheets[i]->SetCaption(tabs[i]);
  }
  BuildProgramPage(*sheets[0]);
  BuildMemoryPage(*sheets[1]);
  BuildMiscPage(*sheets[2]);
  const struct {
    ui::Button** slot;
    const char* name;
    const char* caption;
    int left;
  } buttons[] = {{&Save, "Save", "Save", 86}, {&Default, "Default", "Default", 188}, {&Close_b, "Close_b", "Close", 290}};
  for (const auto& b : buttons) {
    *b.slot = &Add<ui::Button>(nullptr, b.name);
    (*b.slot)->SetCaption(b.caption);
    (*b.slot)->SetBounds({b.left, 308, 96, 25});
  }
  Save->OnClick = [this] { return SaveClick(); };
  Default->OnClick = [this] { return DefaultClick(); };
  Close_b->OnClick = [this] { Close(); };
  MoreButton->OnClick = [this] { MoreButtonClick(); };
  Dependents();
  for (ui::HotKeyEdit* field : {RHotKey, AHotKey, FHotKey})
    field->OnKeyUp = [this, field] { HotKeyKeyUp(*field); };

  // The starting state, for whatever a failed loading leaves behind: the
  // settings as they stand. Without it a Save after a loading error would
  // write the Default button's values over settings the user never touched.
  RAMLevel_->SetMax(links_.slider.Max());
  TrackBar->SetMax(links_.slider.Max());
  TrackBar->SetMin(links_.slider.Min());
  (void)DefaultClick();  // its lists' own items: never refused
  AutoStart->SetChecked(false);
  (void)FormCreate(true);  // tolerant: each step alone
  ui::Dispatch(app, [this] { return FormCreate(); });
}

void TSetupForm::Dependents() {
  auto follow = [](ui::CheckBox* box, ui::Component* control) {
    box->OnClick = [box, control] { control->SetEnabled(box->Checked()); };
  };
  follow(AFree, FreeTimer);
  follow(RAMLevel, RAMLevel_);
  follow(CPULevel, CLevel);
  follow(Rep, RDelay);
  Auto->OnClick = TryTo->OnClick = [this] { TrackBar->SetEnabled(TryTo->Checked()); };
}

bool TSetupForm::Flag(const char* label) const { return links_.main.Find(label)->Caption() == "0"; }

ui::Result<int32_t> TSetupForm::Number(const char* label) const {
  ui::Result<int32_t> stored = text::ToInt(links_.main.Find(label)->Caption());
  if (stored.Ok() || !tolerant_) return stored;
  return text::ToInt(InitialSetting(label));
}

void TSetupForm::SetLabel(const char* label, const std::string& value) { links_.main.Find(label)->SetCaption(value); }

ui::Status TSetupForm::FormCreate(bool tolerant) {
  tolerant_ = tolerant;
  // Tolerant, each step's error is left behind and the next one runs.
  const auto step = [this](const ui::Event& load) {
    ui::Status loaded = load();
    return tolerant_ ? ui::Status() : loaded;
  };
  gauges::TSensor& ref = *links_.gauges[0];
  RETURN_IF_FAILED(step([&] { AHotKey->SetKey(KeyOf(links_.main.Find("AHotKey")->Caption())); }));
  RETURN_IF_FAILED(step([&] { FHotKey->SetKey(KeyOf(links_.main.Find("FHotKey")->Caption())); }));
  RETURN_IF_FAILED(step([&] { RHotKey->SetKey(KeyOf(links_.main.Find("RHotKey")->Caption())); }));
  RETURN_IF_FAILED(step([&] { ClsToTray->SetChecked(Flag("CloseToTray")); }));
  RETURN_IF_FAILED(step([&] { TextColor->SetSelected(links_.tray.Font().color); }));
  RETURN_IF_FAILED(step([&] { return SelectStored(*CPU, Number("Priority")); }));
  RETURN_IF_FAILED(step([&] { return SelectStored(*TDisp, Number("TrayType")); }));
  RETURN_IF_FAILED(step([&] { return SelectStored(*LAction, Number("TrayAction")); }));
  Style3D->SetChecked(ref.Style3D());
  RETURN_IF_FAILED(step([&] { return SensType->SetItemIndex(ref.SensType()); }));
  RETURN_IF_FAILED(step([&] {
    Rep->SetChecked(Flag("CloseReport"));
    RDelay->SetEnabled(Rep->Checked());
  }));
  RETURN_IF_FAILED(step([&]() -> ui::Status {
    const ui::Result<int32_t> delay = Number("ReportDelay");
    RETURN_IF_FAILED(delay);
    RDelay->SetValue(RoundedQuotient(*delay, 1000));
    return {};
  }));
  RETURN_IF_FAILED(step([&] { CBoard->SetChecked(Flag("ClearBord")); }));
  RETURN_IF_FAILED(step([&] { Beep->SetChecked(Flag("DoBeep")); }));
  RETURN_IF_FAILED(step([&] {
    AFree->SetChecked(links_.autoTimer.Enabled());
    FreeTimer->SetEnabled(AFree->Checked());
    FreeTimer->SetValue(
        RoundedQuotient(static_cast<int32_t>(std::min<unsigned>(links_.autoTimer.Interval(), INT32_MAX)), 60000));
    RAMLevel_->SetMax(links_.slider.Max());
  }));
  RETURN_IF_FAILED(step([&]() -> ui::Status {
    const ui::Result<int32_t> level = Number("RAMLevel");
    RETURN_IF_FAILED(level);
    RAMLevel_->SetValue(*level);
    return {};
  }));
  RETURN_IF_FAILED(step([&] {
    RAMLevel->SetChecked(Flag("RAMCritical"));
    RAMLevel_->SetEnabled(RAMLevel->Checked());
  }));
  RETURN_IF_FAILED(step([&]() -> ui::Status {
    const ui::Result<int32_t> level = Number("CPUCriticalLevel");
    RETURN_IF_FAILED(level);
    CLevel->SetValue(*level);
    return {};
  }));
  RETURN_IF_FAILED(step([&] {
    CPULevel->SetChecked(Flag("CPUCheck"));
    CLevel->SetEnabled(CPULevel->Checked());
  }));
  RETURN_IF_FAILED(step([&]() -> ui::Status {
    const ui::Result<bool> on = StartsWithWindows(links_.registry);
    RETURN_IF_FAILED(on);
    AutoStart->SetChecked(*on);
    return {};
  }));
  RETURN_IF_FAILED(step([&] {
    AutoFree->SetChecked(Flag("DefragWhenStart"));
    Log->SetChecked(Flag("Log"));
    AutoMin->SetChecked(Flag("StartMinimized"));
    TrayMinimize->SetChecked(Flag("MinimizeToTray"));
    Auto->SetChecked(links_.autoFree.Checked());
    TryTo->SetChecked(links_.tryTo.Checked());
    TrackBar->SetEnabled(links_.slider.Visible());
    TrackBar->SetMax(links_.slider.Max());
    TrackBar->SetMin(links_.slider.Min());
    TrackBar->SetValue(links_.slider.Position());
  }));
  tolerant_ = false;
  return {};
}

void TSetupForm::PadGroupCaptions() {
  for (int i = 1; i <= 8; ++i)
    if (ui::Component* g = Find("ElGroupBox" + std::to_string(i))) g->SetCaption(" " + g->Caption() + " ");
}

void TSetupForm::HotKeyKeyUp(ui::HotKeyEdit& field) {
  const std::string shown = field.Text();
  bool refused = shown == ui::KeyName(0);
  for (const ui::HotKeyEdit* other : {RHotKey, AHotKey, FHotKey})
    if (other != &field && other->Text() == shown) refused = true;
  if (!refused) return;
  field.SetKey(field.Key());
  links_.sound.Beep(5000, 50);
}

ui::Status TSetupForm::SaveClick() {
  SetLabel("RHotKey", std::string(1, static_cast<char>(RHotKey->Key() & 0xFF)));
  SetLabel("FHotKey", std::string(1, static_cast<char>(FHotKey->Key() & 0xFF)));
  SetLabel("AHotKey", std::string(1, static_cast<char>(AHotKey->Key() & 0xFF)));
  links_.unregisterHotKeys();
  links_.registerHotKeys();
  SetFlag("CloseToTray", *ClsToTray);
  gfx::Font font = links_.tray.Font();
  font.color = TextColor->Selected();
  links_.tray.SetFont(font);
  SetLabel("Priority", text::FromInt(CPU->ItemIndex()));
  SetLabel("TrayType", text::FromInt(TDisp->ItemIndex()));
  links_.trayModeSwitch();
  SetLabel("TrayAction", text::FromInt(LAction->ItemIndex()));
  for (gauges::TSensor* g : links_.gauges) g->SetStyle3D(Style3D->Checked());
  if (SensType->ItemIndex() >= 0)
    for (gauges::TSensor* g : links_.gauges) g->SetSensType(static_cast<gauges::TSensType>(SensType->ItemIndex()));
  SetFlag("CloseReport", *Rep);
  SetLabel("ReportDelay", text::FromInt(int64_t{RDelay->Value()} * 1000));
  SetFlag("ClearBord", *CBoard);
  SetFlag("DoBeep", *Beep);
  SetLabel("RAMLevel", text::FromInt(RAMLevel_->Value()));
  SetFlag("RAMCritical", *RAMLevel);
  links_.autoTimer.SetEnabled(AFree->Checked());
  links_.disAuto.SetChecked(!AFree->Checked());
  links_.autoOpt.SetChecked(links_.disAuto.Checked());
  links_.showAutoFreeingState();
  links_.autoTimer.SetInterval(static_cast<unsigned>(FreeTimer->Value()) * 60000u);
  SetLabel("CPUCriticalLevel", text::FromInt(CLevel->Value()));
  SetFlag("CPUCheck", *CPULevel);
  if (AutoStart->Checked()) RETURN_IF_FAILED(SetStartWithWindows(links_.registry, links_.programFolder));
  else RemoveStartWithWindows(links_.registry);
  SetFlag("DefragWhenStart", *AutoFree);
  SetFlag("Log", *Log);
  SetFlag("StartMinimized", *AutoMin);
  SetFlag("MinimizeToTray", *TrayMinimize);
  links_.autoFree.SetChecked(Auto->Checked());
  links_.tryTo.SetChecked(TryTo->Checked());
  links_.slider.SetVisible(TrackBar->Enabled());
  links_.slider.SetMin(TrackBar->Min());
  links_.slider.SetMax(TrackBar->Max());
  links_.slider.SetPosition(TrackBar->Value());
  ui::Dispatch(App(), links_.slider.OnChange);
  links_.persist.SaveProperties();
  Close();
  return {};
}

ui::Status TSetupForm::DefaultClick() {
  AutoStart->SetChecked(true);
  AutoFree->SetChecked(false);
  AutoMin->SetChecked(true);
  ClsToTray->SetChecked(true);
  Log->SetChecked(true);
  TrayMinimize->SetChecked(true);
  Style3D->SetChecked(false);
  Auto->SetChecked(true);
  TryTo->SetChecked(false);
  TrackBar->SetEnabled(false);
  TrackBar->SetValue(1);
  AFree->SetChecked(false);
  FreeTimer->SetValue(15);
  FreeTimer->SetEnabled(false);
  RAMLevel->SetChecked(true);
  RAMLevel_->SetValue(15);
  RAMLevel_->SetEnabled(true);
  CPULevel->SetChecked(true);
  RETURN_IF_FAILED(SensType->SetItemIndex(0));
  CLevel->SetValue(25);
  CLevel->SetEnabled(true);
  Beep->SetChecked(true);
  CBoard->SetChecked(false);
  Rep->SetChecked(false);
  RDelay->SetEnabled(false);
  RDelay->SetValue(60);
  RETURN_IF_FAILED(LAction->SetItemIndex(0));
  RETURN_IF_FAILED(TDisp->SetItemIndex(1));
  RETURN_IF_FAILED(CPU->SetItemIndex(1));
  TextColor->SetSelected(gfx::clBlack);
  return {};
}

void TSetupForm::MoreButtonClick() {
  gauges::OpenMoreForm(App(), links_.gauges, [this](ui::Window& w) { w.SetTopMost(TopMost()); }, nullptr);
}

}  // namespace settings

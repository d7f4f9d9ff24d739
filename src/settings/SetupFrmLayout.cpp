// The settings dialog's pages, group boxes and controls.
#include "settings/SetupFrm.h"

namespace settings {

namespace {

// Adds controls to one parent at positions relative to it.
class Builder {
 public:
  Builder(ui::Window& w, ui::Component* parent, int& labels) : w_(w), parent_(parent), labels_(labels) {}
  ui::GroupBox& Group(const char* name, const char* caption, ui::Rect r) {
    auto& g = w_.Add<ui::GroupBox>(parent_, name);
    g.SetCaption(caption);
    g.SetBounds(r);
    return g;
  }
  template <class T>
  T& Add(ui::Component* parent, const std::string& name, const char* caption, ui::Rect r) {
    auto& c = w_.Add<T>(parent, name);
    if (caption) c.SetCaption(caption);
    c.SetBounds(r);
    return c;
  }
  ui::Label& Text(ui::Component* parent, const char* caption, ui::Rect r) {
    return Add<ui::Label>(parent, "Label" + std::to_string(++labels_), caption, r);
  }
  ui::SpinEdit& Spin(ui::Component* parent, const char* name, ui::Rect r, int min, int max) {
    auto& s = Add<ui::SpinEdit>(parent, name, nullptr, r);
    s.SetMax(max);
    s.SetMin(min);
    return s;
  }
  ui::ComboBox& List(ui::Component* parent, const char* name, ui::Rect r, std::vector<std::string> items) {
    auto& l = Add<ui::ComboBox>(parent, name, nullptr, r);
    l.SetItems(std::move(items));
    (void)l.SetItemIndex(0);  // the first of the items just set
    return l;
  }
  // A "Ctrl+Alt+" label and the field after a caption label.
  ui::HotKeyEdit& HotKey(ui::Component* parent, const char* caption, const char* name, int y) {
    Text(parent, caption, {12, y + 3, 150, 16});
    Text(parent, "Ctrl+Alt+", {170, y + 3, 48, 16});
    return Add<ui::HotKeyEdit>(parent, name, nullptr, {220, y, 90, 21});
  }

 private:
  ui::Window& w_;
  ui::Component* parent_;
  int& labels_;  // labels are numbered through the whole window
};

}  // namespace

void TSetupForm::BuildProgramPage(ui::TabSheet& page) {
  Builder b(*this, &page, labelCount_);
  auto& g1 = b.Group("ElGroupBox1", "Startup Options", {8, 6, 364, 78});
  AutoStart = &b.Add<ui::CheckBox>(&g1, "AutoStart", "Automatically Start with Windows", {12, 16, 330, 18});
  AutoFree = &b.Add<ui::CheckBox>(&g1, "AutoFree", "Free RAM when Starting", {12, 36, 330, 18});
  AutoMin = &b.Add<ui::CheckBox>(&g1, "AutoMin", "Minimize when Starting", {12, 56, 330, 18});

  auto& g2 = b.Group("ElGroupBox2", "Program Options", {8, 88, 364, 104});
  Log = &b.Add<ui::CheckBox>(&g2, "Log", "Enable Log File", {12, 16, 330, 18});
  ClsToTray = &b.Add<ui::CheckBox>(&g2, "ClsToTray", "Minimize when click \"Close\"", {12, 36, 330, 18});
  TrayMinimize = &b.Add<ui::CheckBox>(&g2, "TrayMinimize", "Minimize to System Tray", {12, 56, 330, 18});
  RHotKey = &b.HotKey(&g2, "Program restore HotKey:", "RHotKey", 76);

  auto& g3 = b.Group("ElGroupBox3", "Whenever Brantelle automatically frees RAM,", {8, 196, 364, 66});
  Auto = &b.Add<ui::RadioButton>(&g3, "Auto", "Use AutoFree", {12, 18, 200, 18});
  TryTo = &b.Add<ui::RadioButton>(&g3, "TryTo", "Try to free: ", {12, 40, 90, 18});
  TrackBar = &b.Spin(&g3, "TrackBar", {104, 38, 80, 21}, 1, 1);
  b.Text(&g3, "Mb", {190, 41, 30, 16});
}

void TSetupForm::BuildMemoryPage(ui::TabSheet& page) {
  Builder b(*this, &page, labelCount_);
  auto& g4 = b.Group("ElGroupBox4", "Automatic Freeing Options", {8, 6, 364, 156});
  AFree = &b.Add<ui::CheckBox>(&g4, "AFree", "Automatically free every", {12, 18, 226, 18});
  FreeTimer = &b.Spin(&g4, "FreeTimer", {240, 16, 60, 21}, 1, 100);
  b.Text(&g4, "minutes", {306, 19, 50, 16});
  RAMLevel = &b.Add<ui::CheckBox>(&g4, "RAMLevel", "Automatically free if memory goes below", {12, 44, 226, 18});
  RAMLevel_ = &b.Spin(&g4, "RAMLevel_", {240, 42, 60, 21}, 1, 1);
  b.Text(&g4, "Mb", {306, 45, 50, 16});
  CPULevel = &b.Add<ui::CheckBox>(&g4, "CPULevel", "Don't auto run if CPU use above: ", {12, 70, 226, 18});
  CLevel = &b.Spin(&g4, "CLevel", {240, 68, 60, 21}, 1, 100);
  b.Text(&g4, "%", {306, 71, 50, 16});
  AHotKey = &b.HotKey(&g4, "Automatically free HotKey:", "AHotKey", 98);
  FHotKey = &b.HotKey(&g4, "Free All RAM HotKey:", "FHotKey", 126);

  auto& g5 = b.Group("ElGroupBox5", "Other Memory Options", {8, 168, 364, 92});
  Beep = &b.Add<ui::CheckBox>(&g5, "Beep", "Beep every time after freeing", {12, 18, 330, 18});
  CBoard = &b.Add<ui::CheckBox>(&g5, "CBoard", "Clear clipboard after freeing (won't promt)", {12, 40, 330, 18});
  Rep = &b.Add<ui::CheckBox>(&g5, "Rep", "Auto close free report after ", {12, 64, 226, 18});
  RDelay = &b.Spin(&g5, "RDelay", {240, 62, 60, 21}, 1, 180);
  b.Text(&g5, "seconds", {306, 65, 50, 16});
}

void TSetupForm::BuildMiscPage(ui::TabSheet& page) {
  Builder b(*this, &page, labelCount_);
  auto& g6 = b.Group("ElGroupBox6", "Tray Settings", {8, 6, 364, 118});
  b.Text(&g6, "Left-double-clicking tray will:", {12, 21, 160, 16});
  LAction = &b.List(&g6, "LAction", {176, 18, 178, 21},
                    {"Restore", "Automatically free RAM", "Open Settings", "Minimize"});
  b.Text(&g6, "Right-single-click will always display tray menu", {12, 45, 340, 16});
  b.Text(&g6, "Tray icon dispaly: ", {12, 69, 160, 16});
  TDisp = &b.List(&g6, "TDisp", {176, 66, 178, 21}, {"Program icon", "Megabytes of free RAM", "% of free RAM"});
  b.Text(&g6, "Text Color:", {12, 95, 160, 16});
  TextColor = &b.Add<ui::ColorBox>(&g6, "TextColor", nullptr, {176, 92, 178, 21});

  auto& g7 = b.Group("ElGroupBox7", "Other Settings", {8, 128, 364, 62});
  b.Text(&g7, "Whenever Brantelle frees memory, it will use the CPU: ", {12, 17, 340, 16});
  CPU = &b.List(&g7, "CPU", {12, 34, 260, 21},
                {"Aggressively (faster)", "Normally (Recommended)", "Passively (lets other programs run)"});

  auto& g8 = b.Group("ElGroupBox8", "Sensors Settings", {8, 194, 364, 68});
  Style3D = &b.Add<ui::CheckBox>(&g8, "Style3D", "3D Style of Sensors", {12, 16, 200, 18});
  b.Text(&g8, "Sensors style:", {12, 42, 80, 16});
  SensType = &b.List(&g8, "SensType", {96, 38, 140, 21}, {"Diagramm", "Bond", "Column", "Digital", "Pie"});
  MoreButton = &b.Add<ui::Button>(&g8, "MoreButton", "More ...", {262, 36, 90, 25});
}

}  // namespace settings

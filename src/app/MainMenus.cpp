// The main menu and the tray menu, item by item under their persisted names.
#include "app/Languages.h"
#include "app/MainFrm.h"

namespace app {

namespace {

class MenuBuilder {
 public:
  explicit MenuBuilder(ui::Window& w) : w_(w) {}
  ui::MenuItem& Item(ui::Component& parent, const char* name, const char* caption) {
    auto& item = w_.Add<ui::MenuItem>(&parent, name);
    item.SetCaption(caption);
    return item;
  }
  void Separator(ui::Component& parent) {
    Item(parent, ("N" + std::to_string(++separators_)).c_str(), "-");
  }
  ui::MenuItem& Check(ui::Component& parent, const char* name, const char* caption, bool on) {
    auto& item = Item(parent, name, caption);
    item.SetChecked(on);
    return item;
  }
  ui::MenuItem& Radio(ui::Component& parent, const char* name, const char* caption, int group) {
    auto& item = Item(parent, name, caption);
    item.SetRadio(group);
    return item;
  }

 private:
  ui::Window& w_;
  int separators_ = 0;
};

struct ToolItem {
  const char* main;
  const char* tray;
  const char* caption;
  const char* trayCaption;
};

constexpr ToolItem kTools[] = {
    {"CPU", "ElMenuItem29", "Processor Detection Toolkit", nullptr},
    {"vcache", "vcache_pop", "Cache Tuning (only under Win 9x/ME)", "Cache Tuning (only under Win 9X/ME)"},
    {"Wizard", "ElMenuItem32", "Application Startup Wizard", nullptr},
    {nullptr, nullptr, "-", nullptr},
    {"EjectCD", "ElMenuItem41", "Eject CD", nullptr},
    {"ClDoc", "ElMenuItem38", "Clear Recent Documents", nullptr},
    {"CC", "CCPop", "Clear Clipboard Now", "Clear Clipbord Now"},
    {"IECache", "ElMenuItem9", "Clear IE cache", nullptr},
    {"ElMenuItem16", "ElMenuItem18", "Windows Uptime", nullptr},
    {"Bios", "ElMenuItem33", "BIOS Information", nullptr},
    {nullptr, nullptr, "-", nullptr},
};

struct ShutdownItem {
  const char* main;
  const char* tray;
  const char* caption;
};

constexpr ShutdownItem kShutdown[] = {
    {"ShutdownM", "ShutdownP", "Shutdown"},
    {"RestartM", "RestartP", "Restart"},
    {"LogOffM", "LogOffP", "Log Off"},
    {"ForceShutdownM", "ForceShutdownP", "Force Shutdown"},
    {"ForceRestartM", "ForceRestartP", "Force Restart"},
};

void ToolsMenu(MenuBuilder& b, ui::MenuItem& tools, bool tray) {
  for (const auto& t : kTools) {
    if (!t.main) {
      b.Separator(tools);
      continue;
    }
    b.Item(tools, tray ? t.tray : t.main, tray && t.trayCaption ? t.trayCaption : t.caption);
  }
  auto& off = b.Item(tools, tray ? "TOFFPop" : "TOFF", "Turn Off Computer or Log Off");
  for (const auto& s : kShutdown) b.Item(off, tray ? s.tray : s.main, s.caption);
  b.Separator(off);
  b.Check(off, tray ? "PoweroffP" : "Poweroff", "Power Off", true);
  b.Check(off, tray ? "CDpop" : "CD", "If CD then Eject", true);
}

void SensorsMenu(MenuBuilder& b, TMainForm& form, ui::MenuItem& sensors, bool tray) {
  b.Item(sensors, tray ? "Style3dpop" : "Style3ds", "").SetAction(form.Style3dAction);
  b.Separator(sensors);
  auto& style = b.Item(sensors, tray ? "ElMenuItem40" : "ElMenuItem37", "Sensors Style");
  const char* names[][2] = {{"Dia", "DiaPop"}, {"Bond", "BondPop"}, {"Col", "ColPop"},
                            {"Dig", "DigPop"}, {"Pie", "PiePop"}};
  ui::Action* actions[] = {form.DiaAction, form.BondAction, form.ColAction, form.DigAction, form.PieAction};
  for (int i = 0; i < 5; ++i) b.Radio(style, names[i][tray], "", 2).SetAction(actions[i]);
  b.Item(sensors, tray ? "ColorSetpop" : "ColorSet", "Color settings");
}

}  // namespace

void TMainForm::CreateMenus() {
  MenuBuilder b(*this);
  MainMenu = &Add<ui::Menu>("MainMenu", false);
  SetMainMenu(MainMenu);

  auto& file = b.Item(*MainMenu, "ElMenuItem1", "File");
  b.Check(file, "DisAuto", "Disable Automatic Optimization", true);
  auto& log = b.Item(file, "ElMenuItem25", "Log File Options");
  b.Item(log, "ElMenuItem27", "View").SetShortCut("Ctrl+V");
  b.Item(log, "ElMenuItem26", "Clear").SetShortCut("Ctrl+C");
  b.Item(log, "ElMenuItem23", "Delete").SetShortCut("Ctrl+D");
  b.Separator(file);
  b.Check(file, "StayOnTop", "Stay On Top", false);
  Exit__ = &b.Item(file, "Exit__", "Exit");

  auto& settings = b.Item(*MainMenu, "ElMenuItem2", "Settings");
  b.Item(settings, "Settings", "Configure settings ...");

  auto& language = b.Item(*MainMenu, "ElMenuItem42", "Language");
  for (const auto& l : kLanguages) b.Radio(language, l.name, l.caption, 1);
  FindAs<ui::MenuItem>("Eng")->SetChecked(true);

  SensorsMenu(b, *this, b.Item(*MainMenu, "ElMenuItem21", "Sensors"), false);
  b.Item(*MainMenu, "ElMenuItem3", "Help");
  ToolsMenu(b, b.Item(*MainMenu, "ElMenuItem10", "Tools"), false);

  PopupMenu = &Add<ui::Menu>("PopupMenu", true);
  AFree = &b.Item(*PopupMenu, "AFree", "AutoFree Now");
  TFreeMenu = &b.Item(*PopupMenu, "TFreeMenu", "Try to Free ...");
  // Captioned for the installed memory once the language is known.
  for (int p = 10; p <= 100; p += 10) b.Item(*TFreeMenu, ("M" + std::to_string(p)).c_str(), "");
  DispRep = &b.Check(*PopupMenu, "DispRep", "Display a Report after Freeing", true);
  b.Check(*PopupMenu, "AutoOpt", "Disable Automatic Optimization", true);
  b.Separator(*PopupMenu);
  b.Item(*PopupMenu, "SettingsPop", "Settings ...");
  SensorsMenu(b, *this, b.Item(*PopupMenu, "ElMenuItem36", "Sensors"), true);
  b.Item(*PopupMenu, "ElMenuItem11", "Minimize");
  b.Item(*PopupMenu, "ElMenuItem12", "Help");
  ToolsMenu(b, b.Item(*PopupMenu, "ElMenuItem14", "Tools"), true);
  b.Separator(*PopupMenu);
  b.Item(*PopupMenu, "RestorePop", "Restore").SetDefault(true);
  Exit_ = &b.Item(*PopupMenu, "Exit_", "Exit");
}

}  // namespace app

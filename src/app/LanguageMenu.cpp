// The Language menu and the main-window texts the program sets from message
// texts after every language choice.
#include <initializer_list>

#include "app/Languages.h"
#include "app/MainFrm.h"
#include "i18n/ApplyLanguage.h"
#include "i18n/LanguageFile.h"
#include "i18n/MessageText.h"

namespace app {

namespace {

using Names = std::initializer_list<const char*>;

}  // namespace

void TMainForm::WireLanguageMenu() {
  for (const auto& l : kLanguages) {
    auto* item = FindAs<ui::MenuItem>(l.name);
    item->OnClick = [this, item, file = l.file] { return LanguageClick(*item, file); };
  }
}

ui::Status TMainForm::LanguageClick(ui::MenuItem& item, const std::string& relativeName) {
  if (item.Checked() && !LanguageStartup) return {};
  if (!LanguageStartup) item.SetChecked(true);
  if (!item.Checked()) return {};
  // An unreadable file stops here with its error; the previous table stays.
  const ui::Result<bool> opened = i18n::OpenLanguageFile(relativeName, system_.environment, system_.files);
  RETURN_IF_FAILED(opened);
  if (*opened) i18n::ApplyLanguage(*this, *i18n::CurrentLanguage());
  return ApplyBuiltInTexts();
}

void TMainForm::ApplyStoredLanguage() {
  LanguageStartup = true;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{LanguageStartup};
  for (const char* name : kLanguageStartupOrder) FindAs<ui::MenuItem>(name)->Click();
}

ui::Status TMainForm::ApplyBuiltInTexts() {
  using i18n::Message;
  FormPersist->SaveProperties();

  // Every target is built with the window; a missing one is skipped rather
  // than dereferenced.
  const auto captions = [this](const std::string& text, Names names) {
    for (const char* name : names)
      if (ui::Component* c = Find(name)) c->SetCaption(text);
  };
  const auto hint = [this](const char* name, const std::string& text) {
    if (ui::Component* c = Find(name)) c->SetHint(text);
  };
  // Twin items of the two menus stay identical.
  const auto copy = [this, &captions](const char* from, Names to) {
    if (const ui::Component* source = Find(from)) captions(source->Caption(), to);
  };

  Auto->SetCaption(Message("M01"));
  Auto->SetHint(Message("M02"));
  TryTo->SetHint(Message("M03"));
  TrackBar->SetHint(Message("M04"));
  FreeingReport->SetHint(Message("M05"));
  SettingsB->SetHint(Message("M06"));
  captions(Message("M14"), {"Exit_", "Exit__", "Exitb"});
  const std::string areaHint = Message("M15");
  for (const char* name : {"ElGroupBox2", "RAMUsage", "ElGroupBox3", "RAMLoading", "ElGroupBox4", "CPUUsage",
                           "ElGroupBox5", "SwapUsage"})
    hint(name, areaHint);
  captions(Message("M16"), {"Style3ds", "Style3dpop", "Style3dAction"});
  captions(Message("M23"), {"ElMenuItem37", "ElMenuItem40"});
  captions(Message("M24"), {"ColorSet", "ColorSetpop"});
  captions(Message("M22"), {"ElMenuItem21", "ElMenuItem36"});
  captions(Message("M17"), {"PieAction", "PiePop", "Pie"});
  captions(Message("M18"), {"DiaAction", "DiaPop", "Dia"});
  captions(Message("M19"), {"DigAction", "DigPop", "Dig"});
  captions(Message("M201"), {"ColAction", "ColPop", "Col"});
  captions(Message("M21"), {"BondAction", "BondPop", "Bond"});

  struct Text {
    const char* id;
    const char* item;
  };
  constexpr Text kTrayTexts[] = {
      {"M32", "ElMenuItem29"}, {"M33", "vcache_pop"},     {"M34", "ElMenuItem32"},   {"M35", "ElMenuItem41"},
      {"M36", "ElMenuItem38"}, {"M37", "CCPop"},          {"M38", "ElMenuItem9"},    {"M39", "ElMenuItem18"},
      {"M401", "ElMenuItem33"}, {"M41", "TOFFPop"},       {"M42", "ShutdownP"},      {"M43", "RestartP"},
      {"M44", "LogOffP"},      {"M45", "ForceShutdownP"}, {"M46", "ForceRestartP"},  {"M47", "PoweroffP"},
      {"M48", "CDpop"},
  };
  for (const auto& t : kTrayTexts) captions(Message(t.id), {t.item});

  copy("ElMenuItem29", {"CPU"});
  if (const ui::Component* cpu = Find("ElMenuItem29")) hint("Right", cpu->Caption());
  struct Twin {
    const char* from;
    const char* to;
  };
  constexpr Twin kMainTwins[] = {
      {"vcache_pop", "vcache"},   {"ElMenuItem32", "Wizard"},       {"ElMenuItem41", "EjectCD"},
      {"ElMenuItem38", "ClDoc"},  {"CCPop", "CC"},                  {"ElMenuItem9", "IECache"},
      {"ElMenuItem18", "ElMenuItem16"}, {"ElMenuItem33", "Bios"},  {"TOFFPop", "TOFF"},
      {"ShutdownP", "ShutdownM"}, {"RestartP", "RestartM"},         {"LogOffP", "LogOffM"},
      {"ForceShutdownP", "ForceShutdownM"}, {"ForceRestartP", "ForceRestartM"}, {"PoweroffP", "Poweroff"},
      {"CDpop", "CD"},
  };
  for (const auto& t : kMainTwins) copy(t.from, {t.to});

  copy("SettingsB", {"ElMenuItem2"});
  copy("ElMenuItem10", {"ElMenuItem14"});
  captions(Message("M22"), {"ElMenuItem21"});
  copy("DisAuto", {"AutoOpt"});
  copy("ElMenuItem11", {"Minimize"});
  copy("ElMenuItem12", {"ElMenuItem3"});

  const char* groupIds[] = {"M09", "M101", "M11", "M12", "M13"};
  for (int i = 0; i < 5; ++i)
    captions(" " + Message(groupIds[i]) + " ", {("ElGroupBox" + std::to_string(i + 1)).c_str()});
  RETURN_IF_FAILED(TrackBar->OnChange());
  for (size_t i = 0; i < StatusBar->PanelCount(); ++i) StatusBar->SetPanelHint(i, areaHint);
  ShowAutoFreeingState();

  StatusTexts();
  CaptionTrayAmounts();
  return {};
}

}  // namespace app

#include "unit/i18n/ShippedWindows.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fakes/FakeCpu.h"
#include "i18n/LanguageFile.h"
#include "settings/SetupFrm.h"
#include "unit/settings/SettingsRig.h"

namespace i18n_test {

std::string ReadShipped(const std::string& name) {
  const char* other = std::getenv("BRANTELLE_LANGUAGE_FILES");
  std::ifstream in(std::string(other && *other ? other : BRANTELLE_LANGUAGE_DIR) + "/" + name + ".ini",
                   std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void VisitWindows(const std::optional<std::string>& file, const std::function<void(ui::Window&)>& visit) {
  fakes::FakeSystem sys;
  // English is the checked item of a fresh start.
  if (file) sys.files.Put(sys.environment.folder + "Language\\English.ini", *file);
  fakes::FakeCpu cpu;
  fakes::UseFakeCpu useCpu(cpu);
  settings_test::Rig rig(sys);
  visit(*rig.form);
  rig.backend.onModal = [&](ui::Window& w) {
    visit(w);
    if (auto* setup = dynamic_cast<settings::TSetupForm*>(&w)) setup->MoreButton->Click();
  };
  rig.form->SettingsB->Click();
  rig.form->ShowFreeingReport();
  rig.form->RightClick();
  rig.form->LeftClick();
  i18n::SetCurrentLanguage(std::nullopt);
}

}  // namespace i18n_test

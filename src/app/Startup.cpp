#include "app/Startup.h"

namespace app {

void StartUp(ui::Application& application, TMainForm& form) {
  application.SetMainWindow(&form);
  ui::Dispatch(application, [&] { form.FormCreate(); });
  form.AfterCreate();
}

int RunBrantelle(ui::Application& application, platform::System& system) {
  application.SetTitle("Brantelle");
  TMainForm form(application, system);
  StartUp(application, form);
  application.Run();
  return 0;
}

}  // namespace app

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
  // A one-shot start that met an error tells its caller so.
  return application.QuietErrorCount() ? 1 : 0;
}

}  // namespace app

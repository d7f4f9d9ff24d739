#include "app/Startup.h"

namespace app {

void StartUp(ui::Application& application, TMainForm& form) {
  application.SetMainWindow(&form);
  ui::Dispatch(application, [&] { form.FormCreate(); });
  form.AfterCreate();
}

ui::Result<int> RunBrantelle(ui::Application& application, platform::System& system) {
  application.SetTitle("Brantelle");
  TMainForm form(application, system);
  RETURN_IF_FAILED(form.Created());
  StartUp(application, form);
  application.Run();
  // A one-shot start that met an error tells its caller so.
  return application.QuietErrorCount() ? 1 : 0;
}

}  // namespace app

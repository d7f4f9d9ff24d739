#include "app/Startup.h"

#include "app/MainFrm.h"

namespace app {

int RunBrantelle(ui::Application& application, platform::System& system) {
  application.SetTitle("Brantelle");
  TMainForm form(application, system);
  application.SetMainWindow(&form);
  ui::Dispatch(application, [&] { form.FormCreate(); });
  form.AfterCreate();
  application.Run();
  return 0;
}

}  // namespace app

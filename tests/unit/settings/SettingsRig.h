// A main window over the fakes, started as the program starts it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "fakes/SettingsLayout.h"
#include "ui/Headless.h"

namespace settings_test {

inline std::string Key(const std::string& below) {
  return below.empty() ? fakes::kSettingsRoot : std::string(fakes::kSettingsRoot) + "\\" + below;
}

struct Rig {
  fakes::FakeSystem& sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<app::TMainForm> form;

  explicit Rig(fakes::FakeSystem& s, std::vector<std::string> args = {"/W"}, bool start = true) : sys(s) {
    app.SetTitle("Brantelle");
    sys.memory.figures.totalPhys = 256u << 20;
    sys.memory.figures.availPhys = 100u << 20;
    sys.environment.args.resize(1);
    sys.environment.args.insert(sys.environment.args.end(), args.begin(), args.end());
    form = std::make_unique<app::TMainForm>(app, sys.system);
    if (start) app::StartUp(app, *form);
  }
  template <class T>
  T& Get(const std::string& name) {
    return *form->FindAs<T>(name);
  }
};

}  // namespace settings_test

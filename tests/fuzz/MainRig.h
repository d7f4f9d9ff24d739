// The whole program on fakes, started once with "/W" and kept for every input
// of a fuzz target (starting it per input would cost most of the run).
#pragma once

#include "Check.h"
#include <cstdlib>
#include <memory>

#include "app/MainFrm.h"
#include "app/Startup.h"
#include "fakes/Fakes.h"
#include "ui/Headless.h"

namespace fuzz {

struct MainRig {
  fakes::FakeSystem sys;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::unique_ptr<app::TMainForm> form;
  MainRig() {
    sys.memory.figures.totalPhys = 256u << 20;
    sys.memory.figures.availPhys = 100u << 20;
    sys.environment.args.push_back("/W");
    // Fuzzed settings may start a freeing run on any tick; a few real blocks
    // exercise it as well as a thousand and keep each input cheap.
    sys.blocks.limit = 2;
    form = std::make_unique<app::TMainForm>(app, sys.system);
    app::StartUp(app, *form);
  }
  // What a message loop would do between two inputs, without keeping any record.
  void Settle() {
    backend.RunPosted();
    backend.Elapse(*form, 1000);
    backend.errors.clear();
    backend.posted.clear();
    // The fake tray records every message (one add a second): millions of
    // inputs filled the 2 GB limit with that record alone.
    sys.notifyArea.calls.clear();
    sys.notifyArea.madeIcons.clear();
    sys.notifyArea.freed.clear();
  }
};

}  // namespace fuzz

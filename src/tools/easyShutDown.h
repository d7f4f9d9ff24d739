// Shutting down, restarting and logging off, with the CD ejected first when set.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Tools.h"
#include "ui/Controls.h"

namespace tools {

enum class TActionType { Shutdown, Reboot, Logoff };
enum class TIsCD { Nothing, Eject, Show_message };

// The exit flags of an action: power-off applies to shutdowns only.
uint32_t ShutdownFlags(TActionType action, bool force, bool poweroff);

class TeasyShutDown : public ui::NonVisual {
 public:
  TeasyShutDown(ui::Window* owner, std::string name, platform::Tools& tools)
      : ui::NonVisual(owner, std::move(name)), tools_(tools) {}

  TActionType ActionType = TActionType::Shutdown;
  TIsCD IfCDThen = TIsCD::Eject;
  bool Poweroff = true;
  bool Force = false;
  std::string MessageString;

  // Performs the configured action: true when the system accepted it; false
  // when it refused or the question about the CD was cancelled.
  bool Execute();
  void EnableShutdownPrivilege() { tools_.power.EnableShutdownPrivilege(); }

 private:
  // Whether the default CD audio device reports a disc ready.
  bool CdReady();
  platform::Tools& tools_;
};

}  // namespace tools

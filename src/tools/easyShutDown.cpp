#include "tools/easyShutDown.h"

namespace tools {

namespace {
constexpr uint32_t kLogoff = 0, kShutdown = 1, kReboot = 2, kForce = 4, kPoweroff = 8;
}  // namespace

uint32_t ShutdownFlags(TActionType action, bool force, bool poweroff) {
  uint32_t flags = action == TActionType::Shutdown ? kShutdown
                   : action == TActionType::Reboot ? kReboot
                                                   : kLogoff;
  if (force) flags |= kForce;
  if (poweroff && action == TActionType::Shutdown) flags |= kPoweroff;
  return flags;
}

bool TeasyShutDown::CdReady() {
  // Without a drive the reply is an error text, which never reads "true".
  return tools_.media.Send("Status cdaudio ready wait", true, 0) == "true";
}

bool TeasyShutDown::Execute() {
  if (ActionType == TActionType::Shutdown) {
    if (IfCDThen == TIsCD::Eject && CdReady())
      tools_.media.Send("Set cdaudio door open wait", false, 0);
    if (IfCDThen == TIsCD::Show_message && CdReady() &&
        tools_.boxes.Show(MessageString, "Confirm", platform::BoxButtons::YesNoCancel, false) ==
            platform::BoxAnswer::Cancel)
      return false;
  }
  const uint32_t flags = ShutdownFlags(ActionType, Force, Poweroff);
  EnableShutdownPrivilege();
  return tools_.power.EndSession(flags);
}

}  // namespace tools

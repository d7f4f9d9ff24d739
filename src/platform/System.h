// Every operating-system service the program uses, in one place.
#pragma once

#include "platform/Instance.h"
#include "platform/Memory.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace platform {

struct System {
  MemoryInfo& memory;
  BlockSource& blocks;
  Launcher& launcher;
  ProfileReader& profile;
  InstanceChannel& instance;
  Dialogs& dialogs;
  Environment& environment;
  Registry& registry;
};

}  // namespace platform

// Every operating-system service the program uses, in one place.
#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Drives.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/HotKeys.h"
#include "platform/Instance.h"
#include "platform/Memory.h"
#include "platform/NotifyArea.h"
#include "platform/Performance.h"
#include "platform/Printing.h"
#include "platform/Process.h"
#include "platform/ProcessPriority.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/TextFiles.h"
#include "platform/Tools.h"

namespace platform {

struct System {
  MemoryInfo& memory;
  BlockSource& blocks;
  Launcher& launcher;
  ProfileReader& profile;
  InstanceChannel& instance;
  Dialogs& dialogs;
  Environment& environment;
  PerformanceSource& performance;
  Files& files;
  Clock& clock;
  ProcessPriority& priority;
  Clipboard& clipboard;
  Sound& sound;
  DocumentOpener& opener;
  TextFiles& textFiles;
  Registry& registry;
  HotKeys& hotKeys;
  NotifyArea& notifyArea;
  FileDialogs& fileDialogs;
  Printing& printing;
  Tools& tools;
  ProfileWriter& profileWriter;
  Drives& drives;
};

}  // namespace platform

// The one-shot tools of the Tools menu and the two launch functions.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/Tools.h"

namespace tools {

// Opens a file with its associated program; the outcome is not reported.
void ShellOpen(platform::Shell& shell, const std::string& path);
// Starts a companion program; a failure shows the "Information" box.
void LaunchComponent(platform::Tools& tools, const std::string& path);

// Opens the CD door; callbackWindow receives nothing unless the system notifies.
void EjectCD(platform::MediaControl& media, uint32_t callbackWindow);

// After a Yes to the question, deletes every entry of the browser cache.
void ClearIECache(platform::Tools& tools);

// The uptime box's text for a tick count (milliseconds since the system
// started, unsigned) and the local time now.
std::string UptimeText(uint32_t tickCount, const platform::LocalTime& now, platform::Calendar& names);
void ShowUptime(platform::Tools& tools, platform::Clock& clock);

// Cache tuning works only on Windows 95, 98 and ME.
bool CacheTuningAvailable(platform::WindowsVersion& version);

}  // namespace tools

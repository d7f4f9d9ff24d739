// The activity log "log.txt" beside the program: one line per event, each
// appended and closed at once so the file may be viewed or removed any time.
#pragma once

#include <string>

#include "platform/System.h"
#include "text/Error.h"

namespace app {

std::string LogFilePath(platform::Environment& environment);

// The event text, " at ", the time of day, a space, the date, CR LF.
std::string LogLine(const std::string& event, const std::string& time, const std::string& date);

// Appends the event's line stamped with the time now. A failure is an error
// naming the input/output error; the line is lost.
text::Status AppendLogLine(platform::System& system, const std::string& event);

// The File menu's entries; they act whatever the Log setting says.
void ViewLog(platform::System& system, uint32_t ownerWindow);
void ClearLog(platform::System& system);
void DeleteLog(platform::System& system);

}  // namespace app

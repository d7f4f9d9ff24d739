#include "app/ActivityLog.h"

#include "i18n/MessageText.h"
#include "ui/Component.h"

namespace app {

std::string LogFilePath(platform::Environment& environment) {
  return environment.ProgramFolder() + "log.txt";
}

std::string LogLine(const std::string& event, const std::string& time, const std::string& date) {
  return event + " " + i18n::Message("M58") + " " + time + " " + date + "\r\n";
}

text::Status AppendLogLine(platform::System& system, const std::string& event) {
  const std::string line = LogLine(event, system.clock.TimeText(), system.clock.DateText());
  if (const unsigned error = system.textFiles.Append(LogFilePath(system.environment), line))
    return text::Error("I/O error " + std::to_string(error));
  return {};
}

void ViewLog(platform::System& system, uint32_t ownerWindow) {
  system.opener.Open(LogFilePath(system.environment), ownerWindow);
}

void ClearLog(platform::System& system) { system.textFiles.Create(LogFilePath(system.environment)); }

void DeleteLog(platform::System& system) { system.textFiles.Delete(LogFilePath(system.environment)); }

}  // namespace app

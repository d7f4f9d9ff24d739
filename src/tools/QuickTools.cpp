#include "tools/QuickTools.h"

#include "i18n/MessageText.h"
#include "tools/DateTimeFormat.h"

namespace tools {

void ShellOpen(platform::Shell& shell, const std::string& path) {
  shell.Execute(path, platform::ShowMode::Normal);
}

void LaunchComponent(platform::Tools& tools, const std::string& path) {
  if (tools.shell.Execute(path, platform::ShowMode::NoActivate) <= 32)
    tools.boxes.Show("This component is absent in system.\r\nTry re-installing the program.", "Information",
                     platform::BoxButtons::Ok, false);
}

void EjectCD(platform::MediaControl& media, uint32_t callbackWindow) {
  media.Send("Set cdaudio Door Open Wait", false, callbackWindow);
}

void ClearIECache(platform::Tools& tools) {
  if (tools.boxes.Show(i18n::Message("M64"), i18n::Message("M65"), platform::BoxButtons::YesNo, false) !=
      platform::BoxAnswer::Yes)
    return;
  platform::UrlCache& cache = tools.urlCache;
  std::string url;
  // No enumeration (an empty cache) ends the tool at once.
  if (!cache.FindFirst(url)) return;
  cache.Delete(url);
  // Any error, the end of the entries among them, ends the walk: an error
  // that repeats would otherwise never let it end.
  while (cache.FindNext(url) == 0) cache.Delete(url);
  cache.FindClose();
}

std::string UptimeText(uint32_t tickCount, const platform::LocalTime& now, platform::Calendar& names) {
  constexpr uint32_t kDayMs = 86400000;
  const platform::LocalTime boot = AddMilliseconds(now, -static_cast<int64_t>(tickCount));
  const std::string firstLine = Quoted("Windows " + i18n::Message("M57")) + " dddd, mmmm d, yyyy, " +
                                Quoted(i18n::Message("M58")) + " hh:nn:ss AM/PM";
  // The unit follows its number without a blank: "2hours, 3minutes, 4seconds".
  const std::string tail = " h" + Quoted(i18n::Message("M61") + ",") + " n" +
                           Quoted(i18n::Message("M62") + ",") + " s" + Quoted(i18n::Message("M63"));
  // The uptime's part below a whole day, as a time of day.
  const platform::LocalTime part = AddMilliseconds(platform::LocalTime{}, tickCount % kDayMs);
  return FormatDateTime(firstLine, boot, names) + "\n\r" + i18n::Message("M59") + " " +
         std::to_string(tickCount / kDayMs) + " " + i18n::Message("M601") + "," +
         FormatDateTime(tail, part, names);
}

void ShowUptime(platform::Tools& tools, platform::Clock& clock) {
  const uint32_t tick = clock.TickCount();
  tools.boxes.Show(UptimeText(tick, tools.calendar.Now(), tools.calendar), i18n::Message("M39"),
                   platform::BoxButtons::Ok, false);
}

bool CacheTuningAvailable(platform::WindowsVersion& version) {
  return version.PlatformId() == platform::version::kWindows;
}

}  // namespace tools

// BIOS date and version as Windows records them in the registry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/Tools.h"
#include "ui/Controls.h"

namespace tools {

// Reads the values once, when created, for the family the system reports.
class TBIOSDate : public ui::NonVisual {
 public:
  TBIOSDate(ui::Window* owner, std::string name, platform::Registry& registry, platform::Tools& tools);

  const std::string& BIOSVersion() const { return version_; }
  const std::string& BIOSDate() const { return date_; }
  // NT family only.
  const std::string& VideoBIOSVersion() const { return video_; }
  const std::string& OS() const { return os_; }

 private:
  void Detect9x(platform::Registry& registry);
  void DetectNT(platform::Registry& registry, platform::Calendar& calendar);
  std::string version_, date_, video_, os_;
};

// The lines of a multi-string value read as at most 100 raw bytes: runs of
// bytes of 32 and above, ended by any smaller byte within the first 99.
// Nothing when the value is missing or longer than 100 bytes.
std::optional<std::vector<std::string>> ReadMultiStringLines(platform::RegistryKey& key,
                                                             const std::string& valueName);

// The box's text on the NT family, read from the registry now; nothing when
// a read fails.
std::optional<std::string> NtBiosText(platform::Registry& registry);

// The BIOS box: on Windows 9x from the values read at creation, on NT read
// afresh; on any other platform, or when a read fails on NT, no box.
void ShowBiosInformation(const TBIOSDate& bios, platform::Registry& registry, platform::Tools& tools);

}  // namespace tools

#include "settings/StartWithWindows.h"

#include <algorithm>

#include "platform/Registry.h"

namespace settings {

using platform::RegOpen;
using platform::RegRoot;

text::Result<bool> StartsWithWindows(platform::Registry& registry) {
  auto key = registry.Open(RegRoot::CurrentUser, kRunKey, RegOpen::Create);
  if (!key) return false;
  const auto value = key->Read(kRunValue);
  if (!value) return false;
  if (value->type != platform::reg::kSz && value->type != platform::reg::kExpandSz)
    return text::Error(std::string("Invalid data type for '") + kRunValue + "'");
  // The text ends at its first NUL or at the last byte, whichever comes first.
  const auto& data = value->data;
  return std::find(data.begin(), data.end(), 0) != data.begin() && !data.empty();
}

text::Status SetStartWithWindows(platform::Registry& registry, const std::string& programFolder) {
  auto key = registry.Open(RegRoot::CurrentUser, kRunKey, RegOpen::Create);
  // Quoted: unquoted, a path with a blank ("D:\My Tools\...") makes Windows
  // run "D:\My.exe" at logon if there is one.
  if (!key || !key->WriteString(kRunValue, "\"" + programFolder + "Brantelle.exe\""))
    return text::Error(std::string("Failed to set data for '") + kRunValue + "'");
  return {};
}

void RemoveStartWithWindows(platform::Registry& registry) {
  if (auto key = registry.Open(RegRoot::CurrentUser, kRunKey, RegOpen::Create))
    key->DeleteValue(kRunValue);
}

}  // namespace settings

// The per-user start-up entry: value "Brantelle" under the Run key.
#pragma once

#include <string>

#include "text/Error.h"

namespace platform {
class Registry;
}

namespace settings {

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Brantelle";

// True when the value exists with non-empty text, whatever it points to. A
// value of another type is the error "Invalid data type for 'Brantelle'".
text::Result<bool> StartsWithWindows(platform::Registry& registry);
// Writes folder (with its trailing separator) + "Brantelle.exe"; a failure
// is the error "Failed to set data for 'Brantelle'".
text::Status SetStartWithWindows(platform::Registry& registry, const std::string& programFolder);
// Deletes the value; a missing value is no failure.
void RemoveStartWithWindows(platform::Registry& registry);

}  // namespace settings

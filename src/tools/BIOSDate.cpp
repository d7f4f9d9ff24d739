#include "tools/BIOSDate.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "i18n/MessageText.h"
#include "tools/DateTimeFormat.h"

namespace tools {

namespace {

constexpr char kNtKey[] = "HARDWARE\\DESCRIPTION\\System";

std::string UpToNul(const std::vector<uint8_t>& d) {
  return std::string(d.begin(), std::find(d.begin(), d.end(), uint8_t{0}));
}

// A string value's text up to its first NUL: "" when the value is missing,
// nothing when it holds another type.
std::optional<std::string> StringValue(platform::RegistryKey& key, const std::string& name) {
  const auto value = key.Read(name);
  if (!value) return std::string();
  if (value->type != platform::reg::kSz && value->type != platform::reg::kExpandSz) return std::nullopt;
  return UpToNul(value->data);
}

// The first string of a value read as raw bytes into a buffer of limit bytes;
// "" when it does not fit or is missing.
std::string FirstString(platform::RegistryKey& key, const std::string& name, size_t limit) {
  const auto value = key.Read(name);
  if (!value || value->data.size() > limit) return {};
  return UpToNul(value->data);
}

// An 8-byte binary date (days since 30 December 1899) as a short date; ""
// for any other type or size, and for days outside the years 1 to 9999.
std::string BinaryDate(platform::RegistryKey& key, const std::string& name, platform::Calendar& calendar) {
  const auto value = key.Read(name);
  if (!value || value->type != platform::reg::kBinary || value->data.size() != sizeof(double)) return {};
  double days;
  std::memcpy(&days, value->data.data(), sizeof days);
  if (!std::isfinite(days) || days < -693593.0 || days >= 2958466.0) return {};
  const auto whole = static_cast<int64_t>(std::trunc(days));
  return calendar.ShortDate(AddMilliseconds(platform::LocalTime{}, whole * 86400000));
}

std::string BoxText(const std::string& date, const std::string& version) {
  return i18n::Message("M54") + ": " + date + "\r\n" + i18n::Message("M56") + ": " + version;
}

}  // namespace

TBIOSDate::TBIOSDate(ui::Window* owner, std::string name, platform::Registry& registry,
                     platform::Tools& tools)
    : ui::NonVisual(owner, std::move(name)) {
  if (tools.version.Version() & 0x80000000u) Detect9x(registry);
  else DetectNT(registry, tools.calendar);
}

void TBIOSDate::Detect9x(platform::Registry& registry) {
  os_ = "Windows 9x detected";
  auto root = registry.Open(platform::RegRoot::LocalMachine, "Enum\\Root", platform::RegOpen::Read);
  if (!root) return;
  // A later device key overrides an earlier one; an empty value never clears.
  for (const std::string& device : root->SubKeyNames()) {
    auto key = registry.Open(platform::RegRoot::LocalMachine, "Enum\\Root\\" + device + "\\0000",
                             platform::RegOpen::Read);
    if (!key) continue;
    if (auto v = StringValue(*key, "BIOSVersion"); v && !v->empty()) version_ = *v;
    if (auto v = StringValue(*key, "BIOSDate"); v && !v->empty()) date_ = *v;
  }
}

void TBIOSDate::DetectNT(platform::Registry& registry, platform::Calendar& calendar) {
  os_ = "Windows NT detected";
  auto key = registry.Open(platform::RegRoot::LocalMachine, kNtKey, platform::RegOpen::Read);
  if (!key) return;
  version_ = FirstString(*key, "SystemBiosVersion", 1001);
  // Windows stores the date as a string, which leaves this empty.
  date_ = BinaryDate(*key, "SystemBiosDate", calendar);
  video_ = FirstString(*key, "VideoBiosVersion", 1001);
}

std::optional<std::vector<std::string>> ReadMultiStringLines(platform::RegistryKey& key,
                                                             const std::string& valueName) {
  uint8_t buffer[100] = {};
  // A missing value is a read error like any other: no lines, not an empty list.
  const auto value = key.Read(valueName);
  if (!value || value->data.size() > sizeof buffer) return std::nullopt;
  std::copy(value->data.begin(), value->data.end(), buffer);
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < 99; ++i) {
    if (buffer[i] >= 32) {
      line += static_cast<char>(buffer[i]);
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    line.clear();
  }
  return lines;  // a line still open after the 99th byte is dropped
}

std::optional<std::string> NtBiosText(platform::Registry& registry) {
  auto key = registry.Open(platform::RegRoot::LocalMachine, kNtKey, platform::RegOpen::Read);
  if (!key) return std::nullopt;
  const auto lines = ReadMultiStringLines(*key, "SystemBiosVersion");
  const auto date = StringValue(*key, "SystemBiosDate");
  if (!lines || !date) return std::nullopt;
  std::string version;
  for (const auto& line : *lines) version += line + "\r\n";
  return BoxText(*date, version);
}

void ShowBiosInformation(const TBIOSDate& bios, platform::Registry& registry, platform::Tools& tools) {
  std::optional<std::string> text;
  const uint32_t platformId = tools.version.PlatformId();
  if (platformId == platform::version::kWindows) text = BoxText(bios.BIOSDate(), bios.BIOSVersion());
  else if (platformId == platform::version::kNT) text = NtBiosText(registry);
  if (text) tools.boxes.Show(*text, i18n::Message("M51"), platform::BoxButtons::Ok, true);
}

}  // namespace tools

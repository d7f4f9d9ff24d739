// The settings held as texts of the main window's invisible labels, with the
// values they have before anything is stored (flags: "0" is on).
#pragma once

#include <string_view>

namespace settings {

struct SettingLabel {
  const char* name;
  const char* initial;
};

inline constexpr SettingLabel kSettingLabels[] = {
    {"RAMLevel", "15"},        {"RAMCritical", "1"},     {"CPUCriticalLevel", "25"},
    {"CPUCheck", "0"},         {"DefragWhenStart", "1"}, {"StartMinimized", "0"},
    {"Log", "0"},              {"CloseToTray", "0"},     {"MinimizeToTray", "0"},
    {"DoBeep", "0"},           {"ClearBord", "1"},       {"CloseReport", "0"},
    {"ReportDelay", "60000"},  {"TrayType", "1"},        {"TrayAction", "0"},
    {"Priority", "1"},         {"RHotKey", "T"},         {"AHotKey", "A"},
    {"FHotKey", "D"},
};

// The initial text of a setting label; "" for a name that is none.
constexpr std::string_view InitialSetting(std::string_view name) {
  for (const auto& s : kSettingLabels)
    if (name == s.name) return s.initial;
  return {};
}

}  // namespace settings

// The registry layout of the stored settings, written out by hand: every key
// below the store's root with its value names and types, as a save leaves it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fakes {

constexpr const char* kSettingsRoot = "SOFTWARE\\Corvantis\\Brantelle\\Options";

// Key path below the root → value name → registry type (1 REG_SZ, 4 REG_DWORD).
inline std::map<std::string, std::map<std::string, uint32_t>> SettingsLayout() {
  constexpr uint32_t D = 4, S = 1;
  std::map<std::string, std::map<std::string, uint32_t>> l;
  l[""] = {};
  l["MainForm"] = {{"State", D}, {"Topmost", D}, {"Left", D}, {"Top", D}};
  l["MainForm\\FormCaption"] = {};
  l["MainForm\\FormCaption\\Buttons<0>"] = {{"Down", D}};
  l["MainForm\\FormPersist"] = {{"TopMost", D}};
  l["MainForm\\TrackBar"] = {{"Position", D}, {"Visible", D}};
  l["MainForm\\AutoTimer"] = {{"Interval", D}, {"Enabled", D}};
  for (const char* c : {"Auto", "TryTo", "DispRep", "FreeingReport", "AutoOpt", "DisAuto", "StayOnTop",
                        "CD", "Poweroff", "CDpop", "PoweroffP", "Eng", "Rus", "UA", "Bul", "Pol", "Ger",
                        "Chi", "Fr", "Ital"})
    l[std::string("MainForm\\") + c] = {{"Checked", D}};
  for (const char* c : {"CPUCriticalLevel", "DefragWhenStart", "CloseReport", "DoBeep", "TrayType", "Log",
                        "ClearBord", "CPUCheck", "RAMLevel", "RAMCritical", "ReportDelay", "TrayAction",
                        "Priority", "StartMinimized", "MinimizeToTray", "CloseToTray", "RHotKey",
                        "AHotKey", "FHotKey"})
    l[std::string("MainForm\\") + c] = {{"Caption", S}};
  for (const char* g : {"CPUUsage", "RAMLoading", "RAMUsage", "SwapUsage"}) {
    l[std::string("MainForm\\") + g] = {{"Style3D", D}, {"SensType", D}, {"BackColor", D}, {"Border", D},
                                        {"Color", D},   {"Color3D", D},  {"ColorBack3D", D}};
    l[std::string("MainForm\\") + g + "\\Font"] = {{"Color", D}};
  }
  l["MainForm\\TrayIcon"] = {};
  l["MainForm\\TrayIcon\\Font"] = {{"Color", D}};
  return l;
}

}  // namespace fakes

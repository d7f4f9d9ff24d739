#include "i18n/Messages.h"

#include <array>

namespace i18n {

namespace {

constexpr BuiltInMessage kMessages[] = {
    BuiltInMessage{"M01", "&AutoFree: Automatically optimizes\r\nto balance speed and memory"},
    BuiltInMessage{"M02",
                   "Selecting AutoFree will cause Brantelle to optimally\r\n"
                   "balance speed and RAM when you press Go! (Recommended)\r\n"
                   "A majority of RAM is released, but not so much that system performance\r\n"
                   "degrades."},
    BuiltInMessage{"M03",
                   "Select this option to manually specify how much RAM to free.\r\n"
                   "Brantelle will try to free this amount of RAM when you press Go!"},
    BuiltInMessage{"M04",
                   "Set how much RAM to free if AutoFree is not selected.\r\n"
                   "Brantelle will try to free this amount when you press Go!"},
    BuiltInMessage{"M05",
                   "Select this option for Brantelle to display a memory report after\r\n"
                   "finishing memory operations."},
    BuiltInMessage{"M06",
                   "Click to open up the Settings window, where you can configure\r\n"
                   "and customize Brantelle."},
    BuiltInMessage{"M07", "&Try to free"},
    BuiltInMessage{"M08", "Mb of RAM"},
    BuiltInMessage{"M09", "Memory Mode: Determines what happens when you press Go!"},
    BuiltInMessage{"M101", "Free Memory"},
    BuiltInMessage{"M11", "Memory Usage"},
    BuiltInMessage{"M12", "CPU Usage"},
    BuiltInMessage{"M13", "Swap File Usage"},
    BuiltInMessage{"M14", "Exit"},
    BuiltInMessage{"M15", "This area displays memory information and statistics."},
    BuiltInMessage{"M16", "3D Style of Sensors"},
    BuiltInMessage{"M17", "Pie"},
    BuiltInMessage{"M18", "Diagramm"},
    BuiltInMessage{"M19", "Digital"},
    BuiltInMessage{"M201", "Column"},
    BuiltInMessage{"M21", "Bond"},
    BuiltInMessage{"M22", "Sensors"},
    BuiltInMessage{"M23", "Sensors Style"},
    BuiltInMessage{"M24", "Color settings"},
    BuiltInMessage{"M32", "Processor Detection Toolkit"},
    BuiltInMessage{"M33", "Cache Tuning (only under Win 9x/ME)"},
    BuiltInMessage{"M34", "Application Startup Wizard"},
    BuiltInMessage{"M35", "Eject CD"},
    BuiltInMessage{"M36", "Clear Recent Documents"},
    BuiltInMessage{"M37", "Clear Clipboard Now"},
    BuiltInMessage{"M38", "Clear IE cache"},
    BuiltInMessage{"M39", "Windows Uptime"},
    BuiltInMessage{"M401", "BIOS Information"},
    BuiltInMessage{"M41", "Turn Off Computer or Log Off"},
    BuiltInMessage{"M42", "Shutdown"},
    BuiltInMessage{"M43", "Restart"},
    BuiltInMessage{"M44", "Log Off"},
    BuiltInMessage{"M45", "Force Shutdown"},
    BuiltInMessage{"M46", "Force Restart"},
    BuiltInMessage{"M47", "Power Off"},
    BuiltInMessage{"M48", "If CD then Eject"},
    BuiltInMessage{"M49", "Mb) bytes installed"},
    BuiltInMessage{"M501", "Mb) bytes free/"},
    BuiltInMessage{"M51", "BIOS Information"},
    BuiltInMessage{"M54", "Bios Date"},
    BuiltInMessage{"M56", "BIOS Version"},
    BuiltInMessage{"M57", "started on"},
    BuiltInMessage{"M58", "at"},
    BuiltInMessage{"M59", "Its been up for"},
    BuiltInMessage{"M601", "days"},
    BuiltInMessage{"M61", "hours"},
    BuiltInMessage{"M62", "minutes"},
    BuiltInMessage{"M63", "seconds"},
    BuiltInMessage{"M64", "Do you want to clear all Internet Explorer Cache?"},
    BuiltInMessage{"M65", "Confirmation"},
    BuiltInMessage{"M66", "ON"},
    BuiltInMessage{"M67", "OFF"},
    BuiltInMessage{"M68", "Brantelle started \"AutoFree Now\""},
    BuiltInMessage{"M69", "Brantelle closed"},
    BuiltInMessage{"M701", "Brantelle finished freeing RAM"},
    BuiltInMessage{"M71", "Brantelle freeing"},
    BuiltInMessage{"M72", "Brantelle started freeing RAM"},
    BuiltInMessage{"M73", "Brantelle is optimizing your memory ..."},
    BuiltInMessage{"M74", "Elapsed time"},
    BuiltInMessage{"M75", "Brantelle freeing RAM aborted"},
    BuiltInMessage{"M76", "Brantelle started"},
    BuiltInMessage{"M77", "Mb"},
    BuiltInMessage{"M78", "RAM free"},
    BuiltInMessage{"M79", "Started at"},
    BuiltInMessage{"M801", "Finished at"},
    BuiltInMessage{"M81", "RAM installed"},
    BuiltInMessage{"M82", "Swap File maxsize"},
    BuiltInMessage{"M83", "Total Virtual Memory"},
    BuiltInMessage{"M84", "Available Virtual Memory"},
    BuiltInMessage{"M89", "Free RAM before freeing:"},
    BuiltInMessage{"M901", "Free RAM now after freeing:"},
    BuiltInMessage{"M91", "Swap File usage now:"},
    BuiltInMessage{"M92", "Stop"},
    BuiltInMessage{"M93", "Exit"},
};

}  // namespace

std::span<const BuiltInMessage> BuiltInMessages() { return kMessages; }

std::string_view EnglishText(std::string_view id) {
  for (const BuiltInMessage& m : kMessages)
    if (m.id == id) return m.english;
  return {};
}

}  // namespace i18n

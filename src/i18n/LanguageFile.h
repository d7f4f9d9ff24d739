// Opening language files beside the program, and the current language table.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "i18n/LanguageTable.h"
#include "text/Error.h"

namespace platform {
class Environment;
class Files;
}  // namespace platform

namespace i18n {

// Language files are a few kilobytes; anything far beyond that is refused
// rather than exhausting a 32-bit address space.
constexpr size_t kMaxLanguageFileBytes = 16u << 20;

// The program folder without its trailing separator, "\" and the relative
// name, with "/" taken as "\" and doubled separators as one (a leading "\\"
// of a network folder is kept).
std::string LanguageFilePath(const std::string& programFolder, const std::string& relativeName);

// The table of the file, or nothing when no file of that name exists. A file
// that exists but cannot be read is the error "Cannot open file <full name>".
text::Result<std::optional<LanguageTable>> LoadLanguageFile(const std::string& relativeName,
                                                            platform::Environment& environment,
                                                            platform::Files& files);

// The program-wide language table: none means English.
const LanguageTable* CurrentLanguage();
void SetCurrentLanguage(std::optional<LanguageTable> table);

// Makes the file's table current (none when the file does not exist) and
// tells whether there is one. When the file cannot be read that is the error
// and the previous table stays current.
text::Result<bool> OpenLanguageFile(const std::string& relativeName, platform::Environment& environment,
                                    platform::Files& files);

}  // namespace i18n

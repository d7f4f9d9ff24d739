// The report lines leaving the program: as a text file, or on paper.
#pragma once

#include <string>
#include <vector>

#include "platform/Printing.h"
#include "platform/TextFiles.h"

namespace report {

// Replaces path with the lines, each ended by CR LF; false when it failed.
bool SaveLines(platform::TextFiles& files, const std::string& path,
               const std::vector<std::string>& lines);

// One job on the default printer, one printed line per line; a line that
// would not fit on the page begins the next one. False when nothing or only
// part was printed (the job is then abandoned).
bool PrintLines(platform::Printing& printing, const std::string& title,
                const std::vector<std::string>& lines);

}  // namespace report

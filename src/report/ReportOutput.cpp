#include "report/ReportOutput.h"

namespace report {

bool SaveLines(platform::TextFiles& files, const std::string& path,
               const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return files.Create(path) && files.Append(path, bytes) == 0;
}

bool PrintLines(platform::Printing& printing, const std::string& title,
                const std::vector<std::string>& lines) {
  const auto job = printing.StartJob(title);
  if (!job) return false;
  const int lineHeight = job->LineHeight(), pageHeight = job->PageHeight();
  if (lineHeight <= 0 || pageHeight <= 0) return false;
  int y = 0;
  for (const auto& line : lines) {
    // A page always takes at least one line, however small it is.
    if (y > 0 && pageHeight - y < lineHeight) {
      if (!job->NewPage()) return false;
      y = 0;
    }
    if (!job->PrintLine(y, line)) return false;
    y += lineHeight;
  }
  return job->Finish();
}

}  // namespace report

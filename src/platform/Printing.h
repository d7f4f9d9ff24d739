// Text print jobs on the default printer, in the printer's own units.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

// An open job, its first page begun. Destroying a job that was not finished
// abandons it, so that nothing half-done reaches the printer.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // Height of one line of the printer's default font, and of a page's printable area.
  virtual int LineHeight() = 0;
  virtual int PageHeight() = 0;
  // Each returns false when the printer refused.
  virtual bool PrintLine(int y, const std::string& text) = 0;
  virtual bool NewPage() = 0;
  virtual bool Finish() = 0;
};

class Printing {
 public:
  virtual ~Printing() = default;
  // A job named title on the default printer, or nothing when there is no
  // default printer or it cannot start a job.
  virtual std::unique_ptr<PrintJob> StartJob(const std::string& title) = 0;
};

// The default printer as the system's profile names it: "name,driver,port".
struct PrinterDevice {
  std::string name, driver, port;
};
// Nothing when the entry names no printer.
std::optional<PrinterDevice> ParsePrinterDevice(const std::string& entry);

}  // namespace platform

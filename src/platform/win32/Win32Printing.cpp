#include "platform/win32/Win32Printing.h"

#include <windows.h>

namespace platform::win32 {

namespace {

class GdiPrintJob : public PrintJob {
 public:
  explicit GdiPrintJob(HDC dc) : dc_(dc) {}
  ~GdiPrintJob() override {
    if (!finished_) AbortDoc(dc_);
    DeleteDC(dc_);
  }
  int LineHeight() override {
    TEXTMETRICA tm{};
    if (!GetTextMetricsA(dc_, &tm)) return 0;
    return tm.tmHeight + tm.tmExternalLeading;
  }
  int PageHeight() override { return GetDeviceCaps(dc_, VERTRES); }
  bool PrintLine(int y, const std::string& text) override {
    return TextOutA(dc_, 0, y, text.data(), static_cast<int>(text.size())) != 0;
  }
  bool NewPage() override { return EndPage(dc_) > 0 && StartPage(dc_) > 0; }
  bool Finish() override {
    finished_ = true;
    const bool paged = EndPage(dc_) > 0;
    return EndDoc(dc_) > 0 && paged;
  }

 private:
  HDC dc_;
  bool finished_ = false;
};

}  // namespace

std::unique_ptr<PrintJob> Win32Printing::StartJob(const std::string& title) {
  // The profile's entry names the default printer on every Windows version.
  char entry[1024] = {};
  GetProfileStringA("windows", "device", "", entry, sizeof entry);
  const auto device = ParsePrinterDevice(entry);
  if (!device) return nullptr;
  HDC dc = CreateDCA(device->driver.c_str(), device->name.c_str(),
                     device->port.empty() ? nullptr : device->port.c_str(), nullptr);
  if (!dc) return nullptr;
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.c_str();
  if (StartDocA(dc, &doc) <= 0) {
    DeleteDC(dc);
    return nullptr;
  }
  auto job = std::make_unique<GdiPrintJob>(dc);
  if (StartPage(dc) <= 0) return nullptr;  // the job abandons the document
  return job;
}

}  // namespace platform::win32

#include "platform/Printing.h"

#include "text/Text.h"

namespace platform {

std::optional<PrinterDevice> ParsePrinterDevice(const std::string& entry) {
  const size_t first = entry.find(',');
  if (first == std::string::npos) return std::nullopt;
  const size_t second = entry.find(',', first + 1);
  PrinterDevice d;
  d.name = std::string(text::Trim(std::string_view(entry).substr(0, first)));
  d.driver = std::string(text::Trim(std::string_view(entry).substr(
      first + 1, second == std::string::npos ? std::string::npos : second - first - 1)));
  if (second != std::string::npos)
    d.port = std::string(text::Trim(std::string_view(entry).substr(second + 1)));
  if (d.name.empty() || d.driver.empty()) return std::nullopt;
  return d;
}

}  // namespace platform

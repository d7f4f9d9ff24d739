// "system.ini" entries of any content, as the swap file and disk cache window
// reads them when it opens: each key's text is a line of the input, cut as
// the profile functions cut it. The window must open with a consistent
// choice, OK without a change must write nothing, and OK after one must
// write only well-formed values.
#include "Check.h"
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/Fakes.h"
#include "tools/vcache.h"
#include "ui/Headless.h"

using fuzz::Check;

namespace {

bool Decimal(const std::string& s) {
  if (s.empty() || s.size() > 10) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kKeys[][2] = {{"386Enh", "Paging"},           {"386Enh", "PagingDrive"},
                                         {"386Enh", "MinPagingFileSize"}, {"386Enh", "MaxPagingFileSize"},
                                         {"vcache", "MinFileCache"},      {"vcache", "MaxFileCache"}};
  fakes::FakeSystem sys;
  // The first byte picks the installed memory (1..256 MB) and the drives' room.
  const unsigned ramMb = size ? data[0] + 1u : 64u;
  sys.memory.SetMb(ramMb, ramMb / 2);
  sys.drives.Add('A', 2, -1);
  sys.drives.Add('C', platform::kDriveFixed, size > 1 ? data[1] * 8 : 600);
  sys.drives.Add('E', platform::kDriveFixed, 700);
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t pos = size > 2 ? 2 : size;
  for (const auto& key : kKeys) {
    if (pos > input.size()) break;
    size_t end = input.find('\n', pos);
    if (end == std::string::npos) end = input.size();
    // A line starting with '!' stands for a missing key.
    if (end == pos || input[pos] != '!')
      sys.profile.files[tools::TVMem::kSystemIni][key[0]][key[1]] = input.substr(pos, end - pos);
    pos = end + 1;
  }
  ui::HeadlessBackend backend;
  ui::Application app(backend);
  tools::TVMem window(app, sys.system);
  // At most one swap choice and one cache choice.
  int swap = 0;
  for (auto* c : {window.SwpWin, window.SwpOpt, window.SwpNot, window.SwpUser}) swap += c->Checked();
  Check(swap <= 1);
  Check(!(window.BestVC->Checked() && window.VCUser->Checked()));

  // OK with nothing changed leaves "system.ini" exactly as it was.
  const auto before = sys.profile.files;
  sys.profile.writes.clear();
  window.ElPopupButton1Click();
  Check(sys.profile.writes.empty());
  Check(sys.profile.files == before);

  // The manual choices picked on both pages, then OK: every value written is
  // a size in decimal, a drive, or the paging switch.
  tools::TVMem changed(app, sys.system);
  for (auto* c : {changed.SwpWin, changed.SwpOpt, changed.SwpNot, changed.SwpUser, changed.BestVC, changed.VCUser})
    if (c->Checked()) c->Click();
  changed.SwpUser->Click();
  changed.VCUser->Click();
  sys.profile.writes.clear();
  changed.ElPopupButton1Click();
  for (const std::string& w : sys.profile.writes) {
    if (w.back() == '-') continue;  // a removed key
    const size_t eq = w.find('=');
    Check(eq != std::string::npos);
    const std::string key = w.substr(0, eq), value = w.substr(eq + 1);
    if (key == "386Enh/Paging")
      Check(value == "on" || value == "off");
    else if (key == "386Enh/PagingDrive")
      Check(value.size() == 2 && std::isalpha(static_cast<unsigned char>(value[0])) && value[1] == ':');
    else
      Check(Decimal(value));
  }
  return 0;
}

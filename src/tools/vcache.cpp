#include "tools/vcache.h"

#include <algorithm>
#include <climits>

#include "engine/MemoryStatus.h"
#include "gfx/Canvas.h"
#include "text/Text.h"

namespace tools {

namespace {

constexpr const char* kEnh = "386Enh";
constexpr const char* kCache = "vcache";
constexpr uint32_t kWhite = gfx::clWhite, kGreyed = gfx::clBtnFace;
constexpr int64_t kKb = 1024;

char Upper(char c) { return text::UpperChar(c); }

// Kilobytes to whole megabytes, for a spin box; an absent value (-1) gives 0.
int KbToMb(int64_t kb) {
  return static_cast<int>(std::clamp<int64_t>(engine::RoundHalfEven(kb / 1024.0L), INT_MIN, INT_MAX));
}

int BytesToSpinMb(int64_t bytes) {
  return static_cast<int>(std::min<int64_t>(engine::BytesToMb(bytes), INT_MAX));
}

// A decimal number of kilobytes, blanks around it allowed; anything else,
// a sign or a value beyond 32 bits included, counts as absent.
int64_t ParseKb(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return -1;
  const size_t last = text.find_last_not_of(" \t");
  int64_t value = 0;
  for (size_t i = first; i <= last; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
    if (value > INT32_MAX) return -1;
  }
  return value;
}

}  // namespace

int64_t TVMem::Ram() const { return engine::BytesToMb(DefragMem1->TotalMemory()); }

int64_t TVMem::Ram25() const { return engine::RoundHalfEven(Ram() * 2.5L); }

void TVMem::FormCreate() {
  // An error ends the step silently and leaves what was set so far: an empty
  // drive list stops it at once, and the window opens with nothing checked.
  (void)ReadSystemIni();
  opened_ = Now();
}

ui::Status TVMem::ReadSystemIni() {
  std::vector<std::string> fixed;
  for (const std::string& item : DriveComboBox1->Items())
    if (!item.empty() && system_.drives.DriveType(item.substr(0, 1) + ":\\") == platform::kDriveFixed)
      fixed.push_back(item);
  DriveBox->SetItems(std::move(fixed));
  RETURN_IF_FAILED(DriveBox->SetItemIndex(0));

  LimitSwapSizes();
  MinVSize->SetMax(static_cast<int>(std::min<int64_t>(Ram(), INT_MAX)));
  MaxVSize->SetMax(MinVSize->Max());

  const int64_t minCache = ReadKb(kCache, "MinFileCache"), maxCache = ReadKb(kCache, "MaxFileCache");
  if (minCache != -1 && maxCache != -1) {
    if (minCache == 0 && ((Ram() <= 30 && maxCache == 4096) || (Ram() >= 32 && maxCache == 8192)))
      Check(*BestVC);
    MinVSize->SetValue(KbToMb(minCache));
    MaxVSize->SetValue(KbToMb(maxCache));
    if (!BestVC->Checked()) Check(*VCUser);
  }

  const std::string paging = system_.profile.ReadString(kSystemIni, kEnh, "Paging", "on", 4);
  const std::string drive = system_.profile.ReadString(kSystemIni, kEnh, "PagingDrive", "C:", 3);
  const int64_t minSwap = ReadKb(kEnh, "MinPagingFileSize"), maxSwap = ReadKb(kEnh, "MaxPagingFileSize");
  const char mode = paging.size() > 1 ? paging[1] : '\0';
  const bool sized = minSwap != -1 || maxSwap != -1;
  const bool optimal = minSwap == Ram() * kKb && maxSwap == Ram25() * kKb;
  // The drive first, so that the sizes are limited by its free space and
  // not by that of the first drive.
  if (sized && !drive.empty()) {
    storedSwapDrive_ = Upper(drive[0]);
    storedSwapMb_ = std::max(KbToMb(minSwap), KbToMb(maxSwap));
    LimitSwapSizes();
  }
  if (mode == 'n' && sized && !optimal) SelectPagingDrive(drive);
  MinSwapSize->SetValue(KbToMb(minSwap));
  MaxSwapSize->SetValue(KbToMb(maxSwap));
  if (mode == 'n') Check(!sized ? *SwpWin : optimal ? *SwpOpt : *SwpUser);
  else if (mode == 'f') Check(*SwpNot);
  return {};
}

TVMem::Shown TVMem::Now() const {
  Shown s;
  for (const ui::CheckBox* c : {SwpWin, SwpOpt, SwpNot, SwpUser})
    if (c->Checked()) s.swap = c;
  for (const ui::CheckBox* c : {BestVC, VCUser})
    if (c->Checked()) s.cache = c;
  s.drive = DriveBox->ItemIndex();
  s.minSwap = MinSwapSize->Value();
  s.maxSwap = MaxSwapSize->Value();
  s.minCache = MinVSize->Value();
  s.maxCache = MaxVSize->Value();
  return s;
}

void TVMem::SelectPagingDrive(const std::string& drive) {
  if (drive.empty()) return;
  const auto& items = DriveBox->Items();
  for (size_t i = 0; i < items.size(); ++i)
    if (!items[i].empty() && Upper(items[i][0]) == Upper(drive[0])) {
      if (static_cast<int>(i) != DriveBox->ItemIndex()) {
        (void)DriveBox->SetItemIndex(static_cast<int>(i));  // an item's index: never refused
        LimitSwapSizes();
      }
      return;
    }
}

void TVMem::DriveBoxChange() { LimitSwapSizes(); }

void TVMem::LimitSwapSizes() {
  const int index = DriveBox->ItemIndex();
  const std::string item = index < 0 ? std::string() : DriveBox->Items()[static_cast<size_t>(index)];
  int limit = BytesToSpinMb(index < 0 ? 0 : DriveFree(item));
  if (!item.empty() && Upper(item[0]) == storedSwapDrive_) limit = std::max(limit, storedSwapMb_);
  MinSwapSize->SetMax(limit);
  MaxSwapSize->SetMax(MinSwapSize->Max());
}

int64_t TVMem::DriveFree(const std::string& item) {
  const char letter = item.empty() ? '\0' : Upper(item[0]);
  const int number = letter >= 'A' && letter <= 'Z' ? letter - 'A' + 1 : 0;
  const int64_t freeBytes = system_.drives.FreeBytes(number);
  if (freeBytes >= 0) return freeBytes;
  system_.dialogs.ShowMessage("Invalid drive number.", "Error", platform::BoxIcon::Error);
  return 0;
}

int64_t TVMem::ReadKb(const char* section, const char* key) {
  return ParseKb(system_.profile.ReadString(kSystemIni, section, key, "", 32));
}

void TVMem::Check(ui::CheckBox& option) {
  option.SetChecked(true);
  if (&option == BestVC || &option == VCUser) CacheOptionClick(option);
  else SwapOptionClick(option);
}

void TVMem::SwapOptionClick(ui::CheckBox& option) {
  for (ui::CheckBox* other : {SwpWin, SwpOpt, SwpNot, SwpUser}) {
    if (option.Checked() && other == &option) continue;
    other->SetChecked(false);
    other->SetEnabled(!option.Checked());
  }
  SwapFields(!option.Checked() || &option == SwpUser);
}

void TVMem::CacheOptionClick(ui::CheckBox& option) {
  ui::CheckBox* other = &option == BestVC ? VCUser : BestVC;
  if (option.Checked()) {
    other->SetChecked(false);
    other->SetEnabled(false);
  } else {
    for (ui::CheckBox* both : {BestVC, VCUser}) {
      both->SetChecked(false);
      both->SetEnabled(true);
    }
  }
  CacheFields(!(option.Checked() && &option == BestVC));
}

void TVMem::SwapFields(bool on) {
  DriveBox->SetEnabled(on);
  DriveBox->SetColor(on ? kWhite : kGreyed);
  for (ui::SpinEdit* spin : {MinSwapSize, MaxSwapSize}) {
    spin->SetEnabled(on);
    spin->SetColor(on ? kWhite : kGreyed);
  }
}

void TVMem::CacheFields(bool on) {
  for (ui::SpinEdit* spin : {MinVSize, MaxVSize}) {
    spin->SetEnabled(on);
    spin->SetColor(on ? kWhite : kGreyed);
  }
}

void TVMem::Write(const char* section, const char* key, const std::string& value) {
  system_.profileWriter.WriteString(kSystemIni, section, key, value);
}

void TVMem::Remove(const char* section, const char* key) {
  system_.profileWriter.DeleteKey(kSystemIni, section, key);
}

void TVMem::WriteSwapFile(char letter, int64_t minKb, int64_t maxKb) {
  Remove(kEnh, "Paging");
  Write(kEnh, "PagingDrive", std::string{Upper(letter), ':'});
  Write(kEnh, "MinPagingFileSize", std::to_string(minKb));
  Write(kEnh, "MaxPagingFileSize", std::to_string(maxKb));
}

void TVMem::ElPopupButton1Click() {
  // An error ends the step silently and the window stays open. Only what the
  // user changed is written: a choice left as it opened keeps its keys (a
  // recognised optimal file is not placed again, a stored size not rewritten).
  const Shown now = Now();
  const bool swapChosen = now.swap != opened_.swap, cacheChosen = now.cache != opened_.cache;
  if ((SwpNot->Checked() || SwpWin->Checked()) && swapChosen) {
    for (const char* key : {"PagingDrive", "MinPagingFileSize", "MaxPagingFileSize"}) Remove(kEnh, key);
    Write(kEnh, "Paging", SwpNot->Checked() ? "off" : "on");
  }
  if (SwpUser->Checked()) {
    const int index = DriveBox->ItemIndex();
    const std::string item = index < 0 ? std::string() : DriveBox->Items()[static_cast<size_t>(index)];
    if (item.empty()) return;  // no drive is selected
    const int64_t minKb = int64_t{MinSwapSize->Value()} * kKb, maxKb = int64_t{MaxSwapSize->Value()} * kKb;
    if (swapChosen) {
      WriteSwapFile(item[0], minKb, maxKb);
    } else {
      if (now.drive != opened_.drive) Write(kEnh, "PagingDrive", std::string{Upper(item[0]), ':'});
      if (now.minSwap != opened_.minSwap) Write(kEnh, "MinPagingFileSize", std::to_string(minKb));
      if (now.maxSwap != opened_.maxSwap) Write(kEnh, "MaxPagingFileSize", std::to_string(maxKb));
    }
  }
  if (SwpOpt->Checked() && swapChosen) {
    // Room for the largest swap file: more than two and a half times the memory.
    const int64_t needed = int64_t{DefragMem1->TotalMemory()} * 5 / 2;
    const auto& items = DriveBox->Items();
    const auto roomy = std::find_if(items.begin(), items.end(),
                                    [&](const std::string& item) { return DriveFree(item) > needed; });
    if (roomy != items.end() && !roomy->empty())
      WriteSwapFile((*roomy)[0], Ram() * kKb, Ram25() * kKb);
    else
      system_.dialogs.ShowMessage(
          "You do not have enough free space\r\nfor optimal swap file usage.\r\nTry to free some space and "
          "try again later.",
          "Warning", platform::BoxIcon::Warning);
  }
  if (VCUser->Checked()) {
    if (cacheChosen || now.minCache != opened_.minCache)
      Write(kCache, "MinFileCache", std::to_string(int64_t{MinVSize->Value()} * kKb));
    if (cacheChosen || now.maxCache != opened_.maxCache)
      Write(kCache, "MaxFileCache", std::to_string(int64_t{MaxVSize->Value()} * kKb));
  }
  if (BestVC->Checked() && cacheChosen) {
    Write(kCache, "MinFileCache", "0");
    Write(kCache, "MaxFileCache", Ram() < 31 ? "4096" : "8192");
  }
  Close();
}

}  // namespace tools

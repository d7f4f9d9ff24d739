// Freeing without the user watching: the AutoFree action, the periodic timer
// and its two menu switches, the low-memory trigger and the global hot keys.
#include <iterator>

#include "app/MainFrm.h"
#include "engine/MemoryStatus.h"
#include "i18n/MessageText.h"

namespace app {

namespace {

struct HotKeyDefinition {
  const char* atomName;
  const char* setting;
};

// Registered in this order; the index is the slot in the form's atom table.
constexpr HotKeyDefinition kHotKeys[] = {
    {"AutoFreeHotKey", "AHotKey"},
    {"DefragAllHotKey", "FHotKey"},
    {"RestoreHotKey", "RHotKey"},
};
constexpr size_t kAutoFreeKey = 0, kDefragAllKey = 1, kRestoreKey = 2;

}  // namespace

void TMainForm::WireAutoFreeing() {
  DisAuto = FindAs<ui::MenuItem>("DisAuto");
  AutoOpt = FindAs<ui::MenuItem>("AutoOpt");
  DisAuto->OnClick = [this] { SwitchPeriodicFreeing(*DisAuto, *AutoOpt); };
  AutoOpt->OnClick = [this] { SwitchPeriodicFreeing(*AutoOpt, *DisAuto); };
  AutoTimer->OnTimer = [this] { return AutoFree(); };
  OnHotKey = [this](int id) { return FormHotKey(id); };
  // Chained: others may also act on destruction.
  OnDestroy = [this, before = OnDestroy]() -> ui::Status {
    RETURN_IF_FAILED(before());
    UnregisterHotKeys();
    DeleteHotKeyAtoms();
    return {};
  };
  ShowAutoFreeingState();
}

ui::Status TMainForm::AutoFree() {
  if (RunInProgress()) return {};
  if (FlagOn("CPUCheck")) {
    const ui::Result<int32_t> level = Number("CPUCriticalLevel");
    RETURN_IF_FAILED(level);
    if (engine::RoundHalfEven(CPUUsage->Value()) >= *level) return {};
  }
  SilentRun = true;
  WriteLogLine("    " + i18n::Message("M68"));
  const int64_t mb = TryTo->Checked() ? TrackBar->Position()
                                      : engine::PercentOfTotalMb(DefragMem->TotalMemory(), 25);
  return DefragMem->Defrag(static_cast<int32_t>(mb));
}

ui::Status TMainForm::LowMemoryTrigger() {
  const ui::Result<bool> low = MemoryIsLow();  // a fresh reading, not the colour's
  RETURN_IF_FAILED(low);
  return *low ? AutoFree() : ui::Status();
}

void TMainForm::SwitchPeriodicFreeing(ui::MenuItem& chosen, ui::MenuItem& twin) {
  chosen.SetChecked(!twin.Checked());
  AutoTimer->SetEnabled(!chosen.Checked());
  twin.SetChecked(chosen.Checked());
  ShowAutoFreeingState();
}

void TMainForm::ShowAutoFreeingState() {
  StatusBar->SetPanelText(2, i18n::Message(AutoOpt->Checked() ? "M67" : "M66"));
}

void TMainForm::RegisterHotKeys() {
  const uint32_t window = App().GetBackend().NativeHandle(*this);
  for (size_t i = 0; i < std::size(kHotKeys); ++i) {
    // Each atom is added by name once and kept while the window lives: a
    // release and a new registration after the settings dialog use it again.
    if (!hotKeyAtoms_[i]) hotKeyAtoms_[i] = system_.hotKeys.AddGlobalAtom(kHotKeys[i].atomName);
    if (!hotKeyAtoms_[i] || hotKeyRegistered_[i]) continue;
    // An empty key (only an edited registry value gives one) would register
    // Ctrl+Alt alone; it gets no hot key.
    const int key = HotKey(kHotKeys[i].setting);
    if (key == 0) continue;
    // Refused (another program holds the combination): left without a key.
    hotKeyRegistered_[i] = system_.hotKeys.Register(window, hotKeyAtoms_[i], key);
  }
}

void TMainForm::UnregisterHotKeys() {
  const uint32_t window = App().GetBackend().NativeHandle(*this);
  for (size_t i = 0; i < std::size(kHotKeys); ++i) {
    if (hotKeyRegistered_[i]) system_.hotKeys.Unregister(window, hotKeyAtoms_[i]);
    hotKeyRegistered_[i] = false;
  }
}

void TMainForm::DeleteHotKeyAtoms() {
  for (uint16_t& atom : hotKeyAtoms_) {
    if (atom) system_.hotKeys.DeleteGlobalAtom(atom);
    atom = 0;
  }
}

ui::Status TMainForm::FormHotKey(int id) {
  if (id == 0) return {};
  if (id == hotKeyAtoms_[kAutoFreeKey]) {
    SilentRun = true;
    return AutoFree();
  }
  if (id == hotKeyAtoms_[kDefragAllKey]) {
    SilentRun = true;  // stays set when refused: the run in progress ends without a report
    // The engine would refuse a second run, but the refused call would also
    // forget a Stop that is still pending.
    if (!RunInProgress())
      return DefragMem->Defrag(static_cast<int32_t>(engine::BytesToMb(DefragMem->TotalMemory())));
  } else if (id == hotKeyAtoms_[kRestoreKey]) {
    RestoreClick();
  }
  return {};
}

}  // namespace app

// TElFormPersist: saves a fixed list of component properties of its window,
// with the window's state and position, into the settings store, and restores
// them; and keeps the window on top while TopMost is set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "settings/PropertyTable.h"
#include "ui/Controls.h"

namespace settings {

// The shortest automatic-freeing interval: the settings dialog's one minute.
inline constexpr uint32_t kMinAutoInterval = 60000;

// One entry of the persisted list. At the top a component's name; below it an
// object-valued property (an entry with children), a collection item
// ("Name<i>", with children) or a plain property (a leaf).
struct PropEntry {
  std::string name;
  std::vector<PropEntry> children;
};

// The main window's persisted list, in the order of saving and restoring.
const std::vector<PropEntry>& MainFormPropsToStore();
// The accessors of the main window's persisted properties.
const PropertyTable& MainFormProperties();

class TElFormPersist : public ui::NonVisual {
 public:
  UI_TAGGED_CLASS(TElFormPersist)
  // Persists its owner window into store. It hooks the window's show
  // notifications: before every show RestoreWindow, after every hide the saves.
  TElFormPersist(ui::Window* owner, std::string name, TElIniFile& store,
                 const PropertyTable& table = MainFormProperties(),
                 std::vector<PropEntry> props = MainFormPropsToStore());
  ~TElFormPersist() override;

  std::vector<PropEntry> PropsToStore;

  // RestoreWindowState, then RestoreProperties.
  void RestoreWindow();
  void SaveProperties();
  void RestoreProperties();
  void SaveWindowState();
  void RestoreWindowState();

  // The window stays above other windows: setting it adds or removes the
  // always-on-top style and moves the window into or out of the top-most
  // band without activating it.
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool on);
  // Applies the current TopMost to the window again.
  void ApplyTopMost();

 private:
  void Walk(bool save);
  void WalkObject(const Target& target, const PropEntry& entry, const std::string& key,
                  const std::string& parentKey, bool save);
  void WalkEntry(const Target& target, const PropEntry& entry, const std::string& key, bool save);
  void Leaf(const Property& p, const Target& target, const std::string& name, bool save);
  void ShowNotification(bool shown, bool destroying);
  ui::Window& Form() const { return *Owner(); }

  TElIniFile& store_;
  const PropertyTable& table_;
  bool topMost_ = false;
  int showListener_ = 0, deactivateListener_ = 0;
};

}  // namespace settings

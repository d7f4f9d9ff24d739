// Value controls: drop-down lists, the colour picker, spin boxes and the
// hot-key field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Component.h"

namespace ui {

// The background of a text field: the system's window colour (index 5) until
// set; colour values as the gauges take them.
constexpr uint32_t kFieldColor = 0x80000005;

// A read-only drop-down list. Only lists of the standard family answer
// their items to a language file; the others keep the texts code gave them.
class ComboBox : public Component {
 public:
  UI_KIND_CLASS(ComboBox, ComboBox)
  ComboBox(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::ComboBox) {}
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  bool SetItem(size_t i, const std::string& text) override;
  size_t ItemCount() const override { return standard_ ? items_.size() : 0; }
  bool StandardFamily() const { return standard_; }
  void SetStandardFamily(bool on) { standard_ = on; }
  int ItemIndex() const { return index_; }
  // -1 selects nothing; any other index must name an item ("List index out
  // of bounds (%d)" otherwise).
  Status SetItemIndex(int i);
  Event OnChange;
  // The user picked an item.
  void Choose(int i);
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t color);

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  bool standard_ = false;
  uint32_t color_ = kFieldColor;
};

// A colour picker: the sixteen basic colours by name and a custom choice,
// which asks the system's colour dialog.
class ColorBox : public Component {
 public:
  UI_KIND_CLASS(ColorBox, ColorBox)
  static constexpr int kBasicCount = 16;
  static constexpr int kCustomIndex = kBasicCount;
  ColorBox(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::ColorBox) {}
  // "Black" ... "White", then "Custom...".
  static const std::vector<std::string>& ItemNames();
  // The names this picker shows; a language file may replace them.
  const std::vector<std::string>& Items() const { return names_; }
  bool SetItem(size_t i, const std::string& text) override;
  size_t ItemCount() const override { return names_.size(); }
  static uint32_t BasicColor(int i);
  uint32_t Selected() const { return selected_; }
  // Any colour: a basic one selects its name, any other the custom item.
  void SetSelected(uint32_t color);
  int ItemIndex() const;
  Event OnChange;
  // The user picked an item; the custom one opens the colour dialog, and
  // cancelling it keeps the colour.
  void Choose(int i);

 private:
  uint32_t selected_ = 0;
  std::vector<std::string> names_ = ItemNames();
};

// An integer box with up and down arrows, limited to [Min, Max].
class SpinEdit : public Component {
 public:
  UI_KIND_CLASS(SpinEdit, SpinEdit)
  SpinEdit(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::SpinEdit) {}
  int Value() const { return value_; }
  void SetValue(int v);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v);
  void SetMax(int v);
  // The arrows' step and the page keys' step; set them before the window is realised.
  int Increment() const { return increment_; }
  void SetIncrement(int v) { increment_ = v; }
  int LargeIncrement() const { return largeIncrement_; }
  void SetLargeIncrement(int v) { largeIncrement_ = v; }
  // The user stepped the value by that much, up or down; it stays within [Min, Max].
  void StepBy(int64_t delta);
  uint32_t Color() const { return color_; }
  void SetColor(uint32_t color);
  Event OnChange;

 private:
  int min_ = 0, max_ = 100, value_ = 0;
  int increment_ = 1, largeIncrement_ = 10;
  uint32_t color_ = kFieldColor;
};

// The name a hot-key field shows for a virtual key: "T", "F5", "None" for 0.
std::string KeyName(int virtualKey);

// A field that takes one plain key. Its value is the key's virtual-key code;
// what it shows may run ahead of the value until the key is released.
class HotKeyEdit : public Component {
 public:
  UI_KIND_CLASS(HotKeyEdit, HotKeyEdit)
  HotKeyEdit(Window* owner, Component* parent, std::string name)
      : Component(owner, parent, std::move(name), Kind::HotKeyEdit) {}
  int Key() const { return key_; }
  // Sets value and display.
  void SetKey(int virtualKey);
  // The key shown, and its name.
  int Shown() const { return shown_; }
  std::string Text() const { return KeyName(shown_); }
  // A key went down: modifiers are ignored, Backspace clears the field.
  void KeyDown(int virtualKey);
  // The native field already shows this key.
  void ShowKey(int virtualKey) { shown_ = virtualKey; }
  // A key went up: OnKeyUp runs, then the shown key becomes the value.
  void KeyUp();
  Event OnKeyUp;

 private:
  int key_ = 0, shown_ = 0;
};

}  // namespace ui

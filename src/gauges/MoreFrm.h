// TMoreForm, "Sensors Settings": the colours and frame of the four gauges,
// read from the reference gauge and given to all four on Save.
#pragma once

#include <array>
#include <functional>

#include "ui/Callback.h"
#include "gauges/Sensor.h"
#include "ui/Controls.h"
#include "ui/EditControls.h"
#include "ui/Window.h"

namespace gauges {

// The four gauges in the order they are given the choices; the first is the
// reference whose appearance the window shows.
using GaugeSet = std::array<TSensor*, 4>;

class TMoreForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 253, kClientHeight = 223;
  TMoreForm(ui::Application& app, const GaugeSet& gauges);

  ui::ColorBox *BackColor = nullptr, *Color = nullptr, *Color3D = nullptr, *BackColor3D = nullptr,
               *Font = nullptr;
  ui::ComboBox* Border = nullptr;
  ui::Button *SaveB = nullptr, *CloseB = nullptr;

  void SaveBClick();

 private:
  GaugeSet gauges_;
};

// Opens the colour window modally unless one is open already. before gets
// the new window (for its stay-on-top style) ahead of the language and the
// showing; after runs once it is gone.
void OpenMoreForm(ui::Application& app, const GaugeSet& gauges,
                  const ui::Callback<void(ui::Window&)>& before, const ui::Callback<void()>& after);
bool MoreFormOpen();

}  // namespace gauges

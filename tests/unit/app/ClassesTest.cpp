// The main window's components told apart without run-time type
// information: by kind for the toolkit's classes, by tag for the classes made
// on one of them, and a base class takes in what is made on it.
#include <gtest/gtest.h>

#include "gauges/Sensor.h"
#include "gauges/TextTrayIcon.h"
#include "settings/FormPersist.h"
#include "ui/Menu.h"
#include "unit/settings/SettingsRig.h"

TEST(Classes, EachComponentIsWhatItWasMadeAsAndNothingElse) {
  fakes::FakeSystem sys;
  settings_test::Rig rig(sys);
  const app::TMainForm& f = *rig.form;
  struct Row {
    const char* name;
    bool button, menuItem, nonVisual, sensor, persist, tray;
  };
  const Row rows[] = {
      {"Go", true, false, false, false, false, false},
      {"AFree", false, true, false, false, false, false},
      {"RAMUsage", false, false, false, true, false, false},
      {"FormPersist", false, false, true, false, true, false},
      {"TrayIcon", false, false, true, false, false, true},
      {"IniFile", false, false, true, false, false, false},  // made on the same class as the two above
      {"Timer", false, false, false, false, false, false},
  };
  for (const Row& r : rows) {
    ASSERT_NE(f.Find(r.name), nullptr) << r.name;
    EXPECT_EQ(f.FindAs<ui::Button>(r.name) != nullptr, r.button) << r.name;
    EXPECT_EQ(f.FindAs<ui::MenuItem>(r.name) != nullptr, r.menuItem) << r.name;
    EXPECT_EQ(f.FindAs<ui::NonVisual>(r.name) != nullptr, r.nonVisual) << r.name;
    EXPECT_EQ(f.FindAs<gauges::TSensor>(r.name) != nullptr, r.sensor) << r.name;
    EXPECT_EQ(f.FindAs<settings::TElFormPersist>(r.name) != nullptr, r.persist) << r.name;
    EXPECT_EQ(f.FindAs<gauges::TTextTrayIcon>(r.name) != nullptr, r.tray) << r.name;
    EXPECT_NE(f.FindAs<ui::Component>(r.name), nullptr) << r.name;
  }
  EXPECT_EQ(f.FindAs<ui::Button>("NoSuchComponent"), nullptr);
}

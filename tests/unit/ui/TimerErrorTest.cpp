#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Headless.h"
#include "ui/Window.h"

namespace {

// The error box is modal: whatever runs inside it stands for the messages
// (timer ticks) that arrive while it is open.
struct ModalBoxBackend : ui::HeadlessBackend {
  std::function<void()> whileOpen;
  void ShowError(const std::string& title, const std::string& message) override {
    HeadlessBackend::ShowError(title, message);
    if (whileOpen) whileOpen();
  }
};

struct TimerErrors : ::testing::Test {
  ModalBoxBackend backend;
  ui::Application app{backend};
  ui::Window form{app, "Form"};
  ui::Timer& timer = form.Add<ui::Timer>("Timer");
  bool fail = true;
  void SetUp() override {
    app.SetTitle("Brantelle");
    timer.OnTimer = [this]() -> ui::Status {
      if (fail) return ui::Error("Unable to start performance monitoring");
      return {};
    };
  }
};

}  // namespace

TEST_F(TimerErrors, OneBoxUntilATickHasWorkedAgain) {
  for (int i = 0; i < 60; ++i) timer.Tick();
  EXPECT_EQ(backend.errors, (std::vector<std::string>{"Brantelle: Unable to start performance monitoring"}));
  fail = false;
  timer.Tick();
  fail = true;
  for (int i = 0; i < 60; ++i) timer.Tick();
  EXPECT_EQ(backend.errors.size(), 2u);
}

TEST_F(TimerErrors, EachTimerAndEveryClickHasItsOwnBox) {
  auto& other = form.Add<ui::Timer>("AutoTimer");
  other.OnTimer = [] { return ui::Status(ui::Error("'abc' is not a valid integer value")); };
  auto& button = form.Add<ui::Button>(nullptr, "Go");
  button.OnClick = [] { return ui::Status(ui::Error("Gauge range error")); };
  for (int i = 0; i < 5; ++i) {
    timer.Tick();
    other.Tick();
  }
  EXPECT_EQ(backend.errors.size(), 2u);
  button.Click();
  button.Click();
  EXPECT_EQ(backend.errors.size(), 4u);  // not a repeating source: a box each time
}

TEST_F(TimerErrors, NoSecondBoxOverOneStillOpen) {
  int ticksInside = 0;
  backend.whileOpen = [&] {
    if (ticksInside++) return;
    fail = false;
    timer.Tick();  // works while the box is open ...
    fail = true;
    timer.Tick();  // ... and fails again: the box is still there
  };
  timer.Tick();
  EXPECT_EQ(backend.errors.size(), 1u);
  backend.whileOpen = nullptr;
  timer.Tick();  // still failing since the box closed
  EXPECT_EQ(backend.errors.size(), 1u);
}

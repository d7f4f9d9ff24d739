// The tool windows the main window opens, each modal and one at a time.
#include "app/MainFrm.h"
#include "cpu/CpuFrm.h"
#include "cpu/CpuPictures.h"
#include "i18n/ApplyLanguage.h"

namespace app {

void TMainForm::WireToolWindows() {
  auto* strip = FindAs<ui::Picture>("Right");
  strip->OnPaint = cpu::DrawProcessorStrip;
  strip->OnClick = [this] { RightClick(); };
  for (const char* item : {"CPU", "ElMenuItem29"}) FindAs<ui::MenuItem>(item)->OnClick = [this] { RightClick(); };
}

void TMainForm::RightClick() {
  if (cpuForm_) return;
  cpuForm_ = std::make_unique<cpu::TCpuForm>(App());
  // Forgotten however the window ends, so that the next opening detects afresh.
  struct Forget {
    std::unique_ptr<cpu::TCpuForm>& form;
    ~Forget() { form.reset(); }
  } forget{cpuForm_};
  BeginModalOnTop(*cpuForm_);
  i18n::ApplyCurrentLanguage(*cpuForm_);
  App().ShowModal(*cpuForm_);
  EndModalOnTop();
}

}  // namespace app

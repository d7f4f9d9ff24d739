// The tool windows the main window opens, each modal and one at a time.
#include "app/MainFrm.h"
#include "cpu/CpuFrm.h"
#include "cpu/CpuPictures.h"
#include "i18n/ApplyLanguage.h"
#include "tools/vcache.h"

namespace app {

void TMainForm::WireToolWindows() {
  auto* strip = FindAs<ui::Picture>("Right");
  strip->OnPaint = cpu::DrawProcessorStrip;
  strip->OnClick = [this] { RightClick(); };
  for (const char* item : {"CPU", "ElMenuItem29"}) FindAs<ui::MenuItem>(item)->OnClick = [this] { RightClick(); };
  FindAs<ui::Picture>("Left")->OnClick = [this] { LeftClick(); };
  for (const char* item : {"vcache", "vcache_pop"}) FindAs<ui::MenuItem>(item)->OnClick = [this] { LeftClick(); };
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

void TMainForm::LeftClick() {
  if (vmemForm_) return;
  vmemForm_ = std::make_unique<tools::TVMem>(App(), system_);
  struct Forget {
    std::unique_ptr<tools::TVMem>& form;
    ~Forget() { form.reset(); }
  } forget{vmemForm_};
  BeginModalOnTop(*vmemForm_);
  i18n::ApplyCurrentLanguage(*vmemForm_);
  vmemForm_->CopyTranslatedTexts();
  App().ShowModal(*vmemForm_);
  EndModalOnTop();
}

}  // namespace app

// The processor detection window: what the identification component found,
// names and figures on the first page, every feature flag on the second.
#pragma once

#include "cpu/cxCPU2000.h"
#include "ui/Controls.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Window.h"

namespace cpu {

class TCpuForm : public ui::Window {
 public:
  static constexpr int kClientWidth = 415, kClientHeight = 404;

  // Detects the processor, measures its speed and fills the window; not yet shown.
  explicit TCpuForm(ui::Application& app);

  ui::Button* Go = nullptr;
  ui::PageControl* PageControl1 = nullptr;
  ui::TabSheet *tabIdentification = nullptr, *tabFeatureSet = nullptr;
  ui::Panel *Panel1 = nullptr, *Panel2 = nullptr, *Panel4 = nullptr;
  ui::Label *lblName = nullptr, *lblVendor = nullptr, *lblSpeed = nullptr, *lblSerial = nullptr,
            *lblFDiv = nullptr, *lblType = nullptr, *lblMMX = nullptr, *lblSIMD = nullptr,
            *lbl3DNow = nullptr;
  ui::Label *lblL1Data = nullptr, *lblL1Code = nullptr, *lblLevel1 = nullptr, *lblLevel2 = nullptr;
  ui::Picture* Image1 = nullptr;
  ui::ListView* FeatureList = nullptr;
  ui::ImageList* imlSupport = nullptr;
  TcxCPU2000* cxCpu = nullptr;

 private:
  void CreateIdentificationPage();
  void CreateFeaturePage();
  ui::Panel& Header(ui::Component* page, const char* name, const char* caption, int top);
  // A caption label (when caption is set) and its value label on one row.
  ui::Label& Row(ui::Component* page, const char* caption, const char* value, const char* placeholder,
                 int top, int valueWidth);
  void ShowResults();
  void ShowFeatures();
  int labels_ = 0;
};

}  // namespace cpu

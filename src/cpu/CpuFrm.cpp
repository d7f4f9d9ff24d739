#include "cpu/CpuFrm.h"

#include <string>

#include "cpu/CpuPictures.h"

namespace cpu {

namespace {

// Rows of the first page, in sheet coordinates.
constexpr int kCaptionLeft = 14, kCaptionWidth = 92, kValueLeft = 108, kRowHeight = 15;
constexpr int kHeaderLeft = 6, kHeaderWidth = 379, kHeaderHeight = 19;
constexpr int kWideValue = 271, kCacheValue = 120;

std::string Kb(int32_t size) { return std::to_string(size) + " Kb"; }

}  // namespace

TCpuForm::TCpuForm(ui::Application& app) : ui::Window(app, "CpuForm") {
  SetCaption("Processor Detection Toolkit");
  SetClientSize(kClientWidth, kClientHeight);
  SetMinimizeBox(false);
  SetPlacement(ui::Placement::MainFormCenter);

  Go = &Add<ui::Button>(nullptr, "Go");
  Go->SetCaption("Ok");
  Go->SetDefault(true);
  Go->SetBounds({kClientWidth - 83, kClientHeight - 35, 75, 25});
  Go->OnClick = [this] { Close(); };

  PageControl1 = &Add<ui::PageControl>(nullptr, "PageControl1");
  PageControl1->SetBounds({8, 8, kClientWidth - 16, kClientHeight - 52});
  CreateIdentificationPage();
  CreateFeaturePage();
  imlSupport = &Add<ui::ImageList>("imlSupport", SupportMarks());
  FeatureList->SetSmallImages(imlSupport);

  // The component's stored settings, then its load step: half a second of
  // speed measurement and the brand string.
  cxCpu = &Add<TcxCPU2000>("cxCpu");
  cxCpu->AutoBench().SetEnabled(true);
  cxCpu->AutoBench().SetDelay(500);
  cxCpu->Loaded();
  ShowResults();
  ShowFeatures();
}

ui::Panel& TCpuForm::Header(ui::Component* page, const char* name, const char* caption, int top) {
  auto& panel = Add<ui::Panel>(page, name);
  panel.SetCaption(caption);
  panel.SetBounds({kHeaderLeft, top, kHeaderWidth, kHeaderHeight});
  return panel;
}

ui::Label& TCpuForm::Row(ui::Component* page, const char* caption, const char* value,
                         const char* placeholder, int top, int valueWidth) {
  if (caption) {
    auto& label = Add<ui::Label>(page, "Label" + std::to_string(++labels_));
    label.SetCaption(caption);
    label.SetBounds({kCaptionLeft, top, kCaptionWidth, kRowHeight});
  }
  auto& label = Add<ui::Label>(page, value);
  label.SetCaption(placeholder);
  label.SetBounds({kValueLeft, top, valueWidth, kRowHeight});
  return label;
}

void TCpuForm::CreateIdentificationPage() {
  tabIdentification = &Add<ui::TabSheet>(PageControl1, "tabIdentification");
  tabIdentification->SetCaption("CPU Identification");
  ui::Component* page = tabIdentification;

  Panel1 = &Header(page, "Panel1", "Processor Information", 6);
  lblName = &Row(page, "Processor:", "lblName", "%cxCpu.name%", 32, kWideValue);
  lblVendor = &Row(page, "Vendor:", "lblVendor", "%cxCpu.vendor%", 50, kWideValue);
  lblSpeed = &Row(page, "Speed (~):", "lblSpeed", "%cxCpu.speed%", 68, kWideValue);
  lblSerial = &Row(page, "Serial number:", "lblSerial", "%cxCpu.serial%", 86, kWideValue);
  lblFDiv = &Row(page, "FDiv Bug:", "lblFDiv", "%cxCpu.fdiv%", 104, kWideValue);
  lblType = &Row(page, "Cpu Type:", "lblType", "%cxCpu.overdrive%", 122, kWideValue);
  lblMMX = &Row(page, "Extensions:", "lblMMX", "%cxCpu.MMX%", 140, kWideValue);
  lblSIMD = &Row(page, nullptr, "lblSIMD", "%cxCpu.FeatureSet.SIMD%", 158, kWideValue);
  lbl3DNow = &Row(page, nullptr, "lbl3DNow", "%cxCpu.FeatureSetEx.3DNow%", 176, kWideValue);

  Panel2 = &Header(page, "Panel2", "Cache Information", 200);
  lblL1Data = &Row(page, "Level 1 Data:", "lblL1Data", "%cxCpu.Cache.L1Data%", 226, kCacheValue);
  lblL1Code = &Row(page, "Level 1 Code:", "lblL1Code", "%cxCpu.Cache.L1Code%", 244, kCacheValue);
  lblLevel1 = &Row(page, "Level 1 Unified:", "lblLevel1", "%cxCpu.Cache.Level1%", 262, kCacheValue);
  lblLevel2 = &Row(page, "Level 2 Unified:", "lblLevel2", "%cxCpu.Cache.Level2%", 280, kCacheValue);

  Image1 = &Add<ui::Picture>(page, "Image1");
  Image1->SetBounds({300, 228, 64, 64});
  Image1->OnPaint = DrawChip;
}

void TCpuForm::CreateFeaturePage() {
  tabFeatureSet = &Add<ui::TabSheet>(PageControl1, "tabFeatureSet");
  tabFeatureSet->SetCaption("CPU Feature Set");
  Panel4 = &Header(tabFeatureSet, "Panel4", "Feature Set", 6);
  FeatureList = &Add<ui::ListView>(tabFeatureSet, "FeatureList");
  FeatureList->SetBounds({kHeaderLeft, 30, kHeaderWidth, 276});
  FeatureList->SetShowColumnHeaders(false);
  FeatureList->SetSortedByCaption(true);
  FeatureList->AddColumn("", 75);
  FeatureList->AddColumn("", 275);
}

void TCpuForm::ShowResults() {
  const TcxCPU2000& c = *cxCpu;
  lblName->SetCaption(c.FullName());
  lblVendor->SetCaption(c.Vendor());
  lblSpeed->SetCaption(std::to_string(c.Speed()) + " Mhz");
  lblSerial->SetCaption(c.Serial());
  lblFDiv->SetCaption(c.FDivBug() ? "Present" : "Not Present");
  lblType->SetCaption(c.OverDrive() ? "OverDrive Processor" : "OEM or Retail Processor");
  lblMMX->SetCaption(c.MMX() ? "MMX Instructions Supported" : "MMX Instructions not supported");
  lblSIMD->SetCaption(c.FeatureSet().SIMD() ? "SIMD Instructions Supported" : "SIMD Instructions not supported");
  lbl3DNow->SetCaption(c.FeatureSetEx().AMD3DNow() ? "3DNow! Instructions Supported"
                                                   : "3DNow! Instructions not supported");
  lblL1Code->SetCaption(Kb(c.Cache().L1Code()));
  lblL1Data->SetCaption(Kb(c.Cache().L1Data()));
  lblLevel1->SetCaption(Kb(c.Cache().Level1()));
  lblLevel2->SetCaption(Kb(c.Cache().Level2()));
}

void TCpuForm::ShowFeatures() {
  const TcxFeatureSet& f = cxCpu->FeatureSet();
  const TcxExFeatureSet& x = cxCpu->FeatureSetEx();
  struct Feature {
    const char* name;
    const char* description;
    bool on;
  };
  const Feature features[] = {
      {"FPU", "Floating Point Processor", f.FPU()},
      {"VME", "Virtual Mode Extension", f.VME()},
      {"DE", "Debugging Extension", f.DE()},
      {"PSE", "Page Size Extension", f.PSE()},
      {"TSC", "Time Stamp Counter", f.TSC()},
      {"MSR", "Model Specific Registers", f.MSR()},
      {"PAE", "Physical Address Extension", f.PAE()},
      {"MCE", "Machine Check Exception", f.MCE()},
      {"CX8", "CMPXCHG8 Instruction", f.CX8()},
      {"APIC", "On-chip APIC Hardware", f.APIC()},
      {"SEP", "Fast System Call", f.SEP()},
      {"MTRR", "Memory Type Range Registers", f.MTRR()},
      {"PGE", "Page Global Enable", f.PGE()},
      {"MCA", "Machine Check Architecture", f.MCA()},
      {"CMOV", "Conditional Move Instruction", f.CMOV()},
      {"PAT", "Page Attribute Table", f.PAT()},
      {"PSE36", "36-bit Page Size Extension", f.PSE36()},
      {"SERIAL", "Processor Serial Number", f.SERIAL()},
      {"CLFLUSH", "CLFLUSH Instruction", f.CLFLUSH()},
      {"DTS", "Debug Trace Store", f.DTS()},
      {"ACPI", "Advanced Configuration and Power Management Interface", f.ACPI()},
      {"MMX", "MMX Extensions", f.MMX()},
      {"FXSR", "Floating Point Save and Restore", f.XSR()},
      {"SIMD", "Streaming SIMD Extensions", f.SIMD()},
      {"SIMD2", "Streaming SIMD Extensions 2", f.SIMD2()},
      {"SS", "Self-Snoop", f.SS()},
      {"TM", "Thermal Monitor Supported", f.TM()},
      {"3DNOW", "3DNow! Extensions", x.AMD3DNow()},
      {"3DNOWEX", "Enhanced 3DNow! Extensions", x.AMD3DNowEx()},
      {"MMXEX", "Enhanced MMX Extensions", x.MMXEx()},
  };
  FeatureList->BeginUpdate();
  for (const Feature& feature : features)
    FeatureList->AddItem({feature.name, {feature.description}, feature.on ? 0 : 1});
  FeatureList->EndUpdate();
}

}  // namespace cpu

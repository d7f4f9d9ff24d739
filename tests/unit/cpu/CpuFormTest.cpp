// The processor detection window on a fake processor, and its opening from
// the main window.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "cpu/CpuFrm.h"
#include "cpu/CpuPictures.h"
#include "fakes/Fakes.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageTable.h"
#include "ui/Headless.h"
#include "unit/cpu/CpuRig.h"

using cputest::Bit;
using cputest::Sig;

namespace {

class CpuFormTest : public cputest::CpuTest {
 protected:
  ui::HeadlessBackend backend;
  ui::Application app{backend};

  static std::vector<std::string> Names(const cpu::TCpuForm& form) {
    std::vector<std::string> names;
    for (const auto& item : form.FeatureList->Items()) names.push_back(item.caption);
    return names;
  }
  static const ui::ListView::Item& Row(const cpu::TCpuForm& form, const std::string& name) {
    const auto& items = form.FeatureList->Items();
    return *std::find_if(items.begin(), items.end(), [&](const auto& i) { return i.caption == name; });
  }
};

TEST_F(CpuFormTest, WithoutCpuidEveryValueFallsBackAndEveryRowIsUnsupported) {
  cpu.hasCpuid = false;
  cpu.processorType = 586;
  cpu::TCpuForm form(app);

  EXPECT_EQ(form.lblName->Caption(), "Unknown Pentium class");
  EXPECT_EQ(form.lblVendor->Caption(), "Unknown Vendor");
  EXPECT_EQ(form.lblSpeed->Caption(), "0 Mhz");
  EXPECT_EQ(form.lblSerial->Caption(), "");
  EXPECT_EQ(form.lblFDiv->Caption(), "Not Present");
  EXPECT_EQ(form.lblType->Caption(), "OEM or Retail Processor");
  EXPECT_EQ(form.lblMMX->Caption(), "MMX Instructions not supported");
  EXPECT_EQ(form.lblSIMD->Caption(), "SIMD Instructions not supported");
  EXPECT_EQ(form.lbl3DNow->Caption(), "3DNow! Instructions not supported");
  for (ui::Label* cache : {form.lblL1Data, form.lblL1Code, form.lblLevel1, form.lblLevel2})
    EXPECT_EQ(cache->Caption(), "0 Kb");

  ASSERT_EQ(form.FeatureList->Items().size(), 30u);
  for (const auto& item : form.FeatureList->Items()) EXPECT_EQ(item.imageIndex, 1) << item.caption;
  EXPECT_TRUE(backend.errors.empty());
}

TEST_F(CpuFormTest, ShowsTheMeasuredProcessorWithItsBrandString) {
  cpu.SetVendor("AuthenticAMD", 1);
  cpu.SetSignature(Sig(6, 4, 2), Bit(0) | Bit(4) | Bit(15) | Bit(23));
  cpu.SetMaxExt(0x80000006);
  cpu.Set(0x80000001, {0, 0, 0, Bit(31) | Bit(22)});
  cpu.SetBrand("AMD Athlon(tm) Processor");
  cpu.Set(0x80000005, {0, 0, 64u << 24, 64u << 24});
  cpu.Set(0x80000006, {0, 0, 256u << 16, 0});
  cpu.mhz = 1203.4;
  cpu::TCpuForm form(app);

  EXPECT_EQ(form.lblName->Caption(), "AMD Athlon(tm) Processor");  // not "AMD Athlon"
  EXPECT_EQ(form.lblVendor->Caption(), "Advanced Micro Devices");
  EXPECT_EQ(form.lblSpeed->Caption(), "1200 Mhz");
  EXPECT_EQ(form.lblMMX->Caption(), "MMX Instructions Supported");
  EXPECT_EQ(form.lbl3DNow->Caption(), "3DNow! Instructions Supported");
  EXPECT_EQ(form.lblL1Data->Caption(), "64 Kb");
  EXPECT_EQ(form.lblLevel2->Caption(), "256 Kb");

  EXPECT_EQ(Row(form, "FPU").imageIndex, 0);
  EXPECT_EQ(Row(form, "CMOV").imageIndex, 0);
  EXPECT_EQ(Row(form, "SIMD").imageIndex, 1);
  EXPECT_EQ(Row(form, "3DNOW").imageIndex, 0);
  EXPECT_EQ(Row(form, "3DNOWEX").imageIndex, 1);
  EXPECT_EQ(Row(form, "MMXEX").imageIndex, 0);  // bit 22 on an AMD processor
  EXPECT_EQ(Row(form, "FXSR").subItems, std::vector<std::string>{"Floating Point Save and Restore"});
}

// Recorded answers of two current processors, whose level-1 data and code
// caches differ in size, so that swapped labels or levels fail. The AMD one
// fills the extended cache level; the Intel one leaves it empty and lists its
// caches in the deterministic cache level, one sub-level each.
TEST_F(CpuFormTest, CurrentProcessorsShowTheirBrandStringAndCaches) {
  struct Processor {
    const char* vendor;
    uint32_t maxStd, signature, maxExt;
    const char* brand;
    platform::CpuidRegisters l1, l2;
    std::vector<platform::CpuidRegisters> cacheLevels;  // level 4, sub-levels 0, 1, ...
    const char *name, *vendorName, *l1Data, *l1Code, *level2;
  };
  const Processor processors[] = {
      {"AuthenticAMD", 0x0D, 0x00800F11, 0x8000001F, "AMD Ryzen 7 1800X Eight-Core Processor",
       {0xFF40FF40, 0xFF40FF40, 0x20080140, 0x40040140}, {0x26006400, 0x66006400, 0x02006140, 0x00808140}, {},
       "AMD Ryzen 7 1800X Eight-Core Processor", "Advanced Micro Devices", "32 Kb", "64 Kb", "512 Kb"},
      {"GenuineIntel", 0x20, 0x00090672, 0x80000008, "12th Gen Intel(R) Core(TM) i7-12700K",
       {0, 0, 0, 0}, {0, 0, 0x05007040, 0},
       {{0x1C004121, 0x02C0003F, 0x3F, 0}, {0x1C004122, 0x01C0003F, 0x3F, 0}, {0x1C004143, 0x0240003F, 0x7FF, 0}},
       "12th Gen Intel(R) Core(TM) i7-12700K", "Intel Corporation", "48 Kb", "32 Kb", "1280 Kb"},
  };
  for (const Processor& p : processors) {
    SCOPED_TRACE(p.name);
    cpu = fakes::FakeCpu{};
    cpu.SetVendor(p.vendor, p.maxStd);
    cpu.SetSignature(p.signature, Bit(0) | Bit(4) | Bit(15) | Bit(23) | Bit(25) | Bit(26));
    cpu.SetMaxExt(p.maxExt);
    cpu.SetBrand(p.brand);
    cpu.Set(0x80000005, p.l1);
    cpu.Set(0x80000006, p.l2);
    for (uint32_t i = 0; i < p.cacheLevels.size(); ++i) cpu.subAnswers[{4, i}] = p.cacheLevels[i];
    cpu.mhz = 3600;
    cpu::TCpuForm form(app);
    EXPECT_EQ(form.lblName->Caption(), p.name);
    EXPECT_EQ(form.lblVendor->Caption(), p.vendorName);
    EXPECT_EQ(form.lblL1Data->Caption(), p.l1Data);
    EXPECT_EQ(form.lblL1Code->Caption(), p.l1Code);
    EXPECT_EQ(form.lblLevel2->Caption(), p.level2);
  }
}

TEST_F(CpuFormTest, FeatureRowsAreSortedByShortName) {
  cpu::TCpuForm form(app);
  const std::vector<std::string> sorted = {
      "3DNOW", "3DNOWEX", "ACPI",  "APIC", "CLFLUSH", "CMOV",   "CX8",  "DE",   "DTS",   "FPU",
      "FXSR",  "MCA",     "MCE",   "MMX",  "MMXEX",   "MSR",    "MTRR", "PAE",  "PAT",   "PGE",
      "PSE",   "PSE36",   "SEP",   "SERIAL", "SIMD",  "SIMD2",  "SS",   "TM",   "TSC",   "VME"};
  EXPECT_EQ(Names(form), sorted);
  EXPECT_FALSE(form.FeatureList->ShowColumnHeaders());
  EXPECT_EQ(form.FeatureList->Columns().size(), 2u);
  EXPECT_EQ(form.FeatureList->SmallImages(), form.imlSupport);
  EXPECT_EQ(form.imlSupport->Count(), 2u);
}

TEST_F(CpuFormTest, IsAFixedDialogOverTheMainWindowThatOkCloses) {
  cpu::TCpuForm form(app);
  EXPECT_EQ(form.Name(), "CpuForm");
  EXPECT_EQ(form.Caption(), "Processor Detection Toolkit");
  EXPECT_EQ(form.ClientWidth(), 415);
  EXPECT_EQ(form.ClientHeight(), 404);
  EXPECT_FALSE(form.MinimizeBox());
  EXPECT_EQ(form.GetPlacement(), ui::Placement::MainFormCenter);
  EXPECT_EQ(form.Go->Caption(), "Ok");
  EXPECT_TRUE(form.Go->IsDefault());
  ASSERT_EQ(form.PageControl1->Pages().size(), 2u);
  EXPECT_EQ(form.PageControl1->ActivePage(), form.tabIdentification);
  EXPECT_EQ(form.tabFeatureSet->Caption(), "CPU Feature Set");
  EXPECT_EQ(form.cxCpu->AutoBench().Delay(), 500);

  app.ShowModal(form);  // the headless modal loop closes a window left open
  EXPECT_TRUE(form.Destroyed());
  cpu::TCpuForm again(app);
  backend.onModal = [&](ui::Window& w) { static_cast<cpu::TCpuForm&>(w).Go->Click(); };
  app.ShowModal(again);
  EXPECT_TRUE(again.Destroyed());
}

TEST(SupportMarks, SupportedIsGreenUnsupportedIsRedOnAClearGround) {
  const auto marks = cpu::SupportMarks();
  ASSERT_EQ(marks.size(), 2u);
  auto count = [](const gfx::IconImage& image, auto pick) {
    int n = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (!image.ClearAt({x, y}) && pick(image.At({x, y}))) ++n;
    return n;
  };
  auto green = [](gfx::Color c) { return ((c >> 8) & 0xFF) > (c & 0xFF); };
  auto red = [](gfx::Color c) { return (c & 0xFF) > ((c >> 8) & 0xFF); };
  EXPECT_GT(count(marks[0], green), 20);
  EXPECT_EQ(count(marks[0], red), 0);
  EXPECT_GT(count(marks[1], red), 20);
  EXPECT_EQ(count(marks[1], green), 0);
  for (const auto& mark : marks) EXPECT_TRUE(mark.ClearAt({0, 0}) && mark.ClearAt({15, 15}));
}

class OpeningTest : public CpuFormTest {
 protected:
  OpeningTest() {
    sys.environment.args.push_back("/W");
    main = std::make_unique<app::TMainForm>(app, sys.system);
    app::StartUp(app, *main);
  }
  ~OpeningTest() override { i18n::SetCurrentLanguage(std::nullopt); }
  fakes::FakeSystem sys;
  std::unique_ptr<app::TMainForm> main;
};

TEST_F(OpeningTest, StripAndBothMenuItemsOpenOneWindowAtATime) {
  std::vector<std::string> opened;
  backend.onModal = [&](ui::Window& w) {
    opened.push_back(w.Name());
    // The tray menu's copy, chosen while the window is open, opens no second one.
    main->FindAs<ui::MenuItem>("ElMenuItem29")->Click();
    main->RightClick();
  };
  main->FindAs<ui::Picture>("Right")->Click();
  EXPECT_EQ(opened, std::vector<std::string>{"CpuForm"});
  // Closed and forgotten: the next opening creates and detects afresh.
  const int before = cpu.Executions(0);
  main->FindAs<ui::MenuItem>("CPU")->Click();
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_GT(cpu.Executions(0), before);
  EXPECT_TRUE(backend.errors.empty());
}

TEST_F(OpeningTest, HandsOverStayOnTopAndIsTranslated) {
  main->FindAs<ui::MenuItem>("StayOnTop")->Click();
  i18n::SetCurrentLanguage(i18n::LanguageTable::Parse(
      "[CpuForm]\nCpuForm.Caption=Prozessorerkennung\nCpuForm.tabFeatureSet.Caption=Merkmale\n"));
  bool onTop = false, mainOnTop = true;
  std::string caption, tab;
  backend.onModal = [&](ui::Window& w) {
    onTop = w.TopMost();
    mainOnTop = main->TopMost();
    caption = w.Caption();
    tab = static_cast<cpu::TCpuForm&>(w).tabFeatureSet->Caption();
  };
  main->RightClick();
  EXPECT_TRUE(onTop);
  EXPECT_FALSE(mainOnTop);
  EXPECT_TRUE(main->TopMost());  // back on top once the window has closed
  EXPECT_EQ(caption, "Prozessorerkennung");
  EXPECT_EQ(tab, "Merkmale");
}

}  // namespace

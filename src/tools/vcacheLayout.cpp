// The window's components and where they sit.
#include "text/Text.h"
#include "tools/vcache.h"

namespace tools {

namespace {

// In sheet coordinates.
constexpr int kHeaderLeft = 6, kHeaderWidth = 370, kHeaderHeight = 19;
constexpr int kOptionLeft = 14, kOptionWidth = 356, kOptionHeight = 17;
constexpr int kCaptionLeft = 32, kCaptionWidth = 150, kFieldLeft = 190, kUnitLeft = 286;
constexpr int kSpinWidth = 90, kFieldHeight = 21, kTextHeight = 15;
constexpr int kNoticeTop = 290;

}  // namespace

TVMem::TVMem(ui::Application& app, platform::System& system) : ui::Window(app, "VMem"), system_(system) {
  SetCaption("Virtual Memory Settings");
  SetClientSize(kClientWidth, kClientHeight);
  SetPlacement(ui::Placement::MainFormCenter);

  PageControl1 = &Add<ui::PageControl>(nullptr, "PageControl1");
  PageControl1->SetBounds({8, 8, kClientWidth - 16, kClientHeight - 51});
  CreateSwapPage();
  CreateCachePage();

  ElPopupButton1 = &Add<ui::Button>(nullptr, "ElPopupButton1");
  ElPopupButton1->SetCaption("OK");
  ElPopupButton1->SetDefault(true);
  ElPopupButton1->SetBounds({kClientWidth - 83, kClientHeight - 34, 75, 25});
  ElPopupButton1->OnClick = [this] { ElPopupButton1Click(); };

  DriveComboBox1 = &Add<ui::ComboBox>(nullptr, "DriveComboBox1");
  DriveComboBox1->SetVisible(false);
  ListDrives();
  DefragMem1 = &Add<engine::TDefragMem>("DefragMem1", system.memory, system.blocks);

  FormCreate();
}

void TVMem::CreateSwapPage() {
  TabSheet1 = &Add<ui::TabSheet>(PageControl1, "TabSheet1");
  TabSheet1->SetCaption("Swap File Settings");
  ui::Component* page = TabSheet1;
  Panel1 = &Add<ui::Panel>(page, "Panel1");
  Panel1->SetCaption(" Windows Swap File Usage Settings");
  Panel1->SetBounds({kHeaderLeft, 6, kHeaderWidth, kHeaderHeight});

  SwpWin = &Option(page, "SwpWin", "let Windows define how to use swap file", 36);
  SwpOpt = &Option(page, "SwpOpt", "optimal swap file size settings (recommended)", 60);
  SwpNot = &Option(page, "SwpNot", "do not use swap file (not recommended)", 84);
  SwpUser = &Option(page, "SwpUser", "manually specify swap file parameters", 108);
  for (ui::CheckBox* option : {SwpWin, SwpOpt, SwpNot, SwpUser})
    option->OnClick = [this, option] { SwapOptionClick(*option); };

  Label13 = &Text(page, "Label13", "Select drive for swap file:", {kCaptionLeft, 148, kCaptionWidth, kTextHeight});
  DriveBox = &Add<ui::ComboBox>(page, "DriveBox");
  DriveBox->SetBounds({kFieldLeft, 144, 170, kFieldHeight});
  DriveBox->SetStandardFamily(true);  // a language file may address its items
  DriveBox->OnChange = [this] { DriveBoxChange(); };

  Label1 = &Text(page, "Label1", "Minimum Size:", {kCaptionLeft, 182, kCaptionWidth, kTextHeight});
  MinSwapSize = &Spin(page, "MinSwapSize", 178);
  Label4 = &Text(page, "Label4", "MB", {kUnitLeft, 182, 30, kTextHeight});
  Label2 = &Text(page, "Label2", "Maximum Size:", {kCaptionLeft, 212, kCaptionWidth, kTextHeight});
  MaxSwapSize = &Spin(page, "MaxSwapSize", 208);
  Label5 = &Text(page, "Label5", "MB", {kUnitLeft, 212, 30, kTextHeight});
  Label6 = &Text(page, "Label6", "New settings will be applied after you restart your computer.",
                 {kOptionLeft, kNoticeTop, kOptionWidth, kTextHeight});
}

void TVMem::CreateCachePage() {
  TabSheet2 = &Add<ui::TabSheet>(PageControl1, "TabSheet2");
  TabSheet2->SetCaption("Virtual Cache Settings");
  ui::Component* page = TabSheet2;
  Panel2 = &Add<ui::Panel>(page, "Panel2");
  Panel2->SetCaption(" Virtual Cache Settings");
  Panel2->SetBounds({kHeaderLeft, 6, kHeaderWidth, kHeaderHeight});

  BestVC = &Option(page, "BestVC", "optimal virtual cache file settings", 36);
  VCUser = &Option(page, "VCUser", "manually specify virtual cache parameters", 60);
  for (ui::CheckBox* option : {BestVC, VCUser})
    option->OnClick = [this, option] { CacheOptionClick(*option); };

  Label7 = &Text(page, "Label7", "Minimum Size:", {kCaptionLeft, 104, kCaptionWidth, kTextHeight});
  MinVSize = &Spin(page, "MinVSize", 100);
  Label11 = &Text(page, "Label11", "MB", {kUnitLeft, 104, 30, kTextHeight});
  Label9 = &Text(page, "Label9", "Maximum Size:", {kCaptionLeft, 134, kCaptionWidth, kTextHeight});
  MaxVSize = &Spin(page, "MaxVSize", 130);
  Label12 = &Text(page, "Label12", "MB", {kUnitLeft, 134, 30, kTextHeight});
  Label10 = &Text(page, "Label10", "New settings will be applied after you restart your computer.",
                  {kOptionLeft, kNoticeTop, kOptionWidth, kTextHeight});
}

ui::CheckBox& TVMem::Option(ui::Component* page, const char* name, const char* caption, int top) {
  auto& option = Add<ui::CheckBox>(page, name);
  option.SetCaption(caption);
  option.SetBounds({kOptionLeft, top, kOptionWidth, kOptionHeight});
  return option;
}

ui::Label& TVMem::Text(ui::Component* page, const char* name, const char* caption, ui::Rect bounds) {
  auto& label = Add<ui::Label>(page, name);
  label.SetCaption(caption);
  label.SetBounds(bounds);
  return label;
}

ui::SpinEdit& TVMem::Spin(ui::Component* page, const char* name, int top) {
  auto& spin = Add<ui::SpinEdit>(page, name);
  spin.SetBounds({kFieldLeft, top, kSpinWidth, kFieldHeight});
  spin.SetIncrement(1);
  spin.SetLargeIncrement(10);
  return spin;
}

void TVMem::ListDrives() {
  std::vector<std::string> items;
  for (char letter : system_.drives.Letters()) {
    // As a drive list shows them: the letter in lower case, then the volume
    // name of a fixed disk (asking a floppy drive would make it spin).
    std::string item{text::LowerChar(letter), ':'};
    if (system_.drives.DriveType(std::string(1, letter) + ":\\") == platform::kDriveFixed) {
      const std::string volume = system_.drives.VolumeName(letter);
      if (!volume.empty()) item += " [" + volume + "]";
    }
    items.push_back(std::move(item));
  }
  DriveComboBox1->SetItems(std::move(items));
}

void TVMem::CopyTranslatedTexts() {
  for (ui::Label* unit : {Label5, Label11, Label12}) unit->SetCaption(Label4->Caption());
  Label10->SetCaption(Label6->Caption());
  Label7->SetCaption(Label1->Caption());
  Label9->SetCaption(Label2->Caption());
  Panel2->SetCaption(" " + TabSheet2->Caption() + " ");
  Panel1->SetCaption(" " + Panel1->Caption() + " ");
}

}  // namespace tools

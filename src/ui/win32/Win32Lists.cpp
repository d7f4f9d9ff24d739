#include "ui/win32/Win32Lists.h"

#include <commctrl.h>

#include "gfx/win32/IconHandle.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"

namespace ui::win32 {

namespace {

HIMAGELIST MakeImageList(const ImageList& images) {
  const int n = gfx::IconImage::kSize;
  HIMAGELIST list = ImageList_Create(n, n, ILC_COLOR32 | ILC_MASK, static_cast<int>(images.Count()), 0);
  if (!list) return nullptr;
  for (size_t i = 0; i < images.Count(); ++i) {
    HICON icon = gfx::win32::MakeIcon(images.Image(i));
    // A picture that cannot be made still takes its place, so indexes hold.
    ImageList_AddIcon(list, icon ? icon : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    if (icon) DestroyIcon(icon);
  }
  return list;
}

}  // namespace

void FillListView(HWND list, const ListView& model) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageA(list, LVM_DELETECOLUMN, 0, 0)) {
  }
  const LONG style = GetWindowLongA(list, GWL_STYLE);
  SetWindowLongA(list, GWL_STYLE, model.ShowColumnHeaders() ? style & ~LVS_NOCOLUMNHEADER : style | LVS_NOCOLUMNHEADER);

  HIMAGELIST images = model.SmallImages() ? MakeImageList(*model.SmallImages()) : nullptr;
  // The control owns the list it holds; one it gives back is ours to free.
  if (auto old = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images))))
    ImageList_Destroy(old);

  const auto& columns = model.Columns();
  for (size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<char*>(columns[i].caption.c_str());
    col.cx = columns[i].width;
    col.iSubItem = static_cast<int>(i);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
  }
  const auto& items = model.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | (items[i].imageIndex >= 0 ? LVIF_IMAGE : 0);
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(items[i].caption.c_str());
    item.iImage = items[i].imageIndex;
    const auto at = SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (at < 0) continue;
    for (size_t s = 0; s < items[i].subItems.size(); ++s) {
      LVITEMA sub{};
      sub.iSubItem = static_cast<int>(s + 1);
      sub.pszText = const_cast<char*>(items[i].subItems[s].c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&sub));
    }
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void FillTabs(HWND tabs, const PageControl& model) {
  SendMessageA(tabs, TCM_DELETEALLITEMS, 0, 0);
  const auto& pages = model.Pages();
  for (size_t i = 0; i < pages.size(); ++i) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(pages[i]->Caption().c_str());
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
  }
  SelectTab(tabs, model);
}

void SelectTab(HWND tabs, const PageControl& model) {
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(model.ActivePageIndex()), 0);
}

}  // namespace ui::win32

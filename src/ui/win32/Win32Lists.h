// The Win32 halves of the list view and the page tabs: filling the native
// controls from the model.
#pragma once

#include <windows.h>

namespace ui {
class ListView;
class PageControl;
}  // namespace ui

namespace ui::win32 {

// Columns, header visibility, row pictures and rows, replaced as a whole.
void FillListView(HWND list, const ListView& model);
// The tabs' texts and the selected tab.
void FillTabs(HWND tabs, const PageControl& model);
void SelectTab(HWND tabs, const PageControl& model);

}  // namespace ui::win32

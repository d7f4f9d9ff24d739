// The Win32 halves of the list view and the page tabs: filling the native
// controls from the model, and the peer of a tab sheet (which has no window).
#pragma once

#include <windows.h>

#include <memory>

#include "ui/Component.h"

namespace ui {
class ListView;
class PageControl;
class TabSheet;
}  // namespace ui

namespace ui::win32 {

// Columns, header visibility, row pictures and rows, replaced as a whole.
void FillListView(HWND list, const ListView& model);
// The tabs' texts and the selected tab.
void FillTabs(HWND tabs, const PageControl& model);
void SelectTab(HWND tabs, const PageControl& model);
// Passes a sheet's caption to its tab and its visibility to what lies on it.
std::unique_ptr<Peer> MakeSheetPeer(TabSheet& sheet);

}  // namespace ui::win32

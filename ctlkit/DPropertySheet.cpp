#include "DPropertySheet.h"

#include <commctrl.h>

#include <cstdlib>

#include "DPropertyPage.h"

namespace {

// The sheet's own template: an empty control-parent child, sized later.
struct alignas(4) SheetTemplate
{
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

SheetTemplate const sheetLayout = {
    {WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | DS_CONTROL, WS_EX_CONTROLPARENT, 0, 0, 0, 0, 0},
    0, 0, 0};

}

DPropertySheet::DPropertySheet()
    : DDialog(&sheetLayout.header), pages(nullptr), count(0), active(-1)
{
}

DPropertySheet::~DPropertySheet()
{
    std::free(pages);
}

bool DPropertySheet::AddPage(DPropertyPage* page)
{
    if (!page || GetWnd())
        return false;
    void* grown = std::realloc(pages, (count + 1) * sizeof *pages);
    if (!grown)
        return false;
    pages = static_cast<DPropertyPage**>(grown);
    pages[count++] = page;
    return true;
}

bool DPropertySheet::Create(HWND parent, RECT const& place, int id)
{
    if (!parent || !DDialog::Create(parent))
        return false;
    SetWindowLongPtrA(GetWnd(), GWLP_ID, id);
    SetWindowPos(GetWnd(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetSize(place.right - place.left, place.bottom - place.top);
    return true;
}

bool DPropertySheet::OnInit()
{
    HWND const sheet = GetWnd();
    HWND const strip = CreateWindowExA(0, WC_TABCONTROLA, "",
                                       WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                                       0, 0, 0, 0, sheet,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(TabId)),
                                       GetModuleHandleA(nullptr), nullptr);
    // The strip speaks in the font of the window the sheet sits in.
    LRESULT const font = SendMessageA(::GetParent(sheet), WM_GETFONT, 0, 0);
    SendMessageA(strip, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    tabs.SetParent(sheet, TabId);
    for (unsigned i = 0; i < count; ++i)
        tabs.Add(pages[i]->GetTitle());
    return false;
}

unsigned DPropertySheet::GetPageCount() const
{
    return count;
}

DPropertyPage* DPropertySheet::GetPage(unsigned index) const
{
    return index < count ? pages[index] : nullptr;
}

int DPropertySheet::GetActiveIndex() const
{
    return active;
}

DTabControl& DPropertySheet::GetTabControl()
{
    return tabs;
}

HWND DPropertySheet::GetTabWnd() const
{
    return GetWnd() ? GetDlgItem(GetWnd(), TabId) : nullptr;
}

bool DPropertySheet::SetActivePage(unsigned index)
{
    if (index >= count || !GetWnd())
        return false;
    if (static_cast<int>(index) == active)
        return true;
    DPropertyPage* next = pages[index];
    if (!next->GetWnd()) {
        if (!next->Create(GetWnd()))
            return false;
        // A page template carries a caption for its tab; the page itself
        // shows none.
        HWND const made = next->GetWnd();
        LONG_PTR const style = GetWindowLongPtrA(made, GWL_STYLE);
        SetWindowLongPtrA(made, GWL_STYLE,
                          (style & ~(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU)) | WS_CHILD);
        SetWindowLongPtrA(made, GWL_EXSTYLE,
                          GetWindowLongPtrA(made, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        SetWindowPos(made, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    // A hidden control keeps the focus, and with it the keys, out of sight.
    HWND const focus = GetFocus();
    bool const focusGoes = active >= 0 && focus && IsChild(pages[active]->GetWnd(), focus);
    if (active >= 0) {
        DPropertyPage* last = pages[active];
        last->OnKillActive();
        ShowWindow(last->GetWnd(), SW_HIDE);
    }
    active = static_cast<int>(index);
    tabs.SetIndex(index);
    PlacePage(next->GetWnd());
    next->OnSetActive();
    ShowWindow(next->GetWnd(), SW_SHOW);
    // A page may have given the focus to a control of its choice.
    if (focusGoes && !IsChild(next->GetWnd(), GetFocus()))
        FocusPage();
    return true;
}

bool DPropertySheet::TranslateKey(MSG const& msg)
{
    if (msg.message != WM_KEYDOWN || count == 0 || !GetWnd() || GetKeyState(VK_CONTROL) >= 0)
        return false;
    bool forward;
    switch (msg.wParam) {
    case VK_TAB:
        forward = GetKeyState(VK_SHIFT) >= 0;
        break;
    case VK_NEXT:
        forward = true;
        break;
    case VK_PRIOR:
        forward = false;
        break;
    default:
        return false;
    }
    unsigned const from = active < 0 ? 0 : static_cast<unsigned>(active);
    unsigned const to = forward ? (from + 1) % count : (from + count - 1) % count;
    bool const onStrip = GetFocus() == GetTabWnd();
    if (SetActivePage(to) && !onStrip && !IsChild(pages[to]->GetWnd(), GetFocus()))
        FocusPage();
    return true;
}

void DPropertySheet::FocusPage() const
{
    if (active < 0)
        return;
    HWND first = GetNextDlgTabItem(pages[active]->GetWnd(), nullptr, FALSE);
    if (!first)
        first = GetTabWnd();
    // Through the outermost dialog, which keeps its default button and
    // selects an edit field's text as Tab would.
    SendMessageA(GetAncestor(GetWnd(), GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first),
                 TRUE);
}

bool DPropertySheet::OnNotify(unsigned, NMHDR* header, LRESULT& result)
{
    if (!tabs.isChange(reinterpret_cast<LPARAM>(header)))
        return false;
    int const chosen = tabs.GetIndex();
    if (chosen >= 0)
        SetActivePage(static_cast<unsigned>(chosen));
    result = 0;
    return true;
}

void DPropertySheet::SetSize(int width, int height)
{
    if (!GetWnd())
        return;
    UINT const flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetWnd(), nullptr, 0, 0, width, height, flags);
    SetWindowPos(GetTabWnd(), nullptr, 0, 0, width, height, flags);
    for (unsigned i = 0; i < count; ++i)
        if (pages[i]->GetWnd())
            PlacePage(pages[i]->GetWnd());
}

void DPropertySheet::PlacePage(HWND page) const
{
    HWND const strip = GetTabWnd();
    RECT area;
    GetClientRect(strip, &area);
    SendMessageA(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    // The strip sits at the sheet's origin, so its display area is already
    // in sheet coordinates; pages lie above the strip.
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
}

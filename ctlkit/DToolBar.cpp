#include "DToolBar.h"

#include <commctrl.h>

DToolBar::DToolBar(HWND parent, int id) : DIBasics(parent, id) {}

bool DToolBar::Create(unsigned long controlId)
{
    if (GetWnd() && IsWindow(GetWnd()))
        DestroyWindow(GetWnd());
    HWND const bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS
                                         | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                                     0, 0, 0, 0, GetParent(),
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                                     GetModuleHandleA(nullptr), nullptr);
    SetWnd(bar);
    if (!bar)
        return false;
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool DToolBar::AddBitmap(unsigned bitmapId)
{
    if (!GetWnd())
        return false;
    SendMessageA(GetWnd(), TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    // Counting the slots needs the bitmap's width.
    HBITMAP const image = static_cast<HBITMAP>(
        LoadImageA(GetResource(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    BITMAP shape = {};
    bool const measured = image && GetObjectA(image, sizeof shape, &shape) == sizeof shape;
    if (image)
        DeleteObject(image);
    if (!measured || shape.bmWidth < 16)
        return false;
    // Added by resource id, the bar maps the bitmap's greys to the
    // system's button colours.
    TBADDBITMAP added = {GetResource(), bitmapId};
    return SendMessageA(GetWnd(), TB_ADDBITMAP, static_cast<WPARAM>(shape.bmWidth / 16),
                        reinterpret_cast<LPARAM>(&added)) != -1;
}

bool DToolBar::SetButtons(unsigned long const* commands, unsigned count) const
{
    if (!GetWnd() || !commands)
        return false;
    for (unsigned i = 0; i < count; ++i) {
        TBBUTTON button = {};
        button.iBitmap = static_cast<int>(i);
        button.idCommand = static_cast<int>(commands[i]);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = commands[i] ? BTNS_BUTTON : BTNS_SEP;
        if (!SendMessageA(GetWnd(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
            return false;
    }
    return true;
}

unsigned DToolBar::GetCount() const
{
    return GetWnd() ? static_cast<unsigned>(SendMessageA(GetWnd(), TB_BUTTONCOUNT, 0, 0)) : 0;
}

unsigned long DToolBar::GetCommand(unsigned index) const
{
    TBBUTTON button = {};
    if (!GetWnd() || !SendMessageA(GetWnd(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<unsigned long>(button.idCommand);
}

bool DToolBar::isSeparator(unsigned index) const
{
    TBBUTTON button = {};
    if (!GetWnd() || !SendMessageA(GetWnd(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
        return false;
    return (button.fsStyle & BTNS_SEP) != 0;
}

long DToolBar::GetHeight() const
{
    if (!GetWnd())
        return 0;
    RECT first;
    // The bar pads its buttons as much below as above.
    if (SendMessageA(GetWnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
        return first.bottom + first.top;
    return HIWORD(SendMessageA(GetWnd(), TB_GETBUTTONSIZE, 0, 0));
}

bool DToolBar::Place(int x, int y, int width) const
{
    return GetWnd() && SetWindowPos(GetWnd(), nullptr, x, y, width, GetHeight(),
                                    SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DToolBar::SetTipText(NMHDR* header) const
{
    HWND const tips = GetWnd() ? reinterpret_cast<HWND>(SendMessageA(GetWnd(), TB_GETTOOLTIPS, 0, 0))
                               : nullptr;
    if (!header || !tips || header->hwndFrom != tips || header->code != TTN_GETDISPINFOA)
        return false;
    NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->hinst = GetResource();
    info->lpszText = MAKEINTRESOURCEA(header->idFrom);
    return true;
}

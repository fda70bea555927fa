#include "DPopup.h"

DPopup::DPopup(HWND parent, int id) : DIBasics(parent, id), popup(nullptr) {}

DPopup::~DPopup()
{
    DestroyPopup();
}

bool DPopup::Create()
{
    DestroyPopup();
    popup = CreatePopupMenu();
    return popup != nullptr;
}

bool DPopup::Append(DName const& text, unsigned long id, unsigned long flags) const
{
    return popup && AppendMenuA(popup, flags, id, text.Name());
}

bool DPopup::Insert(DName const& text, unsigned long id, unsigned long position,
                    unsigned long flags) const
{
    return popup && InsertMenuA(popup, position, flags, id, text.Name());
}

bool DPopup::InsertItem(DName const& text, unsigned long id) const
{
    if (!popup)
        return false;
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.fState = 0;
    item.wID = id;
    item.dwTypeData = const_cast<char*>(text.Name());
    item.cch = text.Size();
    return InsertMenuItemA(popup, static_cast<UINT>(GetMenuItemCount(popup)), TRUE, &item) != FALSE;
}

int DPopup::Format(int x, int y, unsigned long flags, HWND owner) const
{
    if (!popup)
        return 0;
    HWND const window = owner ? owner : GetParent();
    POINT corner;
    if (x || y) {
        POINT const upperLeft = GetOwnerDim(window).GetUpperLeft();
        corner.x = upperLeft.x + x;
        corner.y = upperLeft.y + y;
    } else if (!GetCursorPos(&corner)) {
        return 0;
    }
    return TrackPopupMenu(popup, flags, corner.x, corner.y, 0, window, nullptr);
}

bool DPopup::SetSel(unsigned long position) const
{
    return popup && HiliteMenuItem(GetParent(), popup, position, MF_BYPOSITION | MF_HILITE);
}

int DPopup::GetTotal() const
{
    return popup ? GetMenuItemCount(popup) : 0;
}

unsigned DPopup::GetMenuItemId(unsigned long position) const
{
    return popup ? GetMenuItemID(popup, static_cast<int>(position)) : 0;
}

HMENU DPopup::GetMenuHandle() const
{
    return popup;
}

void DPopup::DestroyPopup()
{
    if (popup)
        DestroyMenu(popup);
    popup = nullptr;
}

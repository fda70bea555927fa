#include "DMenu.h"

DMenu::DMenu(char const* resource, HWND parent) : DIBasics(parent, 0), menu(nullptr)
{
    if (resource)
        Load(resource);
}

DMenu::DMenu(HMENU held, HWND parent, unsigned id)
    : DIBasics(parent, static_cast<int>(id)), menu(nullptr)
{
    SetHandle(held);
}

DMenu::~DMenu()
{
    Destroy();
}

bool DMenu::Load(char const* resource)
{
    return SetHandle(LoadMenuA(GetModuleHandleA(nullptr), resource));
}

bool DMenu::Load(unsigned id)
{
    return Load(MAKEINTRESOURCEA(id));
}

bool DMenu::SetHandle(HMENU replacement)
{
    if (!replacement)
        return false;
    // The window gets the new menu before the old one goes, so that it never
    // holds a destroyed one.
    HMENU const before = menu;
    menu = replacement;
    bool const set = ::SetMenu(GetParent(), menu) != FALSE;
    if (before && before != menu && IsMenu(before))
        DestroyMenu(before);
    return set;
}

HMENU DMenu::GetMenuHandle() const
{
    return menu;
}

bool DMenu::SetState(bool on, int id) const
{
    int const item = id == -1 ? GetId() : id;
    UINT const check = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    return menu && CheckMenuItem(menu, static_cast<UINT>(item), check) != static_cast<DWORD>(-1);
}

bool DMenu::SetCheck(int id) const
{
    return SetState(true, id);
}

bool DMenu::SetUncheck(int id) const
{
    return SetState(false, id);
}

bool DMenu::Flip(int id) const
{
    return SetState(!isChecked(id), id);
}

bool DMenu::GetState(int id) const
{
    int const item = id == -1 ? GetId() : id;
    return menu && GetMenuState(menu, static_cast<UINT>(item), MF_BYCOMMAND) == MF_CHECKED;
}

bool DMenu::isChecked(int id) const
{
    return GetState(id);
}

bool DMenu::isUnchecked(int id) const
{
    return !GetState(id);
}

bool DMenu::Redraw(HWND window) const
{
    return DrawMenuBar(window ? window : GetParent()) != FALSE;
}

void DMenu::Destroy()
{
    // A window destroys its own menu when it goes; by then the handle is stale.
    if (menu && IsMenu(menu)) {
        // A window must not be left holding a destroyed menu.
        HWND const window = GetParent();
        if (window && GetMenu(window) == menu)
            ::SetMenu(window, nullptr);
        DestroyMenu(menu);
    }
    menu = nullptr;
}

bool DMenu::isValid() const
{
    return menu != nullptr;
}

bool DMenu::operator!() const
{
    return menu == nullptr;
}

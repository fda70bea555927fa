// DMenu: a window's menu bar; items are addressed by command id (-1: the
// wrapper's own id).
#pragma once

#include "DIBasics.h"

class CTLKIT_API DMenu : public DIBasics
{
public:
    DMenu(char const* resource = nullptr, HWND parent = nullptr);   // loads it unless null
    DMenu(HMENU menu, HWND parent, unsigned id);                     // takes the menu over
    ~DMenu() override;

    // Each replaces the held menu and makes the new one the parent's menu.
    bool Load(char const* resource);
    bool Load(unsigned id);
    bool SetHandle(HMENU menu);
    HMENU GetMenuHandle() const;

    bool SetCheck(int id = -1) const;
    bool SetUncheck(int id = -1) const;
    bool SetState(bool on, int id = -1) const;
    bool Flip(int id = -1) const;
    // Checked means exactly MF_CHECKED: a greyed item with a check mark is not.
    bool GetState(int id = -1) const;
    bool isChecked(int id = -1) const;
    bool isUnchecked(int id = -1) const;

    bool Redraw(HWND window = nullptr) const;
    void Destroy();
    bool isValid() const;
    bool operator!() const;

private:
    HMENU menu;
};

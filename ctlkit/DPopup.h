// DPopup: a pop-up menu; items are addressed by position unless the flags
// say otherwise. Every operation fails while no pop-up is held.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DPopup : public DIBasics
{
public:
    DPopup(HWND parent = nullptr, int id = 0);
    ~DPopup() override;

    bool Create();
    bool Append(DName const& text, unsigned long id, unsigned long flags = MF_STRING) const;
    bool Insert(DName const& text, unsigned long id, unsigned long position,
                unsigned long flags = MF_BYPOSITION | MF_STRING) const;
    bool InsertItem(DName const& text, unsigned long id) const;   // at the end
    // At owner's top-left corner moved by (x, y), or at the mouse when both
    // are 0; owner null is the parent. The platform's answer.
    int Format(int x, int y, unsigned long flags, HWND owner = nullptr) const;
    bool SetSel(unsigned long position) const;
    int GetTotal() const;
    unsigned GetMenuItemId(unsigned long position) const;
    HMENU GetMenuHandle() const;
    void DestroyPopup();

private:
    HMENU popup;
};

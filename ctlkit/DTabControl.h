// DTabControl: a tab control and its tabs.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DTabControl : public DIBasics
{
public:
    DTabControl(HWND parent = nullptr, int id = 0);

    DTabControl& operator[](unsigned long id);
    DTabControl& operator()(int index);

    int Create(unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    int Add(DName const& text, int id = -1) const;              // the new tab's index, -1
    int Insert(DName const& text, unsigned long index, int id = -1) const;
    bool Del(unsigned long index, int id = -1) const;
    int GetIndex(int id = -1) const;                             // -1 when none
    int SetIndex(unsigned long index, int id = -1) const;        // the tab before, -1
    void SetFocus(unsigned long index, int id = -1) const;
    DName GetText(unsigned long index, int id = -1) const;       // cut at 255 characters
    bool SetText(DName const& text, unsigned long index, int id = -1) const;
    unsigned long GetSize(int id = -1) const;
    // Whether a WM_NOTIFY is this control's change of tab.
    bool isChange(LPARAM notify, int id = -1) const;
};

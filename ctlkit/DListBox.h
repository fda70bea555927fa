// DListBox: a list box and its items.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DListBox : public DIBasics
{
public:
    DListBox(HWND parent = nullptr, int id = 0);

    DListBox& operator[](unsigned long id);
    DListBox& operator()(int index);

    int Create(DName const& text, unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    // Adds an item, widening the horizontal scroll extent to fit its text.
    bool Add(DName const& text, bool select = false, int id = -1) const;
    bool Merge(DName const& text, DName const& detail, bool select = false, int id = -1) const;
    bool Insert(DName const& text, unsigned long index, int id = -1) const;
    bool Del(unsigned long index, int id = -1) const;
    bool Reset(int id = -1) const;
    bool SetCurSel(unsigned long index, int id = -1) const;
    unsigned long GetIndex(int id = -1) const;             // 0 when nothing is selected
    DName GetText(unsigned long index, int id = -1) const;
    unsigned long GetSize(int id = -1) const;              // number of items
    bool isSel(unsigned long index, int id = -1) const;
    unsigned long GetTotalSelected(int id = -1) const;
    bool SetMulSel(unsigned long index, bool select, int id = -1) const;
    bool SetTopIndex(unsigned long index, int id = -1) const;
};

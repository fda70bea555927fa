// DComboBox: a combo box, its items and the text typed into its edit part.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DComboBox : public DIBasics
{
public:
    DComboBox(HWND parent = nullptr, int id = 0);

    DComboBox& operator[](unsigned long id);
    DComboBox& operator()(int index);

    int Create(DName const& text, unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    // Items. Add and Insert refuse an empty text.
    bool Add(DName const& text, bool select = false, int id = -1) const;
    bool Insert(DName const& text, unsigned long index, bool select = false, int id = -1) const;
    bool Del(unsigned long index, int id = -1) const;
    bool Reset(int id = -1) const;
    bool SetSel(unsigned long index, int id = -1) const;   // past the end selects item 0
    unsigned long GetSel(int id = -1) const;               // 0 when nothing is selected
    int GetIndex(int id = -1) const;                       // -1 when nothing is selected
    unsigned long GetTotal(int id = -1) const;
    DName Get(unsigned long index, int id = -1) const;     // -1 or -2: the selection
    DName GetEditBox(int id = -1) const;
    int FindTextA(DName const& text, int id = -1) const;   // case-insensitive, -1 when none

    // Matching what the user typed into the edit part; see the .cpp.
    bool SelectCase(int id = -1) const;
    unsigned long RangeText(unsigned long max, int id = -1) const;
    unsigned long RangeValue(unsigned long min, unsigned long max, int id = -1) const;

private:
    void RestoreEdit(int id) const;
};

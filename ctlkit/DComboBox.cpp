#include "DComboBox.h"

DComboBox::DComboBox(HWND parent, int id) : DIBasics(parent, id) {}

DComboBox& DComboBox::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DComboBox& DComboBox::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DComboBox::Create(DName const& text, unsigned long style, int x, int y, int width, int height,
                      unsigned long controlId)
{
    return MakeWindow("COMBOBOX", text, style, true, x, y, width, height, controlId);
}

int DComboBox::Created(DName const& text, unsigned long style, int x, int y, int width,
                       int height, unsigned long controlId)
{
    return MakeWindow("COMBOBOX", text, style, false, x, y, width, height, controlId);
}

bool DComboBox::Add(DName const& text, bool select, int id) const
{
    if (text.isEmpty() || !ListMsg(CB_ADDSTRING, id, 0, reinterpret_cast<LPARAM>(text.Name())))
        return false;
    if (select)
        SetSel(GetTotal(id) - 1, id);
    return true;
}

bool DComboBox::Insert(DName const& text, unsigned long index, bool select, int id) const
{
    if (text.isEmpty() || !GetIdHandle(id))
        return false;
    LRESULT const inserted = ParentMsg(CB_INSERTSTRING, id, index,
                                       reinterpret_cast<LPARAM>(text.Name()));
    if (inserted < 0)
        return false;
    if (select)
        SetSel(static_cast<unsigned long>(inserted), id);
    return true;
}

bool DComboBox::Del(unsigned long index, int id) const
{
    return ListMsg(CB_DELETESTRING, id, index);
}

bool DComboBox::Reset(int id) const
{
    return ListMsg(CB_RESETCONTENT, id);
}

bool DComboBox::SetSel(unsigned long index, int id) const
{
    WPARAM const item = index < GetTotal(id) ? index : 0;
    return ListMsg(CB_SETCURSEL, id, item);
}

unsigned long DComboBox::GetSel(int id) const
{
    int const selected = GetIndex(id);
    return selected < 0 ? 0 : static_cast<unsigned long>(selected);
}

int DComboBox::GetIndex(int id) const
{
    return static_cast<int>(ParentMsg(CB_GETCURSEL, id));
}

unsigned long DComboBox::GetTotal(int id) const
{
    LRESULT const count = ParentMsg(CB_GETCOUNT, id);
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

DName DComboBox::Get(unsigned long index, int id) const
{
    if (index == 0xFFFFFFFFul || index == 0xFFFFFFFEul)
        index = static_cast<unsigned long>(GetIndex(id));
    return ItemText(CB_GETLBTEXTLEN, CB_GETLBTEXT, index, id);
}

DName DComboBox::GetEditBox(int id) const
{
    return WindowText(id);
}

int DComboBox::FindTextA(DName const& text, int id) const
{
    if (text.isEmpty())
        return -1;
    unsigned long const total = GetTotal(id);
    for (unsigned long i = 0; i < total; ++i)
        if (Get(i, id) == text)
            return static_cast<int>(i);
    return -1;
}

// The first item that shares the first typed character wins; only when no
// item shares it is the second character tried, and so on.
bool DComboBox::SelectCase(int id) const
{
    DName const typed = GetEditBox(id);
    unsigned long const total = GetTotal(id);
    for (unsigned p = 0; p < typed.Size(); ++p)
        for (unsigned long i = 0; i < total; ++i) {
            DName const item = Get(i, id);
            if (p < item.Size() && (item(p) | 0x20) == (typed(p) | 0x20)) {
                SetSel(i, id);
                return true;
            }
        }
    SetSel(GetSel(id), id);
    return false;
}

// For lists of names such as months: an exact item up to max, else the first
// item that begins with the same (at most three) characters.
unsigned long DComboBox::RangeText(unsigned long max, int id) const
{
    DName const typed = GetEditBox(id);
    int const exact = FindTextA(typed, id);
    if (exact >= 0 && static_cast<unsigned long>(exact) <= max) {
        RestoreEdit(id);
        SetSel(static_cast<unsigned long>(exact), id);
        return static_cast<unsigned long>(exact);
    }
    unsigned long const total = GetTotal(id);
    for (unsigned long i = 0; i < total; ++i) {
        DName const item = Get(i, id);
        unsigned n = item.Size() < typed.Size() ? item.Size() : typed.Size();
        if (n > 3)
            n = 3;
        if (!n)
            continue;
        DName head;
        DName typedHead;
        head.Namen(item.Name(), n);
        typedHead.Namen(typed.Name(), n);
        if (head == typedHead) {
            RestoreEdit(id);
            SetSel(i, id);
            return i;
        }
    }
    RestoreEdit(id);
    return GetSel(id);
}

// For lists of the consecutive numbers min, min + 1, ... max.
unsigned long DComboBox::RangeValue(unsigned long min, unsigned long max, int id) const
{
    DName typed = GetEditBox(id);
    DName longest;
    longest.FromLong(max);
    if (typed.Size() > longest.Size())
        typed.DelRight(typed.Size() - longest.Size());
    unsigned long value = typed.ToWord();
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    RestoreEdit(id);
    SetSel(value - min, id);
    return value - min;
}

// Puts the selected item's text back into the edit part.
void DComboBox::RestoreEdit(int id) const
{
    DName const selected = Get(0xFFFFFFFFul, id);
    ParentMsg(WM_SETTEXT, id, 0, reinterpret_cast<LPARAM>(selected.Name()));
}

#include "DProgressBar.h"

#include <commctrl.h>

DProgressBar::DProgressBar(HWND parent, int id) : DIBasics(parent, id) {}

DProgressBar::DProgressBar(unsigned long max, unsigned long pos, HWND parent, int id)
    : DIBasics(parent, id)
{
    SetRange(max);
    SetPos(pos);
}

DProgressBar& DProgressBar::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DProgressBar& DProgressBar::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DProgressBar::Create(unsigned long style, int x, int y, int width, int height,
                         unsigned long controlId)
{
    return MakeWindow(PROGRESS_CLASSA, DName(), style, true, x, y, width, height, controlId);
}

int DProgressBar::Created(unsigned long style, int x, int y, int width, int height,
                          unsigned long controlId)
{
    return MakeWindow(PROGRESS_CLASSA, DName(), style, false, x, y, width, height, controlId);
}

bool DProgressBar::SetRange(unsigned long max, int id) const
{
    // PBM_SETRANGE would keep only 16 bits of max; the 32-bit form keeps all.
    HWND bar = GetHandle(id);
    if (!bar)
        return false;
    SendMessageA(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(max));
    return true;
}

unsigned long DProgressBar::GetRange(int id) const
{
    return static_cast<unsigned long>(ParentMsg(PBM_GETRANGE, id, FALSE, 0));
}

unsigned long DProgressBar::SetPos(unsigned long pos, int id) const
{
    return static_cast<unsigned long>(ParentMsg(PBM_SETPOS, id, pos));
}

unsigned long DProgressBar::GetPos(int id) const
{
    return static_cast<unsigned long>(ParentMsg(PBM_GETPOS, id));
}

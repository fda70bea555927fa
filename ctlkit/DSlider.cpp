#include "DSlider.h"

#include <commctrl.h>

DSlider::DSlider(HWND parent, int id) : DIBasics(parent, id) {}

DSlider& DSlider::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DSlider& DSlider::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DSlider::Create(unsigned long style, int x, int y, int width, int height,
                    unsigned long controlId)
{
    return MakeWindow(TRACKBAR_CLASSA, DName(), style, true, x, y, width, height, controlId);
}

int DSlider::Created(unsigned long style, int x, int y, int width, int height,
                     unsigned long controlId)
{
    return MakeWindow(TRACKBAR_CLASSA, DName(), style, false, x, y, width, height, controlId);
}

long DSlider::GetPos(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETPOS, id));
}

void DSlider::SetPos(long pos, int id) const
{
    ParentMsg(TBM_SETPOS, id, TRUE, pos);
}

void DSlider::SetRange(long min, long max, int id) const
{
    SetRangeMin(min, id);
    SetRangeMax(max, id);
}

void DSlider::SetRangeMin(long min, int id) const
{
    ParentMsg(TBM_SETRANGEMIN, id, TRUE, min);
}

void DSlider::SetRangeMax(long max, int id) const
{
    ParentMsg(TBM_SETRANGEMAX, id, TRUE, max);
}

long DSlider::GetRangeMin(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETRANGEMIN, id));
}

long DSlider::GetRangeMax(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETRANGEMAX, id));
}

void DSlider::SetTicFreq(unsigned long frequency, int id) const
{
    ParentMsg(TBM_SETTICFREQ, id, frequency);
}

long DSlider::SetLineSize(long size, int id) const
{
    return static_cast<long>(ParentMsg(TBM_SETLINESIZE, id, 0, size));
}

long DSlider::GetLineSize(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETLINESIZE, id));
}

long DSlider::SetPageSize(long size, int id) const
{
    return static_cast<long>(ParentMsg(TBM_SETPAGESIZE, id, 0, size));
}

long DSlider::GetPageSize(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETPAGESIZE, id));
}

void DSlider::SetSel(long start, long end, int id) const
{
    ParentMsg(TBM_SETSELSTART, id, FALSE, start);
    ParentMsg(TBM_SETSELEND, id, TRUE, end);
}

void DSlider::ClearSel(int id) const
{
    ParentMsg(TBM_CLEARSEL, id, TRUE);
}

long DSlider::GetSelStart(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETSELSTART, id));
}

long DSlider::GetSelEnd(int id) const
{
    return static_cast<long>(ParentMsg(TBM_GETSELEND, id));
}

void DSlider::SetThumbLength(unsigned long length, int id) const
{
    ParentMsg(TBM_SETTHUMBLENGTH, id, length);
}

unsigned long DSlider::GetThumbLength(int id) const
{
    return static_cast<unsigned long>(ParentMsg(TBM_GETTHUMBLENGTH, id));
}

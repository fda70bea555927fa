// DSlider: a track bar.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DSlider : public DIBasics
{
public:
    DSlider(HWND parent = nullptr, int id = 0);

    DSlider& operator[](unsigned long id);
    DSlider& operator()(int index);

    int Create(unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    long GetPos(int id = -1) const;
    void SetPos(long pos, int id = -1) const;
    void SetRange(long min, long max, int id = -1) const;
    void SetRangeMin(long min, int id = -1) const;
    void SetRangeMax(long max, int id = -1) const;
    long GetRangeMin(int id = -1) const;
    long GetRangeMax(int id = -1) const;
    void SetTicFreq(unsigned long frequency, int id = -1) const;
    long SetLineSize(long size, int id = -1) const;        // the size before
    long GetLineSize(int id = -1) const;
    long SetPageSize(long size, int id = -1) const;        // the size before
    long GetPageSize(int id = -1) const;
    void SetSel(long start, long end, int id = -1) const;
    void ClearSel(int id = -1) const;
    long GetSelStart(int id = -1) const;
    long GetSelEnd(int id = -1) const;
    void SetThumbLength(unsigned long length, int id = -1) const;
    unsigned long GetThumbLength(int id = -1) const;
};

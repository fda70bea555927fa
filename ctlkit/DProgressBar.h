// DProgressBar: a progress bar with a full 32-bit range.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DProgressBar : public DIBasics
{
public:
    DProgressBar(HWND parent = nullptr, int id = 0);
    // Sets the range and the position at once.
    DProgressBar(unsigned long max, unsigned long pos, HWND parent, int id);

    DProgressBar& operator[](unsigned long id);
    DProgressBar& operator()(int index);

    int Create(unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    // 0 to max; a walk may meet far more than 65,535 entries.
    bool SetRange(unsigned long max, int id = -1) const;
    unsigned long GetRange(int id = -1) const;             // the upper bound
    unsigned long SetPos(unsigned long pos, int id = -1) const;  // the position before
    unsigned long GetPos(int id = -1) const;
};

// DStatic: a label.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DStatic : public DIBasics
{
public:
    DStatic(HWND parent = nullptr, int id = 0);

    DStatic& operator[](unsigned long id);
    DStatic& operator()(int index);

    int Create(DName const& text, unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);
    // A label may be cleared, so an empty text is taken.
    bool Modify(DName const& text, int id = -1) const;
};

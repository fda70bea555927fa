// DText: an edit field and its text or number.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DText : public DIBasics
{
public:
    DText(HWND parent = nullptr, int id = 0);

    DText& operator[](unsigned long id);
    DText& operator()(int index);

    int Create(DName const& text, unsigned long style, int x, int y, int width, int height,
               unsigned long controlId = 0);
    int Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                unsigned long controlId = 0);

    bool Set(DName const& text, int id = -1) const;     // an empty text is refused
    bool Clear(int id = -1) const;                      // the field made empty
    bool Seti(unsigned long value, int id = -1) const;  // decimal text
    bool Setd(double value, int id = -1) const;         // two decimals
    DName Get(int id = -1) const;
    unsigned long GetSize(int id = -1) const;
    void SetLimit(unsigned long length, int id = -1) const;
    // The user changed the text since it was last set or marked unchanged.
    bool isModified(int id = -1) const;
    void SetUnmodified(int id = -1) const;

    bool operator==(DText const& other) const;
    bool operator!=(DText const& other) const;
    bool operator!() const;                             // the field is empty
};

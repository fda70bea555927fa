#include "DStatic.h"

DStatic::DStatic(HWND parent, int id) : DIBasics(parent, id) {}

DStatic& DStatic::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DStatic& DStatic::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DStatic::Create(DName const& text, unsigned long style, int x, int y, int width, int height,
                    unsigned long controlId)
{
    return MakeWindow("STATIC", text, style, true, x, y, width, height, controlId);
}

int DStatic::Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                     unsigned long controlId)
{
    return MakeWindow("STATIC", text, style, false, x, y, width, height, controlId);
}

bool DStatic::Modify(DName const& text, int id) const
{
    return ParentMsg(WM_SETTEXT, id, 0, reinterpret_cast<LPARAM>(text.Name())) != 0;
}

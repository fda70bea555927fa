#include "DText.h"

DText::DText(HWND parent, int id) : DIBasics(parent, id) {}

DText& DText::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DText& DText::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DText::Create(DName const& text, unsigned long style, int x, int y, int width, int height,
                  unsigned long controlId)
{
    return MakeWindow("EDIT", text, style, true, x, y, width, height, controlId);
}

int DText::Created(DName const& text, unsigned long style, int x, int y, int width, int height,
                   unsigned long controlId)
{
    return MakeWindow("EDIT", text, style, false, x, y, width, height, controlId);
}

bool DText::Set(DName const& text, int id) const
{
    return !text.isEmpty()
        && ParentMsg(WM_SETTEXT, id, 0, reinterpret_cast<LPARAM>(text.Name())) != 0;
}

bool DText::Clear(int id) const
{
    return ParentMsg(WM_SETTEXT, id, 0, reinterpret_cast<LPARAM>("")) != 0;
}

bool DText::Seti(unsigned long value, int id) const
{
    return Set(Decimal(value), id);
}

bool DText::Setd(double value, int id) const
{
    return Set(TwoPlaces(value), id);
}

DName DText::Get(int id) const
{
    return WindowText(id);
}

unsigned long DText::GetSize(int id) const
{
    return static_cast<unsigned long>(ParentMsg(WM_GETTEXTLENGTH, id));
}

void DText::SetLimit(unsigned long length, int id) const
{
    ParentMsg(EM_LIMITTEXT, id, length);
}

bool DText::isModified(int id) const
{
    return ParentMsg(EM_GETMODIFY, id) != 0;
}

void DText::SetUnmodified(int id) const
{
    ParentMsg(EM_SETMODIFY, id, FALSE);
}

bool DText::operator==(DText const& other) const
{
    return Get() == other.Get();
}

bool DText::operator!=(DText const& other) const
{
    return !(*this == other);
}

bool DText::operator!() const
{
    return GetSize() == 0;
}

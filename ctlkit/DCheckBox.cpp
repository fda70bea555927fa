#include "DCheckBox.h"

DCheckBox::DCheckBox(HWND parent, int id) : DIBasics(parent, id) {}

DCheckBox& DCheckBox::operator[](unsigned long id)
{
    SetItem(id);
    return *this;
}

DCheckBox& DCheckBox::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DCheckBox::CreateCheck(DName const& text, int x, int y, int width, int height,
                           unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_AUTOCHECKBOX, true, x, y, width, height, controlId);
}

int DCheckBox::CreateRadio(DName const& text, int x, int y, int width, int height,
                           unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_AUTORADIOBUTTON, true, x, y, width, height, controlId);
}

int DCheckBox::CreateGroup(DName const& text, int x, int y, int width, int height,
                           unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_GROUPBOX, true, x, y, width, height, controlId);
}

int DCheckBox::CreateCheckd(DName const& text, int x, int y, int width, int height,
                            unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_AUTOCHECKBOX, false, x, y, width, height, controlId);
}

int DCheckBox::CreateRadiod(DName const& text, int x, int y, int width, int height,
                            unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_AUTORADIOBUTTON, false, x, y, width, height, controlId);
}

int DCheckBox::CreateGroupd(DName const& text, int x, int y, int width, int height,
                            unsigned long controlId)
{
    return MakeWindow("BUTTON", text, BS_GROUPBOX, false, x, y, width, height, controlId);
}

bool DCheckBox::GetState(int id) const
{
    return ParentMsg(BM_GETCHECK, id) != 0;
}

bool DCheckBox::isOn(int id) const
{
    return GetState(id);
}

bool DCheckBox::isOff(int id) const
{
    return !GetState(id);
}

bool DCheckBox::SetState(bool on, int id) const
{
    ParentMsg(BM_SETCHECK, id, on ? BST_CHECKED : BST_UNCHECKED);
    return on;
}

void DCheckBox::SetOn(int id) const
{
    SetState(true, id);
}

void DCheckBox::SetOff(int id) const
{
    SetState(false, id);
}

void DCheckBox::Flip(int id) const
{
    SetState(!isOn(id), id);
}

bool DCheckBox::operator==(DCheckBox const& other) const
{
    return isOn() == other.isOn();
}

bool DCheckBox::operator!=(DCheckBox const& other) const
{
    return !(*this == other);
}

// DCheckBox: a check box or radio button and its state.
#pragma once

#include "DIBasics.h"

class CTLKIT_API DCheckBox : public DIBasics
{
public:
    DCheckBox(HWND parent = nullptr, int id = 0);

    DCheckBox& operator[](unsigned long id);
    DCheckBox& operator()(int index);

    // Windows of style BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON and BS_GROUPBOX in
    // dialog units; the d forms have no client edge.
    int CreateCheck(DName const& text, int x, int y, int width, int height,
                    unsigned long controlId = 0);
    int CreateRadio(DName const& text, int x, int y, int width, int height,
                    unsigned long controlId = 0);
    int CreateGroup(DName const& text, int x, int y, int width, int height,
                    unsigned long controlId = 0);
    int CreateCheckd(DName const& text, int x, int y, int width, int height,
                     unsigned long controlId = 0);
    int CreateRadiod(DName const& text, int x, int y, int width, int height,
                     unsigned long controlId = 0);
    int CreateGroupd(DName const& text, int x, int y, int width, int height,
                     unsigned long controlId = 0);

    bool GetState(int id = -1) const;
    bool isOn(int id = -1) const;
    bool isOff(int id = -1) const;
    bool SetState(bool on, int id = -1) const;    // returns on
    void SetOn(int id = -1) const;
    void SetOff(int id = -1) const;
    void Flip(int id = -1) const;

    bool operator==(DCheckBox const& other) const;
    bool operator!=(DCheckBox const& other) const;
};

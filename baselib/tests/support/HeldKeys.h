// HeldKeys: keys that the thread's key state shows as held down while the
// object lives, as GetKeyState reads them; a test's Ctrl or Shift.
#pragma once

#include <windows.h>

#include <cstring>
#include <initializer_list>

class HeldKeys
{
public:
    HeldKeys(std::initializer_list<int> keys)
    {
        GetKeyboardState(saved);
        BYTE held[256];
        std::memcpy(held, saved, sizeof held);
        for (int key : keys)
            held[key] |= 0x80;
        SetKeyboardState(held);
    }
    ~HeldKeys() { SetKeyboardState(saved); }
    HeldKeys(HeldKeys const&) = delete;
    HeldKeys& operator=(HeldKeys const&) = delete;

private:
    BYTE saved[256];
};

// WindowProbe: what a test reads straight from a real window.
#pragma once

#include <windows.h>

#include <string>

struct WindowProbe
{
    // The window's text.
    static std::string Text(HWND window)
    {
        char text[2048] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    // Where the window stands in its parent's client area.
    static RECT Place(HWND window)
    {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

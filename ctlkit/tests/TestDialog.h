// A modeless dialog built from an in-memory template, to hold the controls a
// test drives. It stays hidden: without a window manager, wine waits two
// seconds for every shown window that goes away.
#pragma once

#include <windows.h>

#include <string>

class TestDialog
{
public:
    TestDialog();
    ~TestDialog();
    TestDialog(TestDialog const&) = delete;
    TestDialog& operator=(TestDialog const&) = delete;

    HWND Handle() const;
    // A child control with that id, placed in pixels.
    HWND Add(char const* windowClass, unsigned long style, int id, char const* text = "",
             int x = 10, int y = 10, int width = 200, int height = 24) const;
    // The text of a window, read straight from it.
    static std::string Text(HWND window);

private:
    HWND dialog;
};

// A modeless dialog built from an in-memory template, to hold the controls a
// test drives. It stays hidden: without a window manager, wine waits two
// seconds for every shown window that goes away.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "WindowProbe.h"

class TestDialog : public WindowProbe
{
public:
    TestDialog()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        // A template without items: header, then empty menu, class and title.
        struct alignas(4) Template
        {
            DLGTEMPLATE header;
            WORD menu, windowClass, title;
        } layout = {};
        layout.header.style = WS_POPUP | WS_CAPTION;
        layout.header.cx = 300;
        layout.header.cy = 200;
        dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &layout.header, nullptr,
                                            Proc, 0);
        EXPECT_NE(nullptr, dialog);
        SetActiveWindow(dialog);
    }
    ~TestDialog() { DestroyWindow(dialog); }
    TestDialog(TestDialog const&) = delete;
    TestDialog& operator=(TestDialog const&) = delete;

    HWND Handle() const { return dialog; }

    // A child control with that id, placed in pixels.
    HWND Add(char const* windowClass, unsigned long style, int id, char const* text = "",
             int x = 10, int y = 10, int width = 200, int height = 24) const
    {
        HWND control = CreateWindowExA(0, windowClass, text, style | WS_CHILD | WS_VISIBLE, x, y,
                                       width, height, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(nullptr, control) << windowClass;
        return control;
    }

private:
    static INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM, LPARAM)
    {
        return message == WM_INITDIALOG;
    }

    HWND dialog;
};

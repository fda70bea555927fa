#include "TestDialog.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}

TestDialog::TestDialog()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // A template without items: header, then empty menu, class and title.
    struct alignas(4) Template
    {
        DLGTEMPLATE header;
        WORD menu;
        WORD windowClass;
        WORD title;
    } layout = {};
    layout.header.style = WS_POPUP | WS_CAPTION;
    layout.header.cx = 300;
    layout.header.cy = 200;
    dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &layout.header, nullptr,
                                        DialogProc, 0);
    EXPECT_NE(nullptr, dialog);
    SetActiveWindow(dialog);
}

TestDialog::~TestDialog()
{
    DestroyWindow(dialog);
}

HWND TestDialog::Handle() const
{
    return dialog;
}

HWND TestDialog::Add(char const* windowClass, unsigned long style, int id, char const* text,
                     int x, int y, int width, int height) const
{
    HWND control = CreateWindowExA(0, windowClass, text, style | WS_CHILD | WS_VISIBLE, x, y,
                                   width, height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(nullptr, control) << windowClass;
    return control;
}

std::string TestDialog::Text(HWND window)
{
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

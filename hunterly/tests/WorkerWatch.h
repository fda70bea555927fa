// What a test sees of a worker that talks to the main window: the texts it
// gives the status line, and the window thread's messages answered while
// the test waits for it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "DDialog.h"

// Every text the status line is given, with the start button's state at
// that moment, seen on the window thread as the worker's texts arrive; the
// action runs once, when a text beginning with the trigger arrives.
struct StatusLog
{
    std::vector<std::string> texts;
    std::vector<bool> startEnabled;
    std::string trigger;
    std::function<void()> action;

    StatusLog(HWND status, HWND start) : status(status), start(start)
    {
        current = this;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }

    ~StatusLog()
    {
        if (IsWindow(status))
            SetWindowLongPtrA(status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        if (current == this)
            current = nullptr;
    }

    long Count(std::string const& text) const { return std::count(texts.begin(), texts.end(), text); }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        StatusLog* log = current;
        bool const text = message == WM_SETTEXT || (message == SB_SETTEXTA && LOWORD(wparam) == 0);
        if (log && text && lparam) {
            std::string const line = reinterpret_cast<char const*>(lparam);
            log->texts.push_back(line);
            log->startEnabled.push_back(IsWindowEnabled(log->start) != 0);
            if (log->action && !log->trigger.empty() && line.rfind(log->trigger, 0) == 0) {
                std::function<void()> const once = log->action;
                log->action = nullptr;
                once();
            }
        }
        return CallWindowProcA(log ? log->original : DefWindowProcA, window, message, wparam,
                               lparam);
    }

    static inline StatusLog* current = nullptr;
    HWND status;
    HWND start;
    WNDPROC original = nullptr;
};

// Answers the window thread's messages until done, as its loop would.
inline bool PumpUntil(std::function<bool()> const& done, DWORD limit = 30000)
{
    DWORD const start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limit)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!DDialog::FilterMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

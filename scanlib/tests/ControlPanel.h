// A hidden window holding the four controls that a walk keeps up to date, with
// what they were told on the way: every status and rate text and every bar
// position, in order. Hidden, since wine waits two seconds for every shown
// window that goes away.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "DListControl.h"
#include "DProgressBar.h"
#include "DStatusWnd.h"
#include "DText.h"

class DFileLoad;

class ControlPanel
{
public:
    ControlPanel();
    ~ControlPanel();
    ControlPanel(ControlPanel const&) = delete;
    ControlPanel& operator=(ControlPanel const&) = delete;

    // The four controls handed to load.
    void Attach(DFileLoad& load);

    unsigned Rows() const;
    std::string Cell(unsigned row, unsigned column) const;
    int ImageOf(unsigned row) const;
    // Images in the list's small image list.
    int Images() const;
    HWND ListWindow() const;

    DProgressBar bar;
    DText rate;
    DStatusWnd status;
    DListControl list;

    std::vector<std::string> statusTexts;
    std::vector<std::string> rateTexts;
    std::vector<unsigned long> positions;
    // Called with each status text once the status line shows it.
    std::function<void(std::string const&)> onStatus;

private:
    static LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam);
    void Watch(HWND control);

    HWND window_;
};

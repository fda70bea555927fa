// A hidden window holding the four controls that a walk keeps up to date, with
// what they were told on the way: every status and rate text and every bar
// position, in order. Hidden, since wine waits two seconds for every shown
// window that goes away.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "DFileLoad.h"
#include "DListControl.h"
#include "DProgressBar.h"
#include "DStatusWnd.h"
#include "DText.h"

class ControlPanel
{
public:
    ControlPanel()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        window_ = CreateWindowExA(0, "STATIC", "panel", WS_POPUP, 0, 0, 500, 500, nullptr,
                                  nullptr, nullptr, nullptr);
        Watch(Child(PROGRESS_CLASSA, 0, 101, 10, 20));
        Watch(Child("EDIT", 0, 102, 40, 20));
        Child(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDATA, 104, 70, 300);
        bar.SetParent(window_);
        rate.SetParent(window_);
        list.SetParent(window_);
        status.SetParent(window_);
        status.Make("Ready");
        Watch(status.GetWnd());
    }
    ~ControlPanel()
    {
        status.Destroy();
        DestroyWindow(window_);
    }
    ControlPanel(ControlPanel const&) = delete;
    ControlPanel& operator=(ControlPanel const&) = delete;

    // The four controls handed to load.
    void Attach(DFileLoad& load) { load.SetupControls(&bar, &rate, &status, &list); }

    unsigned Rows() const { return list.GetTotal(); }
    std::string Cell(unsigned row, unsigned column) const
    {
        return list.GetText(row, column).Name();
    }
    // The image of a row, as the list asks for it when it paints the row.
    int Image(unsigned row) const
    {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = static_cast<int>(row);
        SendMessageA(GetDlgItem(window_, 104), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    // Images in the list's small image list.
    int Images() const
    {
        HIMAGELIST const images = reinterpret_cast<HIMAGELIST>(
            SendMessageA(GetDlgItem(window_, 104), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        return images ? ImageList_GetImageCount(images) : 0;
    }

    DProgressBar bar{nullptr, 101};
    DText rate{nullptr, 102};
    DStatusWnd status{nullptr, 103};
    DListControl list{nullptr, 104};

    std::vector<std::string> statusTexts;
    std::vector<std::string> rateTexts;
    std::vector<unsigned long> positions;
    // Called with each status text once the status line shows it.
    std::function<void(std::string const&)> onStatus;

private:
    HWND Child(char const* windowClass, unsigned long style, int id, int y, int height)
    {
        return CreateWindowExA(0, windowClass, "", style | WS_CHILD | WS_VISIBLE, 10, y, 400,
                               height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    }

    // Each watched control passes its messages through Recorder first.
    void Watch(HWND control)
    {
        SetPropA(control, "ControlPanel", this);
        SetPropA(control, "ControlPanel.proc",
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                     control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder))));
    }

    static LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        auto* const panel = static_cast<ControlPanel*>(GetPropA(window, "ControlPanel"));
        WNDPROC const proc = reinterpret_cast<WNDPROC>(GetPropA(window, "ControlPanel.proc"));
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
            RemovePropA(window, "ControlPanel");
            RemovePropA(window, "ControlPanel.proc");
        }
        LRESULT const result = CallWindowProcA(proc, window, message, wparam, lparam);
        if (message == PBM_SETPOS) {
            panel->positions.push_back(static_cast<unsigned long>(wparam));
        } else if (message == WM_SETTEXT && lparam) {
            std::string const text = reinterpret_cast<char const*>(lparam);
            if (window != panel->status.GetWnd()) {
                panel->rateTexts.push_back(text);
            } else {
                panel->statusTexts.push_back(text);
                if (panel->onStatus)
                    panel->onStatus(text);
            }
        }
        return result;
    }

    HWND window_;
};

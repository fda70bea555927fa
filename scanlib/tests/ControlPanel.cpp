#include "ControlPanel.h"

#include <commctrl.h>

#include "DFileLoad.h"

namespace {

int const BarId = 101;
int const RateId = 102;
int const StatusId = 103;
int const ListId = 104;
char const PanelProp[] = "ControlPanel";
char const ProcProp[] = "ControlPanel.proc";

HWND Child(HWND parent, char const* windowClass, unsigned long style, int id, int y,
           int height)
{
    return CreateWindowExA(0, windowClass, "", style | WS_CHILD | WS_VISIBLE, 10, y, 400,
                           height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

ControlPanel::ControlPanel()
    : bar(nullptr, BarId), rate(nullptr, RateId), status(nullptr, StatusId),
      list(nullptr, ListId)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateWindowExA(0, "STATIC", "panel", WS_POPUP, 0, 0, 500, 500, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    Watch(Child(window_, PROGRESS_CLASSA, 0, BarId, 10, 20));
    Watch(Child(window_, "EDIT", 0, RateId, 40, 20));
    Child(window_, WC_LISTVIEWA, LVS_REPORT, ListId, 70, 300);
    bar.SetParent(window_);
    rate.SetParent(window_);
    list.SetParent(window_);
    status.SetParent(window_);
    status.Make("Ready");
    Watch(status.GetWnd());
}

ControlPanel::~ControlPanel()
{
    status.Destroy();
    DestroyWindow(window_);
}

void ControlPanel::Attach(DFileLoad& load)
{
    load.SetupControls(&bar, &rate, &status, &list);
}

unsigned ControlPanel::Rows() const
{
    return list.GetTotal();
}

std::string ControlPanel::Cell(unsigned row, unsigned column) const
{
    return list.GetText(row, column).Name();
}

int ControlPanel::ImageOf(unsigned row) const
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = static_cast<int>(row);
    SendMessageA(ListWindow(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

int ControlPanel::Images() const
{
    HIMAGELIST const images = reinterpret_cast<HIMAGELIST>(
        SendMessageA(ListWindow(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    return images ? ImageList_GetImageCount(images) : 0;
}

HWND ControlPanel::ListWindow() const
{
    return GetDlgItem(window_, ListId);
}

void ControlPanel::Watch(HWND control)
{
    SetPropA(control, PanelProp, this);
    SetPropA(control, ProcProp,
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                 control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder))));
}

LRESULT CALLBACK ControlPanel::Recorder(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam)
{
    ControlPanel* const panel = static_cast<ControlPanel*>(GetPropA(window, PanelProp));
    WNDPROC const proc = reinterpret_cast<WNDPROC>(GetPropA(window, ProcProp));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        RemovePropA(window, PanelProp);
        RemovePropA(window, ProcProp);
    }
    LRESULT const result = CallWindowProcA(proc, window, message, wparam, lparam);
    if (message == PBM_SETPOS) {
        panel->positions.push_back(static_cast<unsigned long>(wparam));
    } else if (message == WM_SETTEXT && lparam) {
        std::string const text = reinterpret_cast<char const*>(lparam);
        if (window == panel->status.GetWnd()) {
            panel->statusTexts.push_back(text);
            if (panel->onStatus)
                panel->onStatus(text);
        } else {
            panel->rateTexts.push_back(text);
        }
    }
    return result;
}

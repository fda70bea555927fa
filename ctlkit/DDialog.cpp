#include "DDialog.h"

#include <commctrl.h>

#include "DIBasics.h"

namespace {

// Marks a window as one of ours and leads back to its object.
char const* const Property = "DDialog";

// Messages whose answer a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool isDirectAnswer(UINT message)
{
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
           || message == WM_COMPAREITEM || message == WM_VKEYTOITEM
           || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
}

}

DDialog::DDialog(char const* name)
    : templateName(name), layout(nullptr), window(nullptr), modal(false), ended(false),
      result(-1)
{
}

DDialog::DDialog(unsigned templateId) : DDialog(MAKEINTRESOURCEA(templateId)) {}

DDialog::DDialog(DLGTEMPLATE const* memory) : DDialog(static_cast<char const*>(nullptr))
{
    layout = memory;
}

DDialog::~DDialog()
{
    if (!window)
        return;
    // The derived parts are gone: the window goes without calling handlers.
    HWND const going = window;
    RemovePropA(going, Property);
    window = nullptr;
    DestroyWindow(going);
}

void DDialog::EnableControls()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

bool DDialog::Make(HWND parent)
{
    HINSTANCE const module = DIBasics::GetAppResource();
    LPARAM const self = reinterpret_cast<LPARAM>(this);
    if (layout)
        CreateDialogIndirectParamA(module, layout, parent, DialogProc, self);
    else
        CreateDialogParamA(module, templateName, parent, DialogProc, self);
    // The window is recorded at WM_INITDIALOG and forgotten when it goes, so
    // a dialog that ended during its initialisation counts as not made.
    return window != nullptr;
}

INT_PTR DDialog::DoModal(HWND owner)
{
    if (window)
        return -1;
    modal = true;
    ended = false;
    result = -1;
    if (!Make(owner)) {
        modal = false;
        return -1;
    }
    bool const ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    if (!ended)
        ShowWindow(window, SW_SHOW);
    MSG msg;
    while (!ended && window) {
        BOOL const got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The quit belongs to the loop outside this one.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!FilterMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The owner must be enabled before the dialog goes, or another
    // program's window would be activated.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (window)
        DestroyWindow(window);
    modal = false;
    return ended ? result : -1;
}

bool DDialog::Create(HWND parent)
{
    if (window)
        return false;
    modal = false;
    return Make(parent);
}

void DDialog::EndDialog(INT_PTR value)
{
    result = value;
    if (modal) {
        ended = true;
        // Wakes the modal loop, which may be waiting for a message.
        if (window)
            PostMessageA(window, WM_NULL, 0, 0);
        return;
    }
    if (window)
        DestroyWindow(window);
}

HWND DDialog::GetWnd() const
{
    return window;
}

bool DDialog::isModal() const
{
    return modal;
}

char const* DDialog::GetTemplate() const
{
    return templateName;
}

DDialog* DDialog::From(HWND handle)
{
    return handle ? static_cast<DDialog*>(GetPropA(handle, Property)) : nullptr;
}

bool DDialog::FilterMessage(MSG& msg)
{
    HWND outer = nullptr;
    HWND step = msg.hwnd;
    while (step) {
        if (DDialog* dialog = From(step)) {
            if (dialog->PreTranslateMessage(msg))
                return true;
            outer = step;
        }
        bool const child = (GetWindowLongPtrA(step, GWL_STYLE) & WS_CHILD) != 0;
        step = child ? ::GetParent(step) : nullptr;
    }
    return outer && IsWindow(outer) && IsDialogMessageA(outer, &msg);
}

INT_PTR CALLBACK DDialog::DialogProc(HWND handle, UINT message, WPARAM wparam, LPARAM lparam)
{
    DDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<DDialog*>(lparam);
        SetPropA(handle, Property, dialog);
        dialog->window = handle;
    } else {
        dialog = From(handle);
    }
    if (!dialog)
        return FALSE;
    INT_PTR answer = FALSE;
    // Nothing may unwind through the system's code.
    try {
        answer = dialog->Dispatch(message, wparam, lparam);
    } catch (...) {
        answer = FALSE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(handle, Property);
        dialog->window = nullptr;
    }
    return answer;
}

INT_PTR DDialog::Dispatch(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: {
        unsigned const id = LOWORD(wparam);
        unsigned const code = HIWORD(wparam);
        if (code == BN_CLICKED && id == IDOK)
            return OnOK();
        if (code == BN_CLICKED && id == IDCANCEL)
            return OnCancel();
        return OnCommand(id, code, reinterpret_cast<HWND>(lparam));
    }
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lparam);
        LRESULT answer = 0;
        if (!header || !OnNotify(static_cast<unsigned>(header->idFrom), header, answer))
            return FALSE;
        SetWindowLongPtrA(window, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        break;
    }
    LRESULT answer = 0;
    if (!OnMessage(message, wparam, lparam, answer))
        return FALSE;
    if (isDirectAnswer(message))
        return static_cast<INT_PTR>(answer);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, answer);
    return TRUE;
}

bool DDialog::OnInit()
{
    return true;
}

bool DDialog::OnCommand(unsigned, unsigned, HWND)
{
    return false;
}

bool DDialog::OnNotify(unsigned, NMHDR*, LRESULT&)
{
    return false;
}

bool DDialog::OnOK()
{
    EndDialog(IDOK);
    return true;
}

bool DDialog::OnCancel()
{
    EndDialog(IDCANCEL);
    return true;
}

bool DDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void DDialog::OnDestroy()
{
}

bool DDialog::PreTranslateMessage(MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        return false;
    switch (msg.wParam) {
    case VK_RETURN:
        return OnEnter();
    case VK_ESCAPE:
        return OnEscape();
    case VK_F1:
        return OnHelp();
    default:
        return false;
    }
}

bool DDialog::OnEnter()
{
    return false;
}

bool DDialog::OnEscape()
{
    return false;
}

bool DDialog::OnHelp()
{
    return false;
}

bool DDialog::PaintIconic(HICON icon) const
{
    if (!window || !IsIconic(window))
        return false;
    PAINTSTRUCT paint;
    HDC const dc = BeginPaint(window, &paint);
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window, &client);
    int const x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int const y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(window, &paint);
    return true;
}

void DDialog::SetIcon(HICON icon, bool big) const
{
    if (window)
        SendMessageA(window, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(icon));
}

HICON DDialog::LoadAppIcon(unsigned id)
{
    return LoadIconA(DIBasics::GetAppResource(), MAKEINTRESOURCEA(id));
}

HICON DDialog::LoadAppSmallIcon(unsigned id)
{
    return static_cast<HICON>(LoadImageA(DIBasics::GetAppResource(), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

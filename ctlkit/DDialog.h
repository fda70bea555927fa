// DDialog: a dialog window driven through virtual handlers.
//
// One static dialog procedure serves every dialog: it stores the object at
// WM_INITDIALOG and hands each message to the handlers below, which answer
// whether they handled it. Every run, modal or modeless, passes its
// messages through FilterMessage first, so that a dialog (and every dialog
// it is nested in) sees a key before the dialog manager acts on it.
// Templates come from the program's current resource module.
#pragma once

#include <windows.h>

#include "CtlkitApi.h"

class CTLKIT_API DDialog
{
public:
    // A template resource: a name, or an id made with MAKEINTRESOURCE. The
    // text must outlive the object (a literal).
    explicit DDialog(char const* templateName);
    explicit DDialog(unsigned templateId);
    // A template in memory, which must outlive the object.
    explicit DDialog(DLGTEMPLATE const* layout);
    virtual ~DDialog();     // destroys a window still open

    DDialog(DDialog const&) = delete;
    DDialog& operator=(DDialog const&) = delete;

    // Registers the common controls every dialog of the programs may hold.
    static void EnableControls();

    // Shows the dialog and runs its messages until EndDialog; the owner is
    // disabled meanwhile. The value given to EndDialog, -1 when the window
    // could not be made or the run was ended by WM_QUIT.
    INT_PTR DoModal(HWND owner = nullptr);
    // A modeless window; hidden unless the template says visible. Its
    // messages come from the caller's loop, which passes them through
    // FilterMessage.
    bool Create(HWND parent = nullptr);
    // Ends a modal run, or destroys a modeless window.
    void EndDialog(INT_PTR result);

    HWND GetWnd() const;
    bool isModal() const;

    // The filter of every message loop: each dialog from the message's
    // window up to the outermost one may take the message
    // (PreTranslateMessage), then the outermost one's keyboard navigation.
    // True when the message was used and must not be dispatched.
    static bool FilterMessage(MSG& msg);

protected:
    char const* GetTemplate() const;        // null for a template in memory

    // Handlers; each answers whether it handled the message.
    // True lets the system give the focus to the first control.
    virtual bool OnInit();
    virtual bool OnCommand(unsigned id, unsigned code, HWND control);
    // result is the notification's answer when handled.
    virtual bool OnNotify(unsigned id, NMHDR* header, LRESULT& result);
    virtual bool OnOK();                    // ends the dialog with IDOK
    virtual bool OnCancel();                // ends the dialog with IDCANCEL
    // Every other message; result is its answer when handled.
    virtual bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    virtual void OnDestroy();               // the window is going; its controls still exist

    // Runs before dispatch for every message to this dialog or its
    // controls; true swallows it. This one is the key filter below.
    virtual bool PreTranslateMessage(MSG& msg);
    // Key presses, before the dialog manager turns Enter into the default
    // button and Escape into a cancel; true swallows the key.
    virtual bool OnEnter();
    virtual bool OnEscape();
    virtual bool OnHelp();                  // F1

    // While the window is minimised, paints icon in the middle of its
    // client area; false when it is not minimised.
    bool PaintIconic(HICON icon) const;
    void SetIcon(HICON icon, bool big) const;
    // An icon resource of the current resource module, shared (never
    // destroyed); null when missing.
    static HICON LoadAppIcon(unsigned id);
    // The same at the system's small icon size, for small buttons.
    static HICON LoadAppSmallIcon(unsigned id);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static DDialog* From(HWND window);
    INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    bool Make(HWND parent);

    char const* templateName;
    DLGTEMPLATE const* layout;
    HWND window;
    bool modal;
    bool ended;
    INT_PTR result;
};

// DIBasics: the common base of the control wrappers.
//
// A wrapper does not own the control it drives: it holds a parent window and
// an id and sends the control messages. In dialog-item mode the id names a
// dialog item of the parent; in created mode it indexes the windows that this
// wrapper created itself. Operations take an optional id as their last
// argument, where -1 stands for the wrapper's own id.
#pragma once

#include <windows.h>

#include "CtlkitApi.h"
#include "DName.h"
#include "DRect.h"

class CTLKIT_API DIBasics
{
public:
    DIBasics(HWND parent = nullptr, int id = 0);
    virtual ~DIBasics();

    // Wrappers are made for one use; copies would share what they own.
    DIBasics(DIBasics const&) = delete;
    DIBasics& operator=(DIBasics const&) = delete;

    // Addressing.
    void SetParent(HWND parent, int id = -1);
    void SetId(unsigned long id);                 // -1 keeps the stored id
    HWND GetParent() const;                        // the active window when none is stored
    int GetId() const;
    HWND GetHandle(int id = -1, HWND parent = nullptr) const;    // null for item ids below 1
    HWND GetIdHandle(int id = -1, HWND parent = nullptr) const;
    LRESULT ParentMsg(unsigned long message, int id = -1, WPARAM wparam = 0,
                      LPARAM lparam = 0) const;
    HWND GetWnd() const;                           // the wrapper's own window, if any

    // Created windows.
    // The window's index, which becomes the wrapper's id; -1 when not recorded.
    int SetCreation(HWND window);
    void SetCreated();
    void SetNotCreated();
    bool isCreated() const;
    unsigned GetTotalCreated() const;
    void DestroyCreation();                        // forgets them; their parent destroys them

    // Window state.
    bool Show(int id = -1) const;
    bool Hide(int id = -1) const;
    bool Enable(int id = -1) const;
    bool Disable(int id = -1) const;
    bool Focus(int id = -1) const;
    bool isFocus(int id = -1) const;
    bool Redraw(int id = -1) const;
    bool CacheDim(int id = -1);                    // place (in the parent) and size
    bool Position(int x, int y, int width, int height, int id = -1) const;  // 0: cached

    // Fonts, measuring and painting.
    bool SetFont(HFONT font, int id = -1, HWND window = nullptr) const;
    void SetDefFont(HFONT font);
    HFONT GetDefFont() const;
    DRect GetDimRect(int id = -1, HWND parent = nullptr) const;
    DRect GetOwnerDim(HWND window = nullptr) const;
    // The first length characters, in the window's font (the control's when null).
    SIZE GetTextDim(DName const& text, unsigned length = 0xFFFFFFFF,
                    HWND window = nullptr) const;
    long GetTextWidth(DName const& text, unsigned length = 0xFFFFFFFF, HWND window = nullptr) const;
    long GetTextHeight(DName const& text, unsigned length = 0xFFFFFFFF, HWND window = nullptr) const;
    // Dialog units to pixels: in the window's dialog (the parent when null),
    // or with the system's base units for windows outside any dialog.
    bool DuToWu(RECT& rect, HWND window = nullptr) const;
    static void WuToDu(RECT& rect);
    bool Fill(COLORREF colour, int id = -1, HWND window = nullptr) const;

    // Cursor: the one shown before the first change is restored later.
    bool SetCursor(char const* name);              // a system cursor; IDC_ ids accepted
    bool SetCursor(DName const& name);
    bool SetCursor(HCURSOR cursor);
    void RestoreCursor();

    // Resource modules.
    bool SetResource(DName const& module);         // records a loaded module
    bool SetResource(HINSTANCE module);            // also makes it the program's current one
    void RestoreResource();
    HINSTANCE GetResource() const;                 // the program's current one when none recorded
    static HINSTANCE GetAppResource();

protected:
    void SetItem(unsigned long id);                // dialog-item mode for id
    void SetIndex(int index);                      // created mode for index
    void SetWnd(HWND window);
    int MakeWindow(char const* windowClass, DName const& text, unsigned long style,
                   bool clientEdge, int x, int y, int width, int height,
                   unsigned long controlId);
    // True when the control exists and does not answer with an error (< 0).
    bool ListMsg(unsigned long message, int id, WPARAM wparam = 0, LPARAM lparam = 0) const;
    DName WindowText(int id) const;
    static DName Decimal(unsigned long value);   // "0" for 0
    static DName TwoPlaces(double value);        // "%.02f"
    DName ItemText(unsigned long lengthMessage, unsigned long textMessage, WPARAM index,
                   int id) const;

private:
    int Which(int id) const;

    HWND* created;
    unsigned createdCount;
    HWND parent;
    HWND handle;
    int id;
    long cachedWidth;
    long cachedHeight;
    long cachedLeft;
    long cachedTop;
    HFONT defFont;
    bool createdMode;
    HINSTANCE resource;
    HINSTANCE previousResource;
    bool resourceSaved;
    HCURSOR savedCursor;
    bool cursorSaved;
};

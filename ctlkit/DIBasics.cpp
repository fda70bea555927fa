#include "DIBasics.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The module the program currently loads its resources from; null stands for
// the program itself.
HINSTANCE appResource = nullptr;

}

DIBasics::DIBasics(HWND parent, int id)
    : created(nullptr), createdCount(0), parent(parent), handle(nullptr), id(id),
      cachedWidth(0), cachedHeight(0), cachedLeft(0), cachedTop(0), defFont(nullptr),
      createdMode(false), resource(nullptr), previousResource(nullptr), resourceSaved(false),
      savedCursor(nullptr), cursorSaved(false)
{
}

DIBasics::~DIBasics()
{
    DestroyCreation();
    RestoreCursor();
}

void DIBasics::SetParent(HWND window, int newId)
{
    parent = window;
    SetId(static_cast<unsigned long>(newId));
}

void DIBasics::SetId(unsigned long newId)
{
    if (newId != 0xFFFFFFFFul)
        id = static_cast<int>(newId);
}

HWND DIBasics::GetParent() const
{
    return parent ? parent : GetActiveWindow();
}

int DIBasics::GetId() const
{
    return id;
}

int DIBasics::Which(int given) const
{
    return given == -1 ? id : given;
}

HWND DIBasics::GetHandle(int given, HWND window) const
{
    if (!createdMode && Which(given) < 1)
        return nullptr;
    return GetIdHandle(given, window);
}

HWND DIBasics::GetIdHandle(int given, HWND window) const
{
    int const which = Which(given);
    if (createdMode)
        return which >= 0 && static_cast<unsigned>(which) < createdCount ? created[which] : nullptr;
    return GetDlgItem(window ? window : GetParent(), which);
}

LRESULT DIBasics::ParentMsg(unsigned long message, int given, WPARAM wparam, LPARAM lparam) const
{
    if (createdMode) {
        HWND window = GetIdHandle(given);
        return window ? SendMessageA(window, message, wparam, lparam) : 0;
    }
    return SendDlgItemMessageA(GetParent(), Which(given), message, wparam, lparam);
}

HWND DIBasics::GetWnd() const
{
    return handle;
}

void DIBasics::SetWnd(HWND window)
{
    handle = window;
}

int DIBasics::SetCreation(HWND window)
{
    if (!window)
        return -1;
    void* grown = std::realloc(created, (createdCount + 1) * sizeof(HWND));
    if (!grown)
        return -1;
    created = static_cast<HWND*>(grown);
    created[createdCount] = window;
    // The wrapper goes on with the window it has just made.
    createdMode = true;
    id = static_cast<int>(createdCount++);
    SetFont(defFont, -1, window);
    return id;
}

void DIBasics::SetCreated()
{
    createdMode = true;
}

void DIBasics::SetNotCreated()
{
    createdMode = false;
}

bool DIBasics::isCreated() const
{
    return createdMode;
}

unsigned DIBasics::GetTotalCreated() const
{
    return createdCount;
}

void DIBasics::DestroyCreation()
{
    std::free(created);
    created = nullptr;
    createdCount = 0;
}

void DIBasics::SetItem(unsigned long newId)
{
    createdMode = false;
    SetId(newId);
}

void DIBasics::SetIndex(int index)
{
    createdMode = true;
    id = index;
}

int DIBasics::MakeWindow(char const* windowClass, DName const& text, unsigned long style,
                         bool clientEdge, int x, int y, int width, int height,
                         unsigned long controlId)
{
    HWND const owner = GetParent();
    RECT place = {x, y, x + width, y + height};
    // Outside a dialog there is no dialog font: fall back to the system's units.
    if (!DuToWu(place, owner))
        WuToDu(place);
    HWND window = CreateWindowExA(clientEdge ? WS_EX_CLIENTEDGE : 0, windowClass, text.Name(),
                                  style | WS_CHILD | WS_VISIBLE, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, owner,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                                  GetModuleHandleA(nullptr), nullptr);
    return SetCreation(window);
}

bool DIBasics::ListMsg(unsigned long message, int given, WPARAM wparam, LPARAM lparam) const
{
    return GetIdHandle(given) && ParentMsg(message, given, wparam, lparam) >= 0;
}

DName DIBasics::WindowText(int given) const
{
    DName text;
    LRESULT const length = ParentMsg(WM_GETTEXTLENGTH, given);
    if (length <= 0 || !text.Alloc(static_cast<unsigned>(length) + 1))
        return DName();
    LRESULT const copied = ParentMsg(WM_GETTEXT, given, static_cast<WPARAM>(length) + 2,
                                     reinterpret_cast<LPARAM>(text.Handle()));
    // The text may have shrunk since its length was asked.
    if (copied <= 0)
        return DName();
    if (static_cast<unsigned>(copied) < text.Size())
        text.DelRight(text.Size() - static_cast<unsigned>(copied));
    return text;
}

DName DIBasics::ItemText(unsigned long lengthMessage, unsigned long textMessage, WPARAM index,
                         int given) const
{
    DName text;
    LRESULT const length = ParentMsg(lengthMessage, given, index);
    if (length <= 0 || length >= 65520 || !text.Alloc(static_cast<unsigned>(length) + 1))
        return DName();
    LRESULT const copied = ParentMsg(textMessage, given, index,
                                     reinterpret_cast<LPARAM>(text.Handle()));
    if (copied <= 0 || copied > length)
        return DName();
    text.DelRight(text.Size() - static_cast<unsigned>(copied));
    return text;
}

DName DIBasics::Decimal(unsigned long value)
{
    DName text;
    text.FromLong(value);
    return text;
}

DName DIBasics::TwoPlaces(double value)
{
    char text[320];  // room for the largest double in fixed notation
    std::snprintf(text, sizeof text, "%.02f", value);
    return text;
}

bool DIBasics::Show(int given) const
{
    return ShowWindow(GetHandle(given), SW_SHOW) != 0;
}

bool DIBasics::Hide(int given) const
{
    return ShowWindow(GetHandle(given), SW_HIDE) != 0;
}

bool DIBasics::Enable(int given) const
{
    return EnableWindow(GetHandle(given), TRUE) != 0;
}

bool DIBasics::Disable(int given) const
{
    return EnableWindow(GetHandle(given), FALSE) != 0;
}

bool DIBasics::Focus(int given) const
{
    HWND window = GetHandle(given);
    if (!window)
        return false;
    ::SetFocus(window);
    return GetFocus() == window;
}

bool DIBasics::isFocus(int given) const
{
    HWND window = GetHandle(given);
    return window && GetFocus() == window;
}

bool DIBasics::Redraw(int given) const
{
    HWND window = GetHandle(given);
    return window && RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
}

bool DIBasics::CacheDim(int given)
{
    HWND window = GetHandle(given);
    RECT place;
    if (!window || !GetWindowRect(window, &place))
        return false;
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT),
                    reinterpret_cast<POINT*>(&place), 2);
    cachedLeft = place.left;
    cachedTop = place.top;
    cachedWidth = place.right - place.left;
    cachedHeight = place.bottom - place.top;
    return true;
}

bool DIBasics::Position(int x, int y, int width, int height, int given) const
{
    HWND window = GetHandle(given);
    return window && SetWindowPos(window, HWND_TOP, x ? x : cachedLeft, y ? y : cachedTop,
                                  width ? width : cachedWidth, height ? height : cachedHeight,
                                  SWP_SHOWWINDOW);
}

bool DIBasics::SetFont(HFONT font, int given, HWND window) const
{
    HWND target = window ? window : GetHandle(given);
    if (!target)
        return false;
    HGDIOBJ const used = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    SendMessageA(target, WM_SETFONT, reinterpret_cast<WPARAM>(used), TRUE);
    return true;
}

void DIBasics::SetDefFont(HFONT font)
{
    defFont = font;
}

HFONT DIBasics::GetDefFont() const
{
    return defFont;
}

DRect DIBasics::GetDimRect(int given, HWND window) const
{
    return DRect(GetHandle(given, window));
}

DRect DIBasics::GetOwnerDim(HWND window) const
{
    return DRect(window ? window : GetParent());
}

SIZE DIBasics::GetTextDim(DName const& text, unsigned length, HWND window) const
{
    SIZE extent = {0, 0};
    unsigned const count = length < text.Size() ? length : text.Size();
    if (!count)
        return extent;
    HWND const target = window ? window : GetHandle();
    HDC dc = GetDC(target);
    if (!dc)
        return extent;
    // Measure in the window's own font, not the device context's default.
    HGDIOBJ const font = target ? reinterpret_cast<HGDIOBJ>(SendMessageA(target, WM_GETFONT, 0, 0))
                                : nullptr;
    HGDIOBJ const before = font ? SelectObject(dc, font) : nullptr;
    if (!GetTextExtentPoint32A(dc, text.Name(), static_cast<int>(count), &extent))
        extent.cx = extent.cy = 0;
    if (before)
        SelectObject(dc, before);
    ReleaseDC(target, dc);
    return extent;
}

long DIBasics::GetTextWidth(DName const& text, unsigned length, HWND window) const
{
    return GetTextDim(text, length, window).cx;
}

long DIBasics::GetTextHeight(DName const& text, unsigned length, HWND window) const
{
    return GetTextDim(text, length, window).cy;
}

bool DIBasics::DuToWu(RECT& rect, HWND window) const
{
    return MapDialogRect(window ? window : GetParent(), &rect) != FALSE;
}

void DIBasics::WuToDu(RECT& rect)
{
    LONG const units = GetDialogBaseUnits();
    long const bx = LOWORD(units);
    long const by = HIWORD(units);
    rect.left = rect.left * bx / 4;
    rect.right = rect.right * bx / 4;
    rect.top = rect.top * by / 8;
    rect.bottom = rect.bottom * by / 8;
}

bool DIBasics::Fill(COLORREF colour, int given, HWND window) const
{
    HWND target = GetHandle(given, window);
    if (!target)
        return false;
    HDC dc = GetDC(target);
    if (!dc)
        return false;
    RECT area;
    GetClientRect(target, &area);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(target, dc);
    return true;
}

bool DIBasics::SetCursor(char const* name)
{
    return name && SetCursor(LoadCursorA(nullptr, name));
}

bool DIBasics::SetCursor(DName const& name)
{
    return !name.isEmpty() && SetCursor(name.Name());
}

bool DIBasics::SetCursor(HCURSOR cursor)
{
    if (!cursor)
        return false;
    HCURSOR const before = ::SetCursor(cursor);
    if (!cursorSaved) {
        savedCursor = before;
        cursorSaved = true;
    }
    return true;
}

void DIBasics::RestoreCursor()
{
    if (!cursorSaved)
        return;
    ::SetCursor(savedCursor);
    cursorSaved = false;
}

bool DIBasics::SetResource(DName const& module)
{
    if (module.isEmpty())
        return false;
    HINSTANCE const loaded = GetModuleHandleA(module.Name());
    if (!loaded)
        return false;
    resource = loaded;
    return true;
}

bool DIBasics::SetResource(HINSTANCE module)
{
    if (!module)
        return false;
    resource = module;
    previousResource = appResource;
    resourceSaved = true;
    appResource = module;
    return true;
}

void DIBasics::RestoreResource()
{
    if (!resourceSaved)
        return;
    appResource = previousResource;
    resourceSaved = false;
}

HINSTANCE DIBasics::GetResource() const
{
    return resource ? resource : GetAppResource();
}

HINSTANCE DIBasics::GetAppResource()
{
    return appResource ? appResource : GetModuleHandleA(nullptr);
}

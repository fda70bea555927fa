#include "DListControl.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "DListSource.h"
#include "IconCache.h"

namespace {

char const* const reportTitles[] = {"File Name", "Drive",      "Full Path",        "Size",
                                    "Attributes", "Created On", "Last Accessed On", "Written On"};
char const padText[] = "XX";
int const reportWidth = 75;
int const flatWidth = 125;        // every column in small-icon and list views
long const narrowest = 20;
int const iconWidth = 16;
int const textMax = 260;
unsigned const maxDeletes = 65535;
// Images are shared, so the lists stay small; grow them in modest steps.
int const imageGrowth = 64;

// The shell wants the component library on the calling thread; once per
// thread is enough, and the walk calls from its own thread.
thread_local bool componentsReady = false;

}

DListControl::DListControl(HWND parent, int id)
    : DIBasics(parent, id), autoAdjust(false), columnCount(0), widthLimit(65535),
      reportColumns(0), columns(nullptr), smallImages(nullptr), largeImages(nullptr),
      sharedImages(nullptr), sharedCount(0), source(nullptr), icons(new IconCache),
      hookedParent(nullptr), hookedList(nullptr), charWidths(), charsMeasured(false)
{
}

DListControl::~DListControl()
{
    Unhook();
    RemoveIcons();
    std::free(columns);
    delete icons;
}

DListControl& DListControl::operator[](unsigned long id)
{
    DIBasics::SetItem(id);
    return *this;
}

DListControl& DListControl::operator()(int index)
{
    SetIndex(index);
    return *this;
}

int DListControl::Create(int x, int y, int width, int height, DName const& title,
                         unsigned long style, HWND owner, unsigned long controlId)
{
    if (owner)
        SetParent(owner);
    return MakeWindow(WC_LISTVIEWA, title, style, true, x, y, width, height, controlId);
}

bool DListControl::SetupReportStyle(unsigned long bits)
{
    reportColumns = bits;
    for (unsigned n = 0; n < maxDeletes && DelColumn(0); ++n) {
    }
    bool all = true;
    for (unsigned bit = 0; bit < sizeof reportTitles / sizeof *reportTitles; ++bit) {
        if (!(bits & (1ul << bit)))
            continue;
        unsigned const index = columnCount;
        if (InsertColumn(reportTitles[bit], index, reportWidth))
            AdjustColumn(index);
        else
            all = false;
    }
    return all;
}

unsigned long DListControl::GetReportStyle() const
{
    return reportColumns;
}

bool DListControl::InsertColumn(DName const& title, unsigned index, int width)
{
    if (title.isEmpty() || index > columnCount || !RememberWidth(index, Cut(width)))
        return false;
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title.Name());
    column.iSubItem = static_cast<int>(index);
    if (ListMsg(LVM_INSERTCOLUMNA, -1, index, reinterpret_cast<LPARAM>(&column)))
        return true;
    ForgetWidth(index);
    return false;
}

bool DListControl::SetColumn(DName const& title, unsigned index, int width)
{
    if (index == columnCount)
        return InsertColumn(title, index, width);
    if (title.isEmpty() || index > columnCount)
        return false;
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = width;
    column.pszText = const_cast<char*>(title.Name());
    if (!ParentMsg(LVM_SETCOLUMNA, -1, index, reinterpret_cast<LPARAM>(&column)))
        return false;
    columns[index].width = Cut(width);
    return true;
}

bool DListControl::DelColumn(unsigned index)
{
    if (!ParentMsg(LVM_DELETECOLUMN, -1, index))
        return false;
    // A column that the window had before this wrapper has nothing to forget.
    if (index < columnCount)
        ForgetWidth(index);
    return true;
}

bool DListControl::SetColumnWidth(unsigned index, int width)
{
    unsigned long const cut = Cut(width);
    if (index < columnCount)
        columns[index].width = cut;
    return ParentMsg(LVM_SETCOLUMNWIDTH, -1, index, MAKELPARAM(cut & 0xFFFF, 0)) != 0;
}

bool DListControl::AdjustColumn(unsigned index, int extra)
{
    if (index >= columnCount)
        return false;
    long widest = HeaderFit(index);
    if (!extra)
        extra = Pad();
    // A virtual list knows its widest text without reading every row.
    if (isVirtual() && static_cast<long>(columns[index].widest) > widest)
        widest = static_cast<long>(columns[index].widest);
    unsigned long const rows = isVirtual() ? 0 : GetTotal();
    for (unsigned long row = 0; row < rows; ++row) {
        long const width = GetStringWidth(GetText(row, index));
        if (width > widest)
            widest = width;
    }
    unsigned long const total = Cut(widest + extra + (IconRoom(index) ? iconWidth : 0));
    if (total < static_cast<unsigned long>(narrowest))
        return false;
    return SetColumnWidth(index, static_cast<int>(total));
}

int DListControl::GetColumnWidth(unsigned index) const
{
    return static_cast<int>(ParentMsg(LVM_GETCOLUMNWIDTH, -1, index));
}

DName DListControl::GetColumnText(unsigned index) const
{
    char text[textMax + 1] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    if (!ParentMsg(LVM_GETCOLUMNA, -1, index, reinterpret_cast<LPARAM>(&column)))
        return DName();
    return DName(column.pszText);
}

unsigned long DListControl::GetTotalColumns() const
{
    return columnCount;
}

bool DListControl::SetStyle(unsigned long view)
{
    HWND const window = GetIdHandle();
    if (!window)
        return false;
    view &= LVS_TYPEMASK;
    LONG const style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((style & ~LVS_TYPEMASK) | view));
    for (unsigned column = 0; column < columnCount; ++column) {
        if (view == LVS_REPORT || view == LVS_ICON)
            AdjustColumn(column);
        else
            SetColumnWidth(column, flatWidth);
    }
    // The control keeps the old view's pixels where the new one paints nothing.
    Repaint();
    return true;
}

unsigned long DListControl::GetStyle() const
{
    HWND const window = GetIdHandle();
    return window ? GetWindowLongA(window, GWL_STYLE) & LVS_TYPEMASK : 0;
}

void DListControl::SetAutoAdjust(bool on)
{
    autoAdjust = on;
}

void DListControl::SetAutoAdjustLimit(unsigned long limit)
{
    if (limit)
        widthLimit = limit;
}

bool DListControl::SetGridLines() const
{
    return AddExtendedStyle(LVS_EX_GRIDLINES);
}

bool DListControl::SetExtendedSelection() const
{
    return AddExtendedStyle(LVS_EX_FULLROWSELECT);
}

bool DListControl::SortDescending() const
{
    return SetExtendedSelection();
}

bool DListControl::SortAscending() const
{
    return AddExtendedStyle(LVS_EX_HEADERDRAGDROP);
}

bool DListControl::SetBkColor(COLORREF colour) const
{
    return ParentMsg(LVM_SETBKCOLOR, -1, 0, static_cast<LPARAM>(colour)) != 0;
}

bool DListControl::SetTextColor(COLORREF colour) const
{
    return ParentMsg(LVM_SETTEXTCOLOR, -1, 0, static_cast<LPARAM>(colour)) != 0;
}

HWND DListControl::SetToolTips(HWND tips) const
{
    return reinterpret_cast<HWND>(ParentMsg(LVM_SETTOOLTIPS, -1, reinterpret_cast<WPARAM>(tips)));
}

bool DListControl::CreateIcons()
{
    HIMAGELIST const small16 = ImageList_Create(16, 16, ILC_MASK | ILC_COLORDDB, 0, imageGrowth);
    HIMAGELIST const large32 = ImageList_Create(32, 32, ILC_MASK | ILC_COLORDDB, 0, imageGrowth);
    if (!small16 || !large32) {
        DropImages(small16, large32);
        RemoveIcons();
        return false;
    }
    // The lists are the wrapper's: the window must not destroy them with itself.
    HWND const window = GetIdHandle();
    if (window)
        SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    // The window gets the new lists before the old ones go, so that it never
    // paints with a destroyed one.
    AttachImages(small16, large32);
    DropImages(smallImages, largeImages);
    smallImages = small16;
    largeImages = large32;
    return true;
}

void DListControl::RemoveIcons()
{
    if (!smallImages && !largeImages)
        return;
    AttachImages(nullptr, nullptr);
    DropImages(smallImages, largeImages);
    smallImages = nullptr;
    largeImages = nullptr;
}

bool DListControl::SetImage(DName const& path, char const* iconSource, unsigned item,
                            unsigned column)
{
    if (path.isEmpty() || column >= columnCount)
        return false;
    int const image = SharedImage(iconSource ? iconSource : path.Name(), 0);
    return SetImage(image < 0 ? 0 : image, path, item, column);
}

bool DListControl::SetImage(int image, DName const& text, unsigned item, unsigned column)
{
    return WriteCell(text, item, column, LVIF_IMAGE | LVIF_STATE, image);
}

bool DListControl::SetText(DName const& text, unsigned item, unsigned column)
{
    return WriteCell(text, item, column, 0, 0);
}

bool DListControl::SetInt(unsigned long value, unsigned item, unsigned column)
{
    return SetText(Decimal(value), item, column);
}

bool DListControl::SetDouble(double value, unsigned item, unsigned column)
{
    return SetText(TwoPlaces(value), item, column);
}

bool DListControl::SetItem(void const* data, DName const& text, unsigned item, unsigned column)
{
    LVITEMA row = {};
    row.mask = LVIF_PARAM | (text.isEmpty() ? 0 : LVIF_TEXT);
    row.iItem = static_cast<int>(item);
    row.iSubItem = static_cast<int>(column);
    row.pszText = const_cast<char*>(text.Name());
    row.lParam = reinterpret_cast<LPARAM>(data);
    return ListMsg(LVM_INSERTITEMA, -1, 0, reinterpret_cast<LPARAM>(&row));
}

bool DListControl::SetItem(void const* data, unsigned item, unsigned column)
{
    return SetItem(data, DName(), item, column);
}

DName DListControl::GetText(unsigned item, unsigned column) const
{
    char text[textMax + 1] = "";
    LVITEMA cell = {};
    cell.mask = LVIF_TEXT;
    cell.iItem = static_cast<int>(item);
    cell.iSubItem = static_cast<int>(column);
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    if (!ParentMsg(LVM_GETITEMA, -1, 0, reinterpret_cast<LPARAM>(&cell)) || !cell.pszText)
        return DName();
    // The control may answer with its own buffer instead of ours.
    return DName(cell.pszText);
}

bool DListControl::DelItem(unsigned item) const
{
    return ParentMsg(LVM_DELETEITEM, -1, item) != 0;
}

bool DListControl::Reset()
{
    if (autoAdjust) {
        for (unsigned column = 0; column < columnCount; ++column) {
            int const width = HeaderFit(column);
            SetColumnWidth(column, width ? width : reportWidth);
        }
    }
    // The font may have changed since the last measure.
    charsMeasured = false;
    if (autoAdjust && isVirtual()) {
        for (unsigned column = 0; column < columnCount; ++column)
            Widen(columns[column].widest, static_cast<unsigned long>(Pad()), column);
    }
    return ParentMsg(LVM_DELETEALLITEMS) != 0;
}

unsigned long DListControl::GetTotal() const
{
    LRESULT const count = ParentMsg(LVM_GETITEMCOUNT);
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

int DListControl::GetStringWidth(DName const& text) const
{
    return static_cast<int>(ParentMsg(LVM_GETSTRINGWIDTHA, -1, 0,
                                      reinterpret_cast<LPARAM>(text.Name())));
}

unsigned DListControl::GetHorizontalSpace() const
{
    return LOWORD(ParentMsg(LVM_GETITEMSPACING, -1, FALSE));
}

unsigned DListControl::GetVerticalSpace() const
{
    return HIWORD(ParentMsg(LVM_GETITEMSPACING, -1, FALSE));
}

bool DListControl::SetSel(unsigned item, bool show) const
{
    return SetSelected(item, true, show);
}

bool DListControl::SetDesel(unsigned item, bool show) const
{
    return SetSelected(item, false, show);
}

bool DListControl::isSel(unsigned item) const
{
    return ParentMsg(LVM_GETITEMSTATE, -1, item, LVIS_SELECTED) != 0;
}

int DListControl::GetFirstSelect() const
{
    return GetNextSelect(-1);
}

int DListControl::GetNextSelect(int after) const
{
    if (!GetIdHandle())
        return -1;
    return static_cast<int>(ParentMsg(LVM_GETNEXTITEM, -1, static_cast<WPARAM>(after),
                                      MAKELPARAM(LVNI_SELECTED, 0)));
}

bool DListControl::SetSelAll(bool selected) const
{
    LVITEMA state = {};
    state.state = selected ? LVIS_SELECTED : 0;
    state.stateMask = LVIS_SELECTED;
    return ParentMsg(LVM_SETITEMSTATE, -1, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&state)) != 0;
}

unsigned long DListControl::GetSelected() const
{
    return static_cast<unsigned long>(ParentMsg(LVM_GETSELECTEDCOUNT));
}

int DListControl::GetIndex() const
{
    if (!GetIdHandle())
        return -1;
    return static_cast<int>(ParentMsg(LVM_GETSELECTIONMARK));
}

int DListControl::SetRow(int item) const
{
    return static_cast<int>(ParentMsg(LVM_SETHOTITEM, -1, static_cast<WPARAM>(item)));
}

bool DListControl::MakeVisible(unsigned item) const
{
    ParentMsg(LVM_ENSUREVISIBLE, -1, item, FALSE);
    return true;
}

bool DListControl::isVirtual() const
{
    HWND const window = GetIdHandle();
    return window && (GetWindowLongA(window, GWL_STYLE) & LVS_OWNERDATA);
}

bool DListControl::SetSource(DListSource* given)
{
    // Letting go of a source needs no window: one that is gone asks nothing.
    if (given && (!isVirtual() || !Hook()))
        return false;
    source.store(given);
    return true;
}

bool DListControl::SetRowCount(unsigned long rows, bool repaint) const
{
    LPARAM const flags = repaint ? 0 : LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL;
    return ListMsg(LVM_SETITEMCOUNT, -1, rows, flags);
}

void DListControl::FitText(char const* text, unsigned length, unsigned column)
{
    if (column >= columnCount)
        return;
    if (!charsMeasured)
        MeasureChars();
    unsigned long width = 0;
    for (unsigned i = 0; i < length; ++i)
        width += static_cast<unsigned long>(charWidths[static_cast<unsigned char>(text[i])]);
    if (width > columns[column].widest)
        columns[column].widest = width;
    unsigned long const pad = 2ul * static_cast<unsigned long>(charWidths[static_cast<unsigned char>('X')]);
    Widen(width, pad, column);
}

void DListControl::SetEmptyText(DName const& text)
{
    emptyText = text;
    if (Hook())
        Repaint();
}

void DListControl::ForgetTexts()
{
    for (unsigned column = 0; column < columnCount; ++column)
        columns[column].widest = 0;
}

void DListControl::Repaint() const
{
    HWND const window = GetIdHandle();
    if (window)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool DListControl::NewText(DName const& text, unsigned column)
{
    return Widen(static_cast<unsigned long>(GetStringWidth(text)),
                 static_cast<unsigned long>(Pad()), column);
}

// Columns grow while rows are written, never shrink; only with auto-adjust
// on does the visible width follow the remembered one.
bool DListControl::Widen(unsigned long width, unsigned long pad, unsigned column)
{
    if (column >= columnCount)
        return false;
    if (width + pad < columns[column].width || width + pad < static_cast<unsigned long>(narrowest))
        return false;
    unsigned long const candidate = width + 2 * pad;
    unsigned long const grown =
        Cut(static_cast<long>(candidate)) + (IconRoom(column) ? iconWidth : 0);
    // A column at its limit stays as it is, without asking the window about
    // its header for every wider text.
    if (grown <= columns[column].width)
        return false;
    unsigned long const header = static_cast<unsigned long>(GetStringWidth(GetColumnText(column)));
    if (candidate <= header + pad)
        return false;
    if (autoAdjust)
        SetColumnWidth(column, static_cast<int>(grown));
    columns[column].width = grown;
    return true;
}

bool DListControl::WriteCell(DName const& text, unsigned item, unsigned column, UINT mask,
                             int image)
{
    if (text.isEmpty() || column >= columnCount)
        return false;
    NewText(text, column);
    LVITEMA cell = {};
    cell.mask = LVIF_TEXT | mask;
    cell.iItem = static_cast<int>(item);
    cell.iSubItem = static_cast<int>(column);
    cell.pszText = const_cast<char*>(text.Name());
    cell.cchTextMax = textMax;
    cell.iImage = image;
    if (!column)
        return ListMsg(LVM_INSERTITEMA, -1, 0, reinterpret_cast<LPARAM>(&cell));
    // Setting a cell answers false, not -1, when the row does not exist.
    return ParentMsg(LVM_SETITEMA, -1, 0, reinterpret_cast<LPARAM>(&cell)) != 0;
}

// The widths that GetStringWidth would give, character by character, so that
// measuring a text needs no message to the window's thread.
void DListControl::MeasureChars()
{
    HWND const window = GetIdHandle();
    HGDIOBJ font = window ? reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0))
                          : nullptr;
    if (!font)
        font = GetStockObject(DEFAULT_GUI_FONT);
    HDC const dc = CreateCompatibleDC(nullptr);
    HGDIOBJ const before = dc ? SelectObject(dc, font) : nullptr;
    if (!dc || !GetCharWidth32A(dc, 0, 255, charWidths)) {
        for (int& width : charWidths)
            width = 8;
    }
    if (dc) {
        SelectObject(dc, before);
        DeleteDC(dc);
    }
    charsMeasured = true;
}

// The answers for the rows come through the parent, to which the window
// sends its notifications; the empty text is painted over the window's own.
bool DListControl::Hook()
{
    HWND const window = GetIdHandle();
    if (!window)
        return false;
    if (window == hookedList)
        return true;
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
        return false;
    Unhook();
    HWND const parent = ::GetParent(window);
    UINT_PTR const id = reinterpret_cast<UINT_PTR>(this);
    DWORD_PTR const self = reinterpret_cast<DWORD_PTR>(this);
    if (!parent || !SetWindowSubclass(parent, ParentHook, id, self))
        return false;
    hookedParent = parent;
    if (!SetWindowSubclass(window, ListHook, id, self)) {
        Unhook();
        return false;
    }
    hookedList = window;
    return true;
}

void DListControl::Unhook()
{
    UINT_PTR const id = reinterpret_cast<UINT_PTR>(this);
    if (hookedParent)
        RemoveWindowSubclass(hookedParent, ParentHook, id);
    if (hookedList)
        RemoveWindowSubclass(hookedList, ListHook, id);
    hookedParent = nullptr;
    hookedList = nullptr;
}

LRESULT CALLBACK DListControl::ParentHook(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam, UINT_PTR id, DWORD_PTR self)
{
    auto* const list = reinterpret_cast<DListControl*>(self);
    if (message == WM_NOTIFY) {
        NMHDR* const header = reinterpret_cast<NMHDR*>(lparam);
        if (header->hwndFrom == list->hookedList && header->code == LVN_GETDISPINFOA) {
            list->Answer(reinterpret_cast<NMLVDISPINFOA*>(lparam)->item);
            return 0;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ParentHook, id);
        list->hookedParent = nullptr;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

LRESULT CALLBACK DListControl::ListHook(HWND window, UINT message, WPARAM wparam,
                                        LPARAM lparam, UINT_PTR id, DWORD_PTR self)
{
    auto* const list = reinterpret_cast<DListControl*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ListHook, id);
        list->hookedList = nullptr;
        return DefSubclassProc(window, message, wparam, lparam);
    }
    LRESULT const result = DefSubclassProc(window, message, wparam, lparam);
    if ((message == WM_PAINT || message == WM_PRINTCLIENT) && !list->emptyText.isEmpty()
        && !SendMessageA(window, LVM_GETITEMCOUNT, 0, 0))
        list->PaintEmpty(window, message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wparam)
                                                           : nullptr);
    return result;
}

void DListControl::Answer(LVITEMA& item)
{
    DListSource const* const from = source.load();
    if (item.iItem < 0 || item.iSubItem < 0)
        return;
    unsigned const row = static_cast<unsigned>(item.iItem);
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        if (from)
            from->CellText(row, static_cast<unsigned>(item.iSubItem), item.pszText,
                           static_cast<unsigned>(item.cchTextMax));
        else
            item.pszText[0] = '\0';
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = from && item.iSubItem == 0 ? RowImage(row, *from) : 0;
}

// Files of one kind share an image, found once; a file that the shell
// cannot find, or a folder gone since, gets the icon of its kind by name.
int DListControl::RowImage(unsigned row, DListSource const& from)
{
    bool folder = false;
    char const* const path = from.IconFile(row, folder);
    if (!path)
        return 0;
    std::string const key = IconCache::Key(path, folder);
    int image = 0;
    if (icons->Find(key, image))
        return image;
    image = SharedImage(path, 0);
    if (image < 0)
        image = SharedImage(path, folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL);
    if (image < 0)
        return 0;
    icons->Remember(key, image);
    return image;
}

void DListControl::PaintEmpty(HWND window, HDC given) const
{
    HDC const dc = given ? given : GetDC(window);
    if (!dc)
        return;
    RECT area;
    GetClientRect(window, &area);
    HWND const header = reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0));
    RECT bar;
    if (header && IsWindowVisible(header) && GetWindowRect(header, &bar))
        area.top += bar.bottom - bar.top;
    area.top += GetSystemMetrics(SM_CYEDGE) * 2;
    HGDIOBJ const font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ const before = font ? SelectObject(dc, font) : nullptr;
    int const mode = SetBkMode(dc, TRANSPARENT);
    COLORREF const colour = ::SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(dc, emptyText.Name(), -1, &area, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    ::SetTextColor(dc, colour);
    SetBkMode(dc, mode);
    if (before)
        SelectObject(dc, before);
    if (!given)
        ReleaseDC(window, dc);
}

bool DListControl::SetSelected(unsigned item, bool selected, bool show) const
{
    // The item's state alone, which a virtual list keeps as any list does.
    if (item >= GetTotal())
        return false;
    LVITEMA state = {};
    state.state = selected ? LVIS_SELECTED : 0;
    state.stateMask = LVIS_SELECTED;
    if (!ParentMsg(LVM_SETITEMSTATE, -1, item, reinterpret_cast<LPARAM>(&state)))
        return false;
    if (show)
        MakeVisible(item);
    return true;
}

bool DListControl::AddExtendedStyle(DWORD bits) const
{
    if (!GetIdHandle())
        return false;
    LRESULT const style = ParentMsg(LVM_GETEXTENDEDLISTVIEWSTYLE);
    ParentMsg(LVM_SETEXTENDEDLISTVIEWSTYLE, -1, 0, style | bits);
    return true;
}

unsigned long DListControl::Cut(long width) const
{
    if (width <= 0)
        return 0;
    return static_cast<unsigned long>(width) > widthLimit ? widthLimit
                                                          : static_cast<unsigned long>(width);
}

int DListControl::Pad() const
{
    return GetStringWidth(padText);
}

int DListControl::HeaderFit(unsigned column) const
{
    return GetStringWidth(GetColumnText(column) + padText);
}

bool DListControl::IconRoom(unsigned column) const
{
    return column == 0 && smallImages && GetStyle() == LVS_REPORT;
}

bool DListControl::RememberWidth(unsigned index, unsigned long width)
{
    void* grown = std::realloc(columns, (columnCount + 1) * sizeof *columns);
    if (!grown)
        return false;
    columns = static_cast<Column*>(grown);
    std::memmove(columns + index + 1, columns + index, (columnCount - index) * sizeof *columns);
    columns[index].width = width;
    columns[index].widest = 0;
    ++columnCount;
    return true;
}

void DListControl::ForgetWidth(unsigned index)
{
    --columnCount;
    std::memmove(columns + index, columns + index + 1, (columnCount - index) * sizeof *columns);
}

// One shell query per call; a new image only for a system icon not seen
// since the lists were made.
int DListControl::SharedImage(char const* file, DWORD attributes)
{
    if (!smallImages || !largeImages)
        return -1;
    if (!componentsReady) {
        HRESULT const started = CoInitialize(nullptr);
        componentsReady = SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
    }
    UINT const byName = attributes ? SHGFI_USEFILEATTRIBUTES : 0;
    SHFILEINFOA info = {};
    if (!SHGetFileInfoA(file, attributes, &info, sizeof info, SHGFI_SYSICONINDEX | byName))
        return -1;
    if (info.iIcon >= 0 && static_cast<unsigned>(info.iIcon) < sharedCount
        && sharedImages[info.iIcon])
        return sharedImages[info.iIcon] - 1;
    if (!SHGetFileInfoA(file, attributes, &info, sizeof info,
                        SHGFI_ICON | SHGFI_SYSICONINDEX | byName)
        || !info.hIcon)
        return -1;
    int const image = ImageList_ReplaceIcon(smallImages, -1, info.hIcon);
    int const twin = ImageList_ReplaceIcon(largeImages, -1, info.hIcon);
    DestroyIcon(info.hIcon);
    if (image < 0 || twin != image) {
        // Keep the two lists in step: an image is in both or in neither.
        if (image >= 0)
            ImageList_Remove(smallImages, image);
        if (twin >= 0)
            ImageList_Remove(largeImages, twin);
        return -1;
    }
    RememberImage(info.iIcon, image);
    return image;
}

// A failure here only costs sharing: the next row of that icon gets its own image.
void DListControl::RememberImage(int systemIndex, int image)
{
    if (systemIndex < 0)
        return;
    unsigned const slot = static_cast<unsigned>(systemIndex);
    if (slot >= sharedCount) {
        unsigned const count = slot + 1 > 2 * sharedCount ? slot + 1 : 2 * sharedCount;
        void* grown = std::realloc(sharedImages, count * sizeof *sharedImages);
        if (!grown)
            return;
        sharedImages = static_cast<int*>(grown);
        std::memset(sharedImages + sharedCount, 0, (count - sharedCount) * sizeof *sharedImages);
        sharedCount = count;
    }
    sharedImages[slot] = image + 1;
}

void DListControl::AttachImages(HIMAGELIST smallList, HIMAGELIST largeList) const
{
    ParentMsg(LVM_SETIMAGELIST, -1, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallList));
    ParentMsg(LVM_SETIMAGELIST, -1, LVSIL_NORMAL, reinterpret_cast<LPARAM>(largeList));
}

// Destroys the lists and forgets which images they held.
void DListControl::DropImages(HIMAGELIST smallList, HIMAGELIST largeList)
{
    if (smallList)
        ImageList_Destroy(smallList);
    if (largeList)
        ImageList_Destroy(largeList);
    std::free(sharedImages);
    sharedImages = nullptr;
    sharedCount = 0;
    icons->Clear();
}

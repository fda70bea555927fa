// DListControl: a list view laid out in result columns, filled cell by cell,
// with shell icons and column widths that follow their contents.
//
// Items and columns count from 0. The wrapper remembers a width for every
// column it inserted: writing a cell may grow it, and with auto-adjust on
// the visible column follows.
//
// A list view made with LVS_OWNERDATA is virtual: it holds no rows but a
// count, and asks a DListSource for the texts and icons of the rows it
// paints. Such a list costs what a screenful costs at any size; its columns
// are fitted to the texts its owner hands to FitText, and selection and item
// states work as in any list.
#pragma once

#include "DIBasics.h"

#include <commctrl.h>

#include <atomic>

class DListSource;
class IconCache;

class CTLKIT_API DListControl : public DIBasics
{
public:
    DListControl(HWND parent = nullptr, int id = 0);
    ~DListControl() override;

    DListControl& operator[](unsigned long id);
    DListControl& operator()(int index);

    // Creation and layout. Create takes dialog units; a null parent keeps the stored one.
    int Create(int x, int y, int width, int height, DName const& title, unsigned long style,
               HWND parent = nullptr, unsigned long controlId = 0);
    bool SetupReportStyle(unsigned long bits);
    unsigned long GetReportStyle() const;
    bool InsertColumn(DName const& title, unsigned index, int width);
    bool SetColumn(DName const& title, unsigned index, int width);
    bool DelColumn(unsigned index);
    bool SetColumnWidth(unsigned index, int width);
    bool AdjustColumn(unsigned index, int extra = 0);        // extra 0: the pad
    int GetColumnWidth(unsigned index) const;
    DName GetColumnText(unsigned index) const;
    unsigned long GetTotalColumns() const;
    bool SetStyle(unsigned long view);
    unsigned long GetStyle() const;                           // 0 without a window
    void SetAutoAdjust(bool on);
    void SetAutoAdjustLimit(unsigned long limit);             // 0 keeps the limit
    bool SetGridLines() const;
    bool SetExtendedSelection() const;
    bool SortDescending() const;                              // as SetExtendedSelection
    bool SortAscending() const;                               // header drag and drop
    bool SetBkColor(COLORREF colour) const;
    bool SetTextColor(COLORREF colour) const;
    HWND SetToolTips(HWND tips) const;                        // the tooltips before

    // Icons. Rows whose shell icon is the same share one image.
    bool CreateIcons();
    void RemoveIcons();
    // The text of the cell is path; the icon is that of iconSource, or of path when null.
    bool SetImage(DName const& path, char const* iconSource, unsigned item, unsigned column);
    bool SetImage(int image, DName const& text, unsigned item, unsigned column);

    // Cells and rows. Column 0 inserts a new row at item; other columns
    // write a cell of an existing row.
    bool SetText(DName const& text, unsigned item, unsigned column);
    bool SetInt(unsigned long value, unsigned item, unsigned column);
    bool SetDouble(double value, unsigned item, unsigned column);
    bool SetItem(void const* data, DName const& text, unsigned item, unsigned column);
    bool SetItem(void const* data, unsigned item, unsigned column);
    DName GetText(unsigned item, unsigned column) const;
    bool DelItem(unsigned item) const;
    bool Reset();
    unsigned long GetTotal() const;
    int GetStringWidth(DName const& text) const;
    unsigned GetHorizontalSpace() const;
    unsigned GetVerticalSpace() const;

    // Virtual lists. SetSource must first be called on the window's thread,
    // which then answers for the rows; later calls from any thread replace
    // the source (null: rows show nothing). False for a list that is not
    // virtual or cannot be hooked from this thread.
    bool isVirtual() const;
    bool SetSource(DListSource* source);
    // The number of rows. repaint: the rows show something new, so all are
    // painted again; otherwise only rows past the old count are painted.
    bool SetRowCount(unsigned long rows, bool repaint) const;
    // A text that a row of the column shows: the column grows for it as for
    // a written cell. Measured from the font's character widths, without a
    // message, so a worker may hand over every text.
    void FitText(char const* text, unsigned length, unsigned column);
    // Painted over the list while it has no rows; it is no row.
    void SetEmptyText(DName const& text);
    // Reset keeps the widest texts of a virtual list, so that the same
    // entries shown again need no measuring; this forgets them.
    void ForgetTexts();
    // Invalidates and erases the whole control, then paints it.
    void Repaint() const;

    // Selection.
    bool SetSel(unsigned item, bool show = false) const;
    bool SetDesel(unsigned item, bool show = false) const;
    bool isSel(unsigned item) const;
    int GetFirstSelect() const;                               // -1 when none
    int GetNextSelect(int after) const;                       // -1 when none
    // Every row at once, in one message.
    bool SetSelAll(bool selected) const;
    unsigned long GetSelected() const;
    int GetIndex() const;                                     // the selection mark
    int SetRow(int item) const;                               // the hot item before
    bool MakeVisible(unsigned item) const;

private:
    struct Column
    {
        unsigned long width;            // remembered, as cells are written
        unsigned long widest;           // widest text handed to FitText
    };

    bool NewText(DName const& text, unsigned column);
    bool Widen(unsigned long text, unsigned long pad, unsigned column);
    void MeasureChars();
    bool Hook();
    void Unhook();
    static LRESULT CALLBACK ParentHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK ListHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR self);
    void Answer(LVITEMA& item);
    int RowImage(unsigned row, DListSource const& from);
    void PaintEmpty(HWND window, HDC given) const;
    bool WriteCell(DName const& text, unsigned item, unsigned column, UINT mask, int image);
    bool SetSelected(unsigned item, bool selected, bool show) const;
    bool AddExtendedStyle(DWORD bits) const;
    unsigned long Cut(long width) const;                      // to the width limit, never negative
    int Pad() const;
    int HeaderFit(unsigned column) const;                     // the title and the pad
    bool IconRoom(unsigned column) const;                     // room for the icon before the text
    bool RememberWidth(unsigned index, unsigned long width);  // grows the list by one
    void ForgetWidth(unsigned index);                         // shrinks it by one
    // -1 when the shell has no icon. attributes 0: the file's own icon;
    // otherwise the icon of its type with those attributes, from its name.
    int SharedImage(char const* source, DWORD attributes);
    void RememberImage(int systemIndex, int image);
    void AttachImages(HIMAGELIST smallList, HIMAGELIST largeList) const;
    void DropImages(HIMAGELIST smallList, HIMAGELIST largeList);

    bool autoAdjust;
    unsigned long columnCount;
    unsigned long widthLimit;
    unsigned long reportColumns;
    Column* columns;                    // in column order
    HIMAGELIST smallImages;
    HIMAGELIST largeImages;
    // By system icon index: 1 + the image of our lists that shows it, 0 for none yet.
    int* sharedImages;
    unsigned sharedCount;

    std::atomic<DListSource*> source;
    IconCache* icons;
    HWND hookedParent;
    HWND hookedList;
    DName emptyText;
    int charWidths[256];
    bool charsMeasured;
};

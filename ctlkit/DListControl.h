// DListControl: a list view laid out in result columns, filled cell by cell,
// with shell icons and column widths that follow their contents.
//
// Items and columns count from 0. The wrapper remembers a width for every
// column it inserted: writing a cell may grow it, and with auto-adjust on
// the visible column follows.
#pragma once

#include "DIBasics.h"

#include <commctrl.h>

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

    // Selection.
    bool SetSel(unsigned item, bool show = false) const;
    bool SetDesel(unsigned item, bool show = false) const;
    bool isSel(unsigned item) const;
    int GetFirstSelect() const;                               // -1 when none
    unsigned long GetSelected() const;
    int GetIndex() const;                                     // the selection mark
    int SetRow(int item) const;                               // the hot item before
    bool MakeVisible(unsigned item) const;

private:
    bool NewText(DName const& text, unsigned column);
    bool WriteCell(DName const& text, unsigned item, unsigned column, UINT mask, int image);
    bool SetSelected(unsigned item, bool selected, bool show) const;
    bool AddExtendedStyle(DWORD bits) const;
    unsigned long Cut(long width) const;                      // to the width limit, never negative
    int Pad() const;
    int HeaderFit(unsigned column) const;                     // the title and the pad
    bool IconRoom(unsigned column) const;                     // room for the icon before the text
    bool RememberWidth(unsigned index, unsigned long width);  // grows the list by one
    void ForgetWidth(unsigned index);                         // shrinks it by one
    int SharedImage(char const* source);
    void RememberImage(int systemIndex, int image);
    void AttachImages(HIMAGELIST smallList, HIMAGELIST largeList) const;
    void DropImages(HIMAGELIST smallList, HIMAGELIST largeList);

    bool autoAdjust;
    unsigned long columnCount;
    unsigned long widthLimit;
    unsigned long reportColumns;
    unsigned long* widths;              // one per column, in column order
    HIMAGELIST smallImages;
    HIMAGELIST largeImages;
    // By system icon index: 1 + the image of our lists that shows it, 0 for none yet.
    int* sharedImages;
    unsigned sharedCount;
};

// DPropertySheet: a tab strip holding pages, as a child window of the
// window it sits in. Pages are added before the sheet is made; each page's
// window is made when the page is first shown, and the sheet tells a page
// when it is shown and hidden. Showing another page moves the focus to its
// first control when the focus was on the page that goes, unless the page
// took it itself; the tab strip keeps the focus it has, as it does in a
// native sheet.
#pragma once

#include "DDialog.h"
#include "DTabControl.h"

class DPropertyPage;

class CTLKIT_API DPropertySheet : public DDialog
{
public:
    enum { TabId = 0x3020 };    // the tab strip's id inside the sheet

    DPropertySheet();
    ~DPropertySheet() override;

    // The page stays its owner's; false once the sheet is made.
    bool AddPage(DPropertyPage* page);
    // A visible child window of parent at place (client pixels) with the
    // control id; one tab per page, labelled with the page's title.
    bool Create(HWND parent, RECT const& place, int id);

    unsigned GetPageCount() const;
    DPropertyPage* GetPage(unsigned index) const;    // null past the last
    int GetActiveIndex() const;                      // -1 before any page is shown
    // Hides the page shown and shows page index; showing the page already
    // shown changes nothing. False past the last page or when the page's
    // window cannot be made.
    bool SetActivePage(unsigned index);
    // The keys of a native sheet, for the window that holds it to call on
    // every message: Ctrl+Tab and Ctrl+Page Down show the next page,
    // Ctrl+Shift+Tab and Ctrl+Page Up the previous one, round the ends.
    // True when the key was one of them.
    bool TranslateKey(MSG const& msg);
    // The first control that Tab reaches on the page shown takes the
    // focus; the tab strip does when the page has none.
    void FocusPage() const;
    DTabControl& GetTabControl();
    HWND GetTabWnd() const;

    // The tab strip fills the sheet, and each page the strip's display area.
    void SetSize(int width, int height);

protected:
    bool OnInit() override;
    bool OnNotify(unsigned id, NMHDR* header, LRESULT& result) override;

private:
    void PlacePage(HWND page) const;

    DPropertyPage** pages;
    unsigned count;
    int active;
    DTabControl tabs;
};

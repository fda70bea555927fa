// DPropertySheet: a tab strip holding pages, as a child window of the
// window it sits in. Pages are added before the sheet is made; each page's
// window is made when the page is first shown, and the sheet tells a page
// when it is shown and hidden.
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

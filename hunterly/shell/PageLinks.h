// PageLinks: what a page of the main window borrows from it. Every page
// embeds one; it is the page's tooltip object too. The links stay null
// until the main window sets them, and the page never owns what they name.
#pragma once

#include "DToolTip.h"

class DFileLoad;
class DProgressBar;
class DPropertySheet;
class DStatusWnd;
class DTabControl;
class DirectoryListingSpec;
class SharedFlags;

class PageLinks : public DToolTip
{
public:
    DTabControl* tabControl = nullptr;      // every page but the summary
    SharedFlags* flags = nullptr;
    DStatusWnd* status = nullptr;
    DirectoryListingSpec* criteria = nullptr;
    DFileLoad* resultList = nullptr;        // the summary page only
    DProgressBar* progress = nullptr;       // the results page only
    DPropertySheet* sheet = nullptr;        // the summary page only

    // A trailing "*" on the label of tab index says that the page's
    // criterion is in use. Setting or clearing twice changes nothing, and
    // a label never becomes empty. False when there is no such tab.
    bool MarkTab(unsigned index, bool set) const;
};

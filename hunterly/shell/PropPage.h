// PropPage: a page of the main window's sheet, with the links it borrows
// from the main window.
#pragma once

#include "DPropertyPage.h"
#include "PageLinks.h"

class PropPage : public DPropertyPage
{
public:
    explicit PropPage(unsigned templateId);

    PageLinks links;
};

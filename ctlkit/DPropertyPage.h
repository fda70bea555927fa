// DPropertyPage: one page of a DPropertySheet, a child dialog (WS_CHILD |
// DS_CONTROL) whose template caption is its tab label. The sheet makes its
// window when the page is first shown and tells it when it is shown and
// hidden.
#pragma once

#include "DDialog.h"
#include "DName.h"

class CTLKIT_API DPropertyPage : public DDialog
{
public:
    explicit DPropertyPage(char const* templateName);
    explicit DPropertyPage(unsigned templateId);

    // The caption of the page's template, read before any window exists;
    // empty when the template cannot be found or read.
    DName GetTitle() const;

    // The sheet is about to show / has hidden the page.
    virtual void OnSetActive();
    virtual void OnKillActive();

protected:
    // A page never ends itself: OK and Cancel belong to the window holding
    // the sheet.
    bool OnOK() override;
    bool OnCancel() override;
    // A page that overrides it hands the messages it leaves to this one.
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

// PropPage: a page of the main window's sheet, with the links it borrows
// from the main window and the keys that every page treats alike: the
// page's tooltips see every message first, Enter and Escape never close
// anything, F1 goes on to the main window, which opens the help, and a
// cancel is consumed.
#pragma once

#include <vector>

#include "DPropertyPage.h"
#include "PageLinks.h"

class PropPage : public DPropertyPage
{
public:
    explicit PropPage(unsigned templateId);
    explicit PropPage(char const* templateName);

    PageLinks links;

protected:
    bool OnCancel() override;
    // A page that overrides it hands the messages it leaves to this one.
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnEnter() override;
    bool OnEscape() override;

    // The page's tooltip window, with the delays every page uses.
    bool MakeTips();
    // The control keeps its right and bottom margins as the page is resized.
    void Stretch(int id);

private:
    struct Margins
    {
        int id;
        long right;
        long bottom;
    };
    void FitStretched() const;

    std::vector<Margins> stretched;
};

#include "PropPage.h"

namespace {

// Tooltips of every page: shown after 600 ms, kept 7000 ms.
unsigned long const TipDelay = 600;
unsigned long const TipStay = 7000;

}

PropPage::PropPage(unsigned templateId) : DPropertyPage(templateId) {}

PropPage::PropPage(char const* templateName) : DPropertyPage(templateName) {}

bool PropPage::OnCancel()
{
    return true;
}

bool PropPage::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    if (message == WM_SIZE)
        FitStretched();
    return DPropertyPage::OnMessage(message, wparam, lparam, result);
}

bool PropPage::PreTranslateMessage(MSG& msg)
{
    links.RelayEvent(msg);
    return DPropertyPage::PreTranslateMessage(msg);
}

bool PropPage::OnEnter()
{
    return true;
}

bool PropPage::OnEscape()
{
    return true;
}

bool PropPage::MakeTips()
{
    links.SetParent(GetWnd());
    return links.Create(TipDelay, TipStay, 0);
}

void PropPage::Stretch(int id)
{
    HWND const item = GetDlgItem(GetWnd(), id);
    if (!item)
        return;
    RECT page;
    RECT place;
    GetClientRect(GetWnd(), &page);
    GetWindowRect(item, &place);
    MapWindowPoints(nullptr, GetWnd(), reinterpret_cast<POINT*>(&place), 2);
    stretched.push_back({id, page.right - place.right, page.bottom - place.bottom});
}

void PropPage::FitStretched() const
{
    RECT page;
    GetClientRect(GetWnd(), &page);
    for (Margins const& m : stretched) {
        HWND const item = GetDlgItem(GetWnd(), m.id);
        RECT place;
        GetWindowRect(item, &place);
        MapWindowPoints(nullptr, GetWnd(), reinterpret_cast<POINT*>(&place), 2);
        long const width = page.right - m.right - place.left;
        long const height = page.bottom - m.bottom - place.top;
        SetWindowPos(item, nullptr, 0, 0, width > 0 ? width : 0, height > 0 ? height : 0,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

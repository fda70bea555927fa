// One option page on the real main window: the user's actions on its
// controls and its tab's label.
#pragma once

#include <string>

#include "MainWindowFixture.h"

template <unsigned Index>
class OptionPageFixture : public MainWindowFixture
{
protected:
    // The window with the page shown.
    MainWindow& Open()
    {
        MainWindow& main = Start();
        main.GetSheet().SetActivePage(Index);
        return main;
    }

    DirectoryListingSpec& Criteria() const { return window->GetCriteria(); }
    HWND Page() const { return window->GetOptionPage(Index)->GetWnd(); }
    HWND Control(int id) const { return GetDlgItem(Page(), id); }

    // As the user picks an item of a list.
    void Pick(int id, int item) const
    {
        SendMessageA(Control(id), CB_SETCURSEL, item, 0);
        Notify(id, CBN_SELCHANGE);
    }

    // As the user types into a list's edit part.
    void Type(int id, char const* text) const
    {
        SetWindowTextA(Control(id), text);
        Notify(id, CBN_EDITCHANGE);
    }

    int Picked(int id) const
    {
        return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
    }

    std::string TabLabel() const
    {
        return window->GetSheet().GetTabControl().GetText(Index).Name();
    }

private:
    void Notify(int id, unsigned code) const
    {
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
};

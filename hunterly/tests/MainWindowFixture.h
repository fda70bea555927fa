// The real main window on the virtual display, made hidden as the program
// makes it, in the empty registry every test starts with, with the shell and
// message-box seams recording what would be opened or shown; and the helpers
// that drive and read it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DFileLoad.h"
#include "DMsgBox.h"
#include "DReg.h"
#include "MainWindow.h"
#include "Resource.h"
#include "ShellRun.h"
#include "WindowProbe.h"

class MainWindowFixture : public ::testing::Test, public WindowProbe
{
protected:
    static constexpr char const* Program = "C:\\hunterly\\hunterly.exe";

    struct Opened
    {
        std::string file, folder;
    };
    struct Box
    {
        std::string text, caption;
    };
    static inline std::vector<Opened> opened;
    static inline std::vector<Box> boxes;

    static void SetUpTestSuite() { DDialog::EnableControls(); }

    void SetUp() override
    {
        opened.clear();
        boxes.clear();
        openBefore = ShellRun::SetOpen([](char const* file, char const* folder) {
            opened.push_back({file, folder ? folder : ""});
            return true;
        });
        boxBefore = DMsgBox::SetShow(RecordBox);
    }

    void TearDown() override
    {
        window.reset();
        ShellRun::SetOpen(openBefore);
        DMsgBox::SetShow(boxBefore);
    }

    // The main window for a command line of the program and arguments.
    MainWindow& Start(std::vector<std::string> const& arguments = {})
    {
        std::string line = std::string("\"") + Program + "\"";
        for (std::string const& argument : arguments)
            line += " \"" + argument + "\"";
        window.reset(new MainWindow(line.c_str()));
        EXPECT_TRUE(window->Create());
        return *window;
    }

    HWND Item(int id) const { return GetDlgItem(window->GetWnd(), id); }
    std::string Status() const { return Text(Item(IDC_STATUS)); }
    int Shown() const { return window->GetSheet().GetActiveIndex(); }
    bool Visible(int id) const { return GetWindowLongPtrA(Item(id), GWL_STYLE) & WS_VISIBLE; }
    void Command(unsigned id) const { SendMessageA(window->GetWnd(), WM_COMMAND, id, 0); }

    bool Checked(unsigned id) const
    {
        return GetMenuState(GetMenu(window->GetWnd()), id, MF_BYCOMMAND) & MF_CHECKED;
    }

    // A key pressed on the start button, as the message loop hands it over.
    bool Key(WPARAM key) const
    {
        MSG msg = {};
        msg.hwnd = Item(IDC_STARTSEARCH);
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }

    // Answers the window thread's messages until done, as its loop would.
    static bool PumpUntil(std::function<bool()> const& done, DWORD limit = 30000)
    {
        DWORD const start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > limit)
                return false;
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!DDialog::FilterMessage(msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    bool WaitForSearch() const
    {
        PropResults const& page = window->GetResultsPage();
        return PumpUntil([&page] { return !page.isWorkerRunning(); });
    }

    static void Put(char const* key, char const* name, unsigned long value)
    {
        DReg reg;
        ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, key));
        ASSERT_TRUE(reg.SetDwordValue(name, value));
    }

    static void PutFolder(std::string const& folder)
    {
        DReg reg;
        ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, SharedFlags::Key));
        ASSERT_TRUE(reg.SetValue("Folder", folder.c_str(), REG_SZ));
    }

    static unsigned long Stored(char const* key, char const* name)
    {
        DReg reg(HKEY_CURRENT_USER, key);
        EXPECT_TRUE(reg.LoadKeyValue(name)) << name;
        return reg.LoadKeyDword(name);
    }

    // The criteria ask for nothing: no names, folders or text, every test
    // off. The dates page shows a zero reference as the current time and
    // keeps that, so the dates themselves are not looked at.
    static bool isNothingSought(DirectoryListingSpec const& criteria)
    {
        return criteria.names.isEmpty() && criteria.folders.isEmpty() &&
               criteria.containing.isEmpty() && !criteria.sizeMode && !criteria.attributeMode &&
               !criteria.createdMode && !criteria.writtenMode && !criteria.accessedMode &&
               !criteria.containingMode;
    }

    // The names of the entries that a search with the window's criteria
    // finds, as the search button's run would find them.
    std::set<std::string> Found(bool subFolders = true) const
    {
        DFileLoad load;
        std::set<std::string> names;
        if (!load.LoadAllDirListings(window->GetCriteria(), subFolders))
            return {"(the search failed)"};
        for (unsigned i = 0; i < load.Size(); ++i)
            names.insert(load[i].GetFileName().Name());
        return names;
    }

    std::unique_ptr<MainWindow> window;

private:
    static int WINAPI RecordBox(HWND, char const* text, char const* caption, unsigned)
    {
        boxes.push_back({text, caption});
        return IDOK;
    }

    ShellRun::OpenFunction openBefore = nullptr;
    DMsgBox::ShowFunction boxBefore = nullptr;
};

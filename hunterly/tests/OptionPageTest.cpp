// The frame that the option pages share, on the real main window: each
// page is reached by its tab index, holds its links, and treats the keys
// alike.
#include "MainWindowFixture.h"

namespace {

class OptionPageTest : public MainWindowFixture
{
protected:
    // A key as the message loop hands it over, pressed on the page.
    bool PageKey(OptionPage& page, WPARAM key) const
    {
        MSG msg = {};
        msg.hwnd = page.GetWnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return DDialog::FilterMessage(msg);
    }
};

TEST_F(OptionPageTest, EveryOptionPageByItsTab)
{
    MainWindow& main = Start();
    char const* const keys[] = {"Software\\Hunterly\\FileNames", "Software\\Hunterly\\Attributes",
                                "Software\\Hunterly\\FileSizes", "Software\\Hunterly\\Dates",
                                "Software\\Hunterly\\Containing"};
    for (unsigned i = 0; i < MainWindow::OptionPages; ++i) {
        SCOPED_TRACE(i);
        OptionPage* page = main.GetOptionPage(i);
        ASSERT_NE(nullptr, page);
        EXPECT_EQ(main.GetSheet().GetPage(i), page);
        EXPECT_EQ(i, page->GetTabIndex());
        EXPECT_STREQ(keys[i], page->GetKey());
        EXPECT_EQ(&main.GetSheet().GetTabControl(), page->links.tabControl);
        // Its tooltips exist from its start.
        EXPECT_NE(nullptr, page->links.GetWnd());
    }
    EXPECT_EQ(nullptr, main.GetOptionPage(MainWindow::ResultsPage));
}

TEST_F(OptionPageTest, KeysOnAPage)
{
    MainWindow& main = Start();
    OptionPage& page = *main.GetOptionPage(MainWindow::DatesPage);
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    EXPECT_TRUE(PageKey(page, VK_RETURN) && PageKey(page, VK_ESCAPE));
    // A cancel from the page is the page's: the window stays.
    SendMessageA(page.GetWnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindow(page.GetWnd()) && IsWindow(main.GetWnd()));
    EXPECT_TRUE(opened.empty());

    // F1 goes on to the window, which opens the help.
    EXPECT_TRUE(PageKey(page, VK_F1));
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ("C:\\hunterly\\Hunterly.chm", opened[0].file);
    EXPECT_EQ(MainWindow::DatesPage, Shown());
}

}

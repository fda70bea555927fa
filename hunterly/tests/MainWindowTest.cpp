// The real main window on the virtual display, made hidden: start-up with
// and without settings and arguments, its menu, toolbar and layout, the
// keys it swallows, help and a new window through the shell seam, the
// version in the About and version boxes, resizing and the settings it
// writes when it closes.
#include <string>
#include <vector>

#include "DTabControl.h"
#include "HunterlyVersion.h"
#include "MainWindowFixture.h"
#include "PropAttributeIds.h"
#include "PropContainingIds.h"
#include "PropFileSizesIds.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

class MainWindowTest : public MainWindowFixture
{
};

TEST_F(MainWindowTest, FirstStartWithoutSettings)
{
    MainWindow& main = Start();
    EXPECT_EQ("Hunterly", Text(main.GetWnd()));
    EXPECT_STREQ(Program, main.GetProgramPath().Name());
    SharedFlags const& flags = main.GetFlags();
    EXPECT_TRUE(flags.searchSubfolders && flags.rememberSettings);
    EXPECT_FALSE(flags.optimizeForSpeed || flags.entireDrive || flags.searchAllDrives);
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    EXPECT_TRUE(Checked(IDM_REMEMBER) && Checked(IDM_REPORT));
    for (unsigned other : {IDM_OPTIMIZE, IDM_SMALLICONS, IDM_LIST, IDM_LARGEICONS})
        EXPECT_FALSE(Checked(other)) << other;
    EXPECT_EQ(0, Shown());
    EXPECT_EQ("", Status());
    EXPECT_TRUE(Visible(IDC_PROGRESS));

    // Every page was made at once and holds its links.
    DPropertySheet& sheet = main.GetSheet();
    ASSERT_EQ(7u, sheet.GetPageCount());
    for (unsigned i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(nullptr, sheet.GetPage(i)->GetWnd());
        PageLinks const& links = static_cast<PropPage*>(sheet.GetPage(i))->links;
        EXPECT_TRUE(links.status == &main.GetStatus() && links.flags == &main.GetFlags() &&
                    links.criteria == &main.GetCriteria());
        bool const summary = i == MainWindow::StatisticsPage;
        EXPECT_EQ(summary, links.sheet != nullptr && links.resultList != nullptr);
        EXPECT_EQ(i == MainWindow::ResultsPage, links.progress != nullptr);
    }

    // The application icon, also while minimised.
    LRESULT const icon = SendMessageA(main.GetWnd(), WM_GETICON, ICON_BIG, 0);
    ASSERT_NE(0, icon);
    EXPECT_EQ(icon, SendMessageA(main.GetWnd(), WM_QUERYDRAGICON, 0, 0));
}

TEST_F(MainWindowTest, TabMarks)
{
    MainWindow& main = Start();
    DTabControl& tabs = main.GetSheet().GetTabControl();
    PageLinks const& links = static_cast<PropPage*>(main.GetSheet().GetPage(2))->links;
    // Marked twice, one mark.
    EXPECT_TRUE(links.MarkTab(2, true) && links.MarkTab(2, true));
    EXPECT_TRUE(tabs.GetText(2).Comp("Sizes*"));
    EXPECT_TRUE(links.MarkTab(2, false));
    EXPECT_TRUE(tabs.GetText(2).Comp("Sizes"));

    // A label never becomes empty.
    ASSERT_TRUE(tabs.SetText("*", 3));
    EXPECT_TRUE(links.MarkTab(3, false));
    EXPECT_TRUE(tabs.GetText(3).Comp("*"));

    EXPECT_FALSE(links.MarkTab(7, true));
    EXPECT_FALSE(static_cast<PropPage*>(main.GetSheet().GetPage(6))->links.MarkTab(0, true));
}

TEST_F(MainWindowTest, ToolbarTipsAreAnsweredByTheWindow)
{
    MainWindow& main = Start();
    HWND const barTips =
        reinterpret_cast<HWND>(SendMessageA(Item(IDC_TOOLBAR), TB_GETTOOLTIPS, 0, 0));
    NMTTDISPINFOA request = {};
    request.hdr = {barTips, IDM_COMPARE, static_cast<UINT>(TTN_GETDISPINFOA)};
    SendMessageA(main.GetWnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_TRUE(IS_INTRESOURCE(request.lpszText));
    char text[64] = "";
    LoadStringA(request.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(request.lpszText)),
                text, sizeof text);
    EXPECT_STREQ("Compare Stored Results", text);
}

TEST_F(MainWindowTest, LayoutFollowsTheWindowSize)
{
    MainWindow& main = Start();
    HWND const frame = main.GetWnd();
    HWND const sheetWindow = main.GetSheet().GetWnd();
    RECT const sheet = Place(sheetWindow);
    RECT const progress = Place(Item(IDC_PROGRESS));
    RECT outer;
    GetWindowRect(frame, &outer);

    // The sheet and the progress bar grow with the window; the status line
    // runs along the bottom, below the sheet.
    int const growth = 100;
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left + growth,
                 outer.bottom - outer.top + growth / 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT const grown = Place(sheetWindow);
    EXPECT_EQ(sheet.right - sheet.left + growth, grown.right - grown.left);
    EXPECT_EQ(sheet.bottom - sheet.top + growth / 2, grown.bottom - grown.top);
    RECT const grownBar = Place(Item(IDC_PROGRESS));
    EXPECT_EQ(progress.right - progress.left + growth, grownBar.right - grownBar.left);
    RECT client;
    GetClientRect(frame, &client);
    RECT const status = Place(Item(IDC_STATUS));
    EXPECT_EQ(client.bottom, status.bottom);
    EXPECT_EQ(client.right, status.right - status.left);
    EXPECT_LE(grown.bottom, status.top);

    // Optimized for speed, the progress bar stays hidden however the
    // window changes.
    Command(IDM_OPTIMIZE);
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(Visible(IDC_PROGRESS));
}

TEST_F(MainWindowTest, StoredSettingsAreReadAtStart)
{
    Put(SharedFlags::Key, "Settings", 1);
    Put(SharedFlags::Key, "Optimize", 1);
    Put(SharedFlags::Key, "Active", 3);
    Put(SharedFlags::Key, "SearchAll", 1);
    Put(SharedFlags::Key, "EntireDrive", 1);
    Put(PropResults::Key, "Style", PropResults::List);
    MainWindow& main = Start();
    EXPECT_TRUE(main.GetFlags().optimizeForSpeed && main.GetFlags().searchAllDrives);
    // All drives take the entire drive's place on the "File Names" page.
    EXPECT_FALSE(main.GetFlags().entireDrive);
    EXPECT_EQ(3, Shown());
    EXPECT_TRUE(Checked(IDM_OPTIMIZE) && Checked(IDM_LIST));
    EXPECT_FALSE(Checked(IDM_REPORT) || Visible(IDC_PROGRESS));

    // A page number past the last, or a style that names none, is ignored.
    window.reset();
    Put(SharedFlags::Key, "Settings", 1);
    Put(SharedFlags::Key, "Active", 9);
    Put(PropResults::Key, "Style", 7);
    Start();
    EXPECT_EQ(0, Shown());
    EXPECT_TRUE(Checked(IDM_REPORT));
}

TEST_F(MainWindowTest, SwitchesFlipWithTheirChecksAndTexts)
{
    MainWindow& main = Start();
    Command(IDM_REMEMBER);
    EXPECT_FALSE(main.GetFlags().rememberSettings || Checked(IDM_REMEMBER));
    EXPECT_EQ("Settings will not be saved after this session.", Status());
    Command(IDM_REMEMBER);
    EXPECT_TRUE(main.GetFlags().rememberSettings && Checked(IDM_REMEMBER));

    Command(IDM_OPTIMIZE);
    EXPECT_TRUE(main.GetFlags().optimizeForSpeed && Checked(IDM_OPTIMIZE));
    EXPECT_FALSE(Visible(IDC_PROGRESS));
    Command(IDM_OPTIMIZE);
    EXPECT_FALSE(main.GetFlags().optimizeForSpeed || Checked(IDM_OPTIMIZE));
    EXPECT_TRUE(Visible(IDC_PROGRESS));
    EXPECT_EQ("Progress displays will be shown during searching.", Status());

    main.GetSheet().SetActivePage(4);
    Command(IDM_REFRESH);
    EXPECT_EQ(4, Shown());
    EXPECT_EQ("All search options have been refreshed.", Status());
}

TEST_F(MainWindowTest, RefreshShowsTheCriteriaOnEveryPage)
{
    MainWindow& main = Start();
    main.GetSheet().SetActivePage(MainWindow::ContainingPage);
    // Criteria changed behind the pages' backs.
    DirectoryListingSpec& c = main.GetCriteria();
    c.names.InsertRight(DName("*.txt"));
    c.attributeMode = DirectoryListingSpec::AttributeAny;
    c.attributeMask = FILE_ATTRIBUTE_READONLY;
    c.sizeMode = DirectoryListingSpec::SizeRange;
    c.sizeValue = 10;
    c.sizeUpper = 5000;
    c.containingMode = 1;
    c.containing = DName("alpha");
    Command(IDM_REFRESH);
    EXPECT_EQ("All search options have been refreshed.", Status());
    EXPECT_EQ(MainWindow::ContainingPage, Shown());

    auto const on = [&main](unsigned page, int id) {
        return GetDlgItem(main.GetSheet().GetPage(page)->GetWnd(), id);
    };
    HWND const view = static_cast<PropFileNames&>(*main.GetOptionPage(MainWindow::FileNamesPage))
                          .GetItemLists()
                          .GetPage(0)
                          ->GetWnd();
    EXPECT_EQ(1, SendMessageA(GetDlgItem(view, IDC_ITEMLIST), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(on(MainWindow::AttributesPage, IDC_READONLY), BM_GETCHECK, 0, 0));
    EXPECT_EQ("One of these attributes", Text(on(MainWindow::AttributesPage, IDC_ATTRIBUTEOPTION)));
    EXPECT_EQ("In the range of...", Text(on(MainWindow::FileSizesPage, IDC_SIZEOPTION)));
    EXPECT_EQ("5000", Text(on(MainWindow::FileSizesPage, IDC_SIZEUPPER)));
    EXPECT_EQ("alpha", Text(on(MainWindow::ContainingPage, IDC_CONTAINING_PHRASES)));
    // Each page was hidden once on the way: every criterion in use is
    // marked on its tab, and the dates, unused, are not.
    DTabControl& tabs = main.GetSheet().GetTabControl();
    for (unsigned page : {0u, 1u, 2u, 4u})
        EXPECT_EQ('*', std::string(tabs.GetText(page).Name()).back()) << page;
    EXPECT_TRUE(tabs.GetText(MainWindow::DatesPage).Comp("Dates and Times"));
}

TEST_F(MainWindowTest, SettingsAreWrittenAtClose)
{
    MainWindow& main = Start();
    main.GetFlags().entireDrive = true;
    main.GetFlags().searchAllDrives = true;
    Command(IDM_OPTIMIZE);
    Command(IDM_REMEMBER);
    main.GetSheet().SetActivePage(2);
    Command(IDM_EXIT);
    EXPECT_EQ(nullptr, main.GetWnd());
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "Settings"));
    EXPECT_EQ(2ul, Stored(SharedFlags::Key, "Active"));
    EXPECT_EQ(1ul, Stored(SharedFlags::Key, "Optimize"));
    // Not remembered, the drive switches are stored off.
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "SearchAll"));
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "EntireDrive"));
    EXPECT_EQ(static_cast<unsigned long>(PropResults::Report), Stored(PropResults::Key, "Style"));

    // The next start reads them: page 0, as settings are not remembered.
    MainWindow& next = Start();
    EXPECT_FALSE(next.GetFlags().rememberSettings || Checked(IDM_REMEMBER));
    EXPECT_TRUE(next.GetFlags().optimizeForSpeed);
    EXPECT_EQ(0, Shown());
    next.GetFlags().entireDrive = true;
    Command(IDM_REMEMBER);
    // The window's close box is a cancel, which closes it the same way.
    Command(IDCANCEL);
    EXPECT_EQ(nullptr, next.GetWnd());
    EXPECT_EQ(1ul, Stored(SharedFlags::Key, "Settings"));
    EXPECT_EQ(1ul, Stored(SharedFlags::Key, "EntireDrive"));
    EXPECT_EQ(0ul, Stored(SharedFlags::Key, "SearchAll"));
}

TEST_F(MainWindowTest, EnterAndEscapeNeverClose)
{
    MainWindow& main = Start();
    EXPECT_TRUE(Key(VK_RETURN) && Key(VK_ESCAPE));
    // Even an OK that reaches the window leaves it open.
    Command(IDOK);
    EXPECT_NE(nullptr, main.GetWnd());
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileOfTheInstallation)
{
    TempFolder installed;
    ASSERT_TRUE(installed.isMade());
    char before[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof before, before);

    // Without an installation the program's own folder holds the help; a
    // recorded folder that is gone is passed over.
    Start();
    EXPECT_TRUE(Key(VK_F1));
    PutFolder(installed.Dir());
    Command(IDM_CONTENTS);
    PutFolder(installed.Path("gone"));
    Command(IDM_CONTENTS);
    ASSERT_EQ(3u, opened.size());
    EXPECT_EQ("C:\\hunterly\\Hunterly.chm", opened[0].file);
    EXPECT_EQ("C:\\hunterly", opened[0].folder);
    EXPECT_EQ(installed.Path("Hunterly.chm"), opened[1].file);
    EXPECT_EQ(installed.Dir(), opened[1].folder);
    EXPECT_EQ("C:\\hunterly\\Hunterly.chm", opened[2].file);

    // The process's current folder, which a search lists by, stays.
    char after[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(before, after);
}

TEST_F(MainWindowTest, NewWindowStartsTheInstalledProgram)
{
    Start();
    Command(IDM_NEWWINDOW);
    PutFolder("D:\\Apps\\Hunterly");
    Command(IDM_NEWWINDOW);
    // A key without a folder leaves the program's own path.
    PutFolder("");
    Command(IDM_NEWWINDOW);
    // A folder written with its terminating NUL, as other tools write it.
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, SharedFlags::Key, &key));
    char const terminated[] = "E:\\Hunterly";
    RegSetValueExA(key, "Folder", 0, REG_SZ, reinterpret_cast<BYTE const*>(terminated),
                   sizeof terminated);
    RegCloseKey(key);
    Command(IDM_NEWWINDOW);
    ASSERT_EQ(4u, opened.size());
    EXPECT_EQ(Program, opened[0].file);
    EXPECT_EQ("D:\\Apps\\Hunterly\\hunterly.exe", opened[1].file);
    EXPECT_EQ(Program, opened[2].file);
    EXPECT_EQ("E:\\Hunterly\\hunterly.exe", opened[3].file);
}

TEST_F(MainWindowTest, ArgumentsBecomeANewSearch)
{
    TempFolder temp;
    ASSERT_TRUE(TempFolder::Put(temp.Path("notes.txt"), "notes"));
    MainWindow& main = Start({temp.Dir(), temp.Path("notes.txt")});
    EXPECT_EQ("File(s) and folder(s) have been detected and mandated as a new search.", Status());
    EXPECT_EQ(0, Shown());
    EXPECT_EQ(1u, main.GetCriteria().folders.Size() * main.GetCriteria().names.Size());

    Start({temp.Dir()});
    EXPECT_EQ("Folder(s) have been detected and mandated as a new search.", Status());
    // Files alone show the contents page.
    Start({temp.Path("notes.txt")});
    EXPECT_EQ("File(s) have been detected and mandated as a new search.", Status());
    EXPECT_EQ(MainWindow::ContainingPage, Shown());

    // A profile beside a plain file is a file of a new search.
    ASSERT_TRUE(TempFolder::Put(temp.Path("b.hup"), std::string("\x17\x82\x02\x91", 4)));
    EXPECT_EQ(2u, Start({temp.Path("b.hup"), temp.Path("notes.txt")}).GetCriteria().names.Size());
    EXPECT_EQ("File(s) have been detected and mandated as a new search.", Status());
}

// Closes the window from inside its own modal run, as a user would.
MainWindow* running = nullptr;

void CALLBACK CloseRunning(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    SendMessageA(running->GetWnd(), WM_COMMAND, IDM_EXIT, 0);
}

// Reads the version text of the box that a menu command opened, then closes
// the box with its "&Done" button.
struct BoxRead
{
    int textId;
    std::string caption, text;
};
BoxRead* reading = nullptr;

void CALLBACK ReadBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND box = GetActiveWindow();
    reading->caption = WindowProbe::Text(box);
    reading->text = WindowProbe::Text(GetDlgItem(box, reading->textId));
    SendMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(MainWindowTest, AboutAndVersionBoxesShowTheVersion)
{
    Start();
    BoxRead version{IDC_VERSIONTEXT, "", ""};
    reading = &version;
    SetTimer(nullptr, 0, 100, ReadBox);
    Command(IDM_VERSION);
    EXPECT_EQ("Version", version.caption);
    EXPECT_EQ("Hunterly v" + std::to_string(HUNTERLY_VERSION_MAJOR) + "." +
                  std::to_string(HUNTERLY_VERSION_MINOR),
              version.text);

    BoxRead about{IDC_ABOUTVERSION, "", ""};
    reading = &about;
    SetTimer(nullptr, 0, 100, ReadBox);
    Command(IDM_ABOUT);
    EXPECT_EQ("About Hunterly", about.caption);
    EXPECT_EQ(std::string("Version ") + HUNTERLY_VERSION, about.text);
}

TEST_F(MainWindowTest, ModalRunEndsWithClose)
{
    MainWindow main(("\"" + std::string(Program) + "\"").c_str());
    running = &main;
    SetTimer(nullptr, 0, 100, CloseRunning);
    EXPECT_EQ(IDCANCEL, main.DoModal());
    EXPECT_EQ(nullptr, main.GetWnd());
    EXPECT_EQ(1ul, Stored(SharedFlags::Key, "Settings"));
}

}

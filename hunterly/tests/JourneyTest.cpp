// A user's whole road with the real program, told one step a paragraph:
// the first start, a search set on every page, the rows sorted, removed and
// recycled, stored, restored and compared with the disk, saved as text, a
// profile saved and loaded again, the summary and the analysis read, and
// the settings found at the next starts. It drives the window only through
// its controls, menu commands and keys, over a tree built so that every
// step has one right answer; only the file dialog, the shell's confirmation
// and the analysis table, which would wait for a person, are answered by
// stand-ins.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "AnalysisTable.h"
#include "MainWindowFixture.h"
#include "PropAttributeIds.h"
#include "PropContainingIds.h"
#include "PropDates.h"
#include "PropFileNamesIds.h"
#include "PropFileSizesIds.h"
#include "PropStatisticsIds.h"
#include "RecycleBin.h"
#include "ShellDialogs.h"
#include "TempFolder.h"
#include "TestTime.h"

#include <commctrl.h>

namespace {

using Names = std::vector<std::string>;

class JourneyTest : public MainWindowFixture
{
protected:
    static inline std::string answer;   // the file dialog's; empty cancels

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(tree.isMade() && keep.isMade());
        dialogBefore = ShellDialogs::ReplaceOpenFile(FileDialog);
        // The user says yes to the shell's question.
        recycleBefore = RecycleBin::SetOperation([](SHFILEOPSTRUCTA& operation) {
            operation.fFlags |= FOF_NOCONFIRMATION;
            return SHFileOperationA(&operation);
        });
        // A unique stem: the recycle bin is shared by every run.
        char stem[32];
        wsprintfA(stem, "j%lu-%lu-", GetCurrentProcessId(), GetTickCount());
        prefix = stem;
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        ShellDialogs::ReplaceOpenFile(dialogBefore);
        RecycleBin::SetOperation(recycleBefore);
        SetFileAttributesA(File("locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    static BOOL WINAPI FileDialog(OPENFILENAMEA* shown)
    {
        if (answer.empty())
            return FALSE;
        std::string const name = answer + std::string(2, '\0');
        std::memcpy(shown->lpstrFile, name.data(), name.size());
        return TRUE;
    }

    // A file of the tree: its size, its written time and whether it holds
    // the phrase the search looks for.
    void Make(std::string const& name, size_t size, FILETIME const& written, bool phrase)
    {
        std::string body = phrase ? "the quarterly figures " : "";
        body.resize(size, '.');
        std::string const path = File(name);
        ASSERT_TRUE(TempFolder::Put(path, body)) << name;
        HANDLE const file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
        CloseHandle(file);
    }
    // The path of a name in the tree, the stem put before its last part.
    std::string File(std::string const& name) const
    {
        size_t const cut = name.rfind('\\') + 1;
        return tree.Path((name.substr(0, cut) + prefix + name.substr(cut)).c_str());
    }

    HWND On(unsigned page, int id) const
    {
        return GetDlgItem(window->GetSheet().GetPage(page)->GetWnd(), id);
    }
    // A click on the page's tab.
    void Show(unsigned page) const
    {
        HWND const strip = window->GetSheet().GetTabWnd();
        SendMessageA(strip, TCM_SETCURSEL, page, 0);
        NMHDR change = {strip, DPropertySheet::TabId, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(window->GetSheet().GetWnd(), WM_NOTIFY, DPropertySheet::TabId,
                     reinterpret_cast<LPARAM>(&change));
    }
    // Alt and a letter, where the focus is.
    static void Alt(char letter)
    {
        MSG msg = {};
        msg.hwnd = GetFocus();
        msg.message = WM_SYSCHAR;
        msg.wParam = static_cast<WPARAM>(letter);
        msg.lParam = 1 << 29;
        DDialog::FilterMessage(msg);
    }
    void Click(unsigned page, int id) const { SendMessageA(On(page, id), BM_CLICK, 0, 0); }
    // An item of a list picked, or text typed into a box, as the user does.
    void Pick(unsigned page, int id, int item) const
    {
        SendMessageA(On(page, id), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        Notify(page, id, CBN_SELCHANGE);
    }
    void Type(unsigned page, int id, char const* text, unsigned code = CBN_EDITCHANGE) const
    {
        SetWindowTextA(On(page, id), text);
        Notify(page, id, code);
    }
    void Notify(unsigned page, int id, unsigned code) const
    {
        SendMessageA(window->GetSheet().GetPage(page)->GetWnd(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(On(page, id)));
    }
    void Run(unsigned command, std::string const& file)
    {
        answer = file;
        Command(command);
    }

    // The results list, as the user reads it.
    HWND List() const { return On(MainWindow::ResultsPage, IDC_RESULTLIST); }
    std::string Cell(int row, int column) const
    {
        char text[MAX_PATH] = "";
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return text;
    }
    // The names of the rows, the stem taken off.
    Names Rows() const
    {
        Names names;
        for (int row = 0; row < ListView_GetItemCount(List()); ++row) {
            std::string const name = Cell(row, 0);
            names.push_back(name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name);
        }
        return names;
    }
    void Select(std::vector<int> const& rows) const
    {
        ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
        for (int row : rows)
            ListView_SetItemState(List(), row, LVIS_SELECTED, LVIS_SELECTED);
    }
    void ClickHeader(int column) const
    {
        NMLISTVIEW note = {};
        note.hdr.hwndFrom = List();
        note.hdr.idFrom = IDC_RESULTLIST;
        note.hdr.code = LVN_COLUMNCLICK;
        note.iItem = -1;
        note.iSubItem = column;
        SendMessageA(window->GetResultsPage().GetWnd(), WM_NOTIFY, IDC_RESULTLIST,
                     reinterpret_cast<LPARAM>(&note));
    }
    void ResultsCommand(unsigned id) const
    {
        SendMessageA(window->GetResultsPage().GetWnd(), WM_COMMAND, id, 0);
    }
    bool WaitForWorkers() const
    {
        PropResults const& results = window->GetResultsPage();
        return PumpUntil([&results] { return !results.isWorkerRunning(); });
    }

    static std::string Read(std::string const& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }

    // What every page shows of the search set on it.
    void ExpectEveryPageSet() const
    {
        DirectoryListingSpec const& c = window->GetCriteria();
        ASSERT_EQ(1u, c.names.Size());
        EXPECT_STREQ("*.txt", c.names[0].Name());
        ASSERT_EQ(1u, c.folders.Size());
        EXPECT_EQ(tree.Dir(), c.folders[0].Name());
        EXPECT_EQ("Not containing one of these attributes",
                  Text(On(MainWindow::AttributesPage, IDC_ATTRIBUTEOPTION)));
        EXPECT_EQ(BST_CHECKED, SendMessageA(On(MainWindow::AttributesPage, IDC_READONLY),
                                            BM_GETCHECK, 0, 0));
        EXPECT_EQ("In the range of...", Text(On(MainWindow::FileSizesPage, IDC_SIZEOPTION)));
        EXPECT_EQ("10", Text(On(MainWindow::FileSizesPage, IDC_SIZEVALUE)));
        EXPECT_EQ("5000", Text(On(MainWindow::FileSizesPage, IDC_SIZEUPPER)));
        HWND const dates = window->GetSheet().GetPage(MainWindow::DatesPage)->GetWnd();
        auto const field = [dates](unsigned f) {
            return Text(GetDlgItem(dates, PropDates::ControlId(PropDates::Written, f)));
        };
        EXPECT_EQ("Proceeding or at this date and time", field(PropDates::Mode));
        EXPECT_EQ((Names{"January", "1", "2020"}),
                  (Names{field(PropDates::Month), field(PropDates::Day), field(PropDates::Year)}));
        EXPECT_EQ("Complete text in current order",
                  Text(On(MainWindow::ContainingPage, IDC_CONTAINING_MODE)));
        EXPECT_EQ("quarterly figures", Text(On(MainWindow::ContainingPage, IDC_CONTAINING_PHRASES)));
        // Each page that sets a test marks its tab.
        for (unsigned page = 0; page < MainWindow::OptionPages; ++page) {
            std::string const label = window->GetSheet().GetTabControl().GetText(page).Name();
            EXPECT_EQ('*', label.back()) << label;
        }
    }

    TempFolder tree;
    TempFolder keep;
    std::string prefix;
    ShellDialogs::OpenFile dialogBefore = nullptr;
    RecycleBin::OperationFunction recycleBefore = nullptr;
};

TEST_F(JourneyTest, FromTheFirstStartToTheThird)
{
    // The tree: six files that pass every test, and one file for each test
    // that fails only that one.
    FILETIME const recent = TestTime::Utc(2022, 3, 10, 15);
    Make("notes.txt", 40, recent, true);
    Make("minutes.txt", 60, recent, true);
    Make("report.txt", 120, recent, true);
    Make("agenda.txt", 900, recent, true);
    Make("summary.txt", 2000, recent, true);
    ASSERT_TRUE(CreateDirectoryA(tree.Path("sub").c_str(), nullptr));
    Make("sub\\deep.txt", 700, recent, true);
    Make("picture.bmp", 300, recent, true);                     // the name
    Make("locked.txt", 300, recent, true);                      // the attribute
    ASSERT_TRUE(SetFileAttributesA(File("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    Make("tiny.txt", 5, recent, false);                         // the size
    Make("huge.txt", 9000, recent, true);                       // the size
    Make("old.txt", 300, TestTime::Utc(2015, 1, 1, 12), true);  // the date
    Make("other.txt", 300, recent, false);                      // the contents

    // The first start, without settings: the "File Names" page, nothing
    // sought, the report style, settings remembered.
    MainWindow& main = Start();
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    EXPECT_TRUE(Checked(IDM_REMEMBER) && Checked(IDM_REPORT) && !Checked(IDM_OPTIMIZE));

    // Names and folders: "*.txt" in the tree.
    Type(MainWindow::FileNamesPage, IDC_FILENAME, "*.txt");
    Click(MainWindow::FileNamesPage, IDC_ADDNAME);
    Type(MainWindow::FileNamesPage, IDC_FOLDER, tree.Dir().c_str());
    Click(MainWindow::FileNamesPage, IDC_ADDFOLDER);
    EXPECT_EQ("Added to folder list \"" + tree.Dir() + "\".", Status());

    // An attribute: none that is read-only.
    Show(MainWindow::AttributesPage);
    Pick(MainWindow::AttributesPage, IDC_ATTRIBUTEOPTION, 2);
    Click(MainWindow::AttributesPage, IDC_READONLY);

    // A size range: 10 to 5000 bytes.
    Show(MainWindow::FileSizesPage);
    Pick(MainWindow::FileSizesPage, IDC_SIZEOPTION, 6);
    Type(MainWindow::FileSizesPage, IDC_SIZEVALUE, "10", CBN_KILLFOCUS);
    Type(MainWindow::FileSizesPage, IDC_SIZEUPPER, "5000", CBN_KILLFOCUS);

    // A written date: on or after 1 January 2020, midnight.
    Show(MainWindow::DatesPage);
    unsigned const written = PropDates::Written;
    auto const date = [this, written](unsigned field, int item) {
        Pick(MainWindow::DatesPage, PropDates::ControlId(written, field), item);
    };
    date(PropDates::Mode, 5);
    date(PropDates::Month, 0);
    date(PropDates::Day, 0);
    date(PropDates::Year, 2020 - 1985);
    date(PropDates::Hour, 11);
    date(PropDates::Minute, 0);
    date(PropDates::Second, 0);
    date(PropDates::AmPm, 0);

    // A phrase, typed into the box and still there when the search starts.
    Show(MainWindow::ContainingPage);
    Pick(MainWindow::ContainingPage, IDC_CONTAINING_MODE, 1);
    HWND const phrases = On(MainWindow::ContainingPage, IDC_CONTAINING_PHRASES);
    SetFocus(phrases);
    for (char key : std::string("quarterly figures"))
        SendMessageA(phrases, WM_CHAR, static_cast<unsigned char>(key), 1);

    // Alt+S starts: the six files that pass every test, the sub-folder's
    // last.
    Alt('s');
    ASSERT_TRUE(WaitForWorkers());
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    EXPECT_EQ("Found 6 matches in ", Status().substr(0, 19));
    Names found = Rows();
    std::sort(found.begin(), found.end());
    EXPECT_EQ((Names{"agenda.txt", "deep.txt", "minutes.txt", "notes.txt", "report.txt",
                     "summary.txt"}),
              found);
    EXPECT_EQ("deep.txt", Rows().back());

    // The last analysis of that search: thirteen entries met, twelve of
    // them files, in two folders with the starting one; six matches of
    // 3,820 bytes.
    {
        TableReader reader;
        Command(IDM_LASTANALYSIS);
    }
    ASSERT_EQ(1u, TableReader::tables.size());
    Table const analysis = {
        {" Searched", "13", "100.00", "14,025"}, {" Files", "12", "92.31", "14,025"},
        {" Folders", "2", "15.38", "0"},        {"  ", "  ", "  ", "  "},
        {" Matches", "6", "46.15", "3,820"},     {"  ", " ", " ", " "},
    };
    EXPECT_EQ(analysis, TableReader::tables[0]);

    // A click on the "Size" header sorts by size, a second the other way.
    ClickHeader(2);
    EXPECT_EQ((Names{"notes.txt", "minutes.txt", "report.txt", "deep.txt", "agenda.txt",
                     "summary.txt"}),
              Rows());
    ClickHeader(2);
    EXPECT_EQ((Names{"summary.txt", "agenda.txt", "deep.txt", "report.txt", "minutes.txt",
                     "notes.txt"}),
              Rows());
    EXPECT_EQ("Sorted a total of 6 items.", Status());

    // The two largest leave the list; their files stay on disk.
    Select({0, 1});
    ResultsCommand(IDC_CUT);
    EXPECT_EQ("Removed from list 2 files.", Status());
    EXPECT_EQ((Names{"deep.txt", "report.txt", "minutes.txt", "notes.txt"}), Rows());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(File("summary.txt").c_str()));

    // The minutes go to the recycle bin: the file leaves the disk too.
    Select({2});
    ResultsCommand(IDC_DELETE);
    EXPECT_EQ("Moved to recycle bin 1 files.", Status());
    EXPECT_EQ((Names{"deep.txt", "report.txt", "notes.txt"}), Rows());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(File("minutes.txt").c_str()));

    // Save the search as a profile, and store the results.
    std::string const profile = keep.Path("quarterly.hup");
    Run(IDM_SAVEPROFILE, profile);
    EXPECT_EQ("Profile was saved successfully.", Status());
    std::string const stored = keep.Path("quarterly");
    Run(IDM_STORERESULTS, stored);
    EXPECT_EQ("Results saved to a stored file.", Status());

    // New Search: nothing sought, no rows, the "File Names" page.
    Command(IDM_NEWSEARCH);
    EXPECT_EQ("All search options have been reset.", Status());
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_TRUE(isNothingSought(main.GetCriteria()));
    EXPECT_TRUE(Rows().empty());

    // Restore: the three rows as they were stored; the name got ".hur".
    Run(IDM_RESTORERESULTS, stored + ".hur");
    EXPECT_EQ("Results restored from file.", Status());
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    Names const kept = {"deep.txt", "report.txt", "notes.txt"};
    EXPECT_EQ(kept, Rows());

    // The report grows on disk: the comparison shows it alone.
    ASSERT_TRUE(TempFolder::Put(File("report.txt"), std::string(130, '+')));
    Run(IDM_COMPARE, stored + ".hur");
    ASSERT_TRUE(WaitForWorkers());
    EXPECT_EQ("Missing or bad length file sizes displayed from results.", Status());
    EXPECT_EQ(Names{"report.txt"}, Rows());

    // Save as text: the head line and one line per entry of the list.
    std::string const text = keep.Path("quarterly.txt");
    Run(IDM_SAVETEXT, text);
    EXPECT_EQ("Results by current display settings saved to text.", Status());
    std::string const report = Read(text);
    EXPECT_EQ(0u, report.find("Total Files: 3\r\n\r\n"));
    for (std::string const& name : kept)
        EXPECT_NE(std::string::npos, report.find(prefix + name)) << name;

    // New Search, then load the profile: every page shows the search again.
    Command(IDM_NEWSEARCH);
    Run(IDM_LOADPROFILE, profile);
    EXPECT_EQ("Profile was loaded successfully.", Status());
    ExpectEveryPageSet();

    // The summary reads them line by line.
    Show(MainWindow::StatisticsPage);
    Table const summary = Cells(On(MainWindow::StatisticsPage, IDC_OPTIONGRID));
    ASSERT_EQ(8u, summary.size());
    EXPECT_EQ("*.txt", summary[0][1]);
    EXPECT_EQ(tree.Dir(), summary[1][1]);
    EXPECT_EQ((Names{"Not one of the attributes ", "Read Only"}),
              (Names{summary[2][1], summary[2][2]}));
    EXPECT_EQ("In the range of 10 to 5,000 bytes", summary[3][1]);
    EXPECT_EQ("Any date or time", summary[4][1]);
    EXPECT_EQ("After or at Jan 1, 2020  12:00:00 AM", summary[5][1]);
    EXPECT_EQ("quarterly ...", summary[7][1]);

    // Close; the next start finds every page as it was left.
    Show(MainWindow::DatesPage);
    Command(IDM_EXIT);
    Start();
    EXPECT_EQ(MainWindow::DatesPage, Shown());
    ExpectEveryPageSet();

    // Without "Remember Settings", the third start has the defaults.
    Command(IDM_REMEMBER);
    EXPECT_EQ("Settings will not be saved after this session.", Status());
    Command(IDM_EXIT);
    MainWindow& third = Start();
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_TRUE(isNothingSought(third.GetCriteria()));
    EXPECT_FALSE(Checked(IDM_REMEMBER));
}

}

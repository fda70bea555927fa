// The results page's commands on the rows of a real search over a tree the
// tests build: paths shown by a click and the arrow keys, sorting by the
// column headers and their markers, selection, opening, viewing and the
// shell's properties, removing from the list, the recycle bin with real
// files (moved, locked, missing, kept by the user), the rows of a chosen
// view as a comparison leaves them, the context menu, the keys, and the
// commands that stay out while a search holds the list.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "RecycleBin.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

class ResultsCommandsTest : public MainWindowFixture
{
protected:
    struct Verb
    {
        std::string verb, file;
    };
    static inline std::vector<Verb> verbs;
    static inline bool verbsFail = false;
    static inline std::vector<std::string> operations;
    static inline bool userSaysNo = false;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        verbs.clear();
        verbsFail = false;
        operations.clear();
        userSaysNo = false;
        verbBefore = ShellRun::SetVerb([](char const* verb, char const* file) {
            verbs.push_back({verb, file});
            return !verbsFail;
        });
        operationBefore = RecycleBin::SetOperation(Operate);
        ASSERT_TRUE(tree.isMade());
        // A unique stem: the trash is shared by every run.
        char stem[32];
        wsprintfA(stem, "r%lu-%lu", GetCurrentProcessId(), GetTickCount());
        prefix = stem;
        // Sizes differ from the order of the names; one folder.
        ASSERT_TRUE(TempFolder::Put(Path("b.txt"), "bb"));
        ASSERT_TRUE(TempFolder::Put(Path("a.txt"), "aaaa"));
        ASSERT_TRUE(TempFolder::Put(Path("c.txt"), "c"));
        ASSERT_TRUE(CreateDirectoryA(Path("d").c_str(), nullptr));
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        ShellRun::SetVerb(verbBefore);
        RecycleBin::SetOperation(operationBefore);
    }

    // The shell's operation itself, with the user's answer given: yes to
    // all, or no (the shell then does nothing).
    static int Operate(SHFILEOPSTRUCTA& operation)
    {
        std::string list;
        for (char const* p = operation.pFrom; *p; p += std::strlen(p) + 1)
            list += std::string(p) + "|";
        operations.push_back(list);
        EXPECT_EQ(UINT(FO_DELETE), operation.wFunc);
        EXPECT_TRUE(operation.fFlags & FOF_ALLOWUNDO);
        EXPECT_FALSE(operation.fFlags & FOF_NOCONFIRMATION);
        if (userSaysNo) {
            operation.fAnyOperationsAborted = TRUE;
            return ERROR_CANCELLED;
        }
        operation.fFlags |= FOF_NOCONFIRMATION;
        return SHFileOperationA(&operation);
    }

    std::string Path(char const* name) const { return tree.Path((prefix + name).c_str()); }

    // The window after a search of the tree for everything in it, rows in
    // the order of the walk: b.txt, a.txt, c.txt, d, in some order.
    MainWindow& Search()
    {
        MainWindow& main = Start({tree.Dir()});
        main.GetCriteria().names.InsertRight(DName((prefix + "*").c_str()));
        Command(IDC_STARTSEARCH);
        EXPECT_TRUE(PumpUntil([this] { return !Page().isWorkerRunning(); }));
        EXPECT_EQ(4u, Results().Size());
        EXPECT_EQ(4, ListView_GetItemCount(List()));
        return main;
    }

    PropResults& Page() const { return window->GetResultsPage(); }
    DFileLoad& Results() const { return Page().GetResults(); }
    HWND List() const { return GetDlgItem(Page().GetWnd(), IDC_RESULTLIST); }
    void PageCommand(unsigned id) const { SendMessageA(Page().GetWnd(), WM_COMMAND, id, 0); }

    std::string Cell(int row, int column) const
    {
        char text[MAX_PATH] = "";
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return text;
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int row = 0; row < ListView_GetItemCount(List()); ++row)
            names.push_back(Cell(row, 0).substr(prefix.size()));
        return names;
    }

    int Row(char const* name) const
    {
        std::vector<std::string> const names = Names();
        auto const at = std::find(names.begin(), names.end(), name);
        return at == names.end() ? -1 : int(at - names.begin());
    }

    void Select(std::vector<int> const& rows) const
    {
        ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
        // The arrow keys move from the focused row, as a click leaves it.
        for (int row : rows)
            ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
    }

    std::vector<int> Selected() const
    {
        std::vector<int> rows;
        for (int row = ListView_GetNextItem(List(), -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(List(), row, LVNI_SELECTED))
            rows.push_back(row);
        return rows;
    }

    void Notify(UINT code, int column = 0) const
    {
        NMLISTVIEW note = {};
        note.hdr.hwndFrom = List();
        note.hdr.idFrom = IDC_RESULTLIST;
        note.hdr.code = code;
        note.iItem = -1;
        note.iSubItem = column;
        SendMessageA(Page().GetWnd(), WM_NOTIFY, IDC_RESULTLIST, reinterpret_cast<LPARAM>(&note));
    }

    void ClickHeader(int column) const { Notify(LVN_COLUMNCLICK, column); }

    // A key pressed in the list, through the filter of the window's loop.
    bool ListKey(WPARAM key) const
    {
        MSG msg = {};
        msg.hwnd = List();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        if (DDialog::FilterMessage(msg))
            return true;
        SendMessageA(List(), WM_KEYDOWN, key, 0);
        return false;
    }

    std::string Header(int column) const
    {
        char text[MAX_PATH] = "";
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        ListView_GetColumn(List(), column, &info);
        return text;
    }

    static bool OnDisk(std::string const& path)
    {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // A file of the freedesktop trash that wine's recycle bin is.
    static bool InTrash(std::string const& name)
    {
        char home[MAX_PATH] = "";
        if (!GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home))
            return false;
        std::string path = std::string("Z:") + home + "/Trash/files/" + name;
        std::replace(path.begin(), path.end(), '/', '\\');
        return OnDisk(path);
    }

    TempFolder tree;
    std::string prefix;

private:
    ShellRun::VerbFunction verbBefore = nullptr;
    RecycleBin::OperationFunction operationBefore = nullptr;
};

TEST_F(ResultsCommandsTest, ClickAndArrowKeysShowPaths)
{
    Search();
    Select({1});
    Notify(NM_CLICK);
    EXPECT_EQ(Results()[1].GetFullPath().Name(), Status());
    // Up and Down show the row the selection moves to, and move it.
    ListKey(VK_DOWN);
    EXPECT_EQ(Results()[2].GetFullPath().Name(), Status());
    EXPECT_EQ(std::vector<int>{2}, Selected());
    ListKey(VK_UP);
    ListKey(VK_UP);
    EXPECT_EQ(Results()[0].GetFullPath().Name(), Status());

    // Up on the first row and Down on the last show nothing new.
    window->GetStatus().SetText("before");
    ListKey(VK_UP);
    EXPECT_EQ("before", Status());
    Select({3});
    ListKey(VK_DOWN);
    EXPECT_EQ("before", Status());
    // Nor does a click on two rows, or one while a search holds the list.
    Select({0, 1});
    Notify(NM_CLICK);
    EXPECT_EQ("before", Status());
    Select({1});
    ASSERT_TRUE(Page().BeginRun());
    Notify(NM_CLICK);
    EXPECT_EQ("before", Status());
    Page().EndRun();

    // In the icon styles the arrow keys do not walk the rows; a click does.
    for (unsigned style : {IDM_SMALLICONS, IDM_LARGEICONS}) {
        Command(style);
        window->GetStatus().SetText("before");
        Select({1});
        ListKey(VK_DOWN);
        EXPECT_EQ("before", Status()) << style;
        Select({1});
        Notify(NM_CLICK);
        EXPECT_EQ(Results()[1].GetFullPath().Name(), Status()) << style;
    }
    Command(IDM_LIST);
    Select({1});
    ListKey(VK_DOWN);
    EXPECT_EQ(Results()[2].GetFullPath().Name(), Status());
}

TEST_F(ResultsCommandsTest, HeaderClicksSortAndMarkTheColumn)
{
    Search();
    ClickHeader(2);
    EXPECT_EQ("Sorted a total of 4 items.", Status());
    EXPECT_EQ("Size (D)", Header(2));
    EXPECT_EQ(75, ListView_GetColumnWidth(List(), 2));
    EXPECT_EQ((std::vector<std::string>{"d", "c.txt", "b.txt", "a.txt"}), Names());
    ClickHeader(2);
    EXPECT_EQ("Size (A)", Header(2));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d"}), Names());
    ClickHeader(2);
    EXPECT_EQ("Size (D)", Header(2));
    EXPECT_EQ("d", Names()[0]);

    // Another column takes the marker; the first gets its header back.
    ClickHeader(0);
    EXPECT_EQ("Size", Header(2));
    EXPECT_EQ("File Name (D)", Header(0));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d"}), Names());
    ClickHeader(0);
    EXPECT_EQ((std::vector<std::string>{"d", "c.txt", "b.txt", "a.txt"}), Names());

    // "Sort" orders by name and leaves the marker where it is.
    ClickHeader(2);
    PageCommand(IDC_SORT);
    EXPECT_EQ("Size (D)", Header(2));
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d"}), Names());
    EXPECT_EQ("Sorted a total of 4 items.", Status());

    // A search takes the marker off; a column clicked after it gets its
    // header back when the next one is clicked, column 0 too.
    Command(IDC_STARTSEARCH);
    EXPECT_EQ("Size", Header(2));
    ASSERT_TRUE(PumpUntil([this] { return !Page().isWorkerRunning(); }));
    ClickHeader(0);
    ClickHeader(1);
    EXPECT_EQ("File Name", Header(0));
    EXPECT_EQ("Full Path (D)", Header(1));
    // A column that is none of the report's sorts nothing.
    ClickHeader(9);
    EXPECT_EQ("Full Path (D)", Header(1));
}

// The list view's messages while a command runs.
struct ListMessages
{
    explicit ListMessages(HWND list) : list(list)
    {
        current = this;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~ListMessages()
    {
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        current = nullptr;
    }
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        current->seen.push_back(message);
        return CallWindowProcA(current->original, window, message, wparam, lparam);
    }
    long Count(UINT message) const { return std::count(seen.begin(), seen.end(), message); }

    static inline ListMessages* current = nullptr;
    HWND list;
    WNDPROC original = nullptr;
    std::vector<UINT> seen;
};

TEST_F(ResultsCommandsTest, SortEndsWithOneCountAndOneRepaint)
{
    Search();
    ShowWindow(window->GetWnd(), SW_SHOW);
    Select({0, 2});
    UpdateWindow(List());
    {
        ListMessages messages(List());
        ClickHeader(0);
        EXPECT_EQ(1, messages.Count(LVM_SETITEMCOUNT));
        EXPECT_EQ(0, messages.Count(LVM_DELETEALLITEMS) + messages.Count(LVM_DELETEITEM)
                         + messages.Count(LVM_INSERTITEMA) + messages.Count(WM_PAINT));
        // The rows are painted once, after the command.
        UpdateWindow(List());
        EXPECT_EQ(1, messages.Count(WM_PAINT));
    }
    // The selection named rows, which now show other files.
    EXPECT_TRUE(Selected().empty());
}

TEST_F(ResultsCommandsTest, SelectionCommands)
{
    Search();
    PageCommand(IDC_SELECTALL);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Selected());
    PageCommand(IDC_SELECTNONE);
    EXPECT_TRUE(Selected().empty());
    Select({0, 2});
    PageCommand(IDC_SELECTINVERT);
    EXPECT_EQ((std::vector<int>{1, 3}), Selected());

    // Folders join the selection; the rows selected stay.
    int const folder = Row("d");
    int const file = folder == 0 ? 1 : 0;
    Select({file});
    PageCommand(IDC_SELECTFOLDERS);
    std::vector<int> expected = {file, folder};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, Selected());
    // None of them writes a status text.
    EXPECT_EQ(0u, Status().find("Found "));
}

TEST_F(ResultsCommandsTest, OpenViewAndPropertiesOfTheSelectedRows)
{
    Search();
    std::string const first = Results()[0].GetFullPath().Name();
    std::string const third = Results()[2].GetFullPath().Name();
    Select({0, 2});
    PageCommand(IDC_OPEN);
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(first, opened[0].file);
    EXPECT_EQ(third, opened[1].file);
    EXPECT_EQ("Opened file(s).", Status());
    PageCommand(IDC_VIEW);
    ASSERT_EQ(2u, verbs.size());
    EXPECT_EQ("open", verbs[0].verb);
    EXPECT_EQ(third, verbs[1].file);
    EXPECT_EQ("Viewed file(s).", Status());

    // Enter opens, a double click opens the first selected row alone.
    opened.clear();
    EXPECT_TRUE(ListKey(VK_RETURN));
    EXPECT_EQ(2u, opened.size());
    opened.clear();
    Notify(NM_DBLCLK);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(first, opened[0].file);

    // A file the shell could not view is named on the status line.
    verbsFail = true;
    Select({2});
    PageCommand(IDC_VIEW);
    EXPECT_EQ("Could not view \"" + third + "\".", Status());
    Select({0, 2});
    PageCommand(IDC_VIEW);
    EXPECT_EQ("Could not view 2 files.", Status());
}

TEST_F(ResultsCommandsTest, PropertiesTheShellCannotShowBlockNothing)
{
    Search();
    std::string const path = Results()[1].GetFullPath().Name();
    Select({1});
    // The real shell: wine offers no "properties" verb, and says so on the
    // status line instead of in a box that would hold this test.
    ShellRun::SetVerb(nullptr);
    PageCommand(IDC_PROPERTIES);
    EXPECT_EQ("Could not show the properties of \"" + path + "\".", Status());
}

TEST_F(ResultsCommandsTest, CutRemovesTheSelectedRowsAndTheirEntries)
{
    Search();
    std::string const kept = Results()[3].GetFullPath().Name();
    Select({0, 2});
    PageCommand(IDC_CUT);
    EXPECT_EQ("Removed from list 2 files.", Status());
    ASSERT_EQ(2u, Results().Size());
    EXPECT_EQ(2, ListView_GetItemCount(List()));
    EXPECT_EQ(kept, Results()[1].GetFullPath().Name());
    EXPECT_EQ(kept.substr(kept.rfind('\\') + 1), Cell(1, 0));
    PageCommand(IDC_CUT);
    EXPECT_EQ("No files cut.", Status());
    EXPECT_EQ(2u, Results().Size());

    PageCommand(IDC_REFRESH);
    EXPECT_EQ("Refreshed 2 files.", Status());
    EXPECT_EQ(2, ListView_GetItemCount(List()));
}

TEST_F(ResultsCommandsTest, RecycleBinTakesOnlyWhatLeftTheDisk)
{
    ASSERT_TRUE(TempFolder::Put(Path("e-locked.txt"), "locked"));
    ASSERT_TRUE(TempFolder::Put(Path("f-missing.txt"), "missing"));
    MainWindow& main = Start({tree.Dir()});
    main.GetCriteria().names.InsertRight(DName((prefix + "*").c_str()));
    Command(IDC_STARTSEARCH);
    ASSERT_TRUE(PumpUntil([this] { return !Page().isWorkerRunning(); }));
    ASSERT_EQ(6u, Results().Size());
    ASSERT_TRUE(DeleteFileA(Path("f-missing.txt").c_str()));
    HANDLE const locked = CreateFileA(Path("e-locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);

    // The user says no: every row stays, and the status says so.
    userSaysNo = true;
    PageCommand(IDC_SELECTALL);
    PageCommand(IDC_DELETE);
    EXPECT_EQ("No files deleted. 6 files were not moved.", Status());
    EXPECT_EQ(6u, Results().Size());
    EXPECT_EQ(6, ListView_GetItemCount(List()));
    EXPECT_TRUE(OnDisk(Path("a.txt")));

    // Yes to all, from the Delete key: one operation for the files that
    // are there, the missing one left out.
    userSaysNo = false;
    operations.clear();
    Select({Row("a.txt"), Row("d"), Row("e-locked.txt"), Row("f-missing.txt")});
    EXPECT_TRUE(ListKey(VK_DELETE));
    ASSERT_EQ(1u, operations.size());
    EXPECT_EQ(std::string::npos, operations[0].find("f-missing"));
    EXPECT_NE(std::string::npos, operations[0].find("e-locked"));
    EXPECT_FALSE(OnDisk(Path("a.txt")));
    EXPECT_FALSE(OnDisk(Path("d")));
    EXPECT_TRUE(InTrash(prefix + "a.txt"));
    EXPECT_TRUE(InTrash(prefix + "d"));
    // A row goes only with its file; the locked file stayed, and its row
    // with it. The rows that stay stay selected.
    EXPECT_TRUE(OnDisk(Path("e-locked.txt")));
    std::vector<std::string> names = Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"b.txt", "c.txt", "e-locked.txt", "f-missing.txt"}),
              names);
    EXPECT_EQ(4u, Results().Size());
    EXPECT_EQ("Moved to recycle bin 2 files. 2 files were not moved.", Status());
    std::vector<int> stayed = {Row("e-locked.txt"), Row("f-missing.txt")};
    std::sort(stayed.begin(), stayed.end());
    EXPECT_EQ(stayed, Selected());
    CloseHandle(locked);
    EXPECT_TRUE(OnDisk(Path("b.txt")));
}

// The shell's own question, answered "No" from a timer while it is shown.
struct ShellQuestion
{
    static inline HWND owner = nullptr;
    static inline bool answered = false;

    static BOOL CALLBACK Find(HWND window, LPARAM)
    {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (window == owner || !IsWindowVisible(window) || std::strcmp(name, "#32770") != 0)
            return TRUE;
        PostMessageA(window, WM_COMMAND, IDNO, 0);
        answered = true;
        return FALSE;
    }

    static void CALLBACK Answer(HWND, UINT, UINT_PTR id, DWORD)
    {
        EnumThreadWindows(GetCurrentThreadId(), Find, 0);
        if (answered)
            KillTimer(nullptr, id);
    }
};

TEST_F(ResultsCommandsTest, TheShellAsksOnceAndNoKeepsEveryRow)
{
    MainWindow& main = Search();
    RecycleBin::SetOperation(nullptr);
    ShellQuestion::owner = main.GetWnd();
    ShellQuestion::answered = false;
    UINT_PTR const timer = SetTimer(nullptr, 0, 200, ShellQuestion::Answer);
    Select({Row("a.txt"), Row("b.txt")});
    PageCommand(IDC_DELETE);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(ShellQuestion::answered);
    EXPECT_TRUE(OnDisk(Path("a.txt")) && OnDisk(Path("b.txt")));
    EXPECT_EQ(4, ListView_GetItemCount(List()));
    EXPECT_EQ("No files deleted. 2 files were not moved.", Status());
}

TEST_F(ResultsCommandsTest, ChosenViewRowsReachTheirOwnEntries)
{
    Search();
    // As a comparison leaves it: rows show entries 3 and 1 only.
    DFileLoad& results = Results();
    results.ClearRows();
    ASSERT_TRUE(results.DrawEntry(3, 0));
    ASSERT_TRUE(results.DrawEntry(1, 1));
    std::string const three = results[3].GetFullPath().Name();
    std::string const one = results[1].GetFullPath().Name();

    Select({0});
    Notify(NM_CLICK);
    EXPECT_EQ(three, Status());
    PageCommand(IDC_OPEN);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(three, opened[0].file);

    // Cut takes entry 3, not entry 0; the other row keeps its entry.
    PageCommand(IDC_CUT);
    EXPECT_EQ("Removed from list 1 files.", Status());
    ASSERT_EQ(3u, results.Size());
    EXPECT_EQ(-1, results.FindPos(DName(three.c_str())));
    ASSERT_EQ(1, ListView_GetItemCount(List()));
    EXPECT_EQ(one, Cell(0, 1));

    // The recycle bin moves the file the row shows.
    Select({0});
    PageCommand(IDC_DELETE);
    EXPECT_FALSE(OnDisk(one));
    EXPECT_EQ(2u, results.Size());
    EXPECT_EQ(0, ListView_GetItemCount(List()));
    EXPECT_EQ("Moved to recycle bin 1 files.", Status());

    // A sort shows every entry again.
    ClickHeader(1);
    EXPECT_EQ(2, ListView_GetItemCount(List()));
}

TEST_F(ResultsCommandsTest, CommandsStayOutWhileASearchHoldsTheList)
{
    Search();
    ASSERT_TRUE(Page().BeginRun());
    window->GetStatus().SetText("held");
    Select({0, 1});
    std::vector<std::string> const before = Names();
    for (unsigned id : {IDC_REFRESH, IDC_CUT, IDC_VIEW, IDC_OPEN, IDC_DELETE, IDC_SORT})
        PageCommand(id);
    ClickHeader(0);
    ListKey(VK_DELETE);
    EXPECT_EQ("held", Status());
    EXPECT_EQ(before, Names());
    EXPECT_EQ("File Name", Header(0));
    EXPECT_TRUE(opened.empty() && verbs.empty() && operations.empty());
    EXPECT_TRUE(OnDisk(Results()[0].GetFullPath().Name()));

    // Selection and properties do not wait for it.
    PageCommand(IDC_SELECTALL);
    EXPECT_EQ(4u, Selected().size());
    PageCommand(IDC_PROPERTIES);
    EXPECT_EQ(4u, verbs.size());
    Page().EndRun();
    // Escape is swallowed; F1 goes on to the window's help.
    EXPECT_TRUE(ListKey(VK_ESCAPE));
    EXPECT_TRUE(ListKey(VK_F1));
    ASSERT_EQ(1u, opened.size());
    EXPECT_NE(std::string::npos, opened[0].file.find("Hunterly.chm"));
}

TEST_F(ResultsCommandsTest, SelectionWhileASearchAppends)
{
    for (int i = 0; i < 1500; ++i)
        ASSERT_TRUE(TempFolder::Put(Path(("many" + std::to_string(i) + ".txt").c_str()), "x"));
    MainWindow& main = Start({tree.Dir()});
    main.GetCriteria().names.InsertRight(DName((prefix + "*").c_str()));
    Command(IDC_STARTSEARCH);
    // A few rounds, spaced as a user's clicks: the worker waits for this
    // thread to take each row count and status text it sends.
    unsigned ticks = 0;
    unsigned rounds = 0;
    ASSERT_TRUE(PumpUntil([&] {
        if (!Page().isWorkerRunning())
            return true;
        if (++ticks % 5 == 0 && rounds < 4) {
            ++rounds;
            for (unsigned id : {IDC_SELECTALL, IDC_SELECTFOLDERS, IDC_SELECTINVERT, IDC_SELECTNONE})
                PageCommand(id);
        }
        return false;
    }));
    EXPECT_LT(0u, rounds);
    EXPECT_EQ(1504u, Results().Size());
    EXPECT_EQ(1504, ListView_GetItemCount(List()));
    PageCommand(IDC_SELECTFOLDERS);
    EXPECT_EQ(std::vector<int>{Row("d")}, Selected());
}

// The real pop-up menu, read and answered from a timer while it is shown.
struct MenuSeen
{
    static inline std::vector<std::string> items;
    static inline HWND list = nullptr;

    static void CALLBACK Read(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        HWND const menuWindow = FindWindowA("#32768", nullptr);
        HMENU const menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = "";
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            UINT const id = GetMenuItemID(menu, i);
            items.push_back(*text ? std::string(text) + "=" + std::to_string(id) : "-");
        }
        // Down to "Select All", the sixth command, and choose it.
        for (int i = 0; i < 6; ++i)
            PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    }
};

TEST_F(ResultsCommandsTest, ContextMenuOnARightClick)
{
    MainWindow& main = Search();
    // A wrong choice must not move files.
    userSaysNo = true;
    ShowWindow(main.GetWnd(), SW_SHOW);
    SetForegroundWindow(main.GetWnd());
    MenuSeen::items.clear();
    MenuSeen::list = List();
    SetTimer(nullptr, 0, 300, MenuSeen::Read);
    Notify(NM_RCLICK);
    std::vector<std::string> const expected = {
        "Refresh=1119",     "-", "Cut=1130",           "-",
        "View=1044",        "Open=1045",               "Delete=1086", "-",
        "Select All=1087",  "Select None=1088",        "Select Invert=1132",
        "Select Folders=1131", "-", "Sort=1124",       "-", "Properties=1081"};
    EXPECT_EQ(expected, MenuSeen::items);
    ASSERT_TRUE(PumpUntil([this] { return Selected().size() == 4; }, 5000));
}

}

// The file commands from the menu and the toolbar, with the file dialog
// answered by a stand-in: store and restore, compare with the disk on the
// worker, save as text, save and load profiles; and what a damaged file, a
// cancelled dialog or a disk that fills midway leave behind.
#include <cstring>
#include <string>
#include <vector>

#include "FileCommands.h"
#include "MainWindowFixture.h"
#include "PropContainingIds.h"
#include "ShellDialogs.h"
#include "SmallDisk.h"
#include "StatusLog.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

using Strings = std::vector<std::string>;

// What the file dialog was shown, and what it answers.
struct Dialog
{
    int shown = 0;
    std::string title;
    std::vector<std::string> filter;
    DWORD flags = 0;
    bool choose = false;
    std::string chosen;
};

class FileCommandsTest : public MainWindowFixture
{
protected:
    static inline Dialog dialog;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(temp.isMade());
        dialog = Dialog();
        ShellDialogs::ReplaceOpenFile(Answer);
    }

    void TearDown() override
    {
        log.reset();
        MainWindowFixture::TearDown();
        ShellDialogs::ReplaceOpenFile(nullptr);
    }

    static BOOL WINAPI Answer(OPENFILENAMEA* shown)
    {
        ++dialog.shown;
        dialog.title = shown->lpstrTitle ? shown->lpstrTitle : "";
        dialog.filter.clear();
        for (char const* p = shown->lpstrFilter; p && *p; p += strlen(p) + 1)
            dialog.filter.push_back(p);
        dialog.flags = shown->Flags;
        if (!dialog.choose)
            return FALSE;
        std::string const answer = dialog.chosen + std::string(2, '\0');
        memcpy(shown->lpstrFile, answer.data(), answer.size());
        return TRUE;
    }

    // The command with the dialog answering path, or cancelled.
    void Run(unsigned command, std::string const& path)
    {
        dialog.choose = true;
        dialog.chosen = path;
        Command(command);
    }
    void Cancel(unsigned command)
    {
        dialog.choose = false;
        Command(command);
    }

    PropResults& Page() const { return window->GetResultsPage(); }
    DFileLoad& Results() const { return Page().GetResults(); }
    HWND List() const { return GetDlgItem(Page().GetWnd(), IDC_RESULTLIST); }
    int Rows() const { return ListView_GetItemCount(List()); }
    std::string Cell(int row, int column) const
    {
        char text[MAX_PATH] = "";
        ListView_GetItemText(List(), row, column, text, sizeof text);
        return text;
    }

    // The entries as the disk has them now, shown whole.
    void ListEntries(std::vector<std::string> const& paths)
    {
        Page().Clear();
        for (std::string const& path : paths)
            ASSERT_TRUE(Results().InsertRight(DFile(DName(path.c_str())))) << path;
        ASSERT_TRUE(Page().Redraw());
    }

    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (unsigned i = 0; i < Results().Size(); ++i)
            paths.push_back(Results()[i].GetFullPath().Name());
        return paths;
    }

    void Watch()
    {
        log.reset();
        log.reset(new StatusLog(Item(IDC_STATUS), Item(IDC_STARTSEARCH)));
    }

    TempFolder temp;
    std::unique_ptr<StatusLog> log;
};

TEST_F(FileCommandsTest, StoreThenRestoreGivesTheSameList)
{
    ASSERT_TRUE(TempFolder::Put(temp.Path("a.txt"), "one"));
    ASSERT_TRUE(TempFolder::Put(temp.Path("b.txt"), "second"));
    ASSERT_TRUE(CreateDirectoryA(temp.Path("sub").c_str(), nullptr));
    Start();
    std::vector<std::string> const paths = {temp.Path("a.txt"), temp.Path("sub"),
                                            temp.Path("b.txt")};
    ListEntries(paths);

    Cancel(IDM_STORERESULTS);
    EXPECT_EQ("Results were not stored.", Status());
    EXPECT_EQ("Storing Results", dialog.title);
    EXPECT_EQ((Strings{"Hunterly Results *.hur", "*.hur", "All Files *.*", "*.*"}), dialog.filter);
    EXPECT_FALSE(dialog.flags & (OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT));

    // A dialog that answers with no name.
    Run(IDM_STORERESULTS, "");
    EXPECT_EQ("Invalid file name.", Status());

    // ".hur" comes to a name without an extension, to no other.
    Run(IDM_STORERESULTS, temp.Path("found"));
    EXPECT_EQ("Results saved to a stored file.", Status());
    std::string const stored = TempFolder::Get(temp.Path("found.hur"));
    ASSERT_LE(8u, stored.size());
    EXPECT_EQ(0x23189012u, Word(stored, 0));
    EXPECT_EQ(3u, Word(stored, 4));
    // Every store draws new keys: only the head repeats.
    Run(IDM_STORERESULTS, temp.Path("found.dat"));
    EXPECT_EQ(stored.substr(0, 8), TempFolder::Get(temp.Path("found.dat")).substr(0, 8));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(temp.Path("found.dat.hur").c_str()));

    Page().Clear();
    window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
    Cancel(IDM_RESTORERESULTS);
    EXPECT_EQ("Results were not restored.", Status());
    EXPECT_EQ("Restoring Results", dialog.title);
    EXPECT_FALSE(dialog.flags & (OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT));
    Run(IDM_RESTORERESULTS, temp.Path("found.hur"));
    EXPECT_EQ("Results restored from file.", Status());
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    EXPECT_EQ(paths, Paths());
    EXPECT_EQ(6u, Results()[2].GetFileSize());
    EXPECT_TRUE(Results()[1].isDir());
    ASSERT_EQ(3, Rows());
    EXPECT_EQ("b.txt", Cell(2, 0));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FileCommandsTest, RestoreOfAnythingButAWholeStoredFileKeepsTheList)
{
    ASSERT_TRUE(TempFolder::Put(temp.Path("a.txt"), "one"));
    ASSERT_TRUE(TempFolder::Put(temp.Path("b.txt"), "second"));
    MainWindow& main = Start();
    std::vector<std::string> const paths = {temp.Path("a.txt"), temp.Path("b.txt")};
    ListEntries(paths);
    Run(IDM_STORERESULTS, temp.Path("whole.hur"));
    Run(IDM_SAVEPROFILE, temp.Path("criteria.hup"));
    std::string const whole = TempFolder::Get(temp.Path("whole.hur"));
    // The user's list now has one entry more than the file.
    ASSERT_TRUE(TempFolder::Put(temp.Path("c.txt"), "third"));
    ListEntries({temp.Path("a.txt"), temp.Path("b.txt"), temp.Path("c.txt")});
    std::vector<std::string> const before = Paths();

    std::vector<std::string> bad = {temp.Path("criteria.hup"), temp.Path("a.txt"),
                                    temp.Path("missing.hur")};
    // Cut at every length, and with a bit flipped in the count and in the
    // first record's key length.
    for (size_t keep = 0; keep < whole.size(); ++keep) {
        std::string const name = temp.Path(("cut" + std::to_string(keep) + ".hur").c_str());
        ASSERT_TRUE(TempFolder::Put(name, whole.substr(0, keep)));
        bad.push_back(name);
    }
    for (size_t flip : {size_t(7), size_t(12)}) {
        std::string flipped = whole;
        flipped[flip] = static_cast<char>(flipped[flip] ^ 0x80);
        std::string const name = temp.Path(("flip" + std::to_string(flip) + ".hur").c_str());
        ASSERT_TRUE(TempFolder::Put(name, flipped));
        bad.push_back(name);
    }
    for (std::string const& file : bad) {
        SCOPED_TRACE(file);
        boxes.clear();
        main.GetSheet().SetActivePage(MainWindow::DatesPage);
        Run(IDM_RESTORERESULTS, file);
        EXPECT_EQ("Was unable to load stored results.", Status());
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Invalid Results", boxes[0].caption);
        EXPECT_EQ("Could not open stored results or it was invalid \"" + file + "\".",
                  boxes[0].text);
        EXPECT_EQ(MainWindow::DatesPage, Shown());
        ASSERT_EQ(before, Paths());
        ASSERT_EQ(3, Rows());
    }
    EXPECT_EQ("c.txt", Cell(2, 0));
}

TEST_F(FileCommandsTest, CompareShowsOnlyWhatChangedOnTheWorker)
{
    for (char const* name : {"same.txt", "grown.txt", "folder now"})
        ASSERT_TRUE(TempFolder::Put(temp.Path(name), "data"));
    ASSERT_TRUE(TempFolder::Put(temp.Path("empty.txt"), ""));
    for (char const* name : {"kept", "gone"})
        ASSERT_TRUE(CreateDirectoryA(temp.Path(name).c_str(), nullptr));
    Start();
    std::vector<std::string> const paths = {temp.Path("same.txt"), temp.Path("kept"),
                                            temp.Path("empty.txt"), temp.Path("grown.txt"),
                                            temp.Path("gone"), temp.Path("folder now")};
    ListEntries(paths);
    Run(IDM_STORERESULTS, temp.Path("then.hur"));
    ListEntries({temp.Path("same.txt"), temp.Path("kept")});
    Run(IDM_STORERESULTS, temp.Path("unchanged.hur"));

    // An empty file deleted, a file grown, a folder removed, a file that
    // became a folder.
    ASSERT_TRUE(DeleteFileA(temp.Path("empty.txt").c_str()));
    ASSERT_TRUE(TempFolder::Put(temp.Path("grown.txt"), "more data"));
    ASSERT_TRUE(RemoveDirectoryA(temp.Path("gone").c_str()));
    ASSERT_TRUE(DeleteFileA(temp.Path("folder now").c_str()));
    ASSERT_TRUE(CreateDirectoryA(temp.Path("folder now").c_str(), nullptr));

    Watch();
    Run(IDM_COMPARE, temp.Path("then.hur"));
    EXPECT_EQ("Comparing Results to Today's Contents", dialog.title);
    EXPECT_FALSE(dialog.flags & (OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT));
    EXPECT_EQ(MainWindow::ResultsPage, Shown());
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Missing or bad length file sizes displayed from results.", Status());
    // The list holds every stored entry; the rows show the changed ones.
    EXPECT_EQ(paths, Paths());
    ASSERT_EQ(4, Rows());
    EXPECT_EQ("empty.txt", Cell(0, 0));
    EXPECT_EQ("grown.txt", Cell(1, 0));
    EXPECT_EQ("gone", Cell(2, 0));
    EXPECT_EQ("folder now", Cell(3, 0));
    EXPECT_EQ(2, Results().RowEntry(0));
    EXPECT_EQ(4, Results().RowEntry(2));
    // Each entry was checked on the status line while the start button
    // was off; it is on again.
    ASSERT_EQ(1, log->Count("Checking " + temp.Path("kept") + "."));
    for (size_t i = 0; i < log->texts.size(); ++i) {
        if (log->texts[i].rfind("Checking", 0) == 0) {
            EXPECT_FALSE(log->startEnabled[i]) << log->texts[i];
        }
    }
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
    EXPECT_FALSE(Page().isSearchRunning());

    // Nothing changed: no rows.
    Run(IDM_COMPARE, temp.Path("unchanged.hur"));
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Missing or bad length file sizes displayed from results.", Status());
    EXPECT_EQ(2u, Results().Size());
    EXPECT_EQ(0, Rows());

    // Nothing to compare: the list stays as it is.
    std::string const stored = TempFolder::Get(temp.Path("then.hur"));
    ASSERT_TRUE(TempFolder::Put(temp.Path("cut.hur"), stored.substr(0, stored.size() - 3)));
    struct Case
    {
        std::string file, status;
    } const cases[] = {
        {temp.Path("cut.hur"), "Could not read file."},
        {temp.Path("same.txt"), "The file was not a valid stored file."},
        {temp.Path("missing.hur"), "Could not open stored file."},
    };
    for (Case const& c : cases) {
        Run(IDM_COMPARE, c.file);
        EXPECT_FALSE(Page().isWorkerRunning());
        EXPECT_EQ(c.status, Status()) << c.file;
        EXPECT_EQ(2u, Results().Size());
    }
    Cancel(IDM_COMPARE);
    EXPECT_EQ("Results were not restored.", Status());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FileCommandsTest, CompareStopsWhenAsked)
{
    Start();
    // Many entries that no longer exist.
    Page().Clear();
    for (unsigned i = 0; i < 500; ++i) {
        std::string const path = temp.Path(("none" + std::to_string(i) + ".txt").c_str());
        ASSERT_TRUE(Results().InsertRight(DFile(DName(path.c_str()), FILE_ATTRIBUTE_ARCHIVE, 5,
                                                nullptr, nullptr, nullptr)));
    }
    Run(IDM_STORERESULTS, temp.Path("many.hur"));
    ASSERT_EQ("Results saved to a stored file.", Status());

    // As soon as the first entry is checked: a second compare, which waits
    // for no one, then "S&top Search".
    Watch();
    log->trigger = "Checking";
    log->action = [this] {
        Run(IDM_COMPARE, temp.Path("many.hur"));
        Command(IDC_STOPSEARCH);
    };
    Run(IDM_COMPARE, temp.Path("many.hur"));
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ("Stopped comparing results.", Status());
    EXPECT_EQ(1, log->Count("A search is still running."));
    EXPECT_EQ(1, log->Count("Please wait while cleaning up for abort..."));
    EXPECT_GT(3, Rows());
    EXPECT_EQ(500u, Results().Size());
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_STARTSEARCH)));
    EXPECT_FALSE(Page().isSearchRunning());

    // The next compare runs to its end.
    Run(IDM_COMPARE, temp.Path("many.hur"));
    ASSERT_TRUE(WaitForSearch());
    EXPECT_EQ(500, Rows());
}

TEST_F(FileCommandsTest, SaveAsTextWritesTheReport)
{
    Start();
    // Nothing to save: no dialog, no file.
    Run(IDM_SAVETEXT, temp.Path("report"));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("No files have been found", boxes[0].text);
    EXPECT_EQ("No Results", boxes[0].caption);
    EXPECT_EQ(0, dialog.shown);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(temp.Path("report").c_str()));

    ASSERT_TRUE(TempFolder::Put(temp.Path("a.txt"), "one"));
    ASSERT_TRUE(TempFolder::Put(temp.Path("long name.txt"), "second"));
    ListEntries({temp.Path("a.txt"), temp.Path("long name.txt")});
    Cancel(IDM_SAVETEXT);
    EXPECT_EQ("No file(s) loaded.", Status());
    EXPECT_EQ("Saving Results as Text", dialog.title);
    EXPECT_EQ((Strings{"All Files *.*", "*.*", "Text Files *.txt", "*.txt"}), dialog.filter);

    // No extension is added.
    Run(IDM_SAVETEXT, temp.Path("report"));
    EXPECT_EQ("Results by current display settings saved to text.", Status());
    std::string const expected = "Total Files: 2\r\n\r\n" + std::string(Results().Format(0).Name())
                                 + "\r\n" + Results().Format(1).Name() + "\r\n";
    EXPECT_EQ(expected, TempFolder::Get(temp.Path("report")));
    EXPECT_EQ(1u, boxes.size());
}

TEST_F(FileCommandsTest, ProfileRoundTripThroughEveryPage)
{
    MainWindow& main = Start();
    DirectoryListingSpec& criteria = main.GetCriteria();
    criteria.names.InsertRight(DName("*.txt"));
    criteria.names.InsertRight(DName("a?.log"));
    criteria.folders.InsertRight(DName(temp.Dir().c_str()));
    criteria.radix = 16;
    criteria.containing.Namen("\x00\x22\xff", 3);
    criteria.containingMode = 1;
    criteria.notContaining = true;
    criteria.sizeMode = DirectoryListingSpec::SizeRange;
    criteria.sizeValue = 10;
    criteria.sizeUpper = 2000;
    criteria.attributeMode = DirectoryListingSpec::AttributeAny;
    criteria.attributeMask = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    criteria.writtenMode = DirectoryListingSpec::PassLess;
    criteria.written = {0x12345678, 0x01D00000};
    criteria.createdMode = DirectoryListingSpec::PassGreater;
    criteria.created = {0x87654321, 0x01C00000};
    // What a profile holds, field by field, as one text.
    auto const fields = [](DirectoryListingSpec const& c) {
        std::string text;
        for (DName const* n = c.names.First(); n; n = n->next)
            text += std::string(n->Name()) + ";";
        for (DName const* f = c.folders.First(); f; f = f->next)
            text += std::string(f->Name()) + ";";
        text += Bytes(c.containing);
        unsigned const numbers[] = {c.radix, c.readSize, c.sizeMode, c.writtenMode,
                                    c.createdMode, c.accessedMode, c.attributeMode,
                                    c.notContaining, c.containingMode, c.sizeUpper,
                                    c.sizeValue, c.attributeMask,
                                    c.created.dwLowDateTime, c.created.dwHighDateTime,
                                    c.accessed.dwLowDateTime, c.accessed.dwHighDateTime,
                                    c.written.dwLowDateTime, c.written.dwHighDateTime};
        for (unsigned n : numbers)
            text += ";" + std::to_string(n);
        return text;
    };
    std::string const want = fields(criteria);

    Cancel(IDM_SAVEPROFILE);
    EXPECT_EQ("No file(s) loaded.", Status());
    EXPECT_EQ("Saving Profile", dialog.title);
    EXPECT_EQ((Strings{"Hunterly Profiles *.hup", "*.hup", "All Files *.*", "*.*"}), dialog.filter);
    EXPECT_FALSE(dialog.flags & (OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT));
    Run(IDM_SAVEPROFILE, temp.Path("search"));
    EXPECT_EQ("Profile was saved successfully.", Status());
    std::string const profile = TempFolder::Get(temp.Path("search.hup"));
    ASSERT_LE(8u, profile.size());
    EXPECT_EQ(0x91028217u, Word(profile, 0));

    // Loaded into empty criteria while the contents page shows.
    criteria.Destroy();
    criteria.radix = 10;
    main.GetSheet().SetActivePage(MainWindow::ContainingPage);
    Cancel(IDM_LOADPROFILE);
    EXPECT_EQ("No file(s) loaded.", Status());
    EXPECT_EQ("Loading Profile", dialog.title);
    EXPECT_TRUE(dialog.flags & OFN_FILEMUSTEXIST);
    EXPECT_FALSE(dialog.flags & OFN_ALLOWMULTISELECT);
    Run(IDM_LOADPROFILE, temp.Path("search.hup"));
    EXPECT_EQ("Profile was loaded successfully.", Status());
    EXPECT_EQ(MainWindow::FileNamesPage, Shown());
    EXPECT_EQ(want, fields(criteria));
    EXPECT_TRUE(boxes.empty());

    // A damaged profile, at every length, leaves the criteria whole.
    for (size_t keep = 0; keep < profile.size(); ++keep) {
        SCOPED_TRACE(keep);
        boxes.clear();
        std::string const cut = temp.Path("cut.hup");
        ASSERT_TRUE(TempFolder::Put(cut, profile.substr(0, keep)));
        Run(IDM_LOADPROFILE, cut);
        if (keep < 4) {
            EXPECT_EQ("Was unable to load specified profile.", Status());
            ASSERT_EQ(1u, boxes.size());
            EXPECT_EQ("Invalid Profile", boxes[0].caption);
        } else {
            EXPECT_EQ("Could not read profile.", Status());
            EXPECT_TRUE(boxes.empty());
        }
        ASSERT_EQ(want, fields(criteria));
    }
    // Stored results are no profile.
    Run(IDM_STORERESULTS, temp.Path("found.hur"));
    boxes.clear();
    Run(IDM_LOADPROFILE, temp.Path("found.hur"));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Could not open profile or it was invalid \"" + temp.Path("found.hur") + "\".",
              boxes[0].text);
    EXPECT_EQ(want, fields(criteria));
}

TEST_F(FileCommandsTest, ProfileLoadedOverAPhraseStillBeingTyped)
{
    MainWindow& main = Start();
    main.GetCriteria().containingMode = 1;
    main.GetCriteria().containing = DName("alpha");
    Run(IDM_SAVEPROFILE, temp.Path("alpha.hup"));
    // Another phrase typed, its box still in the focus.
    main.GetSheet().SetActivePage(MainWindow::ContainingPage);
    HWND const box =
        GetDlgItem(main.GetOptionPage(MainWindow::ContainingPage)->GetWnd(), IDC_CONTAINING_PHRASES);
    SetFocus(box);
    for (char key : std::string(" beta"))
        SendMessageA(box, WM_CHAR, static_cast<unsigned char>(key), 1);
    Run(IDM_LOADPROFILE, temp.Path("alpha.hup"));
    EXPECT_EQ("Profile was loaded successfully.", Status());
    // The focus left the box as its page went; the profile's phrase stays.
    EXPECT_NE(box, GetFocus());
    EXPECT_STREQ("alpha", main.GetCriteria().containing.Name());
    main.GetSheet().SetActivePage(MainWindow::ContainingPage);
    EXPECT_EQ("alpha", Text(box));
}

TEST_F(FileCommandsTest, SavesOnAFullDiskKeepTheOldFiles)
{
    SmallDisk disk;
    if (!disk.isMade())
        GTEST_SKIP() << "no small disk was mounted for this run";
    MainWindow& main = Start();
    // Old files of each kind, then more to save than the disk has room for.
    std::string const stored = disk.Path("found.hur");
    std::string const text = disk.Path("report.txt");
    std::string const profile = disk.Path("search.hup");
    for (std::string const& file : {stored, text, profile})
        ASSERT_TRUE(TempFolder::Put(file, "old " + file));
    Page().Clear();
    std::string const folder = "C:\\" + std::string(200, 'f') + "\\";
    for (unsigned i = 0; i < 400; ++i) {
        DName const path((folder + std::to_string(i)).c_str());
        ASSERT_TRUE(Results().InsertRight(DFile(path, FILE_ATTRIBUTE_ARCHIVE, i, nullptr,
                                                nullptr, nullptr)));
        main.GetCriteria().names.InsertRight(path);
    }
    ASSERT_TRUE(disk.Fill(16 * 1024));
    unsigned long long const room = disk.Free();

    struct Case
    {
        unsigned command;
        std::string file, box, status;
    } const cases[] = {
        {IDM_STORERESULTS, stored, "Could not create file", "Could not create output file."},
        {IDM_SAVETEXT, text, "Could not create text file", "Could not create output text file."},
        {IDM_SAVEPROFILE, profile, "", "Could not save profile."},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.file);
        boxes.clear();
        Run(c.command, c.file);
        EXPECT_EQ(c.status, Status());
        if (c.box.empty()) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(1u, boxes.size());
            EXPECT_EQ(c.box, boxes[0].text);
        }
        EXPECT_EQ("old " + c.file, TempFolder::Get(c.file));
        EXPECT_EQ(room, disk.Free());
    }
}

TEST_F(FileCommandsTest, ToolbarButtonsRunTheCommands)
{
    Start();
    HWND const toolbar = Item(IDC_TOOLBAR);
    struct Case
    {
        unsigned command;
        char const* status;
    } const cases[] = {
        {IDM_STORERESULTS, "Results were not stored."},
        {IDM_RESTORERESULTS, "Results were not restored."},
        {IDM_COMPARE, "Results were not restored."},
    };
    dialog.choose = false;
    for (Case const& c : cases) {
        window->GetStatus().SetText(" ");
        RECT button;
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETRECT, c.command, reinterpret_cast<LPARAM>(&button)));
        LPARAM const at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        int const before = dialog.shown;
        SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(toolbar, WM_LBUTTONUP, 0, at);
        PumpUntil([] { return false; }, 100);
        EXPECT_EQ(before + 1, dialog.shown) << c.command;
        EXPECT_EQ(c.status, Status()) << c.command;
    }
}

}  // namespace

// The "Dates and Times" page in the real main window: its registry values
// (with the last-accessed pair's own word order), the field lists as the
// user chooses and types, the hour of the 12-hour lists, impossible dates,
// the tab mark, and a search over a tree with chosen times.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "DFile.h"
#include "MainWindowFixture.h"
#include "PropDates.h"
#include "TempFolder.h"
#include "TestTime.h"

#include <commctrl.h>

namespace {

char const* const DatesKey = "Software\\Hunterly\\Dates";
unsigned const Rows = PropDates::Rows;

// A local time, converted as the page converts it.
FILETIME LocalMoment(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    return DFile::GetUTCDate(TestTime::Local(year, month, day, hour, minute, second));
}

unsigned long long Ticks(FILETIME const& t)
{
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

class PropDatesTest : public MainWindowFixture
{
protected:
    MainWindow& Open()
    {
        MainWindow& main = Start();
        ShowDates();
        return main;
    }

    // Shown anew, the page follows the criteria.
    void ShowDates() const
    {
        window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
        window->GetSheet().SetActivePage(MainWindow::DatesPage);
    }

    HWND Page() const { return window->GetOptionPage(MainWindow::DatesPage)->GetWnd(); }
    HWND List(unsigned row, unsigned field) const
    {
        return GetDlgItem(Page(), PropDates::ControlId(row, field));
    }
    std::string Shows(unsigned row, unsigned field) const { return Text(List(row, field)); }
    std::string Item(unsigned row, unsigned field, int index) const
    {
        char text[64] = "";
        SendMessageA(List(row, field), CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    int Count(unsigned row, unsigned field) const
    {
        return static_cast<int>(SendMessageA(List(row, field), CB_GETCOUNT, 0, 0));
    }

    void Notify(unsigned row, unsigned field, unsigned code) const
    {
        int const id = PropDates::ControlId(row, field);
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(List(row, field)));
    }
    // The user picks an item from the list.
    void Choose(unsigned row, unsigned field, int item) const
    {
        SendMessageA(List(row, field), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        Notify(row, field, CBN_SELCHANGE);
    }
    // The user types into the list's edit part and leaves it.
    void Type(unsigned row, unsigned field, char const* text) const
    {
        SetWindowTextA(List(row, field), text);
        Notify(row, field, CBN_KILLFOCUS);
    }

    FILETIME& Reference(unsigned row) const
    {
        DirectoryListingSpec& criteria = window->GetCriteria();
        return row == PropDates::Created ? criteria.created
               : row == PropDates::Written ? criteria.written
                                           : criteria.accessed;
    }
    unsigned char Mode(unsigned row) const
    {
        DirectoryListingSpec& criteria = window->GetCriteria();
        return row == PropDates::Created ? criteria.createdMode
               : row == PropDates::Written ? criteria.writtenMode
                                           : criteria.accessedMode;
    }
    SYSTEMTIME Shown(unsigned row) const { return DFile::GetLocalDate(Reference(row)); }

    // The seven field lists of a row, as texts.
    std::vector<std::string> Fields(unsigned row) const
    {
        std::vector<std::string> texts;
        for (unsigned field = PropDates::Month; field < PropDates::Fields; ++field)
            texts.push_back(Shows(row, field));
        return texts;
    }

    std::string Tip(unsigned row, unsigned field) const
    {
        char text[256] = "";
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = List(row, field);
        info.lpszText = text;
        SendMessageA(window->GetOptionPage(MainWindow::DatesPage)->links.GetWnd(), TTM_GETTEXTA,
                     sizeof text, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    std::string TabLabel() const
    {
        return window->GetSheet().GetTabControl().GetText(MainWindow::DatesPage).Name();
    }

    static void PutDate(char const* high, char const* low, FILETIME const& t)
    {
        Put(DatesKey, high, t.dwHighDateTime);
        Put(DatesKey, low, t.dwLowDateTime);
    }
};

TEST_F(PropDatesTest, FreshStartShowsTheCurrentTimeUntested)
{
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    Open();
    FILETIME after;
    GetSystemTimeAsFileTime(&after);

    char const* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (unsigned row = 0; row < Rows; ++row) {
        SCOPED_TRACE(row);
        // The zero reference became the current time, shown in local time.
        EXPECT_LE(Ticks(before), Ticks(Reference(row)));
        EXPECT_GE(Ticks(after), Ticks(Reference(row)));
        SYSTEMTIME const t = Shown(row);
        unsigned const half = t.wHour % 12 ? t.wHour % 12 : 12;
        char minute[3], second[3];
        snprintf(minute, sizeof minute, "%02u", t.wMinute);
        snprintf(second, sizeof second, "%02u", t.wSecond);
        std::vector<std::string> const expected = {
            months[t.wMonth - 1], std::to_string(t.wDay), std::to_string(t.wYear),
            std::to_string(half), minute, second, t.wHour < 12 ? "AM" : "PM"};
        EXPECT_EQ(expected, Fields(row));

        EXPECT_EQ(0, Mode(row));
        EXPECT_EQ("Any date or time", Shows(row, PropDates::Mode));
        EXPECT_TRUE(IsWindowEnabled(List(row, PropDates::Mode)));
        for (unsigned field = PropDates::Month; field < PropDates::Fields; ++field)
            EXPECT_FALSE(IsWindowEnabled(List(row, field))) << field;

        int const counts[] = {6, 12, t.wMonth == 2 ? 29 : 31, 101, 12, 60, 60, 2};
        for (unsigned field = 0; field < PropDates::Fields; ++field)
            EXPECT_EQ(counts[field], Count(row, field)) << field;
    }
    // The year list runs past the last year a date may have.
    EXPECT_EQ("2085", Item(PropDates::Created, PropDates::Year, 100));

    EXPECT_EQ("Select how to treat the created date", Tip(PropDates::Created, PropDates::Mode));
    EXPECT_EQ("Change or enter the written month", Tip(PropDates::Written, PropDates::Month));
    EXPECT_EQ("Change or enter the last accessed AM/PM value",
              Tip(PropDates::Accessed, PropDates::AmPm));

    // Nothing is tested: no mark on the tab.
    window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ("Dates and Times", TabLabel());
}

TEST_F(PropDatesTest, StoredSettingsRoundTrip)
{
    FILETIME const created = LocalMoment(2004, 3, 9, 15, 7, 5);
    FILETIME const written = LocalMoment(2010, 12, 31, 0, 0, 0);
    FILETIME const accessed = LocalMoment(2021, 7, 4, 12, 30, 59);
    PutDate("Createda", "Createdb", created);
    PutDate("Writtena", "Writtenb", written);
    // The last-accessed pair holds the low word under "a".
    PutDate("LastAccessedb", "LastAccesseda", accessed);
    Put(DatesKey, "CreatedOption", 1);
    Put(DatesKey, "WrittenOption", 4);
    Put(DatesKey, "LastAccessedOption", 7);

    MainWindow& main = Open();
    DirectoryListingSpec const& criteria = main.GetCriteria();
    EXPECT_EQ(Ticks(created), Ticks(criteria.created));
    EXPECT_EQ(Ticks(written), Ticks(criteria.written));
    EXPECT_EQ(Ticks(accessed), Ticks(criteria.accessed));
    EXPECT_EQ(1, criteria.createdMode);
    EXPECT_EQ(4, criteria.writtenMode);
    EXPECT_EQ(7, criteria.accessedMode);

    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts{"March", "9", "2004", "3", "07", "05", "PM"}), Fields(PropDates::Created));
    EXPECT_EQ((Texts{"December", "31", "2010", "12", "00", "00", "AM"}), Fields(PropDates::Written));
    EXPECT_EQ((Texts{"July", "4", "2021", "12", "30", "59", "PM"}), Fields(PropDates::Accessed));
    EXPECT_EQ("Exactly this date and time", Shows(PropDates::Created, PropDates::Mode));
    EXPECT_EQ("Proceeding this date and time", Shows(PropDates::Written, PropDates::Mode));
    // A code the list lacks shows as its first item, and is kept.
    EXPECT_EQ("Any date or time", Shows(PropDates::Accessed, PropDates::Mode));
    EXPECT_TRUE(IsWindowEnabled(List(PropDates::Accessed, PropDates::Day)));

    // Stored as they were, but the accessed date that the user moved to
    // 2022, still in its own word order.
    Choose(PropDates::Accessed, PropDates::Year, 2022 - 1985);
    FILETIME const moved = LocalMoment(2022, 7, 4, 12, 30, 59);
    EXPECT_EQ(Ticks(moved), Ticks(criteria.accessed));
    Command(IDM_EXIT);
    EXPECT_EQ(created.dwHighDateTime, Stored(DatesKey, "Createda"));
    EXPECT_EQ(created.dwLowDateTime, Stored(DatesKey, "Createdb"));
    EXPECT_EQ(written.dwHighDateTime, Stored(DatesKey, "Writtena"));
    EXPECT_EQ(written.dwLowDateTime, Stored(DatesKey, "Writtenb"));
    EXPECT_EQ(moved.dwLowDateTime, Stored(DatesKey, "LastAccesseda"));
    EXPECT_EQ(moved.dwHighDateTime, Stored(DatesKey, "LastAccessedb"));
    EXPECT_EQ(1ul, Stored(DatesKey, "CreatedOption"));
    EXPECT_EQ(4ul, Stored(DatesKey, "WrittenOption"));
    EXPECT_EQ(7ul, Stored(DatesKey, "LastAccessedOption"));
}

TEST_F(PropDatesTest, RememberSettingsOffStoresZeros)
{
    PutDate("Createda", "Createdb", LocalMoment(2004, 3, 9, 15, 7, 5));
    Put(DatesKey, "WrittenOption", 2);
    MainWindow& main = Open();
    main.GetFlags().rememberSettings = false;
    Command(IDM_EXIT);
    char const* const names[] = {"Createda",      "Createdb",      "Writtena",
                                 "Writtenb",      "LastAccesseda", "LastAccessedb",
                                 "CreatedOption", "WrittenOption", "LastAccessedOption"};
    for (char const* name : names)
        EXPECT_EQ(0ul, Stored(DatesKey, name)) << name;

    // The next run shows the current time, untested.
    FILETIME before;
    GetSystemTimeAsFileTime(&before);
    Open();
    for (unsigned row = 0; row < Rows; ++row) {
        EXPECT_LE(Ticks(before), Ticks(Reference(row))) << row;
        EXPECT_EQ("Any date or time", Shows(row, PropDates::Mode)) << row;
        EXPECT_FALSE(IsWindowEnabled(List(row, PropDates::Year))) << row;
    }
}

TEST_F(PropDatesTest, ModesEnableTheRowAndMarkTheTab)
{
    MainWindow& main = Open();
    Choose(PropDates::Written, PropDates::Mode, 2);
    EXPECT_EQ(2, Mode(PropDates::Written));
    EXPECT_TRUE(IsWindowEnabled(List(PropDates::Written, PropDates::Month)));
    EXPECT_FALSE(IsWindowEnabled(List(PropDates::Created, PropDates::Month)));
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ("Dates and Times*", TabLabel());

    ShowDates();
    Choose(PropDates::Written, PropDates::Mode, 0);
    EXPECT_FALSE(IsWindowEnabled(List(PropDates::Written, PropDates::AmPm)));
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ("Dates and Times", TabLabel());

    // A mode typed into the list is the mode from then on.
    ShowDates();
    SetWindowTextA(List(PropDates::Accessed, PropDates::Mode), "p");
    Notify(PropDates::Accessed, PropDates::Mode, CBN_EDITCHANGE);
    EXPECT_EQ("Proceeding this date and time", Shows(PropDates::Accessed, PropDates::Mode));
    EXPECT_EQ(4, Mode(PropDates::Accessed));
    EXPECT_TRUE(IsWindowEnabled(List(PropDates::Accessed, PropDates::Second)));
    main.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_EQ("Dates and Times*", TabLabel());
}

TEST_F(PropDatesTest, TwelveHourListsGiveTheHourOfDayInEveryRow)
{
    Start();
    for (unsigned row = 0; row < Rows; ++row)
        Reference(row) = LocalMoment(2015, 6, 10, 9, 15, 30);
    ShowDates();
    enum { AM, PM };
    for (unsigned row = 0; row < Rows; ++row) {
        SCOPED_TRACE(row);
        auto const hourOf = [&] {
            SYSTEMTIME const t = Shown(row);
            // Only the hour moves.
            EXPECT_EQ(2015, t.wYear);
            EXPECT_EQ(10, t.wDay);
            EXPECT_EQ(15, t.wMinute);
            EXPECT_EQ(30, t.wSecond);
            return t.wHour;
        };
        Choose(row, PropDates::Hour, 11);
        EXPECT_EQ(0, hourOf()) << "12 AM";
        Choose(row, PropDates::AmPm, PM);
        EXPECT_EQ(12, hourOf()) << "12 PM";
        Choose(row, PropDates::Hour, 10);
        EXPECT_EQ(23, hourOf()) << "11 PM";
        EXPECT_EQ(Ticks(LocalMoment(2015, 6, 10, 23, 15, 30)), Ticks(Reference(row)));

        // Typed hours are clamped to the list; typed halves matched.
        Type(row, PropDates::Hour, "15");
        EXPECT_EQ("12", Shows(row, PropDates::Hour));
        EXPECT_EQ(12, hourOf());
        Type(row, PropDates::AmPm, "am");
        EXPECT_EQ("AM", Shows(row, PropDates::AmPm));
        EXPECT_EQ(0, hourOf());
        SetWindowTextA(List(row, PropDates::AmPm), "p");
        Notify(row, PropDates::AmPm, CBN_EDITCHANGE);
        EXPECT_EQ("PM", Shows(row, PropDates::AmPm));
        EXPECT_EQ(12, hourOf());
        Type(row, PropDates::Hour, "1");
        EXPECT_EQ(13, hourOf());
    }
}

TEST_F(PropDatesTest, TypedYearsMonthsAndDaysAreClampedToTheLists)
{
    Start();
    Reference(PropDates::Created) = LocalMoment(2001, 3, 20, 8, 0, 0);
    ShowDates();
    unsigned const row = PropDates::Created;

    Type(row, PropDates::Year, "2099");
    EXPECT_EQ("2080", Shows(row, PropDates::Year));
    EXPECT_EQ(2080, Shown(row).wYear);
    Type(row, PropDates::Year, "1970");
    EXPECT_EQ(1985, Shown(row).wYear);
    // The list holds years past the last a date may have: they are refused.
    Choose(row, PropDates::Year, 2083 - 1985);
    EXPECT_EQ(1985, Shown(row).wYear);
    EXPECT_EQ("1985", Shows(row, PropDates::Year));

    Type(row, PropDates::Month, "dec");
    EXPECT_EQ("December", Shows(row, PropDates::Month));
    EXPECT_EQ(12, Shown(row).wMonth);
    Type(row, PropDates::Month, "zzz");
    EXPECT_EQ("December", Shows(row, PropDates::Month));
    EXPECT_EQ(12, Shown(row).wMonth);
    Type(row, PropDates::Day, "45");
    EXPECT_EQ("31", Shows(row, PropDates::Day));
    Type(row, PropDates::Minute, "75");
    EXPECT_EQ("59", Shows(row, PropDates::Minute));
    Type(row, PropDates::Second, "7");
    EXPECT_EQ("07", Shows(row, PropDates::Second));
    EXPECT_EQ(Ticks(LocalMoment(1985, 12, 31, 8, 59, 7)), Ticks(Reference(row)));
}

TEST_F(PropDatesTest, ImpossibleDatesAreNotApplied)
{
    Start();
    FILETIME const april = LocalMoment(2010, 4, 15, 10, 0, 0);
    Reference(PropDates::Written) = april;
    ShowDates();
    unsigned const row = PropDates::Written;
    // Every month but February lists 31 days.
    EXPECT_EQ(31, Count(row, PropDates::Day));

    Choose(row, PropDates::Day, 30);
    EXPECT_EQ(Ticks(april), Ticks(Reference(row)));
    EXPECT_EQ("15", Shows(row, PropDates::Day));
    Type(row, PropDates::Day, "31");
    EXPECT_EQ(Ticks(april), Ticks(Reference(row)));
    EXPECT_EQ("15", Shows(row, PropDates::Day));
    Choose(row, PropDates::Day, 29);
    EXPECT_EQ(30, Shown(row).wDay);

    // February 30 is refused: the row shows April again.
    Choose(row, PropDates::Month, 1);
    EXPECT_EQ(4, Shown(row).wMonth);
    EXPECT_EQ("April", Shows(row, PropDates::Month));
    EXPECT_EQ(31, Count(row, PropDates::Day));

    // February lists 29 days in every year; the 29th is a date only in a
    // leap year.
    Choose(row, PropDates::Day, 27);
    Choose(row, PropDates::Month, 1);
    EXPECT_EQ(29, Count(row, PropDates::Day));
    EXPECT_EQ(Ticks(LocalMoment(2010, 2, 28, 10, 0, 0)), Ticks(Reference(row)));
    Choose(row, PropDates::Day, 28);
    EXPECT_EQ(28, Shown(row).wDay);
    EXPECT_EQ("28", Shows(row, PropDates::Day));
    Choose(row, PropDates::Year, 2012 - 1985);
    Choose(row, PropDates::Day, 28);
    EXPECT_EQ(Ticks(LocalMoment(2012, 2, 29, 10, 0, 0)), Ticks(Reference(row)));
    // Back in a year that is not leap, the 29th is no date.
    Choose(row, PropDates::Year, 2013 - 1985);
    EXPECT_EQ(2012, Shown(row).wYear);
    EXPECT_EQ("2012", Shows(row, PropDates::Year));
}

// Four files with chosen written and accessed times; the page set as a user
// would set it finds exactly the two that pass both tests.
TEST_F(PropDatesTest, SearchFindsTheFilesOfTheChosenTimes)
{
    TempFolder tree;
    ASSERT_TRUE(tree.isMade());
    struct Made
    {
        char const* name;
        FILETIME written, accessed;
    } const files[] = {
        {"early.txt", LocalMoment(2001, 6, 15, 10, 0, 0), LocalMoment(2001, 6, 15, 10, 0, 0)},
        {"midnight.txt", LocalMoment(2010, 3, 3, 0, 0, 0), LocalMoment(2011, 1, 1, 9, 0, 0)},
        {"noon.txt", LocalMoment(2010, 3, 3, 12, 0, 0), LocalMoment(2011, 1, 1, 9, 0, 0)},
        {"later.txt", LocalMoment(2020, 7, 4, 23, 30, 0), LocalMoment(2021, 5, 31, 23, 59, 59)},
        {"touched.txt", LocalMoment(2020, 7, 4, 23, 30, 0), LocalMoment(2022, 1, 1, 0, 0, 0)},
    };
    for (Made const& file : files) {
        std::string const path = tree.Path(file.name);
        ASSERT_TRUE(TempFolder::Put(path, "x"));
        HANDLE const h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        EXPECT_TRUE(SetFileTime(h, nullptr, &file.accessed, &file.written));
        CloseHandle(h);
    }

    MainWindow& main = Open();
    // Written at or after 3 March 2010, 12:00:00 PM.
    unsigned row = PropDates::Written;
    Choose(row, PropDates::Mode, 5);
    Choose(row, PropDates::Day, 2);
    Choose(row, PropDates::Month, 2);
    Choose(row, PropDates::Year, 2010 - 1985);
    Choose(row, PropDates::Hour, 11);
    Choose(row, PropDates::Minute, 0);
    Choose(row, PropDates::Second, 0);
    Choose(row, PropDates::AmPm, 1);
    // Last accessed before 1 June 2021, 12:00:00 AM, typed.
    row = PropDates::Accessed;
    Choose(row, PropDates::Mode, 2);
    Type(row, PropDates::Day, "1");
    Type(row, PropDates::Month, "June");
    Type(row, PropDates::Year, "2021");
    Type(row, PropDates::Hour, "12");
    Type(row, PropDates::Minute, "0");
    Type(row, PropDates::Second, "0");
    Type(row, PropDates::AmPm, "AM");
    EXPECT_EQ(Ticks(LocalMoment(2010, 3, 3, 12, 0, 0)), Ticks(Reference(PropDates::Written)));
    EXPECT_EQ(Ticks(LocalMoment(2021, 6, 1, 0, 0, 0)), Ticks(Reference(PropDates::Accessed)));

    main.GetCriteria().folders.InsertRight(DName(tree.Dir().c_str()));
    EXPECT_EQ((std::set<std::string>{"noon.txt", "later.txt"}), Found(false));
}

}

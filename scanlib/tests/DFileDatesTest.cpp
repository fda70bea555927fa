// Dates of DFile: local time and UTC, the 1985 floor, validity, comparison at
// one second, and the named-month format (the numerical one is checked
// against the platform's conversion with the export). The zone (America/New_York under
// the test runner) has an offset and summer time.
#include "DFile.h"

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "TestTime.h"

namespace {

std::string Fields(SYSTEMTIME const& s)
{
    char text[64];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", s.wYear,
             s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds);
    return text;
}

// Local time as the platform's local file time gives it: UTC less today's bias.
std::string ExpectedLocal(FILETIME const& utc)
{
    return Fields(TestTime::Broken(
        TestTime::Shift(utc, -60000LL * TestTime::BiasMinutes())));
}

FILETIME LocalMoment(WORD year, WORD month, WORD day, WORD hour = 0,
                     WORD minute = 0, WORD second = 0, WORD ms = 0)
{
    return DFile::GetUTCDate(
        TestTime::Local(year, month, day, hour, minute, second, ms));
}

std::string const Floor = "1985-00-00 00:00:00.000";

TEST(DFileDates, LocalDateIsUtcLessTheBias)
{
    // New York: five hours behind UTC in winter, four in summer.
    int const bias = TestTime::BiasMinutes();
    ASSERT_TRUE(bias == 300 || bias == 240) << bias;
    FILETIME const cases[] = {
        TestTime::Utc(2004, 7, 1, 16, 30, 15, 250),  // summer
        TestTime::Utc(2004, 1, 15, 3, 0, 0),         // winter, day before locally
        TestTime::Utc(2090, 6, 1, 12),               // beyond the valid years
    };
    for (FILETIME const& t : cases)
        EXPECT_EQ(ExpectedLocal(t), Fields(DFile::GetLocalDate(t))) << Fields(TestTime::Broken(t));

    SYSTEMTIME const locals[] = {
        TestTime::Local(2004, 7, 4, 12, 0, 0),
        TestTime::Local(1985, 1, 1, 0, 0, 0, 1),
        TestTime::Local(2010, 3, 14, 23, 59, 59, 999),
        TestTime::Local(2080, 12, 31, 23, 59, 59),
    };
    for (SYSTEMTIME const& s : locals) {
        SCOPED_TRACE(Fields(s));
        FILETIME const utc = DFile::GetUTCDate(s);
        EXPECT_EQ(Fields(s), Fields(DFile::GetLocalDate(utc)));
        // UTC lies ahead of local time by the bias.
        EXPECT_EQ(Fields(s), ExpectedLocal(utc));
    }
    // A local time that does not exist gives no date.
    EXPECT_TRUE(DFile::isEmpty(DFile::GetUTCDate(TestTime::Local(2004, 13, 1))));
}

TEST(DFileDates, EverythingBefore1985ReadsAsTheFloor)
{
    EXPECT_EQ(Floor, Fields(DFile::GetLocalDate(FILETIME{0, 0})));
    EXPECT_EQ(Floor, Fields(DFile::GetLocalDate(TestTime::Utc(1601, 1, 1, 0, 0, 1))));
    EXPECT_EQ(Floor, Fields(DFile::GetLocalDate(LocalMoment(1984, 12, 31, 23, 59, 59))));
    // 1 January 1985 in UTC is still 1984 locally.
    EXPECT_EQ(Floor, Fields(DFile::GetLocalDate(TestTime::Utc(1985, 1, 1, 2))));
    EXPECT_EQ("1985-01-01 00:00:00.000",
              Fields(DFile::GetLocalDate(LocalMoment(1985, 1, 1))));
}

TEST(DFileDates, ValidYearsRunFrom1985To2080)
{
    EXPECT_FALSE(DFile::isValidDate(FILETIME{0, 0}));
    EXPECT_FALSE(DFile::isValidDate(LocalMoment(1984, 12, 31, 23, 59, 59)));
    EXPECT_TRUE(DFile::isValidDate(LocalMoment(1985, 1, 1)));
    EXPECT_TRUE(DFile::isValidDate(LocalMoment(2080, 12, 31, 23, 59, 59)));
    EXPECT_FALSE(DFile::isValidDate(LocalMoment(2081, 1, 1)));

    EXPECT_TRUE(DFile::isValidDate(TestTime::Local(2004, 2, 29, 13, 5, 0)));
    // Days a month lacks are no date, whether the platform's conversion
    // refuses them or rolls them into the next month.
    for (SYSTEMTIME const& missing : {TestTime::Local(2010, 2, 29), TestTime::Local(2079, 2, 29),
                                      TestTime::Local(2004, 2, 30), TestTime::Local(2004, 4, 31)})
        EXPECT_FALSE(DFile::isValidDate(missing)) << Fields(missing);
    for (SYSTEMTIME const& bad : {TestTime::Local(2004, 0, 10), TestTime::Local(2004, 5, 0),
                                  TestTime::Local(2004, 5, 1, 24), TestTime::Local(2004, 5, 1, 1, 60),
                                  TestTime::Local(1984, 6, 1), TestTime::Local(2081, 6, 1)})
        EXPECT_FALSE(DFile::isValidDate(bad)) << Fields(bad);
}

TEST(DFileDates, CompareLocalTimeToTheSecond)
{
    FILETIME const at = LocalMoment(2004, 7, 1, 10, 0, 0, 100);
    EXPECT_EQ(0, DFile::CompDate(at, TestTime::Shift(at, 400)));
    EXPECT_EQ(0, DFile::CompDate(LocalMoment(2004, 7, 1, 10, 0, 0, 900),
                                 LocalMoment(2004, 7, 1, 10, 0, 0, 0)));
    EXPECT_EQ(-1, DFile::CompDate(LocalMoment(2004, 7, 1, 10, 0, 0, 999),
                                  LocalMoment(2004, 7, 1, 10, 0, 1)));
    EXPECT_EQ(1, DFile::CompDate(LocalMoment(2004, 7, 1, 10, 0, 1),
                                 LocalMoment(2004, 7, 1, 10, 0, 0, 999)));
    // Each field decides when the ones before it are equal.
    FILETIME const base = LocalMoment(2004, 6, 15, 12, 30, 30);
    FILETIME const later[] = {
        LocalMoment(2005, 1, 1), LocalMoment(2004, 7, 1),
        LocalMoment(2004, 6, 16), LocalMoment(2004, 6, 15, 13),
        LocalMoment(2004, 6, 15, 12, 31), LocalMoment(2004, 6, 15, 12, 30, 31),
    };
    for (FILETIME const& t : later) {
        EXPECT_EQ(-1, DFile::CompDate(base, t));
        EXPECT_EQ(1, DFile::CompDate(t, base));
    }
    // The zero date and every date before 1985 are one moment.
    EXPECT_EQ(0, DFile::CompDate(FILETIME{0, 0}, LocalMoment(1980, 5, 5)));
    EXPECT_EQ(-1, DFile::CompDate(FILETIME{0, 0}, LocalMoment(1985, 1, 1)));

    DFile f;
    f.SetDateCreated(LocalMoment(2004, 1, 1));
    f.SetDateLastAccessed(LocalMoment(2004, 1, 2));
    f.SetDateWritten(LocalMoment(2004, 1, 3));
    FILETIME const day2 = LocalMoment(2004, 1, 2);
    EXPECT_EQ(-1, f.CompDateCreated(day2));
    EXPECT_EQ(0, f.CompDateLastAccessed(day2));
    EXPECT_EQ(1, f.CompDateWritten(day2));
}

TEST(DFileDates, FormatsShowLocalTimeOnATwelveHourClock)
{
    FILETIME const t = LocalMoment(2004, 3, 9, 15, 7, 5);
    EXPECT_EQ("Mar 9, 2004  3:07:05 PM", Bytes(DFile::FormatDate(t)));
    EXPECT_EQ("3/09/2004 3:07:05 PM", Bytes(DFile::FormatNumericalDate(t)));

    struct
    {
        WORD hour;
        char const* shown;
    } const clock[] = {
        {0, "12:00:00 AM"}, {1, "1:00:00 AM"},  {11, "11:00:00 AM"},
        {12, "12:00:00 PM"}, {13, "1:00:00 PM"}, {23, "11:00:00 PM"},
    };
    for (auto const& c : clock)
        EXPECT_EQ(std::string("Nov 30, 2010  ") + c.shown,
                  Bytes(DFile::FormatDate(LocalMoment(2010, 11, 30, c.hour))));
}

TEST(DFileDates, MonthNamesAsTheyAreSpeltAndInvalidDatesAsTheFloor)
{
    char const* const names[] = {"Jan", "Feb", "Mar", "April", "May", "June",
                                 "July", "Aug", "Sept", "Oct", "Nov", "Dec"};
    for (WORD m = 1; m <= 12; ++m)
        EXPECT_EQ(std::string(names[m - 1]) + " 1, 2001  8:30:00 AM",
                  Bytes(DFile::FormatDate(LocalMoment(2001, m, 1, 8, 30))));

    FILETIME const invalid[] = {
        FILETIME{0, 0},
        LocalMoment(1984, 6, 1, 15),
        LocalMoment(2081, 1, 1, 15),
    };
    for (FILETIME const& t : invalid)
        EXPECT_EQ(" 0, 1985  12:00:00 AM", Bytes(DFile::FormatDate(t)))
            << Fields(TestTime::Broken(t));
}

}  // namespace

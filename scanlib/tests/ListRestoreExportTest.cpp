// The quick paths of the result list: dates shown by calendar arithmetic
// against the platform's own conversion, the text export written in blocks
// against line-by-line writes, and restoring records whose keys wrap or
// that are longer than one read. The zone (America/New_York under the test
// runner) has an offset and summer time.
#include "DFile.h"
#include "DFileLoad.h"
#include "FileOper.h"
#include "RecordBuffer.h"
#include "TextExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestTime.h"

namespace {

FILETIME Ticks(unsigned long long v)
{
    FILETIME t;
    t.dwLowDateTime = DWORD(v);
    t.dwHighDateTime = DWORD(v >> 32);
    return t;
}

unsigned long long TicksOf(FILETIME const& t)
{
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

FILETIME LocalMoment(WORD year, WORD month, WORD day, WORD hour, WORD minute,
                     WORD second)
{
    return DFile::GetUTCDate(TestTime::Local(year, month, day, hour, minute, second));
}

// The numerical date text of a date converted by the platform: its local
// file time broken down, or the floor outside 1985 to 2080.
std::string PlatformText(FILETIME const& t)
{
    SYSTEMTIME s = {};
    s.wYear = 1985;
    if (DFile::isValidDate(t))
        s = DFile::GetLocalDate(t);
    unsigned const hour = s.wHour % 12 ? s.wHour % 12 : 12;
    char text[64];
    snprintf(text, sizeof text, "%d/%02d/%04d %u:%02d:%02d %s", s.wMonth, s.wDay,
             s.wYear, hour, s.wMinute, s.wSecond, s.wHour < 12 ? "AM" : "PM");
    return text;
}

TEST(ShownDates, MatchThePlatformConversion)
{
    std::vector<FILETIME> dates = {
        // The first and last shown seconds and their neighbours outside.
        LocalMoment(1985, 1, 1, 0, 0, 0), LocalMoment(1984, 12, 31, 23, 59, 59),
        LocalMoment(2080, 12, 31, 23, 59, 59), LocalMoment(2081, 1, 1, 0, 0, 0),
        // Leap days, and New Year's Eve, which is already January in UTC.
        LocalMoment(2000, 2, 29, 13, 1, 2), LocalMoment(2080, 2, 29, 9, 9, 9),
        LocalMoment(2023, 12, 31, 22, 30, 0),
        // No date, the first tick, the far future, the top bit set.
        Ticks(0), Ticks(1), TestTime::Utc(30000, 1, 1), Ticks(0x7FFFFFFFFFFFFFFFull),
        Ticks(~0ull),
    };
    // The twelve-hour clock's edges in every month, in and out of summer time.
    for (WORD month = 1; month <= 12; ++month) {
        for (WORD hour : {0, 1, 11, 12, 13, 23})
            dates.push_back(LocalMoment(2004, month, 28, hour, 59, 58));
    }
    // A spread over the years around the range: month lengths of leap and
    // common years.
    FILETIME const from = TestTime::Utc(1983, 6, 1);
    unsigned long long const step = (37ull * 86400 + 4817) * 10000000;
    for (unsigned i = 0; i < 1000; ++i)
        dates.push_back(Ticks(TicksOf(from) + i * step));

    long long const offset = DFile::LocalOffset();
    for (FILETIME const& t : dates) {
        std::string const expected = PlatformText(t);
        SCOPED_TRACE(expected);
        char text[DFile::NumericalDateLimit];
        unsigned const n = DFile::NumericalDateText(t, offset, text);
        ASSERT_EQ(expected, std::string(text, n));
        ASSERT_STREQ(expected.c_str(), DFile::FormatNumericalDate(t).Name());
    }
}

DFile Record(std::string const& path, unsigned long long size, unsigned attributes,
             unsigned i)
{
    // Dates with one- and two-digit months and hours, some before 1985: the
    // longest texts come after shorter ones.
    WORD const month = WORD(1 + i % 12);
    FILETIME const c = TestTime::Utc(WORD(1990 + i % 30), month, 9, WORD(i * 7 % 24), 7, 5);
    FILETIME const a = TestTime::Utc(WORD(1980 + i % 50), month, 28, WORD(i * 5 % 24), 0, 1);
    FILETIME const w = TestTime::Utc(2020, month, WORD(1 + i % 28), WORD(i % 24), 59, 59);
    DFile f(DName(path.c_str()), attributes, 0, &c, &a, &w);
    f.SetFileSize(unsigned(size), unsigned(size >> 32));
    return f;
}

// Equal records, also without a path (which equals nothing under ==).
bool Same(DFile const& a, DFile const& b)
{
    return a.CompStruct(b) && Bytes(a.GetFullPath()) == Bytes(b.GetFullPath());
}

// A line as the export defines it: every column padded to its widest text
// over the list, the drive as its letter and ":\", the last date unpadded.
std::string ExpectedLine(DFileLoad const& load, unsigned pos, unsigned const (&widths)[8])
{
    std::string line;
    for (unsigned c = 0; c < 8; ++c) {
        unsigned const column = 1u << c;
        if (column == DFileLoad::ColumnDrive) {
            if (load[pos][0])
                line += load[pos][0];
            line += ":\\ ";
            continue;
        }
        std::string const cell = Bytes(load.GetColumn(pos, column));
        line += cell;
        if (column != DFileLoad::ColumnWritten)
            line.append(widths[c] + 1 - cell.size(), ' ');
    }
    return line;
}

TEST(Forms, ExportLinesAndTheirBlocks)
{
    DFileLoad load;
    load.InsertRight(Record("C:\\data\\one.txt", 5, 0x21, 0));
    load.InsertRight(Record("", 0, 0x10, 1));                      // no drive letter
    load.InsertRight(Record("D:\\big\\Two.BIN", ~0ull, 0x821, 2));  // twenty digits
    // Enough long lines for several blocks.
    for (unsigned i = 3; i < 900; ++i) {
        std::string const path = "E:\\" + std::string(120 + i % 50, char('a' + i % 26)) +
                                 "/n" + std::to_string(i);
        load.InsertRight(Record(path, i * 977ull, i % 2 ? 0x20 : 0x1, i));
    }

    unsigned widths[8] = {};
    for (unsigned i = 0; i < load.Size(); ++i) {
        for (unsigned c = 0; c < 8; ++c)
            widths[c] = std::max(widths[c], load.GetColumn(i, 1u << c).Size());
    }
    std::string const head = "Total Files: 900\r\n\r\n";
    std::string expected = head;
    for (unsigned i = 0; i < load.Size(); ++i) {
        std::string const line = load.Format(i).Name();
        ASSERT_EQ(ExpectedLine(load, i, widths), line) << i;
        expected += line + "\r\n";
    }
    EXPECT_NE(std::string::npos, expected.find(" :\\ "));
    EXPECT_NE(std::string::npos, expected.find(" 18446744073709551615 "));
    ASSERT_GT(expected.size(), 3u * 65536);

    TempFolder dir;
    std::string const path = dir.Path("export.txt");
    FileOper out;
    ASSERT_TRUE(out.Create(path.c_str()));
    TextExport text(out);
    ASSERT_TRUE(text.Head(load.Size()));
    for (unsigned i = 0; i < load.Size(); ++i)
        ASSERT_TRUE(text.Line(load.Format(i)));
    ASSERT_TRUE(text.Finish());
    out.Close();
    EXPECT_EQ(expected, TempFolder::Get(path));

    // A line is written up to a NUL in it, as a text line is.
    FileOper again;
    ASSERT_TRUE(again.Create(path.c_str()));
    TextExport nul(again);
    DName cut;
    ASSERT_TRUE(cut.Namen("ab\0cd", 5));
    EXPECT_TRUE(nul.Head(0) && nul.Line(cut) && nul.Finish());
    again.Close();
    EXPECT_EQ("Total Files: 0\r\n\r\nab\r\n", TempFolder::Get(path));
}

TEST(Forms, RestoreWrappedKeysAndRecordsLongerThanARead)
{
    struct Shape
    {
        unsigned key;
        unsigned path;
    };
    // Keys that wrap within the path, within the nine words, or just clear
    // of them; no path; strings longer than a read, and the longest.
    Shape const shapes[] = {{1, 40},   {3, 40},       {40, 40},  {75, 40},
                            {76, 40},  {993, 0},      {7, 1},    {60000, 60000},
                            {500, 300}, {0xFFEF, 0xFFEF}, {500, 300}};
    std::vector<DFile> records;
    std::vector<DName> keys;
    for (unsigned i = 0; i < sizeof shapes / sizeof shapes[0]; ++i) {
        std::string path = "C:\\";
        for (unsigned j = 0; path.size() < shapes[i].path; ++j)
            path += char('A' + (i + j) % 26);
        path.resize(shapes[i].path);
        records.push_back(Record(path, 0x123456789ull * (i + 1), 0x20 | i, i));
        std::string key;
        // Any byte: above 0x80, and NULs, which count like the others.
        for (unsigned j = 0; j < shapes[i].key; ++j)
            key += char((i * 31 + j * 7) % 256);
        keys.emplace_back();
        ASSERT_TRUE(keys.back().Namen(key.data(), unsigned(key.size())));
    }
    // A record stored as it stands, without scrambling.
    records.push_back(Record("C:\\plain.txt", 77, 0x1, 3));
    keys.emplace_back();

    TempFolder dir;
    std::string const path = dir.Path("long.hur");
    {
        FileOper out;
        ASSERT_TRUE(out.Create(path.c_str()));
        RecordBuffer body(out);
        ASSERT_TRUE(body.PutWord(unsigned(records.size())));
        for (size_t i = 0; i < records.size(); ++i)
            ASSERT_TRUE(records[i].Store(body, keys[i].isEmpty() ? nullptr : keys[i].Name(),
                                         keys[i].Size()));
        // A path that no reader would take is refused before a byte of it
        // is written.
        DFile const tooLong(DName(std::string(DName::StoredLimit, 'x').c_str()), 0, 0);
        EXPECT_FALSE(tooLong.Store(body, "k", 1));
        ASSERT_TRUE(body.Flush());
    }
    std::string const bytes = TempFolder::Get(path);

    DFileLoad load;
    {
        FileOper in(path.c_str(), false);
        ASSERT_TRUE(load.Read(in));
    }
    ASSERT_EQ(records.size(), load.Size());
    for (unsigned i = 0; i < load.Size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Same(load[i], records[i]));
        EXPECT_TRUE(DFile::CompDates(load[i].GetDateLastAccessed(),
                                     records[i].GetDateLastAccessed()));
        EXPECT_TRUE(load[i].GetKey().isEmpty());
    }

    // Cut inside the longest record (its key, its path, its words, its last
    // byte): the records before it are read, the body fails.
    size_t const longest = 9;
    size_t start = 4;
    for (size_t i = 0; i < longest; ++i)
        start += 1 + 4 + shapes[i].key + 4 + shapes[i].path + 36;
    size_t const words = start + 9 + 2 * 0xFFEF;
    size_t const cuts[] = {start + 3,  start + 5 + 30000, start + 9 + 0xFFEF + 100,
                           words,      words + 20,        words + 35};
    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        DFileLoad back;
        ASSERT_TRUE(TempFolder::Put(path, bytes.substr(0, cut)));
        FileOper in(path.c_str(), false);
        EXPECT_FALSE(back.Read(in));
        EXPECT_EQ(longest, back.Size());
    }
}

TEST(Forms, LongBodiesAreReadAheadAndGiveBackWhatIsLeft)
{
    // Several megabytes: the body is read on a thread ahead of the records.
    DFileLoad load;
    for (unsigned i = 0; i < 6000; ++i) {
        std::string const path = "D:\\" + std::string(600 + i % 300, char('a' + i % 26)) +
                                 "\\" + std::to_string(i);
        load.InsertRight(Record(path, i, 0x20, i));
    }
    TempFolder dir;
    std::string const path = dir.Path("big.hur");
    unsigned const marker = 0x5EA1ED;
    {
        FileOper out;
        ASSERT_TRUE(out.Create(path.c_str()));
        ASSERT_TRUE(load.Write(out));
        ASSERT_TRUE(out.Write(&marker, 4));
    }
    std::string const bytes = TempFolder::Get(path);
    ASSERT_GT(bytes.size(), 6u << 20);

    // The file stands after the body, so that what follows can be read.
    DFileLoad back;
    {
        FileOper in(path.c_str(), false);
        ASSERT_TRUE(back.Read(in));
        EXPECT_EQ(long(marker), in.Qread());
    }
    ASSERT_EQ(load.Size(), back.Size());
    for (unsigned i = 0; i < load.Size(); ++i)
        ASSERT_TRUE(back[i] == load[i]) << i;

    // A search stops at its record and leaves the file just after it.
    {
        FileOper in(path.c_str(), false);
        DFile found;
        ASSERT_TRUE(load.ReadFind(in, load[2000].GetFullPath(), found));
        EXPECT_TRUE(found == load[2000]);
        DFile following;
        ASSERT_TRUE(following.Read(in));
        EXPECT_TRUE(following == load[2001]);
    }

    // Cut short, the records before the cut are read.
    size_t end = 4;
    unsigned whole = 0;
    size_t const cut = bytes.size() / 2;
    while (true) {
        size_t const next = end + 1 + 4 + Word(bytes, end + 1);
        size_t const after = next + 4 + Word(bytes, next) + 36;
        if (after > cut)
            break;
        end = after;
        ++whole;
    }
    ASSERT_TRUE(TempFolder::Put(path, bytes.substr(0, cut)));
    FileOper in(path.c_str(), false);
    EXPECT_FALSE(back.Read(in));
    EXPECT_EQ(whole, back.Size());
}

}  // namespace

// Records drawn into a real list view: the cell of every column, the icon
// cell, redrawing a range, and a stored list read into an attached list.
#include "DFileLoad.h"
#include "FileOper.h"

#include <gtest/gtest.h>

#include <string>

#include "ControlPanel.h"
#include "TempFolder.h"
#include "TestTime.h"

namespace {

DFile Record(char const* path, unsigned long long size, unsigned attributes = 0x21)
{
    FILETIME const c = TestTime::Utc(2001, 2, 3, 4, 5, 6);
    FILETIME const a = TestTime::Utc(2002, 3, 4, 5, 6, 7);
    FILETIME const w = TestTime::Utc(2003, 4, 5, 6, 7, 8);
    DFile f(DName(path), attributes, 0, &c, &a, &w);
    f.SetFileSize(unsigned(size), unsigned(size >> 32));
    return f;
}

class Draw : public ::testing::Test
{
protected:
    void SetUp() override
    {
        load_.InsertRight(Record("D:\\Data\\big.bin", 0x10000000Aull));
        load_.InsertRight(Record("D:\\Data\\two.txt", 2));
        load_.InsertRight(Record("E:\\three.doc", 3));
        panel_.Attach(load_);
    }

    DFileLoad load_;
    ControlPanel panel_;
};

TEST_F(Draw, EveryColumnInItsCell)
{
    ASSERT_TRUE(panel_.list.SetupReportStyle(DFileLoad::AllColumns));
    ASSERT_TRUE(panel_.list.CreateIcons());
    ASSERT_TRUE(load_.DrawFile(load_[0], 0));
    ASSERT_EQ(1u, panel_.Rows());
    EXPECT_EQ("big.bin", panel_.Cell(0, 0));
    EXPECT_EQ("D:\\", panel_.Cell(0, 1));
    // The whole size, also above 4 GiB.
    EXPECT_EQ("4294967306", panel_.Cell(0, 3));
    for (unsigned column : {2u, 4u, 5u, 6u, 7u})
        EXPECT_EQ(load_.GetColumn(0, 1u << column).Name(), panel_.Cell(0, column)) << column;
}

TEST_F(Draw, ShownColumnsFromTheLeft)
{
    // Full path first, so it carries the icon; then the size.
    ASSERT_TRUE(panel_.list.SetupReportStyle(DFileLoad::ColumnPath | DFileLoad::ColumnSize));
    ASSERT_TRUE(load_.DrawFile(load_[2], 0));
    EXPECT_EQ("E:\\three.doc", panel_.Cell(0, 0));
    EXPECT_EQ("3", panel_.Cell(0, 1));

    ASSERT_TRUE(panel_.list.SetupReportStyle(DFileLoad::ColumnSize | DFileLoad::ColumnName));
    ASSERT_TRUE(load_.DrawFile(load_[1], 1));
    EXPECT_EQ("two.txt", panel_.Cell(1, 0));
    EXPECT_EQ("2", panel_.Cell(1, 1));

    // The text export follows the columns the list shows.
    EXPECT_STREQ("big.bin   4294967306 ", load_.Format(0).Name());

    // A name cell that cannot be written stops the row.
    EXPECT_FALSE(load_.DrawFile(DFile(DName("C:\\"), 0x10, 0), 2));
    EXPECT_EQ(2u, panel_.Rows());
}

TEST_F(Draw, RedrawingARange)
{
    ASSERT_TRUE(panel_.list.SetupReportStyle(DFileLoad::ColumnPath));
    panel_.list.SetText("stale row", 0, 0);

    ASSERT_TRUE(load_.DrawAllFiles(-1, -1));
    ASSERT_EQ(3u, panel_.Rows());
    EXPECT_EQ("E:\\three.doc", panel_.Cell(2, 0));

    // A range running past the end stops at the end.
    ASSERT_TRUE(load_.DrawAllFiles(1, 50));
    ASSERT_EQ(2u, panel_.Rows());
    EXPECT_EQ("D:\\Data\\two.txt", panel_.Cell(0, 0));
    EXPECT_EQ("E:\\three.doc", panel_.Cell(1, 0));

    load_.SetupControls(nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(load_.DrawAllFiles(-1, -1));
}

TEST_F(Draw, ReadingAStoredListDrawsItsRows)
{
    TempFolder dir;
    std::string const path = dir.Path("list.hur");
    {
        FileOper out;
        ASSERT_TRUE(out.Create(path.c_str()));
        ASSERT_TRUE(load_.Write(out));
    }
    ASSERT_TRUE(panel_.list.SetupReportStyle(DFileLoad::ColumnName));
    panel_.list.SetText("stale row", 0, 0);

    DFileLoad read;
    panel_.Attach(read);
    {
        FileOper in;
        ASSERT_TRUE(in.Open(path.c_str(), false, false));
        ASSERT_TRUE(read.Read(in));
    }
    ASSERT_EQ(3u, panel_.Rows());
    EXPECT_EQ("big.bin", panel_.Cell(0, 0));
    EXPECT_EQ("three.doc", panel_.Cell(2, 0));

    // Cut inside the last record: the rows of the records before it.
    std::string const bytes = TempFolder::Get(path);
    ASSERT_TRUE(TempFolder::Put(path, bytes.substr(0, bytes.size() - 3)));
    FileOper in;
    ASSERT_TRUE(in.Open(path.c_str(), false, false));
    EXPECT_FALSE(read.Read(in));
    EXPECT_EQ(2u, read.Size());
    EXPECT_EQ(2u, panel_.Rows());
}

}  // namespace

// The rows of a virtual list view and the entries they show: after a walk,
// a restore, a sort and removals row i shows entry i; a chosen view of some
// entries leads each row to its own; the size cell of a file above 4 GiB.
#include "DFileLoad.h"
#include "FileOper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlPanel.h"
#include "TempFolder.h"
#include "WalkTree.h"

namespace {

class Rows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        panel_.list.SetupReportStyle(DFileLoad::ColumnName | DFileLoad::ColumnPath |
                                     DFileLoad::ColumnSize);
        panel_.Attach(load_);
    }

    void Add(char const* path, unsigned size = 1, unsigned attributes = 0x20)
    {
        load_.InsertRight(DFile(DName(path), attributes, size));
    }

    // Every row shows the path of the entry at its own position.
    void ExpectRowsOfEntries() const
    {
        ASSERT_EQ(load_.Size(), panel_.Rows());
        ASSERT_EQ(load_.Size(), load_.RowCount());
        for (unsigned i = 0; i < load_.Size(); ++i) {
            EXPECT_EQ(int(i), load_.RowEntry(i));
            EXPECT_EQ(load_[i].GetFullPath().Name(), panel_.Cell(i, 1)) << i;
        }
    }

    std::vector<std::string> Column(unsigned column) const
    {
        std::vector<std::string> cells;
        for (unsigned row = 0; row < panel_.Rows(); ++row)
            cells.push_back(panel_.Cell(row, column));
        return cells;
    }

    DFileLoad load_;
    ControlPanel panel_;
};

using Texts = std::vector<std::string>;

TEST_F(Rows, AStoredListWithOddPathsKeepsRowsAndEntriesTogether)
{
    // An empty path and a path ending in a backslash get rows of their own:
    // the entries after them stay on their own rows.
    Add("C:\\one.txt");
    Add("");
    Add("C:\\folder\\", 0, 0x10);
    Add("C:\\four.txt");
    TempFolder dir;
    std::string const file = dir.Path("odd.hur");
    {
        FileOper out;
        ASSERT_TRUE(out.Create(file.c_str()));
        ASSERT_TRUE(load_.Write(out));
    }
    DFileLoad read;
    panel_.Attach(read);
    FileOper in;
    ASSERT_TRUE(in.Open(file.c_str(), false, false));
    ASSERT_TRUE(read.Read(in));
    ASSERT_EQ(4u, read.Size());
    EXPECT_EQ((Texts{"C:\\one.txt", "", "C:\\folder\\", "C:\\four.txt"}), Column(1));
    EXPECT_EQ((Texts{"one.txt", "", "", "four.txt"}), Column(0));
    // A row without a path has no icon to find; the others still get theirs.
    EXPECT_EQ(0, panel_.Image(1));
}

TEST_F(Rows, SortAndRemovalsRedrawnRowByRow)
{
    for (char const* path : {"C:\\d.txt", "C:\\b.txt", "C:\\a.txt", "C:\\c.txt", "C:\\e.txt"})
        Add(path);
    ASSERT_TRUE(load_.DrawAllFiles(-1, -1));
    ExpectRowsOfEntries();

    ASSERT_TRUE(load_.SortAlpha(DFileLoad::ColumnName, false));
    ASSERT_TRUE(load_.DrawAllFiles(-1, -1));
    ExpectRowsOfEntries();
    EXPECT_EQ("C:\\a.txt", panel_.Cell(0, 1));

    // A removed entry takes its row along, and the selection of the rows
    // after it moves up with them.
    ASSERT_TRUE(panel_.list.SetSel(3));
    ASSERT_TRUE(load_.DelPos(1));
    ExpectRowsOfEntries();
    EXPECT_TRUE(panel_.list.isSel(2));
    EXPECT_STREQ("C:\\d.txt", load_[2].GetFullPath().Name());
    EXPECT_EQ(1ul, panel_.list.GetSelected());

    // An entry put in at the head gets the first row.
    ASSERT_TRUE(load_.InsertPos(DFile(DName("C:\\new.txt"), 0x20, 1), 0));
    ExpectRowsOfEntries();
    load_.RemFiles();
    EXPECT_EQ(0u, panel_.Rows());
    EXPECT_EQ(-1, load_.RowEntry(0));
}

TEST_F(Rows, AChosenViewLeadsEachRowToItsEntry)
{
    for (char const* path : {"C:\\same1", "C:\\gone2", "C:\\same3", "C:\\gone4", "C:\\gone5"})
        Add(path);
    // As the comparison draws the entries that differ, one row after another.
    load_.ClearRows();
    unsigned row = 0;
    for (unsigned pos = 0; pos < load_.Size(); ++pos) {
        if (load_[pos].GetFileName().Name()[0] == 'g') {
            ASSERT_TRUE(load_.DrawFile(load_[pos], row++));
        }
    }
    EXPECT_EQ((Texts{"C:\\gone2", "C:\\gone4", "C:\\gone5"}), Column(1));
    EXPECT_EQ(3, load_.RowEntry(1));
    EXPECT_EQ(-1, load_.RowEntry(3));
    // A record of no list has no row; a row past the end cannot be drawn.
    EXPECT_FALSE(load_.DrawFile(DFile(DName("C:\\gone2"), 0x20, 1), 3));
    EXPECT_FALSE(load_.DrawEntry(0, 5));

    // Removing an entry shown keeps the other rows on theirs.
    ASSERT_TRUE(load_.DelPos(3));
    EXPECT_EQ((Texts{"C:\\gone2", "C:\\gone5"}), Column(1));
    EXPECT_EQ(3, load_.RowEntry(1));
    // Removing one not shown moves the positions, not the rows.
    ASSERT_TRUE(load_.DelPos(0));
    EXPECT_EQ((Texts{"C:\\gone2", "C:\\gone5"}), Column(1));
    EXPECT_EQ(0, load_.RowEntry(0));
    EXPECT_EQ(2, load_.RowEntry(1));

    // A range from the middle is a chosen view too.
    ASSERT_TRUE(load_.DrawAllFiles(2, -1));
    EXPECT_EQ((Texts{"C:\\gone5"}), Column(1));
    EXPECT_EQ(2, load_.RowEntry(0));
}

TEST(RowsOfAWalk, SizeCellOfAFileAbove4GiB)
{
    WalkTree tree;
    ASSERT_TRUE(tree.File("small.txt", "x"));
    // A sparse file: its size is set, no bytes are written.
    HANDLE const big = CreateFileA(tree.Path("big.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, big);
    LONG high = 1;
    SetFilePointer(big, 10, &high, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(big));
    CloseHandle(big);

    ControlPanel panel;
    panel.list.SetupReportStyle(DFileLoad::ColumnName | DFileLoad::ColumnSize);
    DFileLoad load;
    panel.Attach(load);
    ASSERT_TRUE(load.LoadAllDirListings(tree.Criteria(), false));
    ASSERT_TRUE(load.SortAlpha(DFileLoad::ColumnName, false));
    ASSERT_TRUE(load.DrawAllFiles(-1, -1));
    ASSERT_EQ(2u, panel.Rows());
    EXPECT_EQ("big.bin", panel.Cell(0, 0));
    EXPECT_EQ("4294967306", panel.Cell(0, 1));
    EXPECT_EQ("1", panel.Cell(1, 1));
    DeleteFileA(tree.Path("big.bin").c_str());
}

}  // namespace

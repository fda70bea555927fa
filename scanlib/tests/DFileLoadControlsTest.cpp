// A walk with its controls attached: the status line, the rate text, the
// progress bar and the rows it leaves, stopped, and with icons shared between
// rows. The walk on a worker thread is the application's search.
#include "DFileLoad.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlPanel.h"
#include "WalkProgress.h"
#include "WalkTree.h"

namespace {

using Texts = std::vector<std::string>;

class WalkControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (char const* name : {"a.txt", "b.txt", "c.dat"})
            ASSERT_TRUE(tree_.File(name, "text"));
        ASSERT_TRUE(tree_.Folder("sub"));
        ASSERT_TRUE(tree_.File("sub\\d.txt", "more text"));
        // The application sets the range from a count walk without controls.
        ASSERT_EQ(5u, load_.GetTotalDirListings(tree_.Criteria(), true));
        panel_.bar.SetRange(5);
        panel_.list.SetupReportStyle(DFileLoad::ColumnName | DFileLoad::ColumnPath);
        panel_.Attach(load_);
    }

    // Every result has its row, at its own position.
    void ExpectRowsOfResults(unsigned rows) const
    {
        ASSERT_EQ(rows, panel_.Rows());
        for (unsigned i = 0; i < rows; ++i) {
            EXPECT_EQ(load_[i].GetFileName().Name(), panel_.Cell(i, 0));
            EXPECT_EQ(load_[i].GetFullPath().Name(), panel_.Cell(i, 1));
        }
    }

    WalkTree tree_;
    DFileLoad load_;
    ControlPanel panel_;
};

TEST_F(WalkControls, StatusRateProgressAndRowsOfAWholeWalk)
{
    ASSERT_TRUE(load_.LoadAllDirListings(tree_.Criteria(), true));

    // Each folder as it is listed, then a blank for a walk that ran to its end.
    EXPECT_EQ((Texts{tree_.Dir(), tree_.Path("sub"), " "}), panel_.statusTexts);
    // The share of matches before each entry: nothing met yet, then all.
    EXPECT_EQ((Texts{"0.00%", "100.00%", "100.00%", "100.00%", "100.00%"}),
              panel_.rateTexts);
    // One step per entry, then back to the start.
    EXPECT_EQ((std::vector<unsigned long>{1, 2, 3, 4, 5, 0}), panel_.positions);
    EXPECT_EQ(0u, panel_.bar.GetPos());
    ExpectRowsOfResults(5);
}

TEST_F(WalkControls, RowsOfResultsFromBeforeTheWalkKeepTheirPositions)
{
    load_.InsertRight(DFile(DName("C:\\earlier.txt"), 0x20, 1));
    ASSERT_TRUE(load_.LoadAllDirListings(tree_.Criteria(), false));
    ASSERT_EQ(5u, load_.Size());
    EXPECT_EQ("C:\\earlier.txt", panel_.Cell(0, 1));
    ExpectRowsOfResults(5);
}

TEST_F(WalkControls, StopLeavesItsTextAndDrawsNoMoreRows)
{
    unsigned rowsAtStop = 0;
    panel_.onStatus = [&](std::string const& text) {
        if (text == tree_.Path("sub")) {
            rowsAtStop = panel_.Rows();
            load_.SetAbort();
        }
    };
    EXPECT_FALSE(load_.LoadAllDirListings(tree_.Criteria(), true));

    EXPECT_EQ((Texts{tree_.Dir(), tree_.Path("sub"),
                     "Please wait while cleaning up for abort...",
                     "Stopped processing folders."}),
              panel_.statusTexts);
    // The results of the first folder stay; the first entry started a batch
    // of rows, and none is drawn after the stop.
    EXPECT_EQ(4u, load_.Size());
    EXPECT_GE(rowsAtStop, 1u);
    ExpectRowsOfResults(rowsAtStop);
    EXPECT_EQ(0u, panel_.bar.GetPos());
}

TEST(WalkIcons, RowsOfOneTypeShareOneImage)
{
    WalkTree tree;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(tree.File("file" + std::to_string(i) + ".txt", "x"));
    ControlPanel panel;
    panel.list.SetupReportStyle(DFileLoad::ColumnName);
    DFileLoad load;
    panel.Attach(load);
    ASSERT_TRUE(load.LoadAllDirListings(tree.Criteria(), false));
    ASSERT_EQ(12u, panel.Rows());
    // Icons are found as rows are shown.
    for (unsigned row = 0; row < 12; ++row)
        EXPECT_EQ(0, panel.Image(row));
    EXPECT_EQ(1, panel.Images());
}

TEST(WalkPercentage, ShareOfTheRangeOverTheBar)
{
    ControlPanel panel;
    panel.bar.SetRange(200);
    WalkProgress progress;
    progress.Begin(&panel.bar);
    EXPECT_STREQ("", progress.Text());
    progress.Show(50);
    EXPECT_STREQ("25% ", progress.Text());
    progress.Show(50);    // the position is set only when it moves
    progress.End();
    EXPECT_STREQ("", progress.Text());
    // An empty range has no share to show; without a bar nothing is done.
    panel.bar.SetRange(0);
    progress.Begin(&panel.bar);
    progress.Show(3);
    EXPECT_STREQ("", progress.Text());
    progress.End();
    progress.Begin(nullptr);
    progress.Show(3);
    progress.End();
    EXPECT_EQ((std::vector<unsigned long>{50, 0, 3, 0}), panel.positions);
}

TEST(WalkPercentage, TheBarMovesByWholePixels)
{
    // Every move repaints the bar on its window's thread: a long walk moves
    // it once per pixel of its fill, not once per entry.
    ControlPanel panel;
    unsigned long const entries = 100000;
    panel.bar.SetRange(entries);
    RECT area;
    ASSERT_TRUE(GetClientRect(panel.bar.GetIdHandle(), &area));
    WalkProgress progress;
    progress.Begin(&panel.bar);
    for (unsigned long pos = 1; pos <= entries; ++pos)
        progress.Show(pos);
    EXPECT_LE(panel.positions.size(), static_cast<size_t>(area.right) + 1);
    EXPECT_GE(panel.positions.size(), static_cast<size_t>(area.right) - 1);
    EXPECT_GE(panel.bar.GetPos(), entries - entries / static_cast<unsigned long>(area.right));
    progress.End();
    EXPECT_EQ(0u, panel.bar.GetPos());
}

}  // namespace

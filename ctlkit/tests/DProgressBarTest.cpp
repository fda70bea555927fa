// Progress bars keep their whole 32-bit range: a walk may meet far more
// than 65,535 entries.
#include <gtest/gtest.h>

#include "DProgressBar.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

class DProgressBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bar = dialog.Add(PROGRESS_CLASSA, 0, 1080);
    }

    TestDialog dialog;
    HWND bar = nullptr;
};

TEST_F(DProgressBarTest, RangesAbove65535)
{
    DProgressBar progress(dialog.Handle(), 1080);
    for (unsigned long max : {70000ul, 65536ul, 174000ul, 2000000000ul, 100ul}) {
        EXPECT_TRUE(progress.SetRange(max));
        EXPECT_EQ(max, progress.GetRange()) << max;
        EXPECT_EQ(0, SendMessageA(bar, PBM_GETRANGE, TRUE, 0)) << max;
    }

    progress.SetRange(174000);
    progress.SetPos(0);
    EXPECT_EQ(0u, progress.SetPos(150000));
    EXPECT_EQ(150000u, progress.GetPos());
    EXPECT_EQ(150000u, progress.SetPos(174000));
    EXPECT_EQ(174000u, progress.GetPos());
    // Positions past the end stay at the end.
    progress.SetPos(200000);
    EXPECT_EQ(174000u, progress.GetPos());
}

TEST_F(DProgressBarTest, ConstructedWithRangeAndPosition)
{
    DProgressBar progress(90000, 80000, dialog.Handle(), 1080);
    EXPECT_EQ(90000, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(80000, SendMessageA(bar, PBM_GETPOS, 0, 0));
}

TEST_F(DProgressBarTest, CreatedAndMissing)
{
    DProgressBar progress(dialog.Handle(), 0);
    ASSERT_EQ(0, progress.Create(0, 5, 40, 100, 10, 1081));
    ASSERT_EQ(1, progress.Created(PBS_SMOOTH, 5, 55, 100, 10, 1082));
    EXPECT_TRUE(progress(1).SetRange(70000));
    EXPECT_EQ(70000u, progress[1082].GetRange());

    DProgressBar missing(dialog.Handle(), 4711);
    EXPECT_FALSE(missing.SetRange(10));
    EXPECT_EQ(0u, missing.GetRange());
}

}

#include "DRect.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

// Printed as its four values when a comparison fails.
static std::ostream& operator<<(std::ostream& os, DRect const& r)
{
    POINT const a = r.GetUpperLeft(), b = r.GetBottomRight();
    return os << "(" << a.x << ", " << a.y << ", " << b.x << ", " << b.y << ")";
}

namespace {

TEST(DRect, SettersSwapToKeepOrderAndArithmeticGrows)
{
    DRect r(0, 0, 10, 10);
    r.SetLeft(50);
    EXPECT_EQ(DRect(10, 0, 50, 10), r);
    r.SetBottom(-4);
    EXPECT_EQ(DRect(10, -4, 50, 0), r);
    DRect u(0, 0, 10, 10);
    u.SetUpperLeft(2, 3);
    u.SetBottomRight(POINT{1, 1});
    EXPECT_EQ(DRect(1, 1, 2, 3), u);

    DRect const g(10, 10, 20, 20);
    EXPECT_EQ(DRect(8, 8, 22, 22), g - 2); // both operators grow
    EXPECT_EQ(DRect(8, 8, 22, 22), g + 2);
    DRect const d(1, 2, 3, 4);
    EXPECT_EQ(DRect(11, 12, 23, 24), g + d);
    EXPECT_EQ(DRect(9, 8, 17, 16), g - d);
    DRect a = g;
    a.ASX(3);
    a.ASY(-1);
    EXPECT_EQ(DRect(7, 11, 23, 19), a);
}

// A hidden window with one child control, to measure real rectangles.
class DRectWindow : public ::testing::Test
{
protected:
    void TearDown() override { DestroyWindow(wnd_); }

    static int const ChildId = 42;
    HWND const wnd_ = CreateWindowA("STATIC", "t", WS_POPUP, 40, 50, 300, 200, nullptr, nullptr,
                                    nullptr, nullptr);
    HWND const child_ = CreateWindowA("STATIC", "", WS_CHILD, 5, 6, 30, 40, wnd_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildId)),
                                      nullptr, nullptr);
};

TEST_F(DRectWindow, MeasuresAWindowOnTheScreen)
{
    EXPECT_EQ(DRect(40, 50, 340, 250), DRect(wnd_));
    DRect a;
    a = child_;
    EXPECT_EQ(DRect(45, 56, 75, 96), a);

    // A window that is gone measures as empty.
    DRect stale(1, 2, 3, 4);
    EXPECT_FALSE(stale.FromWnd(nullptr));
    EXPECT_TRUE(stale.isEmpty());
}

TEST_F(DRectWindow, MeasuresADialogItemOfTheActiveWindow)
{
    SetActiveWindow(wnd_);
    if (GetActiveWindow() != wnd_)
        GTEST_SKIP() << "no active window on this display";
    DRect r;
    EXPECT_TRUE(r.FromId(ChildId));
    EXPECT_EQ(DRect(child_), r);
    DRect missing(1, 1, 1, 1);
    missing = 43u;
    EXPECT_TRUE(missing.isEmpty());
}

} // namespace

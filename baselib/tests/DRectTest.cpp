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

TEST(DRect, ConstructionKeepsValuesUnordered)
{
    EXPECT_TRUE(!DRect());
    DRect const r(30, 40, 10, 20);
    EXPECT_FALSE(r.isEmpty());
    EXPECT_EQ(30, r.GetUpperLeft().x);
    EXPECT_EQ(20, r.GetBottomRight().y);
    EXPECT_EQ(r, DRect(r.GetUpperLeft(), r.GetBottomRight()));
    RECT const rc = {1, 2, 3, 4};
    DRect c;
    c.Copy(rc);
    EXPECT_EQ(DRect(rc), c);
    // Only one value differs: still different.
    EXPECT_NE(DRect(1, 2, 3, 5), c);
    EXPECT_FALSE(c.Comp(DRect(0, 2, 3, 4)));
}

TEST(DRect, SizesAreUnsignedDifferences)
{
    DRect const r(100, 10, 200, 51);
    EXPECT_EQ(100u, r.GetWidth());
    EXPECT_EQ(41u, r.GetHeight());
    EXPECT_EQ(50u, r.GetCenterX()); // an offset, not 150
    EXPECT_EQ(20u, r.GetCenterY());
    EXPECT_EQ(0xFFFFFFF6ul, DRect(10, 0, 0, 0).GetWidth());
    // Extreme edges wrap instead of overflowing.
    EXPECT_EQ(0xFFFFFFFFul, DRect(LONG_MIN, 0, LONG_MAX, 0).GetWidth());

    DRect s(5, 6, 0, 0);
    s.SetWidth(10);
    s.SetHeight(20);
    EXPECT_EQ(DRect(5, 6, 15, 26), s);
}

TEST(DRect, PointsOnTheEdgeAreInside)
{
    DRect const r(0, 0, 10, 10);
    EXPECT_TRUE(r.isPoint(10, 10) && r.isPoint(0, 0));
    EXPECT_FALSE(r.isPoint(11, 5));
    EXPECT_FALSE(r.isPoint(5, -1));
    EXPECT_TRUE(r.isPoint(POINT{3, 10}));
    EXPECT_TRUE(r.isPoint(DRect(2, 2, 10, 10)));
    EXPECT_FALSE(r.isPoint(DRect(2, 2, 11, 10)));
    EXPECT_FALSE(DRect(10, 10, 0, 0).isPoint(5, 5)); // unordered holds nothing
}

TEST(DRect, SettersSwapToKeepOrder)
{
    DRect r(0, 0, 10, 10);
    r.SetLeft(50);
    EXPECT_EQ(DRect(10, 0, 50, 10), r);
    r.SetRight(5);
    r.SetTop(30);
    r.SetBottom(-4);
    EXPECT_EQ(DRect(5, -4, 10, 10), r);

    DRect e;
    e.SetRect(30, 0, 10, 5);
    EXPECT_EQ(DRect(0, 0, 10, 5), e);

    DRect u(0, 0, 10, 10);
    u.SetUpperLeft(2, 3);
    u.SetBottomRight(POINT{1, 1});
    EXPECT_EQ(DRect(1, 1, 2, 3), u);
}

TEST(DRect, ArithmeticGrowsAndAdds)
{
    DRect const r(10, 10, 20, 20);
    EXPECT_EQ(DRect(8, 8, 22, 22), r - 2); // both operators grow
    EXPECT_EQ(DRect(8, 8, 22, 22), r + 2);
    EXPECT_EQ(DRect(12, 12, 18, 18), r + -2);
    DRect x = r;
    x.ASX(3);
    x.ASY(-1);
    EXPECT_EQ(DRect(7, 11, 23, 19), x);

    DRect const d(1, 2, 3, 4);
    EXPECT_EQ(DRect(11, 12, 23, 24), r + d);
    EXPECT_EQ(DRect(9, 8, 17, 16), r - d);
    DRect a = r;
    a += d;
    a -= d;
    a += 1;    // grows as well
    a.AddRect(d).SubtractRect(d).IDXY(1);
    EXPECT_EQ(DRect(8, 8, 22, 22), a);
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
    DRect const r(wnd_);
    EXPECT_EQ(DRect(40, 50, 340, 250), r);
    DRect f;
    EXPECT_TRUE(f.FromWnd(wnd_));
    EXPECT_EQ(r, f);
    DRect a;
    a = wnd_;
    EXPECT_EQ(r, a);
    EXPECT_EQ(DRect(45, 56, 75, 96), DRect(child_));

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
    DRect const want(child_);
    DRect r;
    EXPECT_TRUE(r.FromId(ChildId));
    EXPECT_EQ(want, r);
    DRect a;
    a = ChildId;
    EXPECT_EQ(want, a);
    a = static_cast<unsigned long>(ChildId);
    EXPECT_EQ(want, a);
    DRect missing(1, 1, 1, 1);
    missing = 43u;
    EXPECT_TRUE(missing.isEmpty());
}

} // namespace

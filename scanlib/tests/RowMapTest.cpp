// Rows and the entries they show: the whole view, a chosen view, and
// entries leaving and coming in under both.
#include "RowMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Entries(RowMap const& map)
{
    std::vector<int> entries;
    for (unsigned row = 0; row < map.Rows(); ++row)
        entries.push_back(map.Entry(row));
    return entries;
}

using Ints = std::vector<int>;

TEST(RowMap, WholeViewFollowsTheList)
{
    RowMap map;
    EXPECT_TRUE(map.isAll());
    EXPECT_EQ(-1, map.Entry(0));
    map.ShowAll(4);
    EXPECT_EQ((Ints{0, 1, 2, 3}), Entries(map));
    EXPECT_EQ(-1, map.Entry(4));

    // Rows that agree with their entries keep the view whole.
    EXPECT_TRUE(map.Show(4, 4));
    EXPECT_TRUE(map.Show(1, 1));
    EXPECT_FALSE(map.Show(6, 6));
    EXPECT_TRUE(map.isAll());

    // An entry shown goes with its row; one not yet shown changes nothing.
    EXPECT_EQ(2, map.Removed(2));
    EXPECT_EQ(-1, map.Removed(9));
    EXPECT_EQ((Ints{0, 1, 2, 3}), Entries(map));
    map.Inserted(0);
    EXPECT_EQ(5u, map.Rows());
    map.Inserted(5);
    EXPECT_EQ(5u, map.Rows());
    EXPECT_TRUE(map.isAll());
}

TEST(RowMap, ChosenViewLeadsEachRowToItsEntry)
{
    RowMap map;
    map.ShowAll(2);
    // A row that shows another entry makes the view a chosen one.
    EXPECT_TRUE(map.Show(2, 7));
    EXPECT_FALSE(map.isAll());
    EXPECT_EQ((Ints{0, 1, 7}), Entries(map));
    EXPECT_TRUE(map.Show(0, 3));
    EXPECT_TRUE(map.Show(3, 9));
    EXPECT_EQ((Ints{3, 1, 7, 9}), Entries(map));

    // Entry 7 leaves: its row goes, later entries move down one position.
    EXPECT_EQ(2, map.Removed(7));
    EXPECT_EQ((Ints{3, 1, 8}), Entries(map));
    // An entry without a row: the rows of later entries follow.
    EXPECT_EQ(-1, map.Removed(2));
    EXPECT_EQ((Ints{2, 1, 7}), Entries(map));
    map.Inserted(2);
    EXPECT_EQ((Ints{3, 1, 8}), Entries(map));

    // The whole view again.
    map.ShowAll(3);
    EXPECT_EQ((Ints{0, 1, 2}), Entries(map));
}

TEST(RowMap, ManyRowsAcrossSegments)
{
    RowMap map;
    map.ShowAll(0);
    unsigned const n = 100000;
    for (unsigned row = 0; row < n; ++row)
        ASSERT_TRUE(map.Show(row, n - 1 - row));
    EXPECT_EQ(int(n - 1), map.Entry(0));
    EXPECT_EQ(0, map.Entry(n - 1));
    EXPECT_EQ(int(n - 1 - 70000), map.Entry(70000));
    EXPECT_EQ(int(n - 1), map.Removed(0));
    EXPECT_EQ(n - 1, map.Rows());
    EXPECT_EQ(int(n - 2), map.Entry(0));
}

}  // namespace

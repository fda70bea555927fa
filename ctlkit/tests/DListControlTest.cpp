// List views: result columns, cells, width rules, views, shared icons and
// selection, on real list views.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DListControl.h"
#include "TempFolder.h"
#include "TestDialog.h"

namespace {

int const listId = 1100;
char const longName[] = "a much longer file name than any column title.txt";

class DListControlTest : public ::testing::Test
{
protected:
    int HeaderCount() const
    {
        HWND header = reinterpret_cast<HWND>(SendMessageA(window, LVM_GETHEADER, 0, 0));
        return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    }
    int Width(char const* text) const { return list.GetStringWidth(text); }
    int Pad() const { return Width("XX"); }
    HIMAGELIST Images(int which) const
    {
        return reinterpret_cast<HIMAGELIST>(SendMessageA(window, LVM_GETIMAGELIST, which, 0));
    }
    int SmallImages() const { return ImageList_GetImageCount(Images(LVSIL_SMALL)); }
    LVITEMA Item(int row, UINT mask) const
    {
        LVITEMA item = {};
        item.mask = mask;
        item.iItem = row;
        SendMessageA(window, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item;
    }
    int ImageOf(int row) const { return Item(row, LVIF_IMAGE).iImage; }
    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (unsigned i = 0; i < list.GetTotalColumns(); ++i)
            titles.push_back(list.GetColumnText(i).Name());
        return titles;
    }

    TestDialog dialog;
    HWND const window = dialog.Add(WC_LISTVIEWA, LVS_REPORT, listId, "", 10, 10, 400, 300);
    DListControl list{dialog.Handle(), listId};
};

using Names = std::vector<std::string>;

TEST_F(DListControlTest, ReportColumnsFollowTheMask)
{
    // Columns the window already had go first.
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 50;
    column.pszText = const_cast<char*>("Old");
    SendMessageA(window, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageA(window, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_TRUE(list.SetupReportStyle(0x09));
    EXPECT_EQ(0x09u, list.GetReportStyle());
    EXPECT_EQ((Names{"File Name", "Size"}), Titles());
    EXPECT_EQ(2, HeaderCount());

    // A new mask replaces the columns.
    EXPECT_TRUE(list.SetupReportStyle(0xFF));
    EXPECT_EQ(8, HeaderCount());
    EXPECT_EQ("Drive", Titles()[1]);
    EXPECT_TRUE(list.SetupReportStyle(0));
    EXPECT_EQ(0, HeaderCount());
}

TEST_F(DListControlTest, ColumnsInsertedSetAndDeleted)
{
    EXPECT_FALSE(list.InsertColumn("", 0, 50));
    EXPECT_FALSE(list.InsertColumn("A", 1, 50));
    EXPECT_TRUE(list.InsertColumn("A", 0, 300));
    EXPECT_TRUE(list.InsertColumn("B", 0, 50));
    EXPECT_EQ((Names{"B", "A"}), Titles());
    EXPECT_EQ(300, list.GetColumnWidth(1));

    // The remembered widths moved with their columns: a text that fits
    // column A's 300 pixels leaves it alone.
    list.SetAutoAdjust(true);
    ASSERT_TRUE(list.SetText("x", 0, 0));
    ASSERT_TRUE(list.SetText("a medium length text", 0, 1));
    EXPECT_EQ(300, list.GetColumnWidth(1));

    EXPECT_TRUE(list.SetColumn("C", 1, 120));
    EXPECT_TRUE(list.SetColumn("D", 2, 60));          // one past the end inserts
    EXPECT_FALSE(list.SetColumn("E", 5, 60));
    EXPECT_EQ((Names{"B", "C", "D"}), Titles());
    EXPECT_TRUE(list.DelColumn(0));
    EXPECT_FALSE(list.DelColumn(7));
    EXPECT_EQ((Names{"C", "D"}), Titles());
}

TEST_F(DListControlTest, CellsAndRefusals)
{
    list.SetupReportStyle(0x09);
    EXPECT_FALSE(list.SetText("", 0, 0));
    EXPECT_FALSE(list.SetText("a.txt", 0, 2));
    EXPECT_EQ(0u, list.GetTotal());
    EXPECT_TRUE(list.SetText("a.txt", 0, 0));
    EXPECT_TRUE(list.SetDouble(3.14159, 0, 1));
    EXPECT_TRUE(list.GetText(0, 1).Comp("3.14"));
    EXPECT_FALSE(list.SetText("9", 5, 1));            // no such row

    // Column 0 inserts a new row at the position.
    EXPECT_TRUE(list.SetText("first", 0, 0));
    EXPECT_TRUE(list.GetText(1, 0).Comp("a.txt"));
    EXPECT_TRUE(list.GetText(1, 1).Comp("3.14"));
    int marker = 0;
    EXPECT_TRUE(list.SetItem(&marker, "data", 2, 0));
    EXPECT_TRUE(list.SetItem(&marker, 3, 0));
    EXPECT_EQ(reinterpret_cast<LPARAM>(&marker), Item(3, LVIF_PARAM).lParam);
    EXPECT_TRUE(list.GetText(2, 0).Comp("data"));
    EXPECT_TRUE(list.GetText(3, 0).isEmpty());

    EXPECT_TRUE(list.DelItem(0));
    EXPECT_FALSE(list.DelItem(10));
    EXPECT_EQ(3u, list.GetTotal());
    EXPECT_TRUE(list.Reset());
    EXPECT_EQ(0u, list.GetTotal());
}

TEST_F(DListControlTest, WidthsFollowTextsOnlyWithAutoAdjust)
{
    list.SetupReportStyle(0x09);
    int const fitted = list.GetColumnWidth(0);
    // Off: the visible width stays until the column is fitted.
    ASSERT_TRUE(list.SetText(longName, 0, 0));
    EXPECT_EQ(fitted, list.GetColumnWidth(0));
    EXPECT_TRUE(list.AdjustColumn(0, 7));
    EXPECT_EQ(Width(longName) + 7, list.GetColumnWidth(0));
    EXPECT_FALSE(list.AdjustColumn(2));

    // On: Reset brings the titles' widths back, then columns grow with their
    // texts, never below their titles; the first makes room for the icon.
    ASSERT_TRUE(list.CreateIcons());
    list.SetAutoAdjust(true);
    EXPECT_TRUE(list.Reset());
    EXPECT_EQ(Width("File NameXX"), list.GetColumnWidth(0));
    ASSERT_TRUE(list.SetText(longName, 0, 0) && list.SetInt(5, 0, 1));
    EXPECT_EQ(Width(longName) + 2 * Pad() + 16, list.GetColumnWidth(0));
    EXPECT_EQ(Width("SizeXX"), list.GetColumnWidth(1));

    // The limit caps every later width, and below 20 pixels a column is not
    // fitted at all.
    list.SetAutoAdjustLimit(100);
    list.SetAutoAdjustLimit(0); // keeps the limit
    EXPECT_TRUE(list.SetColumnWidth(1, 500));
    EXPECT_EQ(100, list.GetColumnWidth(1));
    list.SetAutoAdjustLimit(10);
    EXPECT_FALSE(list.AdjustColumn(0));
}

TEST_F(DListControlTest, ViewsAndStyles)
{
    list.SetupReportStyle(0x09);
    ASSERT_TRUE(list.SetText(longName, 0, 0));
    EXPECT_EQ(static_cast<unsigned long>(LVS_REPORT), list.GetStyle());
    EXPECT_TRUE(list.SetStyle(LVS_LIST));
    EXPECT_EQ(LVS_LIST, GetWindowLongA(window, GWL_STYLE) & LVS_TYPEMASK);
    EXPECT_EQ(125, list.GetColumnWidth(0));
    EXPECT_TRUE(list.SetStyle(LVS_ICON));
    EXPECT_EQ(0ul, list.GetStyle());

    // Back in report view the columns are fitted to their contents again.
    EXPECT_TRUE(list.SetStyle(LVS_REPORT | LVS_SINGLESEL));
    EXPECT_EQ(static_cast<unsigned long>(LVS_REPORT), list.GetStyle());
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & LVS_SINGLESEL);
    EXPECT_EQ(Width(longName) + Pad(), list.GetColumnWidth(0));
    EXPECT_EQ(Width("SizeXX") + Pad(), list.GetColumnWidth(1));

    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES);
    EXPECT_TRUE(list.SetGridLines() && list.SortDescending() && list.SortAscending());
    EXPECT_EQ(LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP,
              SendMessageA(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));

    DListControl missing(dialog.Handle(), 4711);
    EXPECT_EQ(0ul, missing.GetStyle());
    EXPECT_FALSE(missing.SetStyle(LVS_LIST) || missing.SetGridLines());
    EXPECT_EQ(-1, missing.GetFirstSelect());
}

TEST_F(DListControlTest, RowsOfTheSameIconShareOneImage)
{
    TempFolder folder;
    auto note = [&folder](unsigned i) { return folder.Path(("note" + std::to_string(i) + ".txt").c_str()); };
    for (unsigned i = 0; i < 40; ++i)
        ASSERT_TRUE(TempFolder::Put(note(i), "x"));
    ASSERT_TRUE(CreateDirectoryA(folder.Path("sub").c_str(), nullptr));

    list.SetupReportStyle(0x01);
    ASSERT_TRUE(list.CreateIcons());

    for (unsigned i = 0; i < 40; ++i)
        ASSERT_TRUE(list.SetImage(("note" + std::to_string(i)).c_str(), note(i).c_str(), i, 0));
    EXPECT_EQ(1, SmallImages());
    EXPECT_EQ(1, ImageList_GetImageCount(Images(LVSIL_NORMAL)));
    EXPECT_TRUE(list.GetText(39, 0).Comp("note39"));
    int const text = ImageOf(0);
    EXPECT_EQ(text, ImageOf(39));

    // A folder has an icon of its own; a text file after it shares again.
    ASSERT_TRUE(list.SetImage("sub", folder.Path("sub").c_str(), 40, 0));
    EXPECT_EQ(2, SmallImages());
    EXPECT_EQ(2, ImageList_GetImageCount(Images(LVSIL_NORMAL)));
    EXPECT_NE(text, ImageOf(40));
    // Without a separate source the cell's text names the file.
    ASSERT_TRUE(list.SetImage(note(0).c_str(), nullptr, 41, 0));
    EXPECT_TRUE(list.GetText(41, 0).Comp(note(0).c_str()));
    EXPECT_EQ(text, ImageOf(41));
    EXPECT_EQ(2, SmallImages());

    // A file the shell cannot find shows image 0 and adds none.
    ASSERT_TRUE(list.SetImage("ghost", folder.Path("missing\\ghost.txt").c_str(), 42, 0));
    EXPECT_EQ(0, ImageOf(42));
    EXPECT_EQ(2, SmallImages());
    EXPECT_FALSE(list.SetImage("", note(0).c_str(), 43, 0));
    EXPECT_FALSE(list.SetImage("x", note(0).c_str(), 43, 1));

    // New lists start empty and forget the images of the old ones.
    ASSERT_TRUE(list.CreateIcons());
    ASSERT_TRUE(list.SetImage("note1", note(1).c_str(), 0, 0));
    EXPECT_EQ(1, SmallImages());
    EXPECT_EQ(0, ImageOf(0));

    // Without lists the window is left with none, and rows still get their text.
    list.RemoveIcons();
    EXPECT_EQ(nullptr, Images(LVSIL_SMALL));
    EXPECT_EQ(nullptr, Images(LVSIL_NORMAL));
    ASSERT_TRUE(list.SetImage("note2", note(2).c_str(), 0, 0));
    EXPECT_TRUE(list.GetText(0, 0).Comp("note2"));
}

TEST_F(DListControlTest, ImageListsOutliveTheirWindow)
{
    DListControl made(nullptr, 0);
    ASSERT_EQ(0, made.Create(5, 5, 150, 80, "", LVS_REPORT, dialog.Handle(), listId + 1));
    HWND const other = GetDlgItem(dialog.Handle(), listId + 1);
    EXPECT_TRUE(GetWindowLongA(other, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    ASSERT_TRUE(made.CreateIcons());
    HIMAGELIST const held =
        reinterpret_cast<HIMAGELIST>(SendMessageA(other, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(nullptr, held);
    EXPECT_EQ(0, ImageList_AddIcon(held, LoadIconA(nullptr, IDI_APPLICATION)));

    // The window would destroy lists it owned; these stay the wrapper's.
    EXPECT_TRUE(GetWindowLongA(other, GWL_STYLE) & LVS_SHAREIMAGELISTS);
    DestroyWindow(other);
    EXPECT_EQ(1, ImageList_GetImageCount(held));
}

TEST_F(DListControlTest, SelectionOnEmptyAndFullLists)
{
    list.SetupReportStyle(0x01);
    EXPECT_EQ(-1, list.GetFirstSelect());
    EXPECT_EQ(0ul, list.GetSelected());
    EXPECT_EQ(-1, list.GetIndex());
    EXPECT_FALSE(list.isSel(0) || list.SetSel(0));

    for (unsigned i = 0; i < 50; ++i)
        ASSERT_TRUE(list.SetInt(i, i, 0));
    EXPECT_TRUE(list.SetSel(30) && list.SetSel(7));
    EXPECT_EQ(2ul, list.GetSelected());
    EXPECT_EQ(7, list.GetFirstSelect());
    EXPECT_TRUE(list.isSel(30) && !list.isSel(8));
    EXPECT_TRUE(list.SetDesel(7));
    EXPECT_EQ(30, list.GetFirstSelect());
    EXPECT_FALSE(list.SetSel(99));

    // Showing a selection scrolls it into view.
    EXPECT_TRUE(list.SetSel(49, true));
    EXPECT_LT(0, SendMessageA(window, LVM_GETTOPINDEX, 0, 0));
}

}

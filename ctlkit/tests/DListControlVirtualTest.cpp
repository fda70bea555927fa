// Virtual list views: rows answered by a source, selection over many rows,
// rows removed with their states, views switched, widths from the texts
// handed over, and the text of an empty list.
#include <gtest/gtest.h>

#include <string>

#include "DListControl.h"
#include "DListSource.h"
#include "TestDialog.h"

namespace {

int const listId = 1200;

// Row r shows "r<r>" in column 0 and "c<column>" elsewhere; no icons.
class Numbers : public DListSource
{
public:
    unsigned CellText(unsigned row, unsigned column, char* room, unsigned size) const override
    {
        std::string const text = column ? "c" + std::to_string(column) : "r" + std::to_string(row);
        std::string const cut = text.substr(0, size - 1);
        cut.copy(room, cut.size());
        room[cut.size()] = '\0';
        return static_cast<unsigned>(cut.size());
    }
    char const* IconFile(unsigned, bool&) const override { return nullptr; }
};

class DListControlVirtualTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.SetupReportStyle(0x09);
        ASSERT_TRUE(list.isVirtual());
        ASSERT_TRUE(list.SetSource(&numbers));
    }
    std::string Text(int row, int column = 0) const { return list.GetText(row, column).Name(); }
    // Pixels unlike the background, as the list paints itself into a bitmap.
    int Ink() const
    {
        RECT area;
        GetClientRect(window, &area);
        HDC const screen = GetDC(nullptr);
        HDC const dc = CreateCompatibleDC(screen);
        HBITMAP const bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
        HGDIOBJ const before = SelectObject(dc, bitmap);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        COLORREF const background = ListView_GetBkColor(window);
        int ink = 0;
        for (int y = 0; y < area.bottom; ++y)
            for (int x = 0; x < area.right; ++x)
                ink += GetPixel(dc, x, y) != background;
        SelectObject(dc, before);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return ink;
    }

    TestDialog dialog;
    HWND const window =
        dialog.Add(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDATA, listId, "", 10, 10, 400, 300);
    DListControl list{dialog.Handle(), listId};
    Numbers numbers;
};

TEST_F(DListControlVirtualTest, RowsComeFromTheSource)
{
    EXPECT_TRUE(list.SetRowCount(3, true));
    EXPECT_EQ(3ul, list.GetTotal());
    EXPECT_EQ("r2", Text(2));
    EXPECT_EQ("c1", Text(0, 1));
    // Without a source the rows are there, blank.
    EXPECT_TRUE(list.SetSource(nullptr));
    EXPECT_EQ("", Text(1));

    // An ordinary list has no source to ask.
    HWND const plain = dialog.Add(WC_LISTVIEWA, LVS_REPORT, listId + 1, "", 10, 320, 100, 50);
    ASSERT_NE(nullptr, plain);
    DListControl other(dialog.Handle(), listId + 1);
    EXPECT_FALSE(other.isVirtual() || other.SetSource(&numbers));
}

TEST_F(DListControlVirtualTest, SelectionOverManyRows)
{
    unsigned const n = 100000;
    ASSERT_TRUE(list.SetRowCount(n, true));
    EXPECT_EQ(-1, list.GetFirstSelect());
    EXPECT_TRUE(list.SetSel(99999) && list.SetSel(50000, true) && list.SetSel(7));
    EXPECT_EQ(3ul, list.GetSelected());
    EXPECT_EQ(7, list.GetFirstSelect());
    EXPECT_TRUE(list.isSel(50000) && !list.isSel(50001));
    EXPECT_LT(40000, SendMessageA(window, LVM_GETTOPINDEX, 0, 0));
    EXPECT_TRUE(list.SetDesel(7));
    EXPECT_EQ(50000, list.GetFirstSelect());

    // Every row at once, as select all does, and back.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(static_cast<unsigned long>(n), list.GetSelected());
    state.state = 0;
    SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(0ul, list.GetSelected());
    EXPECT_FALSE(list.SetSel(n));
}

TEST_F(DListControlVirtualTest, RemovedRowsTakeTheirStatesAlong)
{
    ASSERT_TRUE(list.SetRowCount(10, true));
    ASSERT_TRUE(list.SetSel(3) && list.SetSel(8));
    // Row 5 goes: the selected row 8 is row 7 now; row 3 stays.
    EXPECT_TRUE(list.DelItem(5));
    EXPECT_EQ(9ul, list.GetTotal());
    EXPECT_TRUE(list.isSel(3) && list.isSel(7) && !list.isSel(8));
    EXPECT_EQ(2ul, list.GetSelected());
}

TEST_F(DListControlVirtualTest, ViewsShowTheSameRows)
{
    ASSERT_TRUE(list.SetRowCount(20, true));
    for (unsigned long view : {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT}) {
        ASSERT_TRUE(list.SetStyle(view));
        EXPECT_EQ(view, list.GetStyle());
        EXPECT_EQ("r0", Text(0)) << view;
        EXPECT_EQ("r19", Text(19)) << view;
        EXPECT_EQ(20ul, list.GetTotal());
    }
}

TEST_F(DListControlVirtualTest, ColumnsFitTheTextsHandedOver)
{
    char const wide[] = "a much longer file name than any column title.txt";
    int const pad = list.GetStringWidth("XX");
    list.SetAutoAdjust(true);
    int const size = list.GetColumnWidth(1);
    list.FitText(wide, sizeof wide - 1, 0);
    list.FitText("12", 2, 1);
    EXPECT_EQ(list.GetStringWidth(wide) + 2 * pad, list.GetColumnWidth(0));
    EXPECT_EQ(size, list.GetColumnWidth(1));

    // Fitting reads no rows: the widest text handed over decides.
    ASSERT_TRUE(list.SetRowCount(50000, true));
    EXPECT_TRUE(list.AdjustColumn(0));
    EXPECT_EQ(list.GetStringWidth(wide) + pad, list.GetColumnWidth(0));

    // Emptied, the columns keep fitting the same texts, until they are forgotten.
    EXPECT_TRUE(list.Reset());
    EXPECT_EQ(list.GetStringWidth(wide) + 2 * pad, list.GetColumnWidth(0));
    list.ForgetTexts();
    EXPECT_TRUE(list.Reset());
    EXPECT_EQ(list.GetStringWidth("File NameXX"), list.GetColumnWidth(0));
}

// Messages the list's window was sent, by kind.
struct MessageCount
{
    explicit MessageCount(HWND window) : window(window)
    {
        SetWindowSubclass(window, Count, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    ~MessageCount() { RemoveWindowSubclass(window, Count, 0); }
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR, DWORD_PTR self)
    {
        auto* const counts = reinterpret_cast<MessageCount*>(self);
        counts->all += message >= LVM_FIRST;
        return DefSubclassProc(window, message, wparam, lparam);
    }
    HWND window;
    int all = 0;
};

TEST_F(DListControlVirtualTest, ColumnsAtTheirLimitCostNoMessages)
{
    // A walk hands over every text from its own thread: once a column is as
    // wide as it may be, wider texts must not ask the window anything.
    list.SetAutoAdjust(true);
    list.SetAutoAdjustLimit(150);
    std::string const path(120, 'W');
    list.FitText(path.c_str(), static_cast<unsigned>(path.size()), 0);
    EXPECT_EQ(150, list.GetColumnWidth(0));
    MessageCount counts(window);
    for (int i = 0; i < 1000; ++i)
        list.FitText(path.c_str(), static_cast<unsigned>(path.size()), 0);
    EXPECT_EQ(0, counts.all);
    EXPECT_EQ(150, list.GetColumnWidth(0));
}

TEST_F(DListControlVirtualTest, EmptyListShowsItsText)
{
    EXPECT_EQ(0, Ink());
    list.SetEmptyText("No results to display.");
    int const text = Ink();
    EXPECT_LT(0, text);
    EXPECT_EQ(0ul, list.GetTotal());
    EXPECT_EQ(-1, list.GetFirstSelect());

    // Rows hide it; rows gone show it again.
    ASSERT_TRUE(list.SetSource(nullptr));
    ASSERT_TRUE(list.SetRowCount(1, true));
    EXPECT_EQ(0, Ink());
    ASSERT_TRUE(list.SetRowCount(0, true));
    EXPECT_EQ(text, Ink());
}

}  // namespace

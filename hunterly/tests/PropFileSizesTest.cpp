// The "Sizes" page on the real main window: its registry values, the
// enabling and labels of each mode, typed sizes on Enter and on leaving a
// box, the range turned round, the tab mark, and searches over files
// above and below 4 GiB.
#include "OptionPageFixture.h"
#include "PropFileSizes.h"
#include "PropFileSizesIds.h"
#include "TempFolder.h"

namespace {

char const* const SizesKey = "Software\\Hunterly\\FileSizes";

class PropFileSizesTest : public OptionPageFixture<MainWindow::FileSizesPage>
{
protected:
    void PickMode(int item) const { Pick(IDC_SIZEOPTION, item); }

    // Text typed into a size box and Enter pressed in it.
    void Enter(int id, char const* text) const
    {
        SetWindowTextA(Control(id), text);
        MSG msg = {};
        msg.hwnd = GetWindow(Control(id), GW_CHILD);
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_RETURN;
        EXPECT_TRUE(DDialog::FilterMessage(msg));
    }

    std::vector<std::string> Items(int id) const
    {
        std::vector<std::string> items;
        int const count = static_cast<int>(SendMessageA(Control(id), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = "";
            SendMessageA(Control(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }

    bool Usable(int id) const { return IsWindowEnabled(Control(id)) != 0; }
};

TEST_F(PropFileSizesTest, SettingsComeBackNextRun)
{
    Put(SizesKey, "Size", 100);
    Put(SizesKey, "Range", 2000);
    Put(SizesKey, "Option", 6);
    Open();
    EXPECT_EQ(100u, Criteria().sizeValue);
    EXPECT_EQ(2000u, Criteria().sizeUpper);
    EXPECT_EQ(6, Criteria().sizeMode);
    EXPECT_EQ("100", Text(Control(IDC_SIZEVALUE)));
    EXPECT_EQ("2000", Text(Control(IDC_SIZEUPPER)));
    EXPECT_EQ("In the range of...", Text(Control(IDC_SIZEOPTION)));
    // The stored values begin the lists.
    EXPECT_EQ(std::vector<std::string>{"100"}, Items(IDC_SIZEVALUE));
    EXPECT_EQ(std::vector<std::string>{"2000"}, Items(IDC_SIZEUPPER));

    Enter(IDC_SIZEVALUE, "300");
    PickMode(5);
    Command(IDM_EXIT);
    EXPECT_EQ(300ul, Stored(SizesKey, "Size"));
    EXPECT_EQ(2000ul, Stored(SizesKey, "Range"));
    EXPECT_EQ(5ul, Stored(SizesKey, "Option"));

    // Without Remember Settings the next run starts with no criterion.
    Open();
    EXPECT_EQ(5, Criteria().sizeMode);
    Command(IDM_REMEMBER);
    Command(IDM_EXIT);
    for (char const* name : {"Size", "Range", "Option"})
        EXPECT_EQ(0ul, Stored(SizesKey, name)) << name;
}

TEST_F(PropFileSizesTest, ModesEnableTheBoxesAndNameTheLabel)
{
    Put(SizesKey, "Size", 10);
    Put(SizesKey, "Range", 20);
    MainWindow& main = Open();
    // The odd spellings are the list's own.
    std::vector<std::string> const modes = Items(IDC_SIZEOPTION);
    ASSERT_EQ(7u, modes.size());
    EXPECT_EQ("Less than equal to", modes[3]);
    EXPECT_EQ("Greater than eqaul to", modes[5]);
    for (int item = 0; item < 7; ++item) {
        SCOPED_TRACE(item);
        PickMode(item);
        EXPECT_EQ(item, Criteria().sizeMode);
        EXPECT_EQ(item != 0, Usable(IDC_SIZEVALUE));
        EXPECT_EQ(item == 6, Usable(IDC_SIZEUPPER));
        EXPECT_EQ(item == 6 ? "to" : "bytes", Text(Control(IDC_SIZEVALUELABEL)));
        EXPECT_EQ("bytes", Text(Control(IDC_SIZEUPPERLABEL)));
        // The sizes stay whatever the mode.
        EXPECT_EQ(10u, Criteria().sizeValue);
        EXPECT_EQ(20u, Criteria().sizeUpper);
    }
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    EXPECT_EQ("Sizes*", TabLabel());
    main.GetSheet().SetActivePage(MainWindow::FileSizesPage);
    PickMode(0);
    main.GetSheet().SetActivePage(MainWindow::DatesPage);
    EXPECT_EQ("Sizes", TabLabel());

    // Typing moves the selection and the criteria follow it.
    main.GetSheet().SetActivePage(MainWindow::FileSizesPage);
    Type(IDC_SIZEOPTION, "g");
    EXPECT_EQ(4, Criteria().sizeMode);
    EXPECT_TRUE(Usable(IDC_SIZEVALUE));
}

TEST_F(PropFileSizesTest, TypedSizesOnEnterAndOnLeavingTheBox)
{
    Open();
    PickMode(1);
    // Enter normalises the text and collects every value, twice as well.
    Enter(IDC_SIZEVALUE, "007");
    EXPECT_EQ(7u, Criteria().sizeValue);
    EXPECT_EQ("7", Text(Control(IDC_SIZEVALUE)));
    Enter(IDC_SIZEVALUE, "7");
    EXPECT_EQ((std::vector<std::string>{"0", "7", "7"}), Items(IDC_SIZEVALUE));

    // Past 32 bits a size stays at the largest instead of wrapping round;
    // other characters are passed over, text without digits is 0.
    struct
    {
        char const* typed;
        unsigned size;
        char const* shown;
    } const cases[] = {
        {"4294967295", 4294967295u, "4294967295"}, {"4294967296", 4294967295u, "4294967295"},
        {"9999999999", 4294967295u, "4294967295"}, {"1,234", 1234, "1234"},
        {"12k", 12, "12"},                         {"abc", 0, "0"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.typed);
        Enter(IDC_SIZEVALUE, c.typed);
        EXPECT_EQ(c.size, Criteria().sizeValue);
        EXPECT_EQ(c.shown, Text(Control(IDC_SIZEVALUE)));
    }
    // However long the text that reaches the box.
    EXPECT_EQ(4294967295u,
              PropFileSizes::ReadSize(DName("000000000000000000000018446744073709551617")));
    EXPECT_EQ(18u, PropFileSizes::ReadSize(DName("0000000000000000000000000018")));
    // Typing is held to ten characters.
    EXPECT_EQ(10, SendMessageA(GetWindow(Control(IDC_SIZEVALUE), GW_CHILD), EM_GETLIMITTEXT, 0, 0));

    // Leaving a box applies it; picking a list entry applies that.
    ShowWindow(window->GetWnd(), SW_SHOW);
    SetFocus(Control(IDC_SIZEVALUE));
    SetWindowTextA(Control(IDC_SIZEVALUE), "0555");
    EXPECT_EQ(0u, Criteria().sizeValue);
    SetFocus(Control(IDC_SIZEOPTION));
    EXPECT_EQ(555u, Criteria().sizeValue);
    EXPECT_EQ("555", Text(Control(IDC_SIZEVALUE)));
    Pick(IDC_SIZEVALUE, 1);
    EXPECT_EQ(7u, Criteria().sizeValue);
}

TEST_F(PropFileSizesTest, RangeGivenUpsideDownIsTurnedRound)
{
    Open();
    PickMode(6);
    // The lower bound alone waits for its upper one.
    Enter(IDC_SIZEVALUE, "500");
    EXPECT_EQ(500u, Criteria().sizeValue);
    EXPECT_EQ(0u, Criteria().sizeUpper);
    Enter(IDC_SIZEUPPER, "100");
    EXPECT_EQ(100u, Criteria().sizeValue);
    EXPECT_EQ(500u, Criteria().sizeUpper);
    EXPECT_EQ("100", Text(Control(IDC_SIZEVALUE)));
    EXPECT_EQ("500", Text(Control(IDC_SIZEUPPER)));

    // Only in range mode: elsewhere the upper bound is not looked at.
    PickMode(2);
    Enter(IDC_SIZEVALUE, "900");
    EXPECT_EQ(900u, Criteria().sizeValue);
    EXPECT_EQ(500u, Criteria().sizeUpper);
    PickMode(6);
    EXPECT_EQ(500u, Criteria().sizeValue);
    EXPECT_EQ(900u, Criteria().sizeUpper);
    EXPECT_EQ("900", Text(Control(IDC_SIZEUPPER)));
}

// Sparse files past 4 GiB beside small ones: each size set on the page
// finds exactly its files, and the large ones never pass as their low half.
TEST_F(PropFileSizesTest, SearchComparesWholeSizes)
{
    TempFolder tree;
    ASSERT_TRUE(tree.isMade());
    struct
    {
        char const* name;
        unsigned long long size;
    } const files[] = {
        {"small.bin", 500},
        {"k.bin", 1000},
        {"over4g.bin", 0x100000000ull + 500},
        {"five.bin", 5ull << 30},
    };
    for (auto const& f : files) {
        HANDLE h = CreateFileA(tree.Path(f.name).c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h) << f.name;
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(f.size);
        EXPECT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h)) << f.name;
        CloseHandle(h);
    }

    Open();
    Criteria().names.InsertRight(DName("*.bin"));
    Criteria().folders.InsertRight(DName(tree.Dir().c_str()));
    using Names = std::set<std::string>;
    struct
    {
        int mode;
        char const* size;
        char const* upper;
        Names found;
    } const searches[] = {
        {2, "1000", "0", {"small.bin"}},
        {1, "500", "0", {"small.bin"}},
        {3, "1000", "0", {"small.bin", "k.bin"}},
        {4, "4000000000", "0", {"over4g.bin", "five.bin"}},
        {5, "1000", "0", {"k.bin", "over4g.bin", "five.bin"}},
        {6, "400", "4294967295", {"small.bin", "k.bin"}},
        {6, "5000000000", "600", {"k.bin"}},
        {0, "0", "0", {"small.bin", "k.bin", "over4g.bin", "five.bin"}},
    };
    for (auto const& s : searches) {
        SCOPED_TRACE(std::to_string(s.mode) + " " + s.size);
        PickMode(s.mode);
        Enter(IDC_SIZEVALUE, s.size);
        Enter(IDC_SIZEUPPER, s.upper);
        EXPECT_EQ(s.found, Found());
    }
}

}

// The "Contents" page in the real main window: the two lists against the
// stored codes, the phrase box between its radix and the record's bytes,
// the custom radix, the registry, and searches by contents started from the
// window, Alt+S with a phrase still in its box included.
#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "PropContaining.h"
#include "PropContainingIds.h"
#include "RadixDialog.h"
#include "RadixDialogIds.h"
#include "TempFolder.h"

#include <commctrl.h>

namespace {

char const* const ContainingKey = "Software\\Hunterly\\Containing";

class PropContainingTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        askBefore = RadixDialog::SetAsk(Answer);
        asked = 0;
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        RadixDialog::SetAsk(askBefore);
    }

    // The window showing the page.
    MainWindow& StartOnPage(std::vector<std::string> const& arguments = {})
    {
        MainWindow& main = Start(arguments);
        main.GetSheet().SetActivePage(MainWindow::ContainingPage);
        return main;
    }

    PropContaining& Page() const
    {
        return *static_cast<PropContaining*>(window->GetOptionPage(MainWindow::ContainingPage));
    }
    DirectoryListingSpec& Criteria() const { return window->GetCriteria(); }
    HWND Control(int id) const { return GetDlgItem(Page().GetWnd(), id); }
    HWND Box() const { return Control(IDC_CONTAINING_PHRASES); }

    // The page shown anew, as after another tab.
    void Reshow() const
    {
        window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
        window->GetSheet().SetActivePage(MainWindow::ContainingPage);
    }

    // An item picked from a list as the user picks it.
    void Choose(int list, int item) const
    {
        SendMessageA(Control(list), CB_SETCURSEL, item, 0);
        SendMessageA(Page().GetWnd(), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(list)));
    }
    int Selected(int list) const { return static_cast<int>(SendMessageA(Control(list), CB_GETCURSEL, 0, 0)); }

    // Keys typed into the phrase box, which keeps the focus.
    void Type(std::string const& keys) const
    {
        for (char key : keys)
            SendMessageA(Box(), WM_CHAR, static_cast<unsigned char>(key), 1);
    }
    // Everything in the box replaced as by a paste.
    void Paste(std::string const& text) const
    {
        SetWindowTextA(Box(), text.c_str());
        SendMessageA(Box(), EM_SETMODIFY, TRUE, 0);
    }
    void Leave() const { SendMessageA(Box(), WM_KILLFOCUS, 0, 0); }

    std::string Shown() const
    {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(Box())) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(Box(), &text[0], static_cast<int>(text.size()))));
        return text;
    }
    std::string Bytes() const { return ::Bytes(Criteria().containing); }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != 0; }

    bool HasPhraseTip() const
    {
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = Box();
        return SendMessageA(Page().links.GetWnd(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }

    static std::string StoredText(char const* name)
    {
        DReg reg(HKEY_CURRENT_USER, ContainingKey);
        EXPECT_TRUE(reg.LoadKeyValue(name)) << name;
        return ::Bytes(reg.GetKeyValue());
    }

    // The custom radix that the dialog's stand-in gives; 0 cancels it.
    static inline unsigned long answer = 0;
    static inline unsigned long askedWith = 0;
    static inline int asked = 0;
    static bool Answer(HWND, unsigned long& radix)
    {
        ++asked;
        askedWith = radix;
        if (!answer)
            return false;
        radix = answer;
        return true;
    }

private:
    RadixDialog::AskFunction askBefore = nullptr;
};

TEST_F(PropContainingTest, ModeListStoresItsCodes)
{
    StartOnPage();
    ASSERT_EQ(7, SendMessageA(Control(IDC_CONTAINING_MODE), CB_GETCOUNT, 0, 0));
    unsigned char const codes[] = {0, 1, 2, 4, 9, 10, 12};
    bool const phrases[] = {false, false, true, true, false, true, true};
    for (int item = 0; item < 7; ++item) {
        SCOPED_TRACE(item);
        Choose(IDC_CONTAINING_MODE, item);
        EXPECT_EQ(codes[item], Criteria().containingMode);
        // Without a content test nothing on the page but the lists applies.
        EXPECT_EQ(item != 0, Enabled(IDC_CONTAINING_PHRASES));
        EXPECT_EQ(item != 0, Enabled(IDC_CONTAINING_NOT));
        EXPECT_EQ(phrases[item], HasPhraseTip());
    }
    // The text stays while the box is disabled.
    Choose(IDC_CONTAINING_MODE, 1);
    Type("kept");
    Leave();
    Choose(IDC_CONTAINING_MODE, 0);
    EXPECT_EQ("kept", Shown());
    EXPECT_EQ("kept", Bytes());

    // Left with a content test, the page marks its tab.
    Choose(IDC_CONTAINING_MODE, 5);
    window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(window->GetSheet().GetTabControl().GetText(MainWindow::ContainingPage).Comp("Contents*"));
    window->GetSheet().SetActivePage(MainWindow::ContainingPage);
    Choose(IDC_CONTAINING_MODE, 0);
    window->GetSheet().SetActivePage(MainWindow::FileNamesPage);
    EXPECT_TRUE(window->GetSheet().GetTabControl().GetText(MainWindow::ContainingPage).Comp("Contents"));

    // Typing into a list picks the item it moves to.
    window->GetSheet().SetActivePage(MainWindow::ContainingPage);
    SetWindowTextA(Control(IDC_CONTAINING_MODE), "e");
    SendMessageA(Page().GetWnd(), WM_COMMAND, MAKEWPARAM(IDC_CONTAINING_MODE, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(Control(IDC_CONTAINING_MODE)));
    EXPECT_EQ(3, Selected(IDC_CONTAINING_MODE));
    EXPECT_EQ(4, Criteria().containingMode);
}

TEST_F(PropContainingTest, StoredCodesShowTheirItems)
{
    StartOnPage();
    // Bit 1 before bit 2 before bit 4, and ignoring capitals three further.
    struct { unsigned char code; int item; } const modes[] = {
        {0, 0}, {1, 1}, {2, 2}, {4, 3}, {8, 3}, {9, 4}, {10, 5}, {12, 6}, {6, 2}, {3, 1}, {14, 5},
    };
    for (auto const& mode : modes) {
        SCOPED_TRACE(static_cast<int>(mode.code));
        Criteria().containingMode = mode.code;
        Reshow();
        EXPECT_EQ(mode.item, Selected(IDC_CONTAINING_MODE));
        EXPECT_EQ(mode.code != 0, Enabled(IDC_CONTAINING_PHRASES));
    }
    ASSERT_EQ(5, SendMessageA(Control(IDC_CONTAINING_RADIX), CB_GETCOUNT, 0, 0));
    struct { unsigned char radix; int item; char const* label; } const radixes[] = {
        {0, 0, "Normal"}, {1, 0, "Normal"}, {2, 1, "2"}, {8, 2, "8"}, {16, 3, "16"}, {10, 4, "10"}, {36, 4, "36"},
    };
    for (auto const& radix : radixes) {
        SCOPED_TRACE(static_cast<int>(radix.radix));
        Criteria().radix = radix.radix;
        Reshow();
        EXPECT_EQ(radix.item, Selected(IDC_CONTAINING_RADIX));
        EXPECT_EQ(std::string("Radix Display Value: ") + radix.label,
                  Text(Control(IDC_CONTAINING_RADIXGROUP)));
    }
    Criteria().notContaining = true;
    Reshow();
    EXPECT_EQ(BST_CHECKED, SendMessageA(Control(IDC_CONTAINING_NOT), BM_GETCHECK, 0, 0));
    SendMessageA(Control(IDC_CONTAINING_NOT), BM_CLICK, 0, 0);
    EXPECT_FALSE(Criteria().notContaining);
}

TEST_F(PropContainingTest, TypedDigitsBecomeBytesAndTheRadixOnlyChangesTheirLook)
{
    StartOnPage();
    Choose(IDC_CONTAINING_MODE, 1);
    Choose(IDC_CONTAINING_RADIX, 3);
    Type("414243");
    // Typed text waits in the box until it is left.
    EXPECT_EQ("", Bytes());
    Leave();
    EXPECT_EQ("ABC", Bytes());
    Choose(IDC_CONTAINING_RADIX, 0);
    EXPECT_EQ("ABC", Shown());
    Choose(IDC_CONTAINING_RADIX, 1);
    EXPECT_EQ("010000010100001001000011", Shown());
    Choose(IDC_CONTAINING_RADIX, 2);
    EXPECT_EQ("101102103", Shown());
    Leave();
    EXPECT_EQ("ABC", Bytes());

    // An incomplete last group is dropped; letters count in either case.
    Paste("10");
    Leave();
    EXPECT_EQ("", Bytes());
    Choose(IDC_CONTAINING_RADIX, 3);
    Paste("4a4F4");
    Leave();
    EXPECT_EQ("JO", Bytes());

    // Bytes that a plain box cannot show survive it being shown and left.
    Paste("41000A42");
    Leave();
    Choose(IDC_CONTAINING_RADIX, 0);
    EXPECT_EQ("A", Shown());
    Leave();
    window->CommitPages();
    EXPECT_EQ(std::string("A\0\nB", 4), Bytes());
    Choose(IDC_CONTAINING_RADIX, 3);
    EXPECT_EQ("41000A42", Shown());

    // Text typed in one radix is read in it when another is picked.
    Choose(IDC_CONTAINING_RADIX, 0);
    Paste("");
    Type("hi");
    Choose(IDC_CONTAINING_RADIX, 3);
    EXPECT_EQ("hi", Bytes());
    EXPECT_EQ("6869", Shown());
    // A record emptied elsewhere empties the box.
    Criteria().containing.Destroy();
    Reshow();
    EXPECT_EQ("", Shown());
}

// Digits come in lines of whole bytes, which keeps a long phrase quick to
// show; the line breaks are no digits.
TEST_F(PropContainingTest, LongPhraseInBinary)
{
    StartOnPage();
    Choose(IDC_CONTAINING_MODE, 1);
    std::string phrase(65536, '\0');
    for (size_t i = 0; i < phrase.size(); ++i)
        phrase[i] = static_cast<char>(i * 7 + i / 256);
    ASSERT_TRUE(Criteria().containing.Namen(phrase.data(), static_cast<unsigned>(phrase.size())));
    Choose(IDC_CONTAINING_RADIX, 1);
    std::string const lines = Shown();
    ASSERT_EQ(8 * phrase.size() + 2 * (phrase.size() / 8 - 1), lines.size());
    EXPECT_EQ("0000000000000111000011100001010100011100001000110010101000110001\r\n"
              "00111000",
              lines.substr(0, 74));
    // Read back as typed: the same bytes.
    Paste(lines);
    Leave();
    EXPECT_TRUE(Bytes() == phrase);

    // Hexadecimal takes 32 bytes a line; digits typed across a line break
    // make one byte.
    Choose(IDC_CONTAINING_RADIX, 3);
    EXPECT_EQ(std::string("00070E15"), Shown().substr(0, 8));
    EXPECT_EQ("\r\n", Shown().substr(64, 2));
    Paste("414\r\n2\r\n43");
    Leave();
    EXPECT_EQ("ABC", Bytes());
}

TEST_F(PropContainingTest, CustomRadixFromTheDialog)
{
    StartOnPage();
    EXPECT_TRUE(Page().isReady());
    Choose(IDC_CONTAINING_MODE, 1);
    Type("A");
    answer = 10;
    Choose(IDC_CONTAINING_RADIX, 4);
    ASSERT_EQ(1, asked);
    // It starts from the radix in use: plain text has none.
    EXPECT_EQ(0u, askedWith);
    EXPECT_EQ(10, Criteria().radix);
    EXPECT_EQ(4, Selected(IDC_CONTAINING_RADIX));
    EXPECT_EQ("Radix Display Value: 10", Text(Control(IDC_CONTAINING_RADIXGROUP)));
    EXPECT_EQ("065", Shown());

    // Cancelled, the radix falls back to plain text.
    answer = 0;
    Choose(IDC_CONTAINING_RADIX, 4);
    EXPECT_EQ(10u, askedWith);
    EXPECT_EQ(0, Criteria().radix);
    EXPECT_EQ(0, Selected(IDC_CONTAINING_RADIX));
    EXPECT_EQ("Radix Display Value: Normal", Text(Control(IDC_CONTAINING_RADIXGROUP)));
    EXPECT_EQ("A", Shown());
}

TEST_F(PropContainingTest, NoDialogBeforeTheWindowIsReady)
{
    MainWindow& main = Start();
    DirectoryListingSpec criteria(0);
    criteria.radix = 16;
    SharedFlags flags;
    PropContaining page;
    page.links.criteria = &criteria;
    page.links.flags = &flags;
    ASSERT_TRUE(page.Create(main.GetWnd()));
    EXPECT_FALSE(page.isReady());
    HWND const list = GetDlgItem(page.GetWnd(), IDC_CONTAINING_RADIX);
    answer = 10;
    SendMessageA(list, CB_SETCURSEL, 4, 0);
    SendMessageA(page.GetWnd(), WM_COMMAND, MAKEWPARAM(IDC_CONTAINING_RADIX, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(0, asked);
    EXPECT_EQ(16, criteria.radix);
    page.SetReady();
    SendMessageA(list, CB_SETCURSEL, 4, 0);
    SendMessageA(page.GetWnd(), WM_COMMAND, MAKEWPARAM(IDC_CONTAINING_RADIX, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(1, asked);
    EXPECT_EQ(10, criteria.radix);
}

// The real dialog, answered from a timer while it runs: first out of
// range, then in it; then closed by its close box.
int refusedOpen = 0;
HWND owner = nullptr;
bool ownerDisabled = false;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND const dialog = FindWindowA(nullptr, "Radix Value");
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    owner = GetWindow(dialog, GW_OWNER);
    ownerDisabled = !IsWindowEnabled(owner);
    HWND const field = GetDlgItem(dialog, IDC_RADIXVALUE);
    SetWindowTextA(field, "40");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    refusedOpen = IsWindowVisible(dialog) ? 1 : 0;
    SetWindowTextA(field, "12");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK CloseDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND const dialog = FindWindowA(nullptr, "Radix Value")) {
        KillTimer(nullptr, timer);
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    }
}

TEST_F(PropContainingTest, TheRealDialog)
{
    StartOnPage();
    RadixDialog::SetAsk(nullptr);
    refusedOpen = 0;
    SetTimer(nullptr, 0, 50, AnswerDialog);
    Choose(IDC_CONTAINING_RADIX, 4);
    EXPECT_EQ(1, refusedOpen);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Invalid Radix", boxes[0].caption);
    EXPECT_EQ(12, Criteria().radix);
    // The whole window waited for the answer.
    EXPECT_EQ(window->GetWnd(), owner);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(window->GetWnd()));

    SetTimer(nullptr, 0, 50, CloseDialog);
    Choose(IDC_CONTAINING_RADIX, 4);
    EXPECT_EQ(0, Criteria().radix);
    EXPECT_EQ(0, Selected(IDC_CONTAINING_RADIX));
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Radix Value"));
}

TEST_F(PropContainingTest, RegistryRoundTrip)
{
    {
        DReg reg;
        ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, ContainingKey));
        ASSERT_TRUE(reg.SetValue("Text", "410042", REG_SZ));
    }
    Put(ContainingKey, "Not", 1);
    Put(ContainingKey, "Option", 10);
    Put(ContainingKey, "Radix", 8);
    StartOnPage();
    EXPECT_EQ(std::string("A\0B", 3), Bytes());
    EXPECT_TRUE(Criteria().notContaining);
    EXPECT_EQ(10, Criteria().containingMode);
    EXPECT_EQ(8, Criteria().radix);
    EXPECT_EQ(5, Selected(IDC_CONTAINING_MODE));
    EXPECT_EQ(2, Selected(IDC_CONTAINING_RADIX));
    EXPECT_EQ("101000102", Shown());

    // Typed and never left, the text is still what is saved.
    Choose(IDC_CONTAINING_RADIX, 0);
    Paste("");
    Type("z y");
    Choose(IDC_CONTAINING_MODE, 3);
    window->Close();
    window.reset();
    EXPECT_EQ("7A2079", StoredText("Text"));
    EXPECT_EQ(1u, Stored(ContainingKey, "Not"));
    EXPECT_EQ(4u, Stored(ContainingKey, "Option"));
    EXPECT_EQ(0u, Stored(ContainingKey, "Radix"));

    // A radix beyond any conversion is not kept.
    Put(ContainingKey, "Radix", 200);
    StartOnPage();
    EXPECT_EQ("z y", Bytes());
    EXPECT_EQ(0, Criteria().radix);
    Choose(IDC_CONTAINING_RADIX, 3);

    // Without Remember Settings the defaults are stored.
    Command(IDM_REMEMBER);
    window->Close();
    window.reset();
    EXPECT_EQ("", StoredText("Text"));
    EXPECT_EQ(0u, Stored(ContainingKey, "Not"));
    EXPECT_EQ(0u, Stored(ContainingKey, "Option"));
    EXPECT_EQ(0u, Stored(ContainingKey, "Radix"));
}

class ContentSearchTest : public PropContainingTest
{
protected:
    void SetUp() override
    {
        PropContainingTest::SetUp();
        ASSERT_TRUE(tree.isMade());
        ASSERT_TRUE(TempFolder::Put(tree.Path("a.txt"), "The ALPHA and the Beta"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("b.txt"), "alpha only"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("c.txt"), "beta only"));
        ASSERT_TRUE(TempFolder::Put(tree.Path("d.txt"), "nothing of note"));
        std::string all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[static_cast<size_t>(i)] = static_cast<char>(i);
        ASSERT_TRUE(TempFolder::Put(tree.Path("bytes.bin"), "head" + all + "tail"));
        all[0x80] = '\x81';
        ASSERT_TRUE(TempFolder::Put(tree.Path("near.bin"), "head" + all + "tail"));
    }

    // The phrase typed afresh in the mode and radix, left, and searched for.
    std::string Search(int mode, int radix, std::string const& phrase, bool notContaining = false)
    {
        window->GetSheet().SetActivePage(MainWindow::ContainingPage);
        Choose(IDC_CONTAINING_MODE, mode);
        Choose(IDC_CONTAINING_RADIX, radix);
        if (notContaining != Criteria().notContaining)
            SendMessageA(Control(IDC_CONTAINING_NOT), BM_CLICK, 0, 0);
        Paste("");
        Type(phrase);
        Leave();
        Command(IDC_STARTSEARCH);
        return Found();
    }

    // The names found, sorted, blank-separated.
    std::string Found() const
    {
        EXPECT_TRUE(WaitForSearch());
        DFileLoad& results = window->GetResultsPage().GetResults();
        std::vector<std::string> names;
        for (unsigned i = 0; i < results.Size(); ++i) {
            std::string const path = results[i].GetFullPath().Name();
            names.push_back(path.substr(path.find_last_of('\\') + 1));
        }
        std::sort(names.begin(), names.end());
        std::string found;
        for (std::string const& name : names)
            found += (found.empty() ? "" : " ") + name;
        return found;
    }

    TempFolder tree;
};

TEST_F(ContentSearchTest, TextWithAndWithoutCapitals)
{
    Start({tree.Dir()});
    EXPECT_EQ("b.txt", Search(1, 0, "alpha"));
    EXPECT_EQ("a.txt b.txt", Search(4, 0, "alpha"));
    // Folders and files alike that cannot be read never match.
    EXPECT_EQ("bytes.bin c.txt d.txt near.bin", Search(4, 0, "alpha", true));
    EXPECT_EQ("a.txt b.txt bytes.bin d.txt near.bin", Search(1, 0, "beta", true));
}

TEST_F(ContentSearchTest, QuotedPhrases)
{
    Start({tree.Dir()});
    EXPECT_EQ("a.txt d.txt", Search(2, 0, "\"and the\" nothing"));
    EXPECT_EQ("a.txt", Search(3, 0, "\"the Beta\" ALPHA"));
    EXPECT_EQ("", Search(3, 0, "\"the beta\" ALPHA"));
    EXPECT_EQ("c.txt", Search(6, 0, "\"ONLY\"   beta"));
    EXPECT_EQ("a.txt c.txt", Search(5, 0, "\"THE BETA\" \"beta o\""));
}

TEST_F(ContentSearchTest, EveryByteTypedInHexadecimal)
{
    Start({tree.Dir()});
    std::string digits;
    char const hex[] = "0123456789ABCDEF";
    for (int i = 0; i < 256; ++i) {
        digits += hex[i / 16];
        digits += hex[i % 16];
    }
    EXPECT_EQ("bytes.bin", Search(1, 3, digits));
    EXPECT_EQ(256u, Bytes().size());
    EXPECT_EQ(0, Bytes()[0]);
    // The same bytes in binary find the same file.
    window->GetSheet().SetActivePage(MainWindow::ContainingPage);
    Choose(IDC_CONTAINING_RADIX, 1);
    Command(IDC_STARTSEARCH);
    EXPECT_EQ("bytes.bin", Found());
}

// Alt+S from the phrase box: the search takes what the box shows although
// the box has not been left.
TEST_F(ContentSearchTest, AltSTakesThePhraseStillInItsBox)
{
    Start({tree.Dir()});
    window->GetSheet().SetActivePage(MainWindow::ContainingPage);
    Choose(IDC_CONTAINING_MODE, 1);
    Type("beta");
    MSG msg = {};
    msg.hwnd = Box();
    msg.message = WM_SYSCHAR;
    msg.wParam = 's';
    msg.lParam = 1 << 29;
    EXPECT_TRUE(DDialog::FilterMessage(msg));
    EXPECT_EQ("c.txt", Found());
    EXPECT_EQ("beta", Bytes());
}

}

// Message boxes: what each operation shows, checked through the replaceable
// show function, and one real box closed from a timer.
#include <gtest/gtest.h>

#include <string>

#include "DMsgBox.h"
#include "TestDialog.h"

namespace {

struct Shown
{
    int count = 0;
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    unsigned style = 0;
    int answer = IDOK;
} shown;

int WINAPI Record(HWND owner, char const* text, char const* caption, unsigned style)
{
    ++shown.count;
    shown.owner = owner;
    shown.text = text;
    shown.caption = caption;
    shown.style = style;
    return shown.answer;
}

class DMsgBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shown = Shown();
        before = DMsgBox::SetShow(Record);
    }

    void TearDown() override
    {
        DMsgBox::SetShow(before);
    }

    void ExpectShown(char const* text, char const* caption, unsigned style)
    {
        EXPECT_EQ(1, shown.count);
        EXPECT_EQ(text, shown.text);
        EXPECT_EQ(caption, shown.caption);
        EXPECT_EQ(style, shown.style);
        shown = Shown();
    }

    TestDialog dialog;
    DMsgBox::ShowFunction before = nullptr;
};

TEST_F(DMsgBoxTest, TextsCaptionsAndStyles)
{
    DMsgBox box(dialog.Handle());

    box.Prompt("Search finished");
    ExpectShown("Search finished", "Prompt", MB_OK);
    EXPECT_EQ(dialog.Handle(), box.GetParent());

    EXPECT_TRUE(box.MsgText("Found", "12 files"));
    ExpectShown("Found 12 files", "Message", MB_OK);

    box.Error("Insufficient memory.");
    ExpectShown("Insufficient memory.", "Error", MB_ICONEXCLAMATION);

    // No blank between the text and the quote: callers end their text with one.
    EXPECT_TRUE(box.ErrorFile("Cannot open", "a.txt", ""));
    ExpectShown("Cannot open\"a.txt\".", "Error", MB_ICONEXCLAMATION);

    EXPECT_TRUE(box.ErrorFileCancel("Cannot create ", "b.hur"));
    ExpectShown("Cannot create \"b.hur\".", "Error", MB_OKCANCEL | MB_ICONEXCLAMATION);

    EXPECT_TRUE(box.OkCancel("Continue?"));
    ExpectShown("Continue?", "Ok Cancel", MB_OKCANCEL | MB_ICONQUESTION);

    shown.answer = IDRETRY;
    EXPECT_TRUE(box.RetryCancel("Locked"));
    ExpectShown("Locked", "Retry Cancel", MB_RETRYCANCEL | MB_ICONQUESTION);

    shown.answer = IDYES;
    EXPECT_TRUE(box.YesNo("Delete?"));
    ExpectShown("Delete?", "Yes No", MB_YESNO | MB_ICONQUESTION);

    shown.answer = IDYES;
    EXPECT_EQ(1, box.YesNoCancel("Save?"));
    ExpectShown("Save?", "Yes No Cancel", MB_YESNOCANCEL | MB_ICONQUESTION);

    box.Debug("value");
    ExpectShown("value", "Debug", MB_ICONQUESTION);

    box.Debugi(0);
    ExpectShown("0", "Debug", MB_ICONQUESTION);
    box.Debugi(4294967295ul);
    ExpectShown("4294967295", "Debug", MB_ICONQUESTION);

    shown.answer = 77;
    EXPECT_EQ(77, box.mbp("Raw", "", MB_ABORTRETRYIGNORE));
    ExpectShown("Raw", "Prompt", MB_ABORTRETRYIGNORE);

    // A caption given replaces the default.
    box.Error("Failed", "Hunterly");
    ExpectShown("Failed", "Hunterly", MB_ICONEXCLAMATION);
}

TEST_F(DMsgBoxTest, ResultsFollowTheButtonPressed)
{
    DMsgBox box(dialog.Handle());
    struct Case
    {
        int answer;
        bool okCancel, retryCancel, yesNo, errorFileCancel;
        int yesNoCancel;
    } const cases[] = {
        {IDOK, true, false, false, true, -1},
        {IDCANCEL, false, false, false, false, -1},
        {IDRETRY, false, true, false, false, -1},
        {IDYES, false, false, true, false, 1},
        {IDNO, false, false, false, false, 0},
        {0, false, false, false, false, -1},       // the box could not be shown
    };
    for (auto const& c : cases) {
        shown.answer = c.answer;
        EXPECT_EQ(c.okCancel, box.OkCancel("q")) << c.answer;
        EXPECT_EQ(c.retryCancel, box.RetryCancel("q")) << c.answer;
        EXPECT_EQ(c.yesNo, box.YesNo("q")) << c.answer;
        EXPECT_EQ(c.errorFileCancel, box.ErrorFileCancel("q", "f")) << c.answer;
        EXPECT_EQ(c.yesNoCancel, box.YesNoCancel("q")) << c.answer;
    }
    shown.answer = 0;
    EXPECT_FALSE(box.MsgText("a", "b"));
    EXPECT_FALSE(box.ErrorFile("a", "b"));
}

TEST_F(DMsgBoxTest, EmptyTextsShowNothing)
{
    DMsgBox box(dialog.Handle());
    box.Prompt("kept");
    shown = Shown();

    box.Prompt("");
    box.Error("");
    box.Debug("");
    EXPECT_FALSE(box.MsgText("", "detail"));
    EXPECT_FALSE(box.MsgText("text", ""));
    EXPECT_FALSE(box.ErrorFile("", "a.txt"));
    EXPECT_FALSE(box.ErrorFile("Cannot open", ""));
    EXPECT_FALSE(box.ErrorFileCancel("Cannot open", ""));
    EXPECT_FALSE(box.OkCancel(""));
    EXPECT_FALSE(box.RetryCancel(""));
    EXPECT_FALSE(box.YesNo(""));
    EXPECT_EQ(-1, box.YesNoCancel(""));
    EXPECT_EQ(0, box.mbp("", "caption", MB_OK));
    EXPECT_EQ(0, shown.count);
    EXPECT_TRUE(box.GetLastMessage().Comp("kept"));
}

TEST_F(DMsgBoxTest, LastMessageAndConstructors)
{
    DMsgBox box(dialog.Handle());
    EXPECT_TRUE(box.GetLastMessage().isEmpty());
    box.MsgText("Found", "3");
    EXPECT_TRUE(box.GetLastMessage().Comp("Found 3"));
    box.ErrorFile("Cannot open", "x");
    EXPECT_TRUE(box.GetLastMessage().Comp("Cannot open\"x\"."));
    shown = Shown();

    DMsgBox shownAtOnce(DName("at once"), dialog.Handle());
    ExpectShown("at once", "Debug", MB_ICONQUESTION);
    EXPECT_TRUE(shownAtOnce.GetLastMessage().Comp("at once"));
    DMsgBox number(42ul, dialog.Handle());
    ExpectShown("42", "Debug", MB_ICONQUESTION);

    // Without a parent the box belongs to the active window.
    SetActiveWindow(dialog.Handle());
    DMsgBox ownerless;
    ownerless.Prompt("x");
    EXPECT_EQ(dialog.Handle(), shown.owner);
}

// Closes the smoke test's message box, once it is there, as its close
// button would.
void CALLBACK CloseFromTimer(HWND owner, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindWindowA("#32770", "Smoke test");
    if (!box)
        return;
    KillTimer(owner, timer);
    PostMessageA(box, WM_CLOSE, 0, 0);
}

TEST(DMsgBoxSmoke, RealBoxClosedFromATimer)
{
    TestDialog dialog;
    DMsgBox box(dialog.Handle());
    SetTimer(dialog.Handle(), 1, 100, CloseFromTimer);
    // The close button of a Yes/No/Cancel box counts as Cancel.
    EXPECT_EQ(-1, box.YesNoCancel("Close me", "Smoke test"));
    EXPECT_TRUE(box.GetLastMessage().Comp("Close me"));
}

}

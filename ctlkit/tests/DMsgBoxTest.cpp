// Message boxes: what each operation shows, checked through the replaceable
// show function, and one real box closed from a timer.
#include <gtest/gtest.h>

#include <functional>
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

    TestDialog dialog;
    DMsgBox::ShowFunction before = nullptr;
};

TEST_F(DMsgBoxTest, TextsCaptionsAndStyles)
{
    DMsgBox box(dialog.Handle());
    unsigned const question = MB_ICONQUESTION, error = MB_ICONEXCLAMATION;
    struct
    {
        std::function<void()> show;
        char const* text;
        char const* caption;
        unsigned style;
    } const cases[] = {
        {[&] { box.Prompt("Search finished"); }, "Search finished", "Prompt", MB_OK},
        {[&] { box.MsgText("Found", "12 files"); }, "Found 12 files", "Message", MB_OK},
        {[&] { box.Error("Insufficient memory."); }, "Insufficient memory.", "Error", error},
        // No blank between the text and the quote: callers end their text with one.
        {[&] { box.ErrorFile("Cannot open", "a.txt", ""); }, "Cannot open\"a.txt\".", "Error",
         error},
        {[&] { box.ErrorFileCancel("Cannot create ", "b.hur"); }, "Cannot create \"b.hur\".",
         "Error", MB_OKCANCEL | error},
        {[&] { box.OkCancel("Continue?"); }, "Continue?", "Ok Cancel", MB_OKCANCEL | question},
        {[&] { box.RetryCancel("Locked"); }, "Locked", "Retry Cancel", MB_RETRYCANCEL | question},
        {[&] { box.YesNo("Delete?"); }, "Delete?", "Yes No", MB_YESNO | question},
        {[&] { box.YesNoCancel("Save?"); }, "Save?", "Yes No Cancel", MB_YESNOCANCEL | question},
        {[&] { box.Debugi(4294967295ul); }, "4294967295", "Debug", question},
        {[&] { box.mbp("Raw", "", MB_ABORTRETRYIGNORE); }, "Raw", "Prompt", MB_ABORTRETRYIGNORE},
        // A caption given replaces the default.
        {[&] { box.Error("Failed", "Hunterly"); }, "Failed", "Hunterly", error},
        {[&] { DMsgBox(42ul, dialog.Handle()); }, "42", "Debug", question},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.text);
        shown = Shown();
        c.show();
        EXPECT_EQ(1, shown.count);
        EXPECT_EQ(dialog.Handle(), shown.owner);
        EXPECT_EQ(c.text, shown.text);
        EXPECT_EQ(c.caption, shown.caption);
        EXPECT_EQ(c.style, shown.style);
    }
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
    EXPECT_FALSE(box.MsgText("a", "b") || box.ErrorFile("a", "b"));
}

TEST_F(DMsgBoxTest, EmptyTextsShowNothing)
{
    DMsgBox box(dialog.Handle());
    box.Prompt("kept");
    shown = Shown();

    box.Prompt("");
    box.Error("");
    EXPECT_FALSE(box.MsgText("", "detail") || box.MsgText("text", "") ||
                 box.ErrorFile("", "a.txt") || box.ErrorFile("Cannot open", "") ||
                 box.ErrorFileCancel("Cannot open", "") || box.OkCancel("") ||
                 box.RetryCancel("") || box.YesNo(""));
    EXPECT_EQ(-1, box.YesNoCancel(""));
    EXPECT_EQ(0, box.mbp("", "caption", MB_OK));
    EXPECT_EQ(0, shown.count);
    EXPECT_TRUE(box.GetLastMessage().Comp("kept"));
}

TEST_F(DMsgBoxTest, LastMessageAndOwner)
{
    DMsgBox box(dialog.Handle());
    EXPECT_TRUE(box.GetLastMessage().isEmpty());
    box.MsgText("Found", "3");
    EXPECT_TRUE(box.GetLastMessage().Comp("Found 3"));
    box.ErrorFile("Cannot open", "x");
    EXPECT_TRUE(box.GetLastMessage().Comp("Cannot open\"x\"."));

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

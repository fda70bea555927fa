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

TEST_F(DMsgBoxTest, TextsCaptionsStylesAndAnswers)
{
    DMsgBox box(dialog.Handle());
    unsigned const error = MB_ICONEXCLAMATION;
    struct
    {
        std::function<void()> show;
        char const* text;
        char const* caption;
        unsigned style;
    } const cases[] = {
        {[&] { box.MsgText("Found", "12 files"); }, "Found 12 files", "Message", MB_OK},
        // No blank between the text and the quote: callers end their text with one.
        {[&] { box.ErrorFile("Cannot open", "a.txt", ""); }, "Cannot open\"a.txt\".", "Error",
         error},
        {[&] { box.ErrorFileCancel("Cannot create ", "b.hur"); }, "Cannot create \"b.hur\".",
         "Error", MB_OKCANCEL | error},
        {[&] { box.YesNoCancel("Save?"); }, "Save?", "Yes No Cancel",
         MB_YESNOCANCEL | MB_ICONQUESTION},
        {[&] { box.mbp("Raw", "", MB_ABORTRETRYIGNORE); }, "Raw", "Prompt", MB_ABORTRETRYIGNORE},
        // A caption given replaces the default.
        {[&] { box.Error("Failed", "Hunterly"); }, "Failed", "Hunterly", error},
        {[&] { DMsgBox(4294967295ul, dialog.Handle()); }, "4294967295", "Debug", MB_ICONQUESTION},
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

    // Answers: only the button asked for counts; a box that could not be
    // shown (0) is neither yes nor no.
    struct
    {
        int answer;
        bool okCancel, yesNo;
        int yesNoCancel;
    } const answers[] = {
        {IDOK, true, false, -1}, {IDCANCEL, false, false, -1}, {IDYES, false, true, 1},
        {IDNO, false, false, 0}, {0, false, false, -1},
    };
    for (auto const& c : answers) {
        shown.answer = c.answer;
        EXPECT_EQ(c.okCancel, box.OkCancel("q")) << c.answer;
        EXPECT_EQ(c.okCancel, box.ErrorFileCancel("q", "f")) << c.answer;
        EXPECT_EQ(c.yesNo, box.YesNo("q")) << c.answer;
        EXPECT_EQ(c.yesNoCancel, box.YesNoCancel("q")) << c.answer;
    }
    // The last answer was 0: even a plain box reports that it was not shown.
    EXPECT_FALSE(box.MsgText("a", "b") || box.ErrorFile("a", "b"));
    shown.answer = IDRETRY;
    EXPECT_TRUE(box.RetryCancel("q"));
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

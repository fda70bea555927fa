// Dialogs driven through their handlers: dispatch, the key filter that runs
// before the dialog manager, nesting, modeless and modal runs.
#include <gtest/gtest.h>

#include <stdexcept>

#include "DDialog.h"
#include "DPropertyPage.h"
#include "DialogResources.h"
#include "TestDialog.h"

#include <commctrl.h>

namespace {

MSG Message(HWND target, UINT message, WPARAM wparam)
{
    MSG msg = {};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = wparam;
    return msg;
}

class Probe : public DDialog
{
public:
    Probe() : DDialog(IDD_TESTDIALOG) {}

    int inits = 0, destroys = 0, enters = 0, escapes = 0, helps = 0;
    unsigned command = 0, code = 0;
    bool throwOnCommand = false;
    bool swallowKeys = false;

    HWND Item(int id) const { return GetDlgItem(GetWnd(), id); }

    // A key press as the message loop would hand it over.
    bool Key(HWND target, WPARAM key)
    {
        MSG msg = Message(target, WM_KEYDOWN, key);
        return FilterMessage(msg);
    }

protected:
    bool OnInit() override { return ++inits; }

    bool OnCommand(unsigned id, unsigned notifyCode, HWND) override
    {
        if (throwOnCommand)
            throw std::runtime_error("handler failed");
        command = id;
        code = notifyCode;
        return true;
    }

    bool OnNotify(unsigned id, NMHDR*, LRESULT& result) override
    {
        if (id != IDC_TESTBUTTON)
            return false;
        result = 77;
        return true;
    }

    bool OnMessage(UINT message, WPARAM wparam, LPARAM, LRESULT& result) override
    {
        if (message != WM_APP)
            return false;
        result = static_cast<LRESULT>(wparam * 2);
        return true;
    }

    void OnDestroy() override { ++destroys; }

    bool OnEnter() override { return ++enters && swallowKeys; }
    bool OnEscape() override { return ++escapes && swallowKeys; }
    bool OnHelp() override { return ++helps; }
};

TEST(DDialog, DispatchesToItsHandlers)
{
    Probe probe;
    ASSERT_TRUE(probe.Create());
    HWND const window = probe.GetWnd();
    EXPECT_EQ(1, probe.inits);
    EXPECT_FALSE(probe.isModal());
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(probe.Create());

    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TESTBUTTON, EN_CHANGE), 0);
    EXPECT_EQ(static_cast<unsigned>(IDC_TESTBUTTON), probe.command);
    EXPECT_EQ(static_cast<unsigned>(EN_CHANGE), probe.code);

    // A notification's answer comes back to its sender.
    NMHDR header = {probe.Item(IDC_TESTBUTTON), IDC_TESTBUTTON, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(77, SendMessageA(window, WM_NOTIFY, IDC_TESTBUTTON, reinterpret_cast<LPARAM>(&header)));
    NMHDR other = {probe.Item(IDC_TESTEDIT), IDC_TESTEDIT, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(0, SendMessageA(window, WM_NOTIFY, IDC_TESTEDIT, reinterpret_cast<LPARAM>(&other)));
    EXPECT_EQ(42, SendMessageA(window, WM_APP, 21, 0));

    // A handler's exception stays inside the dialog procedure.
    probe.throwOnCommand = true;
    EXPECT_EQ(0, SendMessageA(window, WM_COMMAND, IDC_TESTBUTTON, 0));
    EXPECT_EQ(8, SendMessageA(window, WM_APP, 4, 0));

    // Cancel ends a modeless dialog: its window goes, its handler runs.
    SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, probe.GetWnd());
    EXPECT_EQ(1, probe.destroys);

    // It can be made again.
    ASSERT_TRUE(probe.Create());
    EXPECT_EQ(2, probe.inits);
}

TEST(DDialog, DestroyedObjectTakesItsWindowWithoutHandlers)
{
    HWND window = nullptr;
    {
        Probe probe;
        ASSERT_TRUE(probe.Create());
        window = probe.GetWnd();
    }
    EXPECT_FALSE(IsWindow(window));

    DDialog missing(4711u);
    EXPECT_FALSE(missing.Create());
    EXPECT_EQ(-1, missing.DoModal());
}

TEST(DDialog, KeyFilterRunsBeforeTheDialogManager)
{
    Probe probe;
    ASSERT_TRUE(probe.Create());
    HWND const edit = probe.Item(IDC_TESTEDIT);

    probe.swallowKeys = true;
    EXPECT_TRUE(probe.Key(edit, VK_RETURN) && probe.Key(edit, VK_ESCAPE) && probe.Key(edit, VK_F1));
    EXPECT_EQ(1, probe.enters);
    EXPECT_EQ(1, probe.escapes);
    EXPECT_EQ(1, probe.helps);
    // Swallowed: neither the default button nor cancel was pressed.
    EXPECT_TRUE(IsWindow(probe.GetWnd()));

    // Other keys and messages pass the filter to the dialog manager.
    MSG typed = Message(edit, WM_KEYDOWN, 'A');
    EXPECT_TRUE(DDialog::FilterMessage(typed));
    EXPECT_EQ(1, probe.enters);

    // Let through, Escape reaches the dialog manager and cancels.
    probe.swallowKeys = false;
    EXPECT_TRUE(probe.Key(edit, VK_ESCAPE));
    EXPECT_EQ(2, probe.escapes);
    EXPECT_FALSE(IsWindow(edit));

    // Let through, Enter reaches the default button.
    Probe other;
    ASSERT_TRUE(other.Create());
    EXPECT_TRUE(other.Key(other.Item(IDC_TESTEDIT), VK_RETURN));
    EXPECT_EQ(1, other.enters);
    EXPECT_EQ(nullptr, other.GetWnd());
    EXPECT_EQ(1, other.destroys);

    // Messages for windows that are none of ours are left alone.
    TestDialog plain;
    MSG foreign = Message(plain.Handle(), WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(DDialog::FilterMessage(foreign));
    MSG thread = Message(nullptr, WM_APP, 0);
    EXPECT_FALSE(DDialog::FilterMessage(thread));
}

class PageProbe : public DPropertyPage
{
public:
    PageProbe() : DPropertyPage(IDD_PAGE_EX) {}
    int enters = 0;
    bool swallow = false;

protected:
    bool OnEnter() override { return ++enters && swallow; }
};

TEST(DDialog, NestedDialogsFilterFromTheInnermostOut)
{
    Probe outer;
    ASSERT_TRUE(outer.Create());
    outer.swallowKeys = true;
    PageProbe page;
    ASSERT_TRUE(page.Create(outer.GetWnd()));
    HWND const edit = GetDlgItem(page.GetWnd(), IDC_PAGEEDIT);

    page.swallow = true;
    EXPECT_TRUE(outer.Key(edit, VK_RETURN));
    EXPECT_EQ(1, page.enters);
    EXPECT_EQ(0, outer.enters);

    page.swallow = false;
    EXPECT_TRUE(outer.Key(edit, VK_RETURN));
    EXPECT_EQ(2, page.enters);
    EXPECT_EQ(1, outer.enters);

    // A page never ends itself on OK or Cancel.
    SendMessageA(page.GetWnd(), WM_COMMAND, IDCANCEL, 0);
    SendMessageA(page.GetWnd(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(page.GetWnd()));
}

// Ends its modal run from a timer, the way a user's click would: from
// inside the run's own message loop.
class Timed : public DDialog
{
public:
    explicit Timed(HWND owner, bool quit) : DDialog(IDD_TESTDIALOG), owner(owner), quit(quit) {}
    bool ownerEnabledDuringRun = true;
    bool visibleDuringRun = false;

protected:
    bool OnInit() override { return SetTimer(GetWnd(), 1, 20, nullptr); }

    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_TIMER)
            return false;
        KillTimer(GetWnd(), 1);
        ownerEnabledDuringRun = IsWindowEnabled(owner) != FALSE;
        visibleDuringRun = IsWindowVisible(GetWnd()) != FALSE;
        if (quit)
            PostQuitMessage(7);
        else
            EndDialog(42);
        result = 0;
        return true;
    }

private:
    HWND owner;
    bool quit;
};

TEST(DDialog, ModalRunsEndByEndDialogOrByQuit)
{
    TestDialog owner;
    Timed ended(owner.Handle(), false);
    EXPECT_EQ(42, ended.DoModal(owner.Handle()));
    EXPECT_FALSE(ended.ownerEnabledDuringRun);
    EXPECT_TRUE(ended.visibleDuringRun);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(nullptr, ended.GetWnd());
    EXPECT_FALSE(ended.isModal());

    // A quit ends the run and is handed on to the loop outside it.
    Timed quit(owner.Handle(), true);
    EXPECT_EQ(-1, quit.DoModal(owner.Handle()));
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

}

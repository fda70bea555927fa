// The installer's and the uninstaller's dialogs on the virtual display,
// with both registry hives they write redirected to scratch keys, a fresh
// folder as the current folder, and the message boxes recorded together
// with what the dialog behind them showed at that moment.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DDialog.h"
#include "DMsgBox.h"
#include "TempFolder.h"
#include "WindowProbe.h"
#include "WorkResource.h"

#include <commctrl.h>

class InstallFixture : public ::testing::Test, public WindowProbe
{
protected:
    struct Box
    {
        std::string text, caption;
        // The progress dialog behind the box.
        unsigned long range, position;
        std::string status;
    };
    static inline std::vector<Box> boxes;

    static void SetUpTestSuite() { DDialog::EnableControls(); }

    void SetUp() override
    {
        ASSERT_TRUE(temp.isMade());
        GetCurrentDirectoryA(MAX_PATH, savedDir);
        ASSERT_TRUE(SetCurrentDirectoryA(temp.Dir().c_str()));
        // The current user is the test run's scratch key already; the
        // classes hive goes to a key inside it.
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, ClassesKey, &classes));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CLASSES_ROOT, classes));
        boxes.clear();
        boxBefore = DMsgBox::SetShow(RecordBox);
    }

    void TearDown() override
    {
        DMsgBox::SetShow(boxBefore);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegCloseKey(classes);
        RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        SetCurrentDirectoryA(savedDir);
    }

    // The value's text; "(missing)" when the value or its key is not there.
    static std::string Value(HKEY root, char const* key, char const* name = "")
    {
        char data[1024] = "";
        DWORD size = sizeof data - 1;
        if (RegGetValueA(root, key, name, RRF_RT_ANY, nullptr, data, &size) != ERROR_SUCCESS)
            return "(missing)";
        std::string text(data, size);
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        return text;
    }

    static bool KeyExists(HKEY root, char const* key)
    {
        HKEY open = nullptr;
        if (RegOpenKeyExA(root, key, 0, KEY_READ, &open) != ERROR_SUCCESS)
            return false;
        RegCloseKey(open);
        return true;
    }

    // Presses a button of the window with the caption once the button is
    // enabled, from inside the modal loop that waits for it.
    static void PressWhenReady(char const* caption, int id)
    {
        pressCaption = caption;
        pressId = id;
        SetTimer(nullptr, 0, 50, Press);
    }

    TempFolder temp;

private:
    static int WINAPI RecordBox(HWND owner, char const* text, char const* caption, unsigned)
    {
        HWND const bar = GetDlgItem(owner, IDC_WORKPROGRESS);
        boxes.push_back({text, caption,
                         static_cast<unsigned long>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)),
                         static_cast<unsigned long>(SendMessageA(bar, PBM_GETPOS, 0, 0)),
                         Text(GetDlgItem(owner, IDC_WORKSTATUS))});
        return IDOK;
    }

    static void CALLBACK Press(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND const window = FindWindowA(nullptr, pressCaption);
        HWND const button = window ? GetDlgItem(window, pressId) : nullptr;
        if (!button || !IsWindowEnabled(button))
            return;
        KillTimer(nullptr, timer);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(pressId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    static inline char const* pressCaption = "";
    static inline int pressId = 0;
    char savedDir[MAX_PATH] = "";
    static constexpr char const* ClassesKey = "Software\\HunterlyInstallTests\\classes";
    HKEY classes = nullptr;
    DMsgBox::ShowFunction boxBefore = nullptr;
};

// The real main window on the virtual display, made hidden as the program
// makes it, with a clean registry and the shell and message-box seams
// recording what would be opened or shown; and the helpers that drive and
// read it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DMsgBox.h"
#include "MainWindow.h"
#include "Resource.h"
#include "ShellRun.h"

class MainWindowFixture : public ::testing::Test
{
protected:
    static char const* const Program;

    struct Opened
    {
        std::string file;
        std::string folder;
    };
    static std::vector<Opened> opened;
    struct Box
    {
        std::string text;
        std::string caption;
    };
    static std::vector<Box> boxes;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The main window for a command line of the program and arguments.
    MainWindow& Start(std::vector<std::string> const& arguments = {});

    HWND Item(int id) const;
    std::string Status() const;
    int Shown() const;
    HMENU Menu() const;
    bool Checked(unsigned id) const;
    void Command(unsigned id) const;
    bool Key(WPARAM key) const;

    static std::string Text(HWND window);
    static void Put(char const* key, char const* name, unsigned long value);
    static void PutFolder(std::string const& folder);
    static unsigned long Stored(char const* key, char const* name);

    std::unique_ptr<MainWindow> window;

private:
    static bool RecordOpen(char const* file, char const* folder);
    static int WINAPI RecordBox(HWND owner, char const* text, char const* caption, unsigned style);

    ShellRun::OpenFunction before = nullptr;
    DMsgBox::ShowFunction boxBefore = nullptr;
};

#include "MainWindowFixture.h"

#include "DReg.h"

char const* const MainWindowFixture::Program = "C:\\hunterly\\hunterly.exe";
std::vector<MainWindowFixture::Opened> MainWindowFixture::opened;
std::vector<MainWindowFixture::Box> MainWindowFixture::boxes;

void MainWindowFixture::SetUpTestSuite()
{
    DDialog::EnableControls();
}

void MainWindowFixture::SetUp()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, SharedFlags::Key);
    opened.clear();
    boxes.clear();
    before = ShellRun::SetOpen(RecordOpen);
    boxBefore = DMsgBox::SetShow(RecordBox);
}

void MainWindowFixture::TearDown()
{
    window.reset();
    ShellRun::SetOpen(before);
    DMsgBox::SetShow(boxBefore);
    RegDeleteTreeA(HKEY_CURRENT_USER, SharedFlags::Key);
}

bool MainWindowFixture::RecordOpen(char const* file, char const* folder)
{
    opened.push_back({file, folder ? folder : ""});
    return true;
}

int WINAPI MainWindowFixture::RecordBox(HWND, char const* text, char const* caption, unsigned)
{
    boxes.push_back({text, caption});
    return IDOK;
}

MainWindow& MainWindowFixture::Start(std::vector<std::string> const& arguments)
{
    std::string line = std::string("\"") + Program + "\"";
    for (std::string const& argument : arguments)
        line += " \"" + argument + "\"";
    window.reset(new MainWindow(line.c_str()));
    EXPECT_TRUE(window->Create());
    return *window;
}

HWND MainWindowFixture::Item(int id) const
{
    return GetDlgItem(window->GetWnd(), id);
}

std::string MainWindowFixture::Status() const
{
    return Text(Item(IDC_STATUS));
}

int MainWindowFixture::Shown() const
{
    return window->GetSheet().GetActiveIndex();
}

HMENU MainWindowFixture::Menu() const
{
    return GetMenu(window->GetWnd());
}

bool MainWindowFixture::Checked(unsigned id) const
{
    return GetMenuState(Menu(), id, MF_BYCOMMAND) & MF_CHECKED;
}

void MainWindowFixture::Command(unsigned id) const
{
    SendMessageA(window->GetWnd(), WM_COMMAND, id, 0);
}

bool MainWindowFixture::Key(WPARAM key) const
{
    MSG msg = {};
    msg.hwnd = Item(IDC_STARTSEARCH);
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    return DDialog::FilterMessage(msg);
}

std::string MainWindowFixture::Text(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void MainWindowFixture::Put(char const* key, char const* name, unsigned long value)
{
    DReg reg;
    ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, key));
    ASSERT_TRUE(reg.SetDwordValue(name, value));
}

void MainWindowFixture::PutFolder(std::string const& folder)
{
    DReg reg;
    ASSERT_TRUE(reg.Create(HKEY_CURRENT_USER, SharedFlags::Key));
    ASSERT_TRUE(reg.SetValue("Folder", folder.c_str(), REG_SZ));
}

unsigned long MainWindowFixture::Stored(char const* key, char const* name)
{
    DReg reg(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(reg.LoadKeyValue(name)) << name;
    return reg.LoadKeyDword(name);
}

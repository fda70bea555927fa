// Installs Hunterly the way a user does and checks that it then runs: starts
// setup.exe in the unpacked release, agrees, types the installation folder,
// waits for the copying, finishes with "Run Program" left on, and waits for
// the installed hunterly.exe to show its window. The dialogs are found by
// their captions and the buttons by their texts; which files were copied is
// checked by the caller.
//
// hunterly_install <unpacked release folder> <installation folder>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

template <class Test> bool WaitFor(DWORD ms, Test test)
{
    for (DWORD start = GetTickCount(); !test(); Sleep(100))
        if (GetTickCount() - start > ms)
            return false;
    return true;
}

std::string TextOf(HWND window)
{
    char text[512] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

// A control's text without its mnemonic marks.
std::string Plain(HWND window)
{
    std::string text;
    for (char c : TextOf(window))
        if (c != '&')
            text += c;
    return text;
}

struct Find
{
    DWORD process;
    char const* text;
    char const* kind;    // class of a child; null for a top-level window
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param)
{
    Find* f = reinterpret_cast<Find*>(param);
    if (!IsWindowVisible(window))
        return TRUE;
    if (f->kind)
    {
        char kind[64] = "";
        GetClassNameA(window, kind, sizeof kind);
        if (lstrcmpiA(kind, f->kind) != 0 || (f->text && Plain(window) != f->text))
            return TRUE;
    }
    else
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != f->process || TextOf(window) != f->text)
            return TRUE;
    }
    f->found = window;
    return FALSE;
}

HWND Dialog(DWORD process, char const* caption, DWORD ms = 30000)
{
    Find f{process, caption, nullptr, nullptr};
    WaitFor(ms, [&] {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&f));
        return f.found != nullptr;
    });
    if (!f.found)
        std::fprintf(stderr, "no \"%s\" window\n", caption);
    return f.found;
}

HWND Child(HWND dialog, char const* kind, char const* text)
{
    Find f{0, text, kind, nullptr};
    if (dialog)
        EnumChildWindows(dialog, Match, reinterpret_cast<LPARAM>(&f));
    if (dialog && !f.found)
        std::fprintf(stderr, "no %s \"%s\" in \"%s\"\n", kind, text ? text : "", TextOf(dialog).c_str());
    return f.found;
}

// As a click: the button's notification to its dialog, posted so that a
// dialog the click opens cannot block this program.
bool Press(HWND dialog, char const* text, DWORD enabledWithin = 0)
{
    HWND button = Child(dialog, "Button", text);
    if (!button || !WaitFor(enabledWithin, [&] { return IsWindowEnabled(button) != FALSE; }))
        return false;
    return PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
}

struct Program
{
    std::string image;
    HWND found;
};

// The visible top-level window of a process started from the given file.
BOOL CALLBACK MatchProgram(HWND window, LPARAM param)
{
    Program* p = reinterpret_cast<Program*>(param);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return TRUE;
    char image[MAX_PATH] = "";
    DWORD size = sizeof image;
    bool const same = QueryFullProcessImageNameA(process, 0, image, &size) && lstrcmpiA(image, p->image.c_str()) == 0;
    CloseHandle(process);
    if (!same)
        return TRUE;
    p->found = window;
    return FALSE;
}

}

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: hunterly_install <unpacked release folder> <installation folder>\n");
        return 2;
    }
    std::string const source = argv[1], target = argv[2];
    std::string setup = source + "\\setup.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run = {};
    if (!CreateProcessA(setup.c_str(), &setup[0], nullptr, nullptr, FALSE, 0, nullptr, source.c_str(), &startup,
                        &run))
    {
        std::fprintf(stderr, "could not start %s\n", setup.c_str());
        return 1;
    }
    DWORD const id = run.dwProcessId;
    bool ok = Press(Dialog(id, "Disclaimer"), "I Agree");
    HWND path = ok ? Dialog(id, "Program Path") : nullptr;
    HWND edit = Child(path, "Edit", nullptr);
    ok = edit && SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()),
                                     SMTO_ABORTIFHUNG, 2000, nullptr) &&
         Press(path, "Next");
    ok = ok && Press(Dialog(id, "Copying in Progress"), "Next", 60000);
    ok = ok && Press(Dialog(id, "Installation Finished"), "Finish");
    ok = ok && WaitForSingleObject(run.hProcess, 30000) == WAIT_OBJECT_0;

    Program program{target + "\\hunterly.exe", nullptr};
    if (ok && WaitFor(30000, [&] {
            EnumWindows(MatchProgram, reinterpret_cast<LPARAM>(&program));
            return program.found != nullptr;
        }))
    {
        std::printf("the installed program runs: \"%s\"\n", TextOf(program.found).c_str());
        PostMessageA(program.found, WM_CLOSE, 0, 0);
    }
    else
    {
        if (ok)
            std::fprintf(stderr, "the installed hunterly.exe did not show a window\n");
        ok = false;
    }
    if (WaitForSingleObject(run.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    return ok ? 0 : 1;
}

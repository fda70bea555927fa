// Pictures of the real program for the README. Starts hunterly.exe with a
// folder to search, shows each page as a user would (the arrow keys on the
// tab strip), runs the search with the "Start Search" button, opens the
// analysis from the menu, and writes each window as it is on the screen to
// <name>.bmp. The ids are the program's own (hunterly/Resource.h).
//
// hunterly_shots <output folder> <hunterly.exe> <folder to search>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Resource.h"

namespace {

DWORD const Patience = 120000;    // a search of a source tree under wine

std::string output;

std::string TextOf(HWND window)
{
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

// Waits until test() holds, checking every 100 ms; false after ms.
template <class Test> bool WaitFor(DWORD ms, Test test)
{
    for (DWORD start = GetTickCount(); !test(); Sleep(100))
        if (GetTickCount() - start > ms)
            return false;
    return true;
}

struct Search
{
    DWORD process;
    HWND except;
    HWND found;
};

// A visible top-level window of the process, other than except.
BOOL CALLBACK FindTop(HWND window, LPARAM param)
{
    Search* s = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != s->process || window == s->except || !IsWindowVisible(window))
        return TRUE;
    s->found = window;
    return FALSE;
}

HWND TopWindow(DWORD process, HWND except)
{
    Search s{process, except, nullptr};
    EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool WriteBitmap(std::string const& path, HBITMAP bitmap, HDC dc, int width, int height)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD const row = (width * 3 + 3) & ~3;
    std::vector<char> pixels(row * height);
    if (!GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
                   DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixels.size();
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool const written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// The window as the screen shows it, after it has painted afresh.
bool Picture(HWND window, char const* name)
{
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(1500);
    RECT r;
    GetWindowRect(window, &r);
    int const width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool ok = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    ok = ok && WriteBitmap(output + "\\" + name + ".bmp", bitmap, memory, width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", name);
    return ok;
}

// Moves the tab strip's selection to page, one arrow key at a time.
bool ShowPage(HWND tabs, int page)
{
    for (int tries = 0; tries < 16; ++tries)
    {
        int const shown = int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        if (shown == page)
            return true;
        PostMessageA(tabs, WM_KEYDOWN, shown < page ? VK_RIGHT : VK_LEFT, 0);
        WaitFor(2000, [&] { return int(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) != shown; });
    }
    return false;
}

}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: hunterly_shots <output folder> <hunterly.exe> <folder to search>\n");
        return 2;
    }
    output = argv[1];
    std::string const program = argv[2];
    std::string line = "\"" + program + "\" \"" + argv[3] + "\"";
    std::string const folder = program.substr(0, program.find_last_of("\\/"));

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run = {};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &run))
    {
        std::fprintf(stderr, "could not start %s\n", program.c_str());
        return 1;
    }
    HWND main = nullptr;
    WaitFor(30000, [&] {
        main = TopWindow(run.dwProcessId, nullptr);
        return main && GetDlgItem(main, IDC_SHEET);
    });
    // The sheet's own tab strip is its only tab control child.
    HWND const tabs = main ? FindWindowExA(GetDlgItem(main, IDC_SHEET), nullptr, WC_TABCONTROLA, nullptr) : nullptr;
    int failures = 0;
    if (!tabs)
    {
        std::fprintf(stderr, "the main window did not appear\n");
        failures = 1;
    }
    else
    {
        SetWindowPos(main, HWND_TOP, 16, 16, 900, 600, SWP_SHOWWINDOW);
        char const* const pages[] = {"file-names", "attributes", "sizes", "dates", "contents"};
        for (int page = 0; page < 5; ++page)
            failures += !(ShowPage(tabs, page) && Picture(main, pages[page]));

        HWND const status = GetDlgItem(main, IDC_STATUS);
        PostMessageA(GetDlgItem(main, IDC_STARTSEARCH), BM_CLICK, 0, 0);
        if (WaitFor(Patience, [&] { return TextOf(status).rfind("Found ", 0) == 0; }))
            failures += !Picture(main, "results");
        else
        {
            std::fprintf(stderr, "the search did not end: \"%s\"\n", TextOf(status).c_str());
            ++failures;
        }
        failures += !(ShowPage(tabs, 6) && Picture(main, "summary"));

        PostMessageA(main, WM_COMMAND, IDM_LASTANALYSIS, 0);
        HWND analysis = nullptr;
        if (WaitFor(5000, [&] { return (analysis = TopWindow(run.dwProcessId, main)) != nullptr; }))
        {
            failures += !Picture(analysis, "analysis");
            PostMessageA(analysis, WM_COMMAND, IDOK, 0);
            WaitFor(3000, [&] { return !IsWindow(analysis); });
        }
        else
        {
            std::fprintf(stderr, "no analysis window opened\n");
            ++failures;
        }
        PostMessageA(main, WM_COMMAND, IDM_EXIT, 0);
    }
    if (WaitForSingleObject(run.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(run.hProcess, 1);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    return failures == 0 ? 0 : 1;
}

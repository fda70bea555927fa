#include "ShellRun.h"

#include <windows.h>
#include <shellapi.h>

namespace {

bool ShellOpen(char const* file, char const* folder)
{
    HINSTANCE const answer = ShellExecuteA(nullptr, nullptr, file, nullptr, folder, SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(answer) > 32;
}

ShellRun::OpenFunction open = ShellOpen;

}

ShellRun::OpenFunction ShellRun::SetOpen(OpenFunction function)
{
    OpenFunction const before = open;
    open = function ? function : ShellOpen;
    return before;
}

bool ShellRun::Open(DName const& file, DName const& folder)
{
    if (file.isEmpty())
        return false;
    return open(file.Name(), folder.isEmpty() ? nullptr : folder.Name());
}

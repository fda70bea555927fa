#include "ShellRun.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// Without a box of the shell's: one for every file of a selection would
// stop the window until each was answered.
bool Execute(char const* verb, char const* file, char const* folder, ULONG mask)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | mask;
    info.lpVerb = verb;
    info.lpFile = file;
    info.lpDirectory = folder;
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

bool ShellOpen(char const* file, char const* folder)
{
    return Execute(nullptr, file, folder, 0);
}

bool ShellVerb(char const* verb, char const* file)
{
    bool const open = lstrcmpiA(verb, "open") == 0;
    return Execute(verb, file, nullptr, open ? 0 : SEE_MASK_INVOKEIDLIST);
}

ShellRun::OpenFunction open = ShellOpen;
ShellRun::VerbFunction verbs = ShellVerb;

}

ShellRun::OpenFunction ShellRun::SetOpen(OpenFunction function)
{
    OpenFunction const before = open;
    open = function ? function : ShellOpen;
    return before;
}

ShellRun::VerbFunction ShellRun::SetVerb(VerbFunction function)
{
    VerbFunction const before = verbs;
    verbs = function ? function : ShellVerb;
    return before;
}

bool ShellRun::Open(DName const& file, DName const& folder)
{
    if (file.isEmpty())
        return false;
    return open(file.Name(), folder.isEmpty() ? nullptr : folder.Name());
}

bool ShellRun::Verb(char const* verb, DName const& file)
{
    if (!verb || file.isEmpty())
        return false;
    return verbs(verb, file.Name());
}

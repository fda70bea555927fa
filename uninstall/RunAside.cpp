#include "RunAside.h"

#include <windows.h>

#include "DName.h"
#include "Deliverables.h"

namespace {

// The long form of a path that exists, so that two spellings of one folder
// compare equal.
DName LongPath(char const* path)
{
    char full[MAX_PATH] = "";
    return DName(GetLongPathNameA(path, full, MAX_PATH) ? full : path);
}

}

bool RunAside::Start()
{
    char own[MAX_PATH] = "";
    char temp[MAX_PATH] = "";
    if (!GetModuleFileNameA(nullptr, own, MAX_PATH) || !GetTempPathA(MAX_PATH, temp))
        return true;
    DName from = LongPath(own);
    from.DelRight(from.Size() - from.FindLastChar('\\'));
    DName aside(temp);
    aside.AddFile("Hunterly Uninstall");
    CreateDirectoryA(aside.Name(), nullptr);
    aside = LongPath(aside.Name());
    if (from == aside) {
        // The copies go when the machine starts again.
        for (unsigned i = 0; i < Deliverables::Libraries; ++i)
            MoveFileExA((DName(aside).AddFile(Deliverables::Name(i))).Name(), nullptr,
                        MOVEFILE_DELAY_UNTIL_REBOOT);
        MoveFileExA(own, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return true;
    }
    DName const program = DName(aside).AddFile(Deliverables::Name(Deliverables::Uninstaller));
    if (!CopyFileA(own, program.Name(), FALSE) || !CopyTo(from.Name(), aside.Name()))
        return true;
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION info = {};
    DName line = DName("\"") + program + "\"";
    if (!CreateProcessA(program.Name(), line.Handle(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &start, &info))
        return true;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return false;
}

bool RunAside::CopyTo(char const* from, char const* to)
{
    for (unsigned i = 0; i < Deliverables::Libraries; ++i) {
        char const* const name = Deliverables::Name(i);
        if (!CopyFileA((DName(from).AddFile(name)).Name(), (DName(to).AddFile(name)).Name(),
                       FALSE))
            return false;
    }
    return true;
}

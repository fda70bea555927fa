#include "SpecialFolder.h"

#include <windows.h>
#include <shlobj.h>

namespace {

DName Lookup(int folder)
{
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, folder, FALSE))
        return DName();
    return DName(path);
}

}

DName SpecialFolder::Programs()
{
    return Lookup(CSIDL_PROGRAMS);
}

DName SpecialFolder::SendTo()
{
    return Lookup(CSIDL_SENDTO);
}

DName SpecialFolder::Desktop()
{
    return Lookup(CSIDL_DESKTOPDIRECTORY);
}

DName SpecialFolder::ProgramGroup()
{
    DName group = Programs();
    if (group.isEmpty())
        return group;
    return group.AddFile("Hunterly");
}

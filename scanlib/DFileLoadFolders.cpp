// DFileLoad: folder utilities: making and removing folders and files.

#include "DFileLoad.h"

#include <algorithm>

#include "PathText.h"

using namespace PathText;

// Folders and files

bool DFileLoad::MakeSingleDir(DName const& path)
{
    if (path.isEmpty())
        return false;
    DName dir(path);
    dir.Replace('/', '\\');
    // Trailing separators only: the leading ones root the path.
    while (dir.Size() > std::max(RootLength(dir), 1u) && isSep(dir[dir.Size() - 1]))
        dir.DelRight(1);
    CreateDirectoryA(dir.Name(), nullptr);
    return ChangeDir(dir);
}

bool DFileLoad::MakeDir(DName const& path)
{
    DName whole(path);
    whole.Replace('/', '\\');
    if (RootLength(whole) == 0)
        whole = GetDir().AddFile(whole);
    unsigned const root = RootLength(whole);
    DName built;
    built.Namen(whole.Name(), root);
    DName rest;
    rest.Namen(whole.Name() + root, whole.Size() - root);
    while (!rest.isEmpty()) {
        unsigned const sep = rest.FindFirstChar('\\');
        DName component;
        component.Namen(rest.Name(), sep);
        rest.DelLeft(sep + 1);
        if (component.isEmpty())
            continue;
        if (!built.isEmpty())
            ChangeDir(built);
        built.AddFile(component);
        MakeSingleDir(built);
    }
    return ChangeDir(whole);
}

bool DFileLoad::RemoveDir(DName const& path)
{
    DName dir(path);
    dir.Replace('/', '\\');
    unsigned const sep = dir.FindLastChar('\\');
    if (sep >= dir.Size())
        return false;
    DName last;
    last.Namen(dir.Name() + sep + 1, dir.Size() - sep - 1);
    SetFileAttributesA(last.Name(), FILE_ATTRIBUTE_ARCHIVE);
    return RemoveDirectoryA(last.Name()) != 0;
}

bool DFileLoad::Remove(DName const& path)
{
    if (path.isEmpty())
        return false;
    // A missing path reports every bit and so is taken for a folder.
    if (GetFileAttributesA(path.Name()) & FILE_ATTRIBUTE_DIRECTORY)
        return RemoveDir(path);
    SetFileAttributesA(path.Name(), FILE_ATTRIBUTE_ARCHIVE);
    return DeleteFileA(path.Name()) != 0;
}

unsigned long DFileLoad::GetDiskFreeSpaceA() const
{
    DName const dir = GetDir();
    ULARGE_INTEGER free;
    if (dir.Size() < 3)
        return 0;
    DName root;
    root.Namen(dir.Name(), 3);
    if (!GetDiskFreeSpaceExA(root.Name(), &free, nullptr, nullptr))
        return 0;
    return static_cast<unsigned long>(free.QuadPart / 65536);
}

bool DFileLoad::isDir(DName const& path)
{
    return !path.isEmpty() &&
           (GetFileAttributesA(path.Name()) & FILE_ATTRIBUTE_DIRECTORY);
}

bool DFileLoad::isFile(DName const& path)
{
    return !isDir(path);
}

bool DFileLoad::isFolder(DName const& path)
{
    DWORD const attributes = path.isEmpty() ? INVALID_FILE_ATTRIBUTES
                                            : GetFileAttributesA(path.Name());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DFileLoad::isDriveReady(unsigned number)
{
    if (number < 1 || number > 26 || !(GetLogicalDrives() >> (number - 1) & 1))
        return false;
    char const root[] = {static_cast<char>('A' + number - 1), ':', '\\', '\0'};
    // A drive without its disc would stop the program with a system box;
    // the mode is this thread's, so a walk on another thread keeps its own.
    DWORD before = 0;
    bool const quiet =
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &before) != FALSE;
    bool const ready = isFolder(root);
    if (quiet)
        SetThreadErrorMode(before, nullptr);
    return ready;
}

bool DFileLoad::isDir(WIN32_FIND_DATAA const& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DFileLoad::isDots(WIN32_FIND_DATAA const& entry)
{
    return DFile::isDots(entry);
}

bool DFileLoad::isNotDots(WIN32_FIND_DATAA const& entry)
{
    return DFile::isNotDots(entry);
}

bool DFileLoad::isSubDir(DName const& dir, DName const& sub)
{
    DName rest[2] = {dir, sub};
    DName drive[2];
    for (unsigned i = 0; i < 2; ++i) {
        if (rest[i](1) == ':') {
            drive[i].Namen(rest[i].Name(), 2);
            rest[i].DelLeft(2);
        }
        rest[i].ChopPath();
    }
    if (!drive[0].isEmpty() && !drive[1].isEmpty() && drive[0] != drive[1])
        return false;
    return rest[0].isEmpty() || rest[0].Compi(rest[1]) || isNested(rest[0], rest[1]);
}

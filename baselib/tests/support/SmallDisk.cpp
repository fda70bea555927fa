#include "SmallDisk.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

// Far above the fixture's disk, far below any real one.
unsigned long long const SmallLimit = 16ull << 20;
DWORD const Block = 4096;

}  // namespace

SmallDisk::SmallDisk()
{
    char const* const dir = std::getenv("HUNTERLY_SMALL_DISK");
    if (!dir || !*dir)
        return;
    ULARGE_INTEGER free, total;
    if (GetDiskFreeSpaceExA(dir, &free, &total, nullptr) && total.QuadPart < SmallLimit)
        dir_ = dir;
}

SmallDisk::~SmallDisk()
{
    if (dir_.empty())
        return;
    WIN32_FIND_DATAA fd;
    HANDLE const h = FindFirstFileA(Path("*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string const file = Path(fd.cFileName);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

bool SmallDisk::isMade() const
{
    return !dir_.empty();
}

std::string const& SmallDisk::Dir() const
{
    return dir_;
}

std::string SmallDisk::Path(char const* name) const
{
    return dir_ + "\\" + name;
}

bool SmallDisk::Fill(unsigned long leave)
{
    HANDLE const h = CreateFileA(Path("filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> block(Block, 'f');
    DWORD put = Block;
    while (WriteFile(h, block.data(), Block, &put, nullptr) && put == Block) {
    }
    // Full now: give back the room asked for, in whole blocks.
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart > static_cast<LONGLONG>(leave);
    if (ok) {
        LARGE_INTEGER end;
        end.QuadPart = (size.QuadPart - leave) / Block * Block;
        ok = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    }
    CloseHandle(h);
    return ok;
}

unsigned long long SmallDisk::Free() const
{
    ULARGE_INTEGER free;
    return GetDiskFreeSpaceExA(dir_.c_str(), &free, nullptr, nullptr) ? free.QuadPart : 0;
}

#include "TempFolder.h"

#include <windows.h>

#include <cstdio>

TempFolder::TempFolder() : made_(false)
{
    char tmp[MAX_PATH];
    if (!GetTempPathA(MAX_PATH, tmp))
        return;
    static unsigned serial = 0;
    char sub[MAX_PATH + 64];
    snprintf(sub, sizeof sub, "%shunterly_test_%lu_%lu_%u", tmp,
             GetCurrentProcessId(), GetTickCount(), ++serial);
    dir_ = sub;
    made_ = CreateDirectoryA(dir_.c_str(), nullptr) != 0;
}

namespace {

// Removes a folder with everything below it. Links to folders are removed
// as links, never followed.
void RemoveTree(std::string const& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string const name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string const p = dir + "\\" + name;
            SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(p.c_str());
            else if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryA(p.c_str());
            else
                RemoveTree(p);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

}  // namespace

TempFolder::~TempFolder()
{
    if (made_)
        RemoveTree(dir_);
}

bool TempFolder::isMade() const
{
    return made_;
}

std::string const& TempFolder::Dir() const
{
    return dir_;
}

std::string TempFolder::Path(char const* name) const
{
    return dir_ + "\\" + name;
}

bool TempFolder::Put(std::string const& path, std::string const& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool const ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

std::string TempFolder::Get(std::string const& path)
{
    std::string out;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    fclose(f);
    return out;
}

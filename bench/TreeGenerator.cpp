#include "TreeGenerator.h"

#include "ContentWriter.h"
#include "EntryMaker.h"
#include "SeededRandom.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Raised whenever the generator changes, so that old trees are made again.
unsigned const TreeFormat = 1;

// Folder paths are kept short enough that every file path stays well below
// MAX_PATH under a parent folder of up to 80 characters.
unsigned const MaxFolderPath = 120;
unsigned const MaxDepth = 14;

struct PlannedFolder
{
    unsigned depth;
    unsigned children;    // running number for unique names inside
    std::string path;     // relative to the tree, "" for the tree itself
};

struct PlannedFile
{
    unsigned folder;
    std::string name;
    unsigned long long size;
    unsigned long long written;   // FILETIME ticks
    bool text;
    bool readOnly;
};

} // namespace

char const* const TreeGenerator::AbsentWords[] = {
    "Marmalade", "Zeppelin", "quorum", "Xylograph",
};
char const* const TreeGenerator::CommonWords[] = {
    "data", "the", "index", "table",
};

TreeGenerator::TreeGenerator(std::string const& parent, unsigned entries,
                             unsigned long long seed)
    : parent_(parent), entries_(entries), seed_(seed), folders_(0),
      files_(0), bytes_(0), reused_(false)
{
    if (!parent_.empty() && parent_.back() != '\\')
        parent_ += '\\';
    std::string const name =
        "tree-" + std::to_string(entries) + "-s" + std::to_string(seed);
    folder_ = parent_ + name;
    marker_ = parent_ + name + ".done";
}

std::string const& TreeGenerator::Folder() const
{
    return folder_;
}

unsigned TreeGenerator::Entries() const
{
    return entries_;
}

unsigned TreeGenerator::Folders() const
{
    return folders_;
}

unsigned TreeGenerator::Files() const
{
    return files_;
}

unsigned long long TreeGenerator::Bytes() const
{
    return bytes_;
}

bool TreeGenerator::Reused() const
{
    return reused_;
}

bool TreeGenerator::Prepare()
{
    if (parent_.size() > 80) {
        std::printf("tree folder %s: longer than 80 characters, paths would "
                    "pass MAX_PATH\n", parent_.c_str());
        return false;
    }
    if (ReadMarker() &&
        GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        reused_ = true;
        return true;
    }
    reused_ = false;
    DeleteFileA(marker_.c_str());
    if (GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        std::printf("removing unfinished tree %s\n", folder_.c_str());
        std::fflush(stdout);
        RemoveTree(folder_);
    }
    CreateDirectoryA(parent_.c_str(), nullptr);
    if (!Generate())
        return false;
    return WriteMarker();
}

bool TreeGenerator::ReadMarker()
{
    FILE* f = std::fopen(marker_.c_str(), "rb");
    if (!f)
        return false;
    unsigned format = 0, entries = 0, folders = 0, files = 0;
    unsigned long long seed = 0, bytes = 0;
    int const n = std::fscanf(f,
                              "hunterly bench tree %u seed %llu entries %u "
                              "folders %u files %u bytes %llu",
                              &format, &seed, &entries, &folders, &files,
                              &bytes);
    std::fclose(f);
    if (n != 6 || format != TreeFormat || seed != seed_ ||
        entries != entries_ || folders + files != entries)
        return false;
    folders_ = folders;
    files_ = files;
    bytes_ = bytes;
    return true;
}

bool TreeGenerator::WriteMarker() const
{
    FILE* f = std::fopen(marker_.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f,
                 "hunterly bench tree %u\r\nseed %llu\r\nentries %u\r\n"
                 "folders %u\r\nfiles %u\r\nbytes %llu\r\n",
                 TreeFormat, seed_, entries_, folders_, files_, bytes_);
    return std::fclose(f) == 0;
}

bool TreeGenerator::Generate()
{
    SeededRandom random(seed_);

    // About one entry in twelve is a folder.
    unsigned const folderCount = entries_ / 12;
    unsigned const fileCount = entries_ - folderCount;

    // Folders: each hangs below the folder made just before it (long
    // chains) or below any earlier one (wide, shallow parts).
    std::vector<PlannedFolder> folders;
    folders.reserve(folderCount + 1);
    folders.push_back(PlannedFolder{0, 0, std::string()});
    for (unsigned i = 1; i <= folderCount; ++i) {
        unsigned parent = random.Chance(35) ? i - 1 : random.Below(i);
        for (unsigned tries = 0;
             folders[parent].depth >= MaxDepth ||
             folders[parent].path.size() + 24 > MaxFolderPath;
             ++tries)
            parent = tries < 4 ? random.Below(i) : 0;
        PlannedFolder f;
        f.depth = folders[parent].depth + 1;
        f.children = 0;
        f.path = folders[parent].path + '\\' +
                 EntryMaker::FolderName(random, folders[parent].children++);
        folders.push_back(f);
    }

    // Files go to folders with lognormal weights: most folders hold a few,
    // some hold hundreds, some none.
    std::vector<double> cumulative(folders.size());
    double total = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
        total += std::exp(1.4 * random.Normal());
        cumulative[i] = total;
    }
    std::vector<PlannedFile> files;
    files.reserve(fileCount);
    bytes_ = 0;
    for (unsigned i = 0; i < fileCount; ++i) {
        double const at = random.Unit() * total;
        unsigned const folder = unsigned(
            std::upper_bound(cumulative.begin(), cumulative.end(), at) -
            cumulative.begin());
        PlannedFile f;
        f.folder = folder < folders.size() ? folder : 0;
        f.name = EntryMaker::FileName(random, folders[f.folder].children++, f.text);
        f.size = EntryMaker::FileSize(random);
        f.written = EntryMaker::Date(random);
        f.readOnly = random.Chance(3);
        bytes_ += f.size;
        files.push_back(f);
    }
    folders_ = folderCount;
    files_ = fileCount;

    std::printf("generating %s: %u folders, %u files, %llu MiB\n",
                folder_.c_str(), folders_, files_, bytes_ >> 20);
    std::fflush(stdout);

    for (PlannedFolder const& f : folders) {
        std::string const path = folder_ + f.path;
        if (!CreateDirectoryA(path.c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            std::printf("cannot create folder %s (error %lu)\n", path.c_str(),
                        GetLastError());
            return false;
        }
    }

    ContentWriter writer;
    unsigned nextTenth = 1;
    for (unsigned i = 0; i < fileCount; ++i) {
        PlannedFile const& f = files[i];
        std::string const path =
            folder_ + folders[f.folder].path + '\\' + f.name;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            std::printf("cannot create file %s (error %lu)\n", path.c_str(),
                        GetLastError());
            return false;
        }
        SeededRandom content(SeededRandom::Derive(seed_, i));
        bool ok = writer.Write(h, f.size, f.text, content);
        FILETIME ft;
        ft.dwLowDateTime = DWORD(f.written);
        ft.dwHighDateTime = DWORD(f.written >> 32);
        ok = SetFileTime(h, nullptr, &ft, &ft) && ok;
        ok = CloseHandle(h) && ok;
        if (ok && f.readOnly)
            ok = SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
        if (!ok) {
            std::printf("cannot write file %s (error %lu)\n", path.c_str(),
                        GetLastError());
            return false;
        }
        if ((unsigned long long)(i + 1) * 10 >= (unsigned long long)nextTenth * fileCount) {
            std::printf("  %u%%\n", nextTenth * 10);
            std::fflush(stdout);
            ++nextTenth;
        }
    }
    return true;
}

bool TreeGenerator::RemoveTree(std::string const& folder)
{
    std::vector<std::string> pending(1, folder);
    std::vector<std::string> made;   // removed deepest first at the end
    while (!pending.empty()) {
        std::string const dir = pending.back();
        pending.pop_back();
        made.push_back(dir);
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (!std::strcmp(fd.cFileName, ".") || !std::strcmp(fd.cFileName, ".."))
                continue;
            std::string const path = dir + '\\' + fd.cFileName;
            bool const link = fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link) {
                pending.push_back(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(path.c_str());
                else
                    DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    bool ok = true;
    for (auto it = made.rbegin(); it != made.rend(); ++it)
        ok = RemoveDirectoryA(it->c_str()) && ok;
    return ok;
}

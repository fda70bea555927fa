#include "Baselines.h"

#include "Stopwatch.h"

#include <windows.h>

#include <algorithm>
#include <deque>

double Baselines::BareWalk(std::string const& root, unsigned& entries,
                           std::vector<std::string>* files, unsigned readBlock)
{
    std::vector<char> block(readBlock + 1);
    Stopwatch clock;
    entries = 0;
    std::deque<std::string> queue(1, root);
    WIN32_FIND_DATAA fd;
    while (!queue.empty()) {
        std::string const& dir = queue.front();
        HANDLE h = FindFirstFileA((dir + "\\*.*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                char const* n = fd.cFileName;
                if (n[0] == '.' && (!n[1] || (n[1] == '.' && !n[2])))
                    continue;
                ++entries;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    queue.push_back(dir + '\\' + n);
                else if (files)
                    files->push_back(dir + '\\' + n);
                else if (readBlock)
                    ReadFileThrough((dir + '\\' + n).c_str(), block.data(), readBlock);
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        queue.pop_front();
    }
    return clock.Seconds();
}

unsigned long long Baselines::ReadFileThrough(char const* path, char* block, unsigned blockSize)
{
    HANDLE h = CreateFileA(path, GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    unsigned long long bytes = 0;
    DWORD got = 0;
    while (ReadFile(h, block, blockSize, &got, nullptr) && got)
        bytes += got;
    CloseHandle(h);
    return bytes;
}

double Baselines::ReadLoop(std::vector<std::string> const& files,
                           unsigned blockSize, unsigned long long& bytes)
{
    std::vector<char> block(blockSize + 1);
    Stopwatch clock;
    bytes = 0;
    for (std::string const& path : files)
        bytes += ReadFileThrough(path.c_str(), block.data(), blockSize);
    return clock.Seconds();
}

double Baselines::SortKeys(std::vector<unsigned long long>& keys)
{
    Stopwatch clock;
    std::sort(keys.begin(), keys.end());
    return clock.Seconds();
}

double Baselines::WriteOnce(std::string const& path,
                            std::vector<char> const& data)
{
    Stopwatch clock;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    DWORD done = 0;
    BOOL const ok = WriteFile(h, data.data(), DWORD(data.size()), &done, nullptr);
    CloseHandle(h);
    double const t = clock.Seconds();
    return ok && done == data.size() ? t : -1;
}

double Baselines::ReadOnce(std::string const& path, std::vector<char>& data)
{
    Stopwatch clock;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    DWORD done = 0;
    BOOL const ok = ReadFile(h, data.data(), DWORD(data.size()), &done, nullptr);
    CloseHandle(h);
    double const t = clock.Seconds();
    return ok && done == data.size() ? t : -1;
}

// Baselines: the least work that the engine's cases cannot avoid, each a
// few lines of plain Win32, timed the same way. Every call returns seconds,
// or a negative number when it failed.
#pragma once

#include <string>
#include <vector>

class Baselines
{
public:
    // Breadth-first FindFirstFileA/FindNextFileA walk below root: counts the
    // entries ("." and ".." aside) and, when files is given, collects the
    // full paths of the files in the order met; otherwise, when readBlock
    // is given, reads each file as it meets it, in blocks of that size.
    static double BareWalk(std::string const& root, unsigned& entries,
                           std::vector<std::string>* files = nullptr, unsigned readBlock = 0);
    // Opens the file and reads it to its end through block; the bytes read.
    static unsigned long long ReadFileThrough(char const* path, char* block, unsigned blockSize);

    // Opens each file and reads it to its end in blocks of blockSize bytes.
    static double ReadLoop(std::vector<std::string> const& files,
                           unsigned blockSize, unsigned long long& bytes);

    // std::sort of the keys (sorted in place).
    static double SortKeys(std::vector<unsigned long long>& keys);

    // One WriteFile of all of data into a new file, one ReadFile of the
    // whole file back.
    static double WriteOnce(std::string const& path,
                            std::vector<char> const& data);
    static double ReadOnce(std::string const& path, std::vector<char>& data);
};

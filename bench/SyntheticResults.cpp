#include "SyntheticResults.h"

#include "EntryMaker.h"
#include "SeededRandom.h"

#include "DFile.h"
#include "DFileLoad.h"
#include "DName.h"

#include <windows.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

char const* const Roots[] = {
    "C:\\Users\\bench\\Documents", "C:\\Program Files\\Common Files",
    "D:\\Data\\Projects", "E:\\Archive\\2019", "C:\\Windows\\System32",
    "D:\\Media\\Photos",
};

FILETIME Time(unsigned long long ticks)
{
    FILETIME ft;
    ft.dwLowDateTime = DWORD(ticks);
    ft.dwHighDateTime = DWORD(ticks >> 32);
    return ft;
}

} // namespace

SyntheticResults::SyntheticResults(unsigned long long seed)
    : seed_(seed), pathChars_(0)
{
}

unsigned long long SyntheticResults::PathChars() const
{
    return pathChars_;
}

bool SyntheticResults::Fill(DFileLoad& list, unsigned count)
{
    SeededRandom random(seed_);

    // Folders: a root and one to nine levels below it; each folder gets a
    // lognormal share of the records.
    unsigned const folderCount = count / 12 + 1;
    std::vector<std::string> folders(folderCount);
    std::vector<unsigned> numbers(folderCount, 0);
    std::vector<double> weights(folderCount);
    double total = 0;
    for (unsigned i = 0; i < folderCount; ++i) {
        std::string path = Roots[random.Below(sizeof Roots / sizeof Roots[0])];
        unsigned const levels = random.Between(1, 9);
        for (unsigned l = 0; l < levels; ++l)
            path += '\\' + EntryMaker::FolderName(random, random.Below(40));
        folders[i] = path;
        weights[i] = std::exp(1.4 * random.Normal());
        total += weights[i];
    }
    std::vector<unsigned> perFolder(folderCount, 0);
    unsigned given = 0;
    for (unsigned i = 0; i < folderCount && given < count; ++i) {
        unsigned n = unsigned(weights[i] / total * count + 0.5);
        if (n > count - given)
            n = count - given;
        perFolder[i] = n;
        given += n;
    }
    for (unsigned i = 0; given < count; i = (i + 1) % folderCount, ++given)
        ++perFolder[i];

    for (unsigned i = 0; i < folderCount; ++i) {
        DName const folder(folders[i].c_str());
        for (unsigned k = 0; k < perFolder[i]; ++k) {
            WIN32_FIND_DATAA fd;
            std::memset(&fd, 0, sizeof fd);
            std::string name;
            if (random.Chance(8)) {
                name = EntryMaker::FolderName(random, numbers[i]++);
                fd.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
            } else {
                bool text;
                name = EntryMaker::FileName(random, numbers[i]++, text);
                unsigned long long const size = EntryMaker::FileSize(random);
                fd.nFileSizeLow = DWORD(size);
                fd.nFileSizeHigh = random.Below(1000) == 0 ? random.Between(1, 3) : 0;
                unsigned const a = random.Below(100);
                fd.dwFileAttributes = a < 80   ? FILE_ATTRIBUTE_ARCHIVE
                                      : a < 90 ? FILE_ATTRIBUTE_NORMAL
                                      : a < 95 ? FILE_ATTRIBUTE_ARCHIVE |
                                                     FILE_ATTRIBUTE_READONLY
                                               : FILE_ATTRIBUTE_ARCHIVE |
                                                     FILE_ATTRIBUTE_HIDDEN;
            }
            std::strncpy(fd.cFileName, name.c_str(), MAX_PATH - 1);
            unsigned long long const created = EntryMaker::Date(random);
            unsigned long long const written = EntryMaker::Date(random);
            unsigned long long const newer = created > written ? created : written;
            fd.ftCreationTime = Time(created);
            fd.ftLastWriteTime = Time(written);
            fd.ftLastAccessTime = Time(newer + random.Below(1000000) * 10000000ULL);
            DFile const record(fd, folder);
            pathChars_ += record.GetLongSize();
            if (!list.InsertRight(record))
                return false;
        }
    }
    return true;
}

// EntryMaker: names, sizes and dates of generated entries, shared by the
// tree on disk and the result records made in memory so that both look
// alike: names with several dots and a running number that keeps them
// unique inside their folder, mostly small sizes with a long tail.
#pragma once

#include <string>

class SeededRandom;

class EntryMaker
{
public:
    static std::string FolderName(SeededRandom& random, unsigned number);
    // text: whether the contents are to be text (by the extension).
    static std::string FileName(SeededRandom& random, unsigned number,
                                bool& text);
    // 8% empty, most below 16 KiB, a rare one of a few MiB: about 11 KiB
    // on average.
    static unsigned long long FileSize(SeededRandom& random);
    // FILETIME ticks between 1995 and mid-2024.
    static unsigned long long Date(SeededRandom& random);
    static unsigned long long Ticks(unsigned short year, unsigned short month,
                                    unsigned short day);
};

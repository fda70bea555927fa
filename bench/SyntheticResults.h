// SyntheticResults: result records made in memory, as a search of a large
// disk would leave them: grouped by folder in the order met, paths of a few
// to a dozen levels, names with several dots, 8% folders, sizes with a long
// tail (a few above 4 GiB), dates spread over three decades.
#pragma once

class DFileLoad;

class SyntheticResults
{
public:
    explicit SyntheticResults(unsigned long long seed);

    // Appends count records; false when memory runs out.
    bool Fill(DFileLoad& list, unsigned count);

    // Sum of the path lengths of the records appended so far.
    unsigned long long PathChars() const;

private:
    unsigned long long seed_;
    unsigned long long pathChars_;
};

// TreeGenerator: a deterministic folder tree for the benchmark, made from a
// seed and an entry count: folders at a mix of depths, files from empty to a
// few MiB, names with several dots, text and binary contents, a few
// read-only and hidden files, last-write dates spread over three decades.
//
// Making a 200,000-entry tree under wine takes minutes, so a finished tree
// is marked by a small file beside it and reused by the next run with the
// same seed and count. An unmarked (half-made) tree is removed and made
// again.
#pragma once

#include <string>

class TreeGenerator
{
public:
    // The tree goes to <parent>\tree-<entries>-s<seed>.
    TreeGenerator(std::string const& parent, unsigned entries,
                  unsigned long long seed);

    // Reuses a marked tree or makes a new one; false when it cannot be
    // written (the reason is printed).
    bool Prepare();

    std::string const& Folder() const;
    unsigned Entries() const;
    unsigned Folders() const;
    unsigned Files() const;
    unsigned long long Bytes() const;
    bool Reused() const;

    // Words that no generated file contains, in any capitals.
    static char const* const AbsentWords[];
    // Words that many text files contain.
    static char const* const CommonWords[];

private:
    bool ReadMarker();
    bool WriteMarker() const;
    bool Generate();
    static bool RemoveTree(std::string const& folder);

    std::string parent_;
    std::string folder_;
    std::string marker_;
    unsigned entries_;
    unsigned long long seed_;
    unsigned folders_;
    unsigned files_;
    unsigned long long bytes_;
    bool reused_;
};

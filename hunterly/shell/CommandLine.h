// CommandLine: the program's command line split into words, and what its
// arguments (the words after the program's own path) ask for: one stored
// results file or profile to load, or files and folders for a new search.
//
// A word in double quotes is taken whole, blanks included, without its
// quotes; any other word runs to the next blank. Runs of blanks make no
// empty words.
#pragma once

// Declares the one shared instantiation of the name list, which must come
// before any use of it.
#include "DirectoryListingSpec.h"

class CommandLine
{
public:
    enum Kind
    {
        Other,
        StoredResults,
        Profile,
    };
    // What MakeSearch saw among the arguments.
    enum
    {
        SeenFiles = 1,
        SeenFolders = 2,
    };
    static unsigned long const StoredResultsMagic = 0x23189012;
    static unsigned long const ProfileMagic = 0x91028217;

    explicit CommandLine(DName const& line);

    unsigned GetCount() const;                      // the program's path included
    DName GetWord(unsigned index) const;            // empty past the last

    // A file is known by its first four bytes; one that cannot be opened
    // or read is neither kind.
    static Kind GetKind(DName const& file);
    // There are arguments, and every one is a stored results file or a
    // profile; only the first is then loaded.
    bool isLoadable() const;
    // Empties the criteria and fills their folder and name lists from the
    // arguments, each entry once. An argument that is a folder, or names
    // nothing that exists, is a folder; a file gives its folder and name.
    // Answers what was seen.
    unsigned MakeSearch(DirectoryListingSpec& criteria) const;
    // The status text after MakeSearch.
    static DName SearchText(unsigned seen);

    // Splits at the last "\" or "/"; a path without one is all name. The
    // folder of a file in a drive's root is that root ("C:\").
    static void SplitPath(DName const& path, DName& folder, DName& name);

private:
    static void AddOnce(Container<DName>& list, DName const& entry);

    Container<DName> words;
};

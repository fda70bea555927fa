// CommandLine: the program's command line split into words, and what its
// arguments (the words after the program's own path) ask for: one stored
// results file or profile to load, or files and folders for a new search.
//
// A word in double quotes is taken whole, blanks included, without its
// quotes; any other word runs to the next blank. Runs of blanks make no
// empty words.
#pragma once

#include "Container.h"
#include "DName.h"

class DirectoryListingSpec;

class CommandLine
{
public:
    // What MakeSearch saw among the arguments.
    enum
    {
        SeenFiles = 1,
        SeenFolders = 2,
    };
    explicit CommandLine(DName const& line);

    unsigned GetCount() const;                      // the program's path included
    DName GetWord(unsigned index) const;            // empty past the last

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

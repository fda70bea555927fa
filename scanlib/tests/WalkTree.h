// A folder tree for walk tests, built in a fresh temporary folder, and the
// results of a walk as paths relative to it. The current folder is put
// back afterwards: the walk enters every folder it lists.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "DFileLoad.h"
#include "TempFolder.h"

class WalkTree
{
public:
    WalkTree();
    ~WalkTree();
    WalkTree(WalkTree const&) = delete;
    WalkTree& operator=(WalkTree const&) = delete;

    bool isMade() const;
    std::string const& Dir() const;
    std::string Path(std::string const& relative) const;
    bool Folder(std::string const& relative) const;
    bool File(std::string const& relative, std::string const& bytes = "") const;

    // "*.*" (or the name) in this tree's folder.
    DirectoryListingSpec Spec(char const* name = "*.*") const;
    // The results in list order, relative to this tree; "?" for a path
    // outside it.
    std::vector<std::string> Found(DFileLoad const& load) const;
    std::set<std::string> FoundSet(DFileLoad const& load) const;

private:
    TempFolder dir_;
    std::string saved_;
};

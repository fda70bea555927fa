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
    WalkTree()
    {
        char cwd[MAX_PATH];
        if (GetCurrentDirectoryA(MAX_PATH, cwd))
            saved_ = cwd;
    }
    // A folder cannot be removed while it is the current one.
    ~WalkTree() { SetCurrentDirectoryA(saved_.c_str()); }
    WalkTree(WalkTree const&) = delete;
    WalkTree& operator=(WalkTree const&) = delete;

    bool isMade() const { return dir_.isMade(); }
    std::string const& Dir() const { return dir_.Dir(); }
    std::string Path(std::string const& relative) const { return dir_.Path(relative.c_str()); }
    bool Folder(std::string const& relative) const
    {
        return CreateDirectoryA(Path(relative).c_str(), nullptr) != 0;
    }
    bool File(std::string const& relative, std::string const& bytes = "") const
    {
        return TempFolder::Put(Path(relative), bytes);
    }

    // "*.*" (or the name) in this tree's folder.
    DirectoryListingSpec Criteria(char const* name = "*.*") const
    {
        return DirectoryListingSpec(DName(name), DName(Dir().c_str()));
    }

    // The results in list order, relative to this tree; "?" for a path
    // outside it.
    std::vector<std::string> Found(DFileLoad const& load) const
    {
        std::vector<std::string> out;
        std::string const root = Dir() + "\\";
        for (unsigned i = 0; i < load.Size(); ++i) {
            std::string const p = load[i].GetFullPath().Name();
            out.push_back(p.compare(0, root.size(), root) == 0 ? p.substr(root.size()) : "?");
        }
        return out;
    }
    std::set<std::string> FoundSet(DFileLoad const& load) const
    {
        std::vector<std::string> const v = Found(load);
        return std::set<std::string>(v.begin(), v.end());
    }

private:
    TempFolder dir_;
    std::string saved_;
};

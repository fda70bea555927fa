#include "WalkTree.h"

WalkTree::WalkTree()
{
    char cwd[MAX_PATH];
    if (GetCurrentDirectoryA(MAX_PATH, cwd))
        saved_ = cwd;
}

WalkTree::~WalkTree()
{
    // A folder cannot be removed while it is the current one.
    SetCurrentDirectoryA(saved_.c_str());
}

bool WalkTree::isMade() const
{
    return dir_.isMade();
}

std::string const& WalkTree::Dir() const
{
    return dir_.Dir();
}

std::string WalkTree::Path(std::string const& relative) const
{
    return dir_.Path(relative.c_str());
}

bool WalkTree::Folder(std::string const& relative) const
{
    return CreateDirectoryA(Path(relative).c_str(), nullptr) != 0;
}

bool WalkTree::File(std::string const& relative, std::string const& bytes) const
{
    return TempFolder::Put(Path(relative), bytes);
}

DirectoryListingSpec WalkTree::Spec(char const* name) const
{
    return DirectoryListingSpec(DName(name), DName(Dir().c_str()));
}

std::vector<std::string> WalkTree::Found(DFileLoad const& load) const
{
    std::vector<std::string> out;
    std::string const root = Dir() + "\\";
    for (unsigned i = 0; i < load.Size(); ++i) {
        std::string const p = load[i].GetFullPath().Name();
        out.push_back(p.compare(0, root.size(), root) == 0 ? p.substr(root.size())
                                                           : "?");
    }
    return out;
}

std::set<std::string> WalkTree::FoundSet(DFileLoad const& load) const
{
    std::vector<std::string> const v = Found(load);
    return std::set<std::string>(v.begin(), v.end());
}

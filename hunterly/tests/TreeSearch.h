// A search with the window's criteria over a tree a test builds: the names
// of the entries found, as the search button's run would find them.
#pragma once

#include <set>
#include <string>

#include "DFile.h"
#include "DFileLoad.h"
#include "DirectoryListingSpec.h"

inline std::set<std::string> FoundNames(DirectoryListingSpec const& criteria)
{
    DFileLoad load;
    std::set<std::string> names;
    if (!load.LoadAllDirListings(criteria, true))
        return {"(the search failed)"};
    for (unsigned i = 0; i < load.Size(); ++i)
        names.insert(load[i].GetFileName().Name());
    return names;
}

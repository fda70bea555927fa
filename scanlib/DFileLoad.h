// DFileLoad: the search engine. Here it decides whether a directory entry
// matches the search criteria; the walk and the result list it fills grow
// around this test.
#pragma once

#include <windows.h>

#include "ScanlibApi.h"

class DFile;
class DirectoryListingSpec;

class SCANLIB_API DFileLoad
{
public:
    // True when the entry passes every test of spec, in this order: not
    // "." or "..", a name pattern, size, attributes, created, last-access
    // and written dates.
    bool IsFileSpec(DirectoryListingSpec const& spec, DFile const& entry) const;
    bool IsFileSpec(DirectoryListingSpec const& spec,
                    WIN32_FIND_DATAA const& entry) const;

private:
    static bool isNameSpec(DirectoryListingSpec const& spec, DFile const& entry);
    static bool isSizeSpec(DirectoryListingSpec const& spec, DFile const& entry);
    static bool isAttributeSpec(DirectoryListingSpec const& spec,
                                DFile const& entry);
    static bool isDateSpec(DirectoryListingSpec const& spec, DFile const& entry);
    // comparison: -1, 0 or 1 for less, equal, greater.
    static bool isPassed(int comparison, unsigned char mode);
};

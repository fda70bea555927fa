// StoredFormats: the magic numbers that open the files users keep, and the
// test that tells the two kinds apart. A stored-results file (.hur) is the
// results magic followed by DFileLoad::Write's records; a profile (.hup) is
// the profile magic followed by DirectoryListingSpec::Write's record, which
// opens with the record magic.
#pragma once

#include "DName.h"
#include "ScanlibApi.h"

class SCANLIB_API StoredFormats
{
public:
    enum Kind
    {
        Other,
        StoredResults,
        Profile,
    };
    static constexpr unsigned long StoredResultsMagic = 0x23189012;
    static constexpr unsigned long ProfileMagic = 0x91028217;
    static constexpr unsigned long ProfileRecordMagic = 0x28018293;

    // A file is known by its first four bytes; one that cannot be opened
    // or read is neither kind.
    static Kind GetKind(DName const& file);
};

// DFileLoad: the matching test of one entry against the criteria.

#include "DFileLoad.h"

// Matching

bool DFileLoad::IsFileSpec(DirectoryListingSpec const& spec,
                           DFile const& entry) const
{
    return entry.isNotDots() && isNameSpec(spec, entry) &&
           isSizeSpec(spec, entry) && isAttributeSpec(spec, entry) &&
           isDateSpec(spec, entry) &&
           (spec.containingMode == 0 || phrases_.isEmpty() ||
            isContentSpec(spec, entry));
}

bool DFileLoad::IsFileSpec(DirectoryListingSpec const& spec,
                           WIN32_FIND_DATAA const& entry) const
{
    return IsFileSpec(spec, DFile(entry, DName()));
}

bool DFileLoad::isNameSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    // An empty pattern fits everything through isFileSpec; "*.*" is taken
    // to mean every name, also names without a dot. The name is cut from
    // the path only when a pattern needs it.
    DName name;
    for (DName const* p = spec.names.First(); p; p = p->next) {
        if (*p == "*.*" || entry.GetFullPath().isFileSpec(*p))
            return true;
        if (name.isEmpty())
            name = entry.GetFileName();
        if (name.isFileSpec(*p))
            return true;
    }
    return false;
}

bool DFileLoad::isPassed(int comparison, unsigned char mode)
{
    unsigned char const bit =
        comparison < 0 ? DirectoryListingSpec::PassLess
        : comparison > 0 ? DirectoryListingSpec::PassGreater
                         : DirectoryListingSpec::PassEqual;
    return (mode & bit) != 0;
}

bool DFileLoad::isSizeSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    if (spec.sizeMode == 0)
        return true;
    // The whole size: a file past 4 GiB is larger than any 32-bit value.
    unsigned long long const size = entry.GetFileSize64();
    if (spec.sizeMode == DirectoryListingSpec::SizeRange)
        return spec.sizeValue <= size && size <= spec.sizeUpper;
    return isPassed(size < spec.sizeValue ? -1 : size > spec.sizeValue,
                    spec.sizeMode);
}

bool DFileLoad::isAttributeSpec(DirectoryListingSpec const& spec,
                                DFile const& entry)
{
    if (spec.attributeMode == 0)
        return true;
    bool const r = (spec.attributeMode & DirectoryListingSpec::AttributeAny)
                       ? entry.isAnAttribute(spec.attributeMask)
                       : entry.isAttribute(spec.attributeMask);
    return (spec.attributeMode & DirectoryListingSpec::AttributeNot) ? !r : r;
}

bool DFileLoad::isDateSpec(DirectoryListingSpec const& spec,
                           DFile const& entry)
{
    struct
    {
        unsigned char mode;
        FILETIME const& date;
        FILETIME const& reference;
    } const tests[] = {
        {spec.createdMode, entry.GetDateCreated(), spec.created},
        {spec.accessedMode, entry.GetDateLastAccessed(), spec.accessed},
        {spec.writtenMode, entry.GetDateWritten(), spec.written},
    };
    for (auto const& t : tests) {
        if (t.mode != 0 && !isPassed(DFile::CompDate(t.date, t.reference), t.mode))
            return false;
    }
    return true;
}

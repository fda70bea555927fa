#include "StoredFormats.h"

#include "FileOper.h"

StoredFormats::Kind StoredFormats::GetKind(DName const& file)
{
    FileOper f;
    if (file.isEmpty() || !f.Open(file.Name(), false, false))
        return Other;
    // Both magic numbers differ from the -1 of a failed read.
    unsigned long const magic = static_cast<unsigned long>(f.Qread());
    if (magic == StoredResultsMagic)
        return StoredResults;
    return magic == ProfileMagic ? Profile : Other;
}

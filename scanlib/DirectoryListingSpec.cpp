#include "DirectoryListingSpec.h"

#include "DFile.h"
#include "FileOper.h"
#include "RecordIO.h"

template class Container<DName>;

namespace {

unsigned const RecordMagic = 0x28018293;

// The containing text is stored as hexadecimal digits.
unsigned long const TextRadix = 16;

}  // namespace

DirectoryListingSpec::DirectoryListingSpec(DName const& name,
                                           DName const& folder, unsigned mask,
                                           unsigned size,
                                           unsigned char attributeOption,
                                           unsigned char sizeOption)
    : sizeMode(sizeOption), attributeMode(attributeOption), sizeValue(size),
      attributeMask(mask)
{
    AddName(name);
    AddFolder(folder);
}

DirectoryListingSpec::DirectoryListingSpec(Container<DName> const& nameList,
                                           Container<DName> const& folderList)
    : names(nameList), folders(folderList)
{
}

DirectoryListingSpec::DirectoryListingSpec(DName const& name,
                                           Container<DName> const& folderList)
    : folders(folderList)
{
    AddName(name);
}

DirectoryListingSpec::DirectoryListingSpec(
    DName const& name, DName const& folder, unsigned mask, unsigned size,
    FILETIME const& createdDate, FILETIME const& accessedDate,
    FILETIME const& writtenDate)
    : sizeValue(size), attributeMask(mask), created(createdDate),
      accessed(accessedDate), written(writtenDate)
{
    AddName(name);
    AddFolder(folder);
}

DirectoryListingSpec::DirectoryListingSpec(int)
{
}

DirectoryListingSpec::DirectoryListingSpec(char const* name)
{
    AddName(DName(name));
}

DirectoryListingSpec::DirectoryListingSpec(char const* name, unsigned mask,
                                           unsigned char attributeOption)
    : attributeMode(attributeOption), attributeMask(mask)
{
    AddName(DName(name));
}

DirectoryListingSpec::DirectoryListingSpec(DName const& name,
                                           DName const& folder,
                                           DName const& text, bool notText)
    : notContaining(notText)
{
    AddName(name);
    AddFolder(folder);
    containing.Copy(text);
}

DirectoryListingSpec::DirectoryListingSpec(DirectoryListingSpec const& o)
    : radix(o.radix)
{
    Copy(o);
}

void DirectoryListingSpec::AddName(DName const& name)
{
    if (!name.isEmpty())
        names.InsertRight(name);
}

void DirectoryListingSpec::AddFolder(DName const& folder)
{
    if (!folder.isEmpty())
        folders.InsertRight(folder);
}

bool DirectoryListingSpec::Copy(DirectoryListingSpec const& o)
{
    if (this == &o)
        return true;
    bool const lists = names.Copy(o.names) && folders.Copy(o.folders);
    containing.Copy(o.containing);
    readSize = o.readSize;
    sizeMode = o.sizeMode;
    writtenMode = o.writtenMode;
    createdMode = o.createdMode;
    accessedMode = o.accessedMode;
    attributeMode = o.attributeMode;
    notContaining = o.notContaining;
    containingMode = o.containingMode;
    sizeUpper = o.sizeUpper;
    sizeValue = o.sizeValue;
    attributeMask = o.attributeMask;
    created = o.created;
    accessed = o.accessed;
    written = o.written;
    return lists && containing.Size() == o.containing.Size();
}

DirectoryListingSpec& DirectoryListingSpec::operator=(
    DirectoryListingSpec const& o)
{
    Copy(o);
    return *this;
}

DirectoryListingSpec& DirectoryListingSpec::operator=(unsigned mask)
{
    Destroy();
    attributeMask = mask;
    return *this;
}

void DirectoryListingSpec::Destroy()
{
    // Copy leaves the radix alone.
    Copy(DirectoryListingSpec(0));
}

bool DirectoryListingSpec::isEmpty() const
{
    return names.isEmpty() && folders.isEmpty() && containing.isEmpty() &&
           sizeValue == 0 && attributeMask == 0 && DFile::isEmpty(created) &&
           DFile::isEmpty(accessed) && DFile::isEmpty(written);
}

bool DirectoryListingSpec::operator!() const
{
    return isEmpty();
}

bool DirectoryListingSpec::WriteList(FileOper& f, Container<DName> const& list)
{
    if (!RecordIO::WriteWord(f, list.Size()))
        return false;
    for (DName const* e = list.First(); e; e = e->next) {
        if (!e->Write(f))
            return false;
    }
    return true;
}

bool DirectoryListingSpec::Write(FileOper& f) const
{
    unsigned char const modes[] = {sizeMode,      writtenMode,   createdMode,
                                   accessedMode,  attributeMode, notContaining,
                                   containingMode};
    if (!RecordIO::WriteWord(f, RecordMagic) || !WriteList(f, names) ||
        !WriteList(f, folders) || !RecordIO::WriteByte(f, radix) ||
        !containing.ToRadix(TextRadix).Write(f) ||
        !RecordIO::WriteWord(f, readSize))
        return false;
    for (unsigned char mode : modes) {
        if (!RecordIO::WriteByte(f, mode))
            return false;
    }
    return RecordIO::WriteWord(f, sizeUpper) &&
           RecordIO::WriteWord(f, sizeValue) &&
           RecordIO::WriteWord(f, attributeMask) &&
           RecordIO::WriteDate(f, created) && RecordIO::WriteDate(f, accessed) &&
           RecordIO::WriteDate(f, written);
}

bool DirectoryListingSpec::ReadList(FileOper& f, Container<DName>& list)
{
    list.Destroy();
    unsigned count;
    if (!RecordIO::ReadWord(f, count))
        return false;
    // The count is not trusted: names are read one by one until it is met
    // or the file gives out.
    for (; count; --count) {
        DName name;
        if (!name.Read(f) || !list.InsertRight(name)) {
            list.Destroy();
            return false;
        }
    }
    return true;
}

bool DirectoryListingSpec::Read(FileOper& f)
{
    unsigned magic;
    if (!RecordIO::ReadWord(f, magic) || magic != RecordMagic)
        return false;
    if (!ReadList(f, names) || !ReadList(f, folders))
        return false;
    DName digits;
    if (!RecordIO::ReadByte(f, radix) || !digits.Read(f) ||
        !RecordIO::ReadWord(f, readSize) || !RecordIO::ReadByte(f, sizeMode) ||
        !RecordIO::ReadByte(f, writtenMode) ||
        !RecordIO::ReadByte(f, createdMode) ||
        !RecordIO::ReadByte(f, accessedMode) ||
        !RecordIO::ReadByte(f, attributeMode) ||
        !RecordIO::ReadFlag(f, notContaining) ||
        !RecordIO::ReadByte(f, containingMode) ||
        !RecordIO::ReadWord(f, sizeUpper) || !RecordIO::ReadWord(f, sizeValue) ||
        !RecordIO::ReadWord(f, attributeMask) ||
        !RecordIO::ReadDate(f, created) || !RecordIO::ReadDate(f, accessed) ||
        !RecordIO::ReadDate(f, written))
        return false;
    containing.Copy(digits.FromRadix(TextRadix));
    return true;
}

#include "DirectoryListingSpec.h"

#include "DFile.h"
#include "FileOper.h"
#include "RecordBuffer.h"
#include "StoredFormats.h"

namespace {

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

bool DirectoryListingSpec::WriteList(RecordBuffer& out,
                                     Container<DName> const& list)
{
    if (!out.PutWord(list.Size()))
        return false;
    for (DName const* e = list.First(); e; e = e->next) {
        if (!out.PutString(*e))
            return false;
    }
    return true;
}

bool DirectoryListingSpec::Write(FileOper& f) const
{
    unsigned char const modes[] = {sizeMode,      writtenMode,   createdMode,
                                   accessedMode,  attributeMode, notContaining,
                                   containingMode};
    RecordBuffer out(f);
    bool ok = out.PutWord(StoredFormats::ProfileRecordMagic) && WriteList(out, names) &&
              WriteList(out, folders) && out.PutByte(radix) &&
              out.PutString(containing.ToRadix(TextRadix)) &&
              out.PutWord(readSize);
    for (unsigned char mode : modes)
        ok = ok && out.PutByte(mode);
    ok = ok && out.PutWord(sizeUpper) && out.PutWord(sizeValue) &&
         out.PutWord(attributeMask) && out.PutDate(created) &&
         out.PutDate(accessed) && out.PutDate(written);
    // What came before a failure is written all the same.
    return out.Flush() && ok;
}

bool DirectoryListingSpec::ReadList(RecordBuffer& in, Container<DName>& list)
{
    list.Destroy();
    unsigned count;
    if (!in.GetWord(count))
        return false;
    // The count is not trusted: names are read one by one until it is met
    // or the file gives out.
    for (; count; --count) {
        DName name;
        if (!in.GetString(name) || !list.InsertRight(name)) {
            list.Destroy();
            return false;
        }
    }
    return true;
}

bool DirectoryListingSpec::Read(FileOper& f)
{
    RecordBuffer in(f);
    unsigned magic;
    if (!in.GetWord(magic) || magic != StoredFormats::ProfileRecordMagic)
        return false;
    if (!ReadList(in, names) || !ReadList(in, folders))
        return false;
    DName digits;
    if (!in.GetByte(radix) || !in.GetString(digits) ||
        !in.GetWord(readSize) || !in.GetByte(sizeMode) ||
        !in.GetByte(writtenMode) || !in.GetByte(createdMode) ||
        !in.GetByte(accessedMode) || !in.GetByte(attributeMode) ||
        !in.GetFlag(notContaining) || !in.GetByte(containingMode) ||
        !in.GetWord(sizeUpper) || !in.GetWord(sizeValue) ||
        !in.GetWord(attributeMask) || !in.GetDate(created) ||
        !in.GetDate(accessed) || !in.GetDate(written))
        return false;
    containing.Copy(digits.FromRadix(TextRadix));
    return true;
}

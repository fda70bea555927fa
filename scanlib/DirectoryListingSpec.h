// DirectoryListingSpec: the search criteria record. Which names to look for,
// where to start, and the tests on size, attributes, the three dates and the
// contents that an entry must pass. The option pages edit its fields in
// place; a profile file stores it.
#pragma once

#include <windows.h>

#include "Container.h"
#include "DName.h"
#include "ScanlibApi.h"

class FileOper;
class RecordBuffer;

class SCANLIB_API DirectoryListingSpec
{
public:
    // Size and date modes: the outcomes of the comparison with the
    // reference that pass. Size mode 6 is a range instead.
    enum
    {
        PassEqual = 1,
        PassLess = 2,
        PassGreater = 4,
        SizeRange = 6,
    };
    // Attribute mode: at least one bit of the mask instead of every bit;
    // the outcome turned round.
    enum
    {
        AttributeAny = 1,
        AttributeNot = 4,
    };

    Container<DName> names;         // patterns with ? and *; any one fits
    Container<DName> folders;       // starting folders, full paths
    unsigned char radix = 0;        // how the containing text was typed
    DName containing;               // raw bytes; any value
    unsigned readSize = 0;          // read buffer of the content test
    unsigned char sizeMode = 0;
    unsigned char writtenMode = 0;
    unsigned char createdMode = 0;
    unsigned char accessedMode = 0;
    unsigned char attributeMode = 0;
    bool notContaining = false;
    unsigned char containingMode = 0;
    unsigned sizeUpper = 0;         // size mode 6
    unsigned sizeValue = 0;         // modes 1 to 5; lower bound of mode 6
    unsigned attributeMask = 0;
    FILETIME created = {0, 0};      // UTC references of the date tests
    FILETIME accessed = {0, 0};
    FILETIME written = {0, 0};

    // Empty names and folders are not added to the lists.
    explicit DirectoryListingSpec(DName const& name = DName(),
                                  DName const& folder = DName(),
                                  unsigned mask = 0, unsigned size = 0,
                                  unsigned char attributeOption = 0,
                                  unsigned char sizeOption = 0);
    DirectoryListingSpec(Container<DName> const& nameList,
                         Container<DName> const& folderList);
    DirectoryListingSpec(DName const& name, Container<DName> const& folderList);
    DirectoryListingSpec(DName const& name, DName const& folder, unsigned mask,
                         unsigned size, FILETIME const& createdDate,
                         FILETIME const& accessedDate,
                         FILETIME const& writtenDate);
    // An empty record; the number is not used.
    explicit DirectoryListingSpec(int);
    explicit DirectoryListingSpec(char const* name);
    DirectoryListingSpec(char const* name, unsigned mask,
                         unsigned char attributeOption);
    DirectoryListingSpec(DName const& name, DName const& folder,
                         DName const& text, bool notText);
    // A new record has no radix of its own to keep: it takes the other's.
    DirectoryListingSpec(DirectoryListingSpec const& o);

    // Every field but the radix, which keeps its value. False when memory
    // runs out.
    bool Copy(DirectoryListingSpec const& o);
    DirectoryListingSpec& operator=(DirectoryListingSpec const& o);
    // Destroy, then the number becomes the attribute mask.
    DirectoryListingSpec& operator=(unsigned mask);
    // Empties every field but the radix.
    void Destroy();
    // No names, folders, containing text, size value, mask or dates; the
    // modes and the other numbers are not looked at.
    bool isEmpty() const;
    bool operator!() const;

    // The profile form, from its record magic on.
    bool Write(FileOper& f) const;
    bool Read(FileOper& f);

private:
    void AddName(DName const& name);
    void AddFolder(DName const& folder);
    static bool WriteList(RecordBuffer& out, Container<DName> const& list);
    static bool ReadList(RecordBuffer& in, Container<DName>& list);
};

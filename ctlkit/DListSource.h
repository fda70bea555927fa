// DListSource: what a virtual list view (LVS_OWNERDATA) shows. The window
// holds no rows; when it paints a row, or a caller reads a cell back, it asks
// its DListControl, which asks the source. Calls come on the window's thread.
#pragma once

#include "CtlkitApi.h"

class CTLKIT_API DListSource
{
public:
    virtual ~DListSource();

    // The text of a cell into room, which holds size bytes with the NUL (size
    // is at least 1); returns its length. A row past the end gets "".
    virtual unsigned CellText(unsigned row, unsigned column, char* room,
                              unsigned size) const = 0;
    // The file whose shell icon the row shows, and whether it is a folder;
    // null for a row without an icon. The text stays until the next call.
    virtual char const* IconFile(unsigned row, bool& folder) const = 0;
};

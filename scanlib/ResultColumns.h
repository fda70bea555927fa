// ResultColumns: the columns of the result list's report style, as the bits
// that the display settings store and that the sorts and cell texts take.
#pragma once

struct ResultColumns
{
    enum
    {
        ColumnName = 0x1,
        ColumnDrive = 0x2,
        ColumnPath = 0x4,
        ColumnSize = 0x8,
        ColumnAttributes = 0x10,
        ColumnCreated = 0x20,
        ColumnAccessed = 0x40,
        ColumnWritten = 0x80,
        AllColumns = 0xFF,
    };
};

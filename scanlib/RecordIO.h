// The fixed-width fields of the stored records, little-endian. Each field is
// read whole or not at all, and a field that cannot be read keeps its value.
#pragma once

#include <windows.h>

class FileOper;

class RecordIO
{
public:
    static bool ReadByte(FileOper& f, unsigned char& v);
    static bool ReadFlag(FileOper& f, bool& v);
    static bool ReadWord(FileOper& f, unsigned& v);
    static bool ReadDate(FileOper& f, FILETIME& v);

    static bool WriteByte(FileOper& f, unsigned char v);
    static bool WriteFlag(FileOper& f, bool v);
    static bool WriteWord(FileOper& f, unsigned v);
    static bool WriteDate(FileOper& f, FILETIME const& v);
};

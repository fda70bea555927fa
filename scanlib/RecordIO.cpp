#include "RecordIO.h"

#include "FileOper.h"

bool RecordIO::ReadByte(FileOper& f, unsigned char& v)
{
    unsigned char b;
    if (!f.Read(&b, 1, true))
        return false;
    v = b;
    return true;
}

bool RecordIO::ReadFlag(FileOper& f, bool& v)
{
    unsigned char b;
    if (!ReadByte(f, b))
        return false;
    v = b != 0;
    return true;
}

bool RecordIO::ReadWord(FileOper& f, unsigned& v)
{
    unsigned w;
    if (!f.Readi(&w, 1))
        return false;
    v = w;
    return true;
}

bool RecordIO::ReadDate(FileOper& f, FILETIME& v)
{
    unsigned w[2];
    if (!f.Readi(w, 2))
        return false;
    v.dwLowDateTime = w[0];
    v.dwHighDateTime = w[1];
    return true;
}

bool RecordIO::WriteByte(FileOper& f, unsigned char v)
{
    return f.Write(&v, 1);
}

bool RecordIO::WriteFlag(FileOper& f, bool v)
{
    return WriteByte(f, v ? 1 : 0);
}

bool RecordIO::WriteWord(FileOper& f, unsigned v)
{
    return f.Writei(&v, 1);
}

bool RecordIO::WriteDate(FileOper& f, FILETIME const& v)
{
    unsigned const w[2] = {v.dwLowDateTime, v.dwHighDateTime};
    return f.Writei(w, 2);
}

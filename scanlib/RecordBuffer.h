// RecordBuffer: the fields of stored records and text lines, passed to and
// from a FileOper in blocks, so that a list of a million records costs a few
// thousand platform calls rather than a dozen per record. Numbers are
// little-endian; a string is a 4-byte count and its bytes.
//
// Each field is read whole or not at all, and a field that cannot be read
// keeps its value. What was read ahead is given back to the file when the
// buffer goes, so the file stands just after the last field taken. Written
// fields reach the file with Flush.
#pragma once

#include <windows.h>

#include "ScanlibApi.h"

class DName;
class FileOper;

class SCANLIB_API RecordBuffer
{
public:
    explicit RecordBuffer(FileOper& f);
    ~RecordBuffer();
    RecordBuffer(RecordBuffer const&) = delete;
    RecordBuffer& operator=(RecordBuffer const&) = delete;

    bool Put(void const* data, unsigned n);
    bool PutByte(unsigned char v);
    bool PutFlag(bool v);
    bool PutWord(unsigned v);
    bool PutDate(FILETIME const& v);
    // Refuses strings that a reader would refuse.
    bool PutString(DName const& s);
    // The string form with its bytes XORed with key, the key position
    // running on from pos.
    bool PutScrambled(DName const& s, DName const& key, unsigned& pos);
    // The text and CR LF.
    bool PutLine(char const* text);
    // Writes what is held; false when this or an earlier write failed.
    bool Flush();

    bool Get(void* data, unsigned n);
    bool GetByte(unsigned char& v);
    bool GetFlag(bool& v);
    bool GetWord(unsigned& v);
    bool GetDate(FILETIME& v);
    // Empty on failure; counts of DName::StoredLimit and more are refused.
    bool GetString(DName& s);

private:
    // The largest block FileOper moves in one call.
    static unsigned const BlockSize = 0xFFFE;

    bool Fill();
    char* Room(unsigned& n);

    FileOper& file_;
    char* block_;
    unsigned begin_;    // reading: next byte to take
    unsigned end_;      // reading: bytes read ahead; writing: bytes held
    bool reading_;
    bool failed_;
};

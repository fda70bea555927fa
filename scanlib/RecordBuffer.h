// RecordBuffer: the fields of stored records and text lines, passed to and
// from a FileOper in blocks, so that a list of a million records costs a few
// thousand platform calls rather than a dozen per record. Numbers are
// little-endian; a string is a 4-byte count and its bytes.
//
// Each field is read whole or not at all, and a field that cannot be read
// keeps its value. What was read ahead is given back to the file when the
// buffer goes, so the file stands just after the last field taken. Written
// fields reach the file with Flush.
//
// A reader may also look at the bytes ahead where they stand (Peek) and take
// them once it has made sense of them (Skip), and a writer may lay bytes out
// in the buffer itself (Extend): a whole stored record is parsed or written
// in place, without copying its fields one by one.
#pragma once

#include <windows.h>

#include "DName.h"
#include "ScanlibApi.h"

class FileOper;
class ReadAhead;

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
    // Room for n bytes in one piece (at most PeekLimit) that the caller
    // fills, so that a whole record is laid out in place; null when this or
    // an earlier write failed.
    char* Extend(unsigned n);
    // The text and CR LF.
    bool PutLine(char const* text);
    // Writes what is held; false when this or an earlier write failed.
    bool Flush();

    // At most PeekLimit bytes.
    bool Get(void* data, unsigned n);
    bool GetByte(unsigned char& v);
    bool GetFlag(bool& v);
    bool GetWord(unsigned& v);
    bool GetDate(FILETIME& v);
    // Empty on failure; counts of DName::StoredLimit and more are refused.
    bool GetString(DName& s);

    // Room for two strings of the longest stored length and the small
    // fields around them.
    static constexpr unsigned PeekLimit = 2 * DName::StoredLimit + 64;
    // The next n bytes (at most PeekLimit) in one piece, without taking
    // them; null when the file ends first. Valid until the next call.
    char const* Peek(unsigned n);
    // Takes n bytes that a Peek has shown.
    void Skip(unsigned n);
    // For reading a long file through: what is left of it, when that is
    // worth a thread, is read on a thread of its own while the fields are
    // taken. The file is the thread's until the buffer goes.
    void StartReadAhead();

private:
    // Reads on behind what is held until n bytes lie ahead in one piece.
    bool Gather(unsigned n);
    char* Room(unsigned& n);

    FileOper& file_;
    char* block_;
    ReadAhead* ahead_;
    char* data_;        // reading: block_, or the slot of ahead_ in use
    unsigned begin_;    // reading: next byte to take
    unsigned end_;      // reading: bytes read ahead; writing: bytes held
    bool reading_;
    bool failed_;
};

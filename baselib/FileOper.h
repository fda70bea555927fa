// One open file: its handle, name, open mode and running byte counts.
// Files are opened without sharing; a single Read or Write moves fewer than
// 65,535 bytes; text lines end in CR LF.
#pragma once

#include <windows.h>

#include "BaselibApi.h"
#include "ShortName.h"

class BASELIB_API FileOper
{
public:
    // Always a closed FileOper: an open file has one owner, so other is
    // never copied (callers pass null).
    explicit FileOper(FileOper const* other = nullptr);
    // create: Create (name, 0); otherwise Open for reading. See isOpen.
    FileOper(char const* name, bool create);
    ~FileOper();

    // One owner per handle: copying would close the same handle twice.
    FileOper(FileOper const&) = delete;
    FileOper& operator=(FileOper const&) = delete;

    // Opening. Each closes any open file first, stores the name and clears
    // the length cache; on failure no handle is left.
    bool Open(char const* name, bool write, bool create);
    bool Reopen(bool write, bool create);
    bool Create(char const* name, unsigned const& attributes = 0);
    bool Append(char const* name, unsigned const& attributes = 0);
    bool OpenComm(char const* name);
    bool CreateWrite(char const* name, char const* data, unsigned const& len);
    bool Close();

    // Queries.
    bool isOpen() const;
    bool operator!() const;
    bool isRead() const;
    bool isWrite() const;
    unsigned char GetOpenMode() const;
    unsigned long& GetLength();
    unsigned long GetFileLength(char const* name);
    bool isExists(char const* name) const;
    bool isEof();
    bool isFinished();
    char const* GetFileName() const;
    ShortName const& Filename() const;
    HANDLE& GetHandle();
    unsigned long& GetReadSize();
    unsigned long& GetWriteSize();
    unsigned long& GetTotalReadSize();
    unsigned long& GetTotalWriteSize();
    ShortName FindIncName(char const* name) const;

    bool SetPos(unsigned long const& pos);

    // Blocks.
    bool Read(void* buffer, unsigned long const& len, bool exact);
    bool Readi(unsigned* buffer, unsigned long const& count);
    // The 32-bit value read, or -1 when the read fails.
    long Qread();
    bool Write(void const* data, unsigned long const& len);
    bool Writei(unsigned const* data, unsigned long const& count);
    bool Writes(char const* text);
    // What was written reaches the disk; false when nothing is open for
    // writing or the platform cannot write it out.
    bool Flush();

    // Text lines.
    bool wlf();
    bool wcr();
    bool wtf();
    bool TWrite(char const* text);
    bool TWritef(char const* text, char const* value);
    bool TWrite2(char const* text, char const* value, bool dot);
    bool TWriteCtime(char const* label);
    bool TRead(char* buffer, unsigned long const& size);

    // Copies between two open files, optionally XORed with key.
    bool In(FileOper& source, unsigned long const& len,
            char const* key = nullptr, unsigned const* keylen = nullptr);
    bool Out(FileOper& target, unsigned long const& len,
             char const* key = nullptr, unsigned const* keylen = nullptr);

    // Largest block a single Read or Write accepts is one less than this.
    static unsigned long const BlockLimit = 0xFFFF;

private:
    bool Prepare(char const* name);
    bool OpenReplacing(char const* name, unsigned attributes, DWORD creation);
    bool ReadWhole(void* buffer, unsigned long n);
    bool OpenHandle(char const* name, DWORD access, DWORD creation,
                    DWORD attributes);
    static bool Copy(FileOper& source, FileOper& target, unsigned long len,
                     char const* key, unsigned const* keylen);

    ShortName name_;
    unsigned char mode_;
    HANDLE handle_;
    unsigned long length_;
    unsigned long readSize_;
    unsigned long writeSize_;
    unsigned long totalRead_;
    unsigned long totalWrite_;
};

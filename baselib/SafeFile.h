// SafeFile: a file that replaces its target whole or not at all.
//
// The bytes go to a temporary file in the target's folder (so that the
// final move stays on one volume); Commit flushes it to the disk and moves
// it over the target in one step. Until then, and whenever a step fails,
// the target keeps its old bytes and the temporary file is removed.
#pragma once

#include "BaselibApi.h"
#include "FileOper.h"

class BASELIB_API SafeFile
{
public:
    SafeFile();
    // Removes a temporary file that was not committed.
    ~SafeFile();

    SafeFile(SafeFile const&) = delete;
    SafeFile& operator=(SafeFile const&) = delete;

    // Makes the temporary file beside target and opens it for writing;
    // false when the folder takes no new file. Discards an earlier one.
    bool Create(char const* target);
    // The temporary file, to write to between Create and Commit.
    FileOper& GetFile();
    // Flushes and closes the temporary file and puts it in the target's
    // place; a read-only, hidden or system target is replaced as well.
    // False when any step failed: the target is then as it was.
    bool Commit();
    // Closes and removes the temporary file; the target stays.
    void Discard();

private:
    bool Replace();

    FileOper file_;
    ShortName target_;
    ShortName temp_;
};

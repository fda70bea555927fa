// RecycleBin: moves files and folders to the recycle bin in one shell
// operation that the user can undo; the shell asks once for them all.
//
// What the shell did is read from the disk afterwards, not from its answer:
// it may keep a file because the user said no, the file was in use or it
// was already gone, and it reports such files unreliably. A path counts as
// moved when it was there before the operation and is gone after it.
//
// One replaceable function carries the operation out, so that a test can
// answer the shell's question instead of a user.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "DName.h"

class RecycleBin
{
public:
    typedef int (*OperationFunction)(SHFILEOPSTRUCTA& operation);

    // Null puts the shell back; answers the function before.
    static OperationFunction SetOperation(OperationFunction operation);
    static bool isOnDisk(DName const& path);

    // False for an empty path.
    bool Add(DName const& path);
    unsigned Count() const;
    // The operation over every path added that is on the disk, owned by
    // owner. Returns how many of them are gone after it.
    unsigned Move(HWND owner);
    // After Move: the path added as i-th was on the disk and is gone.
    bool isMoved(unsigned i) const;

private:
    std::vector<DName> paths;
    std::vector<bool> moved;
};

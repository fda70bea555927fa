// ShellDialogs: the platform's file-open dialog and folder browser, reached
// through functions that a test may replace to answer in the user's place
// (the real ones are modal and would wait for a user who never comes).
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include "ScanlibApi.h"

class SCANLIB_API ShellDialogs
{
public:
    typedef BOOL(WINAPI* OpenFile)(OPENFILENAMEA* dialog);
    typedef LPITEMIDLIST(WINAPI* BrowseFolder)(BROWSEINFOA* browser);

    // Null puts the platform's function back; the one before is returned.
    static OpenFile ReplaceOpenFile(OpenFile show);
    static BrowseFolder ReplaceBrowseFolder(BrowseFolder show);

    static BOOL ShowOpenFile(OPENFILENAMEA* dialog);
    static LPITEMIDLIST ShowBrowseFolder(BROWSEINFOA* browser);
};

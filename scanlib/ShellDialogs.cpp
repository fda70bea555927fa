#include "ShellDialogs.h"

namespace {

ShellDialogs::OpenFile openFile = GetOpenFileNameA;
ShellDialogs::BrowseFolder browseFolder = SHBrowseForFolderA;

}  // namespace

ShellDialogs::OpenFile ShellDialogs::ReplaceOpenFile(OpenFile show)
{
    OpenFile const before = openFile;
    openFile = show ? show : GetOpenFileNameA;
    return before;
}

ShellDialogs::BrowseFolder ShellDialogs::ReplaceBrowseFolder(BrowseFolder show)
{
    BrowseFolder const before = browseFolder;
    browseFolder = show ? show : SHBrowseForFolderA;
    return before;
}

BOOL ShellDialogs::ShowOpenFile(OPENFILENAMEA* dialog)
{
    return openFile(dialog);
}

LPITEMIDLIST ShellDialogs::ShowBrowseFolder(BROWSEINFOA* browser)
{
    return browseFolder(browser);
}

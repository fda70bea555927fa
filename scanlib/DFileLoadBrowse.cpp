// DFileLoad: the file and folder choosers and their settings.

#include "DFileLoad.h"

#include <algorithm>
#include <string>

#include "ShellDialogs.h"

namespace {

// File chooser flags.
unsigned const FlagReadOnlyBox = 0x1;
unsigned const FlagHideReadOnly = 0x4;
unsigned const FlagMultiSelect = 0x200;
unsigned const FlagFileMustExist = 0x1000;
unsigned const FlagExplorer = 0x80000;
unsigned const DirOnlyDirs = 0x1;
unsigned const DirEditBox = 0x10;
unsigned const DirIncludeFiles = 0x4000;
unsigned const LongestFilter = 65534;
unsigned const ChosenBuffer = 1256;
unsigned const TitleBuffer = 256;
// Pairs of a description and a pattern; the closing NUL is the literal's.
char const BuiltInFilter[] =
    "All Files *.*\0*.*\0Aviation *.avi\0*.avi\0Bitmaps *.bmp\0*.bmp\0"
    "Wave *.wav\0*.wav\0Word *.doc\0*.doc\0Text Files *.txt\0*.txt\0";

// The folder browser opens at the folder it is handed, when one is.
int CALLBACK StartAt(HWND browser, UINT message, LPARAM, LPARAM folder)
{
    if (message == BFFM_INITIALIZED && folder)
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, folder);
    return 0;
}

}  // namespace

// File chooser settings

void DFileLoad::ChangeFlag(unsigned& flags, unsigned bit, bool on)
{
    flags = on ? flags | bit : flags & ~bit;
}

unsigned DFileLoad::GetBrowseFlags() const { return fileFlags_; }
unsigned DFileLoad::GetBrowseDirFlags() const { return dirFlags_; }
unsigned DFileLoad::GetBrowseIndex() const { return filterIndex_; }
bool DFileLoad::isFolderBrowsed() const { return folderBrowsed_; }
DName const& DFileLoad::GetBrowseDir() const { return browseDir_; }
void DFileLoad::SetBrowseDir(DName const& dir) { browseDir_.Copy(dir); }
DName const& DFileLoad::GetBrowseTitle() const { return browseTitle_; }
void DFileLoad::SetBrowseTitle(DName const& title) { browseTitle_.Copy(title); }
DName const& DFileLoad::GetBrowseFilter() const { return browseFilter_; }
unsigned DFileLoad::GetBrowseTotal() const { return chosen_.Size(); }
void DFileLoad::ResetBrowse() { chosen_.Destroy(); }

void DFileLoad::SetBrowseFilter(char const* filter)
{
    // Up to and with the closing pair of NULs.
    unsigned n = 0;
    if (filter && filter[0]) {
        while (n + 1 < LongestFilter && (filter[n] || filter[n + 1]))
            ++n;
        n = std::min(n + 2, LongestFilter);
    }
    browseFilter_.Namen(n ? filter : "", n);
    if (filterIndex_ == 0)
        filterIndex_ = 1;
}

DName DFileLoad::GetBrowseFilename(unsigned i) const
{
    return i < chosen_.Size() ? chosen_[i] : browseDir_;
}

DName DFileLoad::GetBrowseFullFilename(unsigned i) const
{
    DName full(browseDir_);
    if (i < chosen_.Size())
        full.AddFile(chosen_[i]);
    return full;
}

void DFileLoad::SetFlagMultiSelection() { ChangeFlag(fileFlags_, FlagMultiSelect, true); }
void DFileLoad::SetFlagNoMultiSelection() { ChangeFlag(fileFlags_, FlagMultiSelect, false); }
void DFileLoad::SetFlagNoReadOnly() { ChangeFlag(fileFlags_, FlagHideReadOnly, true); }
void DFileLoad::SetFlagReadOnly() { ChangeFlag(fileFlags_, FlagReadOnlyBox, false); }
void DFileLoad::SetFlagNoFileCreation() { ChangeFlag(fileFlags_, FlagFileMustExist, true); }
void DFileLoad::SetFlagFileCreation() { ChangeFlag(fileFlags_, FlagFileMustExist, false); }
void DFileLoad::SetFlagExplorerStyle() { ChangeFlag(fileFlags_, FlagExplorer, true); }
void DFileLoad::SetFlagNonExplorerStyle() { ChangeFlag(fileFlags_, FlagExplorer, false); }
void DFileLoad::SetDBFOnlyDirs() { ChangeFlag(dirFlags_, DirOnlyDirs, true); }
void DFileLoad::SetDBFNoOnlyDirs() { ChangeFlag(dirFlags_, DirOnlyDirs, false); }
void DFileLoad::SetDBFIncludeFiles() { ChangeFlag(dirFlags_, DirIncludeFiles, true); }
void DFileLoad::SetDBFNoIncludeFiles() { ChangeFlag(dirFlags_, DirIncludeFiles, false); }
void DFileLoad::SetDBFEditBox() { ChangeFlag(dirFlags_, DirEditBox, true); }
void DFileLoad::SetDBFNoEditBox() { ChangeFlag(dirFlags_, DirEditBox, false); }

bool DFileLoad::BrowseForFile(char const* filter)
{
    if (filter)
        SetBrowseFilter(filter);
    ChangeDir(browseDir_);
    ResetBrowse();

    // A filter cut at its longest may have lost its closing NULs.
    std::string filters(browseFilter_.Name(), browseFilter_.Size());
    filters.append(2, '\0');
    // Two NULs past the dialog's part of the buffer end the last name for sure.
    char chosen[ChosenBuffer + 2] = {};
    char title[TitleBuffer] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = GetActiveWindow();
    dialog.hInstance = GetModuleHandleA(nullptr);
    dialog.lpstrFilter = browseFilter_.isEmpty() ? BuiltInFilter : filters.c_str();
    dialog.nFilterIndex = filterIndex_;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = ChosenBuffer;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = TitleBuffer;
    dialog.lpstrInitialDir = browseDir_.isEmpty() ? nullptr : browseDir_.Name();
    dialog.lpstrTitle = browseTitle_.isEmpty() ? "File Explorer" : browseTitle_.Name();
    dialog.Flags = fileFlags_;
    dialog.lpstrDefExt = "BMP";
    if (!ShellDialogs::ShowOpenFile(std::addressof(dialog)))
        return false;
    filterIndex_ = dialog.nFilterIndex;
    folderBrowsed_ = false;

    // The Explorer style ends each name with a NUL and the list with a second
    // one; the old style parts several names with blanks. One name alone is
    // a full path, whatever blanks it holds.
    bool const explorer = (fileFlags_ & FlagExplorer) != 0;
    bool const blanks = !explorer && (fileFlags_ & FlagMultiSelect);
    for (char const* p = chosen; *p;) {
        unsigned n = 0;
        while (p[n] && !(blanks && p[n] == ' '))
            ++n;
        if (n) {
            DName name;
            name.Namen(p, n);
            chosen_.InsertRight(name);
        }
        p += n;
        if (*p == ' ' || (explorer && !*p))
            ++p;
    }

    if (chosen_.Size() == 1) {
        DName folder(chosen_[0]);
        DName name;
        if (folder.RemFilename(name)) {
            browseDir_ = folder;
            chosen_[0] = name;
        } else {
            browseDir_ = GetDir();
        }
    } else if (chosen_.Size() > 1) {
        browseDir_ = chosen_[0];
        chosen_.DelPos(0);
    } else {
        browseDir_ = GetDir();
    }
    return true;
}

bool DFileLoad::BrowseForDir(HWND owner)
{
    ResetBrowse();
    char display[MAX_PATH] = {};
    BROWSEINFOA browser = {};
    browser.hwndOwner = owner ? owner : GetActiveWindow();
    browser.pszDisplayName = display;
    browser.lpszTitle = browseTitle_.isEmpty() ? "Browse for Directory" : browseTitle_.Name();
    browser.ulFlags = dirFlags_;
    if (!browseDir_.isEmpty()) {
        browser.lpfn = StartAt;
        browser.lParam = reinterpret_cast<LPARAM>(browseDir_.Name());
    }
    // The browser is made of shell objects, which want the component library.
    HRESULT const components = CoInitialize(nullptr);
    LPITEMIDLIST const item = ShellDialogs::ShowBrowseFolder(std::addressof(browser));
    char path[MAX_PATH] = {};
    bool const chosen = item && SHGetPathFromIDListA(item, path) && path[0];
    if (item)
        CoTaskMemFree(item);
    if (SUCCEEDED(components))
        CoUninitialize();
    // An item outside the file system has no path to hand on.
    if (!chosen || !chosen_.InsertRight(DName(path)))
        return false;
    folderBrowsed_ = true;
    return true;
}

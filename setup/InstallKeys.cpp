#include "InstallKeys.h"

#include "DReg.h"

namespace {

char const* const FileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

struct Association
{
    char const* extension;
    char const* kind;
};

Association const Associations[] = {
    {".hup", "Hunterly Profiles"},
    {".hur", "Hunterly Results"},
};

void Put(HKEY root, DName const& key, DName const& data, unsigned long type = REG_SZ)
{
    DReg reg;
    if (reg.Create(root, key))
        reg.SetValue(DName(), data, type);
}

}

char const* const InstallKeys::SettingsKey = "Software\\Hunterly";
char const* const InstallKeys::FolderValue = "Folder";

void InstallKeys::Write(DName const& folder)
{
    DReg settings;
    if (settings.Create(HKEY_CURRENT_USER, SettingsKey))
        settings.SetValue(FolderValue, folder, REG_SZ);
    DName program(folder);
    program.AddFile("hunterly.exe");
    for (Association const& a : Associations)
        WriteAssociation(a.extension, a.kind, program);
}

// The open command quotes the program and the file: a path with blanks
// must reach the program as one argument.
void InstallKeys::WriteAssociation(DName const& extension, DName const& kind,
                                   DName const& program)
{
    Put(HKEY_CURRENT_USER, DName(FileExts) + extension, kind);
    Put(HKEY_CLASSES_ROOT, extension, kind);
    Put(HKEY_CLASSES_ROOT, extension + "\\DefaultIcon", program);
    Put(HKEY_CLASSES_ROOT, extension + "\\Shell\\Open\\Command",
        DName("\"") + program + "\" \"%1\"");
    Put(HKEY_CLASSES_ROOT, extension + "\\Shell\\Properties\\Command", kind, REG_NONE);
}

DName InstallKeys::Folder()
{
    DReg settings;
    if (!settings.Create(HKEY_CURRENT_USER, SettingsKey))
        return DName();
    // A stored terminator is not part of the path.
    return DName(settings.LoadKeySz(FolderValue).Name());
}

void InstallKeys::RemoveAssociations()
{
    for (Association const& a : Associations) {
        RemoveTree(HKEY_CURRENT_USER, DName(FileExts) + a.extension);
        RemoveTree(HKEY_CLASSES_ROOT, a.extension);
    }
}

void InstallKeys::RemoveSettings()
{
    RemoveTree(HKEY_CURRENT_USER, SettingsKey);
}

// A key with sub-keys cannot be deleted: the deepest go first.
void InstallKeys::RemoveTree(HKEY root, DName const& key)
{
    {
        DReg parent;
        if (!parent.Open(root, key))
            return;
        DName sub;
        // Each deletion renumbers the rest, so the first is asked for again;
        // one that will not go ends the loop.
        while (parent.EnumSubKey(0, sub)) {
            unsigned long const before = parent.GetMaxSubKeys();
            RemoveTree(root, key + "\\" + sub);
            if (parent.GetMaxSubKeys() >= before)
                break;
        }
    }
    DReg::DelKey(root, key);
}

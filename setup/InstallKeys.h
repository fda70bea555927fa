// InstallKeys: what an installation keeps in the registry: the installation
// folder and the associations of the two file extensions, written by the
// installer and removed again by the uninstaller.
#pragma once

#include <windows.h>

#include "DName.h"

class InstallKeys
{
public:
    static char const* const SettingsKey;       // "Software\Hunterly", current user
    static char const* const FolderValue;       // "Folder"

    // The installation folder and both associations. A key that cannot be
    // made is passed over.
    static void Write(DName const& folder);
    // The stored installation folder; empty when there is none. The settings
    // key is made when missing.
    static DName Folder();

    // Both associations in both hives, each key with everything below it.
    static void RemoveAssociations();
    // The settings key of the program with the settings of every page below it.
    static void RemoveSettings();

private:
    static void WriteAssociation(DName const& extension, DName const& kind,
                                 DName const& program);
    static void RemoveTree(HKEY root, DName const& key);
};

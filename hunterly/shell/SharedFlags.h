// SharedFlags: the switches of the running program. The main window owns
// the one record and lends it to every page and dialog; it is read from the
// registry when the window is made and written when it is destroyed.
#pragma once

class SharedFlags
{
public:
    static char const* const Key;       // below the current user

    bool searchSubfolders = true;
    bool rememberSettings = true;
    bool optimizeForSpeed = false;
    bool entireDrive = false;
    bool searchAllDrives = false;
    unsigned long activePage = 0;       // the page to show at start

    // The stored values; every field keeps its own when the key is missing.
    void Load();
    // Written whether or not settings are remembered; without, the drive
    // switches are stored as off. shownPage is the page shown now.
    void Save(unsigned long shownPage) const;
};

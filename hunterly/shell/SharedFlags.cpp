#include "SharedFlags.h"

#include "DReg.h"

char const* const SharedFlags::Key = "Software\\Hunterly";

void SharedFlags::Load()
{
    DReg key;
    if (!key.Open(HKEY_CURRENT_USER, Key))
        return;
    rememberSettings = key.LoadKeyBool("Settings", true);
    optimizeForSpeed = key.LoadKeyBool("Optimize", false);
    activePage = key.LoadKeyDword("Active");
    searchAllDrives = key.LoadKeyBool("SearchAll", false);
    entireDrive = key.LoadKeyBool("EntireDrive", false);
}

void SharedFlags::Save(unsigned long shownPage) const
{
    DReg key;
    if (!key.Create(HKEY_CURRENT_USER, Key))
        return;
    key.SetDwordValue("Settings", rememberSettings);
    key.SetDwordValue("Active", shownPage);
    key.SetDwordValue("Optimize", optimizeForSpeed);
    key.SetDwordValue("SearchAll", rememberSettings && searchAllDrives);
    key.SetDwordValue("EntireDrive", rememberSettings && entireDrive);
}

// Uninstall.exe: removes Hunterly, wholly or its files only.
#include <windows.h>

#include "RunAside.h"
#include "UninstallDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (!RunAside::Start())
        return 0;
    DDialog::EnableControls();
    UninstallDialog().DoModal();
    return 0;
}

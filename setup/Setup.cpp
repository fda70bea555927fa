// setup.exe: installs Hunterly from the folder it is started in.
#include <windows.h>

#include "DisclaimerDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DDialog::EnableControls();
    DisclaimerDialog().DoModal();
    return 0;
}

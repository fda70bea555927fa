// hunterly.exe: one main window, run modally; the program ends with it.
#include <windows.h>

#include "MainWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DDialog::EnableControls();
    MainWindow window(GetCommandLineA());
    window.DoModal();
    return 0;
}

#include <windows.h>

#include "setup/SetupDialog.h"
#include "setup/SetupResource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDialogProc, 0);
    return 0;
}

// Reading and writing the settings file beside the program.
#include "app/Application.h"
#include "resources/resource.h"

void FrameWindow::LoadSettings()
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = {0, 0, 560, 400};
    SetBarVisible(ID_VIEW_TOOLBAR, TRUE);
    SetBarVisible(ID_VIEW_STATUSBAR, TRUE);
    theView.CreateDisplayFont("FixedSys", 14, false, false);
    SetWindowPlacement(hwndFrame, &placement);
    UpdateModePanes();
}

#pragma once
#include <windows.h>

// The system's file and colour pickers as the editor uses them.

// buffer (MAX_PATH characters) brings the initial name and receives the chosen
// path. False when no file was chosen; a picker that failed has told the user why.
bool ChooseFileName(HWND owner, char* buffer, bool save);
// The chosen colour, or the initial one when the user cancels.
COLORREF ChooseColorValue(HWND owner, COLORREF initial);
// Offered again at every use of the colour picker until the program ends.
extern COLORREF CustomColors[16];
// Paints a sample of text in the colours straight into a static control.
void DrawColorSample(HWND control, COLORREF textColor, COLORREF backColor, const char* text);

#pragma once
// The design gives lengths in pixels of a 96-dpi screen; every top-level
// window grows them to the density of the screen it is on. The functions that
// tell a window's own density exist only on newer systems and are looked up
// when first used, so the programs still start where they are missing.
#include <windows.h>

constexpr int designDpi = 96;
// Sent to a top-level window when its density changes: wParam holds the new
// density, lParam points to the window rectangle suggested for it.
constexpr UINT densityChangedMessage = 0x02E0;

// A length of the design at the density, to the nearest pixel.
int ScaledToDpi(int designPixels, int dpi);

// The density the system's own metrics and pickers are reckoned at (LOGPIXELSY).
int SystemDpi();
// The density of the screen the window is on; the system's on systems that
// have one density for all screens.
int WindowDpi(HWND window);
// A system metric at the density; the system's one where it knows only one.
int SystemMetricAtDpi(int index, int dpi);
// The status bar font the system gives a window of the density; false on
// systems with one density for all screens, whose bars have it already.
bool StatusFontAtDpi(int dpi, LOGFONTW& font);

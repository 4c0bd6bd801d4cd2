#include "view/DisplayFont.h"

#include <commdlg.h>

#include "app/FrameWindow.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

int ScreenDpi(HWND window)
{
    HDC dc = GetDC(window);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi;
}

LOGFONTA DescriptionOf(HFONT font)
{
    LOGFONTA description = {};
    GetObjectA(font, sizeof description, &description);
    return description;
}

} // namespace

LOGFONTA DisplayFontDescription(const char* faceName, int points, bool bold, bool italic, int dpi)
{
    LOGFONTA description = {};
    description.lfHeight = -MulDiv(points, dpi, 72);
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = italic ? 1 : 0;
    description.lfCharSet = SHIFTJIS_CHARSET;
    description.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(description.lfFaceName, faceName, LF_FACESIZE);
    return description;
}

int PointSizeOfHeight(LONG height, int dpi)
{
    return MulDiv(height, -72, dpi);
}

void HexView::CreateDisplayFont(const char* faceName, int points, bool bold, bool italic)
{
    LOGFONTA description = DisplayFontDescription(faceName, points, bold, italic, ScreenDpi(window));
    if (font)
        DeleteObject(font);
    font = CreateFontIndirectA(&description);
    MeasureFont();
}

void HexView::MeasureFont()
{
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, "00000000", 8, &extent);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    displayMetrics.MeasureFromAddressText(extent.cx, extent.cy);
}

bool HexView::ChooseDisplayFont()
{
    LOGFONTA description = DescriptionOf(font);
    CHOOSEFONTA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = frame->hwndFrame;
    choice.lpLogFont = &description;
    // Sizes outside the limits would not come back from the settings file.
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY | CF_NOVERTFONTS | CF_LIMITSIZE;
    choice.nFontType = SCREEN_FONTTYPE;
    choice.nSizeMin = MinFontPoints;
    choice.nSizeMax = MaxFontPoints;
    if (!ChooseFontA(&choice))
        return false;
    DeleteObject(font);
    font = CreateFontIndirectA(&description);
    MeasureFont();
    return true;
}

std::string HexView::GetFontFaceName() const
{
    return DescriptionOf(font).lfFaceName;
}

int HexView::GetFontPointSize() const
{
    return PointSizeOfHeight(DescriptionOf(font).lfHeight, ScreenDpi(window));
}

bool HexView::IsFontBold() const
{
    return DescriptionOf(font).lfWeight > FW_NORMAL;
}

bool HexView::IsFontItalic() const
{
    return DescriptionOf(font).lfItalic != 0;
}

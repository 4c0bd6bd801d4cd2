#include "view/DisplayFont.h"

#include <commdlg.h>

#include "app/FrameWindow.h"
#include "view/DisplayMetrics.h"
#include "view/HexView.h"

namespace {

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
    description.lfHeight = HeightOfPointSize(points, dpi);
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

LONG HeightOfPointSize(int points, int dpi)
{
    return -MulDiv(points, dpi, 72);
}

void HexView::CreateDisplayFont(const char* faceName, int points, bool bold, bool italic, int screenDpi)
{
    ReplaceFont(DisplayFontDescription(faceName, points, bold, italic, screenDpi), screenDpi);
}

void HexView::ChangeFontDensity(int screenDpi)
{
    LOGFONTA description = DescriptionOf(font);
    description.lfHeight = HeightOfPointSize(PointSizeOfHeight(description.lfHeight, dpi), screenDpi);
    ReplaceFont(description, screenDpi);
}

void HexView::ReplaceFont(const LOGFONTA& description, int screenDpi)
{
    if (font)
        DeleteObject(font);
    font = CreateFontIndirectA(&description);
    dpi = screenDpi;
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
    // The picker reckons heights at the system's density, which need not be the view's.
    const int pickerDpi = SystemDpi();
    description.lfHeight = MulDiv(description.lfHeight, pickerDpi, dpi);
    if (!ChooseFontA(&choice))
        return false;
    description.lfHeight = MulDiv(description.lfHeight, dpi, pickerDpi);
    ReplaceFont(description, dpi);
    return true;
}

std::string HexView::GetFontFaceName() const
{
    return DescriptionOf(font).lfFaceName;
}

int HexView::GetFontPointSize() const
{
    return PointSizeOfHeight(DescriptionOf(font).lfHeight, dpi);
}

bool HexView::IsFontBold() const
{
    return DescriptionOf(font).lfWeight > FW_NORMAL;
}

bool HexView::IsFontItalic() const
{
    return DescriptionOf(font).lfItalic != 0;
}

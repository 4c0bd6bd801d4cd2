#include "dialogs/Pickers.h"

#include <cderr.h>
#include <commdlg.h>

#include "app/Application.h"
#include "platform/ScreenDensity.h"
#include "view/DisplayFont.h"

COLORREF CustomColors[16] = {};

namespace {

// Why the file picker closed without a name, or null when the user cancelled.
const char* FilePickerFailure(DWORD error)
{
    switch (error) {
    case 0:
        return nullptr;
    case FNERR_BUFFERTOOSMALL:
        return "指定されたファイル名が長すぎます。";
    case FNERR_INVALIDFILENAME:
        return "指定されたファイル名が正しくありません。";
    default:
        return "ファイルを選択できませんでした。";
    }
}

} // namespace

bool ChooseFileName(HWND owner, char* buffer, bool save)
{
    static const char filter[] = "すべてのﾌｧｲﾙ (*.*)\0*.*\0";
    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.lpstrFilter = filter;
    request.lpstrFile = buffer;
    request.nMaxFile = MAX_PATH;
    // A name to save under need not exist yet; only its folder must.
    request.Flags = OFN_HIDEREADONLY | (save ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request))
        return true;
    if (const char* failure = FilePickerFailure(CommDlgExtendedError()))
        theFrame.ShowMessage(owner, failure, MB_ICONHAND);
    return false;
}

COLORREF ChooseColorValue(HWND owner, COLORREF initial)
{
    CHOOSECOLORA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.rgbResult = initial;
    request.lpCustColors = CustomColors;
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    return ChooseColorA(&request) ? request.rgbResult : initial;
}

void DrawColorSample(HWND control, COLORREF textColor, COLORREF backColor, const char* text)
{
    // The sample grows with the dialog, which has the density of the screen it is on.
    const int dpi = WindowDpi(control);
    HDC dc = GetDC(control);
    HFONT font = CreateFontA(HeightOfPointSize(9, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                             FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
    HBRUSH brush = CreateSolidBrush(backColor);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT client;
    GetClientRect(control, &client);
    FillRect(dc, &client, brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    const int inset = ScaledToDpi(2, dpi);
    TextOutA(dc, inset, inset, text, lstrlenA(text));
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    DeleteObject(font);
    ReleaseDC(control, dc);
}

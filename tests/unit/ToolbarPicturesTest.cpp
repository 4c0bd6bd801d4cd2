#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <tuple>

#include "app/ToolbarPictures.h"
#include "resources/resource.h"

namespace {

// A toolbar bitmap as the program carries it, and the colours of its colour table.
struct CarriedBitmap {
    explicit CarriedBitmap(int id)
    {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        GetObjectA(bitmap, sizeof dib, &dib);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        RGBQUAD table[256];
        for (UINT i = 0, count = GetDIBColorTable(dc, 0, 256, table); i < count; ++i)
            colours.insert(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    DIBSECTION dib = {};
    std::set<COLORREF> colours;
};

} // namespace

TEST(ToolbarPictures, EachDensityTakesTheSetNearestItsSixteenPixels)
{
    // 120 and 168 dpi ask for 20 and 28 pixels, halfway between two sets.
    const struct {
        int dpi, bitmapId, width, height;
    } cases[] = {
        {96, IDB_TOOLBAR, 16, 15},     {119, IDB_TOOLBAR, 16, 15},    {120, IDB_TOOLBAR_24, 24, 23},
        {144, IDB_TOOLBAR_24, 24, 23}, {167, IDB_TOOLBAR_24, 24, 23}, {168, IDB_TOOLBAR_32, 32, 30},
        {192, IDB_TOOLBAR_32, 32, 30}, {288, IDB_TOOLBAR_32, 32, 30},
    };
    for (const auto& c : cases) {
        const ToolbarPictures pictures = ToolbarPicturesFor(c.dpi);
        EXPECT_EQ(std::make_tuple(pictures.bitmapId, pictures.width, pictures.height),
                  std::make_tuple(c.bitmapId, c.width, c.height))
            << c.dpi << " dpi";
    }
}

// The toolbar shows the light grey of a colour table as the button face, and
// embosses disabled buttons, only in a bitmap that has one.
TEST(ToolbarPictures, EverySetIsNineteenPicturesOfItsSizeInTheColoursOfTheSmallest)
{
    const CarriedBitmap smallest(IDB_TOOLBAR);
    EXPECT_EQ(smallest.colours.count(RGB(0xC0, 0xC0, 0xC0)), 1u);
    for (int dpi : {96, 144, 192}) {
        const ToolbarPictures pictures = ToolbarPicturesFor(dpi);
        const CarriedBitmap bitmap(pictures.bitmapId);
        EXPECT_EQ(bitmap.dib.dsBm.bmWidth, 19 * pictures.width) << dpi << " dpi";
        EXPECT_EQ(bitmap.dib.dsBm.bmHeight, pictures.height) << dpi << " dpi";
        EXPECT_EQ(bitmap.dib.dsBmih.biBitCount, 4) << dpi << " dpi";
        for (COLORREF colour : bitmap.colours)
            EXPECT_EQ(smallest.colours.count(colour), 1u) << dpi << " dpi, colour " << std::hex << colour;
    }
}

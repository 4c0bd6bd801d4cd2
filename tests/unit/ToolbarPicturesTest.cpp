#include <gtest/gtest.h>

#include <tuple>

#include "app/ToolbarPictures.h"
#include "resources/resource.h"

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

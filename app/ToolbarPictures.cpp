#include "app/ToolbarPictures.h"

#include <cstdlib>

#include "resources/resource.h"

namespace {

const ToolbarPictures pictureSets[] = {
    {IDB_TOOLBAR, 16, 15},
    {IDB_TOOLBAR_24, 24, 23},
    {IDB_TOOLBAR_32, 32, 30},
};

} // namespace

ToolbarPictures ToolbarPicturesFor(int dpi)
{
    // Distances in 96ths of a pixel, so that a tie is exact.
    const int wanted = 16 * dpi;
    ToolbarPictures nearest = pictureSets[0];
    for (const ToolbarPictures& set : pictureSets)
        if (std::abs(set.width * 96 - wanted) <= std::abs(nearest.width * 96 - wanted))
            nearest = set;
    return nearest;
}

#include "app/ToolbarPictures.h"

#include "resources/resource.h"

// Stands in for the choice among the drawn sets until they are in.
ToolbarPictures ToolbarPicturesFor(int dpi)
{
    if (dpi >= 168)
        return {IDB_TOOLBAR_32, 32, 30};
    if (dpi >= 120)
        return {IDB_TOOLBAR_24, 24, 23};
    return {IDB_TOOLBAR, 16, 15};
}

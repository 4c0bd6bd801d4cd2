#pragma once

// One set of the toolbar's pictures: its bitmap resource and the size of each picture.
struct ToolbarPictures {
    int bitmapId;
    int width;
    int height;
};

// The set drawn nearest the 16 pixels of a 96-dpi screen grown to this
// density; a density halfway between two sets takes the larger.
ToolbarPictures ToolbarPicturesFor(int dpi);

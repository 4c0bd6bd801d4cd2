#include "app/Application.h"

// Definition order is construction order: frame, document, view.
FrameWindow theFrame;
Document theDocument;
HexView theView;

#pragma once

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "view/HexView.h"

// The three process-wide objects, constructed in this order before WinMain.
extern FrameWindow theFrame;
extern Document theDocument;
extern HexView theView;

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ViewWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

#pragma once
#include <cstdint>
#include <string>

#include "view/CharCode.h"

// Texts of the status bar panes and the caption, kept apart from the windows
// that show them.

// The caret offset with the byte, 16-bit and 32-bit values that start there;
// bytes past the end of the data count as 0.
std::string PositionPaneText(const unsigned char* data, uint32_t size, uint32_t caret, ByteOrder order);
// The position pane's text at its longest, each offset digit written as
// hexDigit and each digit of the values as decimalDigit.
std::string WidestPositionPaneText(char hexDigit, char decimalDigit);
// The bits of the byte at the caret, most significant first.
std::string BitPaneText(const unsigned char* data, uint32_t size, uint32_t caret);
const char* CharCodePaneText(unsigned code);
const char* InsertModePaneText(bool insertMode);
const char* ReadOnlyPaneText(bool readOnly);
std::string CaptionText(const char* fileTitle, bool modified);

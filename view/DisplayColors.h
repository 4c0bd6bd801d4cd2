#pragma once
#include <windows.h>

#include <cstdint>

// The seven colours of the view, process-wide.
enum DisplayColorIndex {
    AddressText = 0,
    AddressBack = 1,
    DataText = 2,
    DataBack = 3,
    SelectedText = 4,
    SelectionBack = 5,
    MarkText = 6,
};
extern COLORREF displayColors[7];

void SetDisplayColor(int index, COLORREF color);

// Hex digits of every byte equal to value take color; value 256 is inactive.
struct ColoringRule {
    uint16_t value;
    COLORREF color;
};
constexpr uint16_t NoColoringValue = 256;
extern ColoringRule coloringRules[5];

// Reads the byte field as hexadecimal; a field that reads as 0 without
// starting with '0' (such as "--") makes the rule inactive.
void SetColoringRule(int index, const char* text, COLORREF color);
uint16_t ParseColoringValue(const char* text);
// The colour of the first rule that matches the byte, if any.
bool FindColoringColor(unsigned char byte, COLORREF& color);

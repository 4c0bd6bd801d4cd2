#pragma once
#include <cstdint>

#include "search/SearchPattern.h"

// Where a search starts and which way it goes.
enum SearchDirection : unsigned char {
    SearchFromHead = 0, // upwards from the first byte
    SearchBackward = 1, // downwards from the byte before the caret (from 0 when the caret is at 0)
    SearchForward = 2,  // upwards from the byte after the caret
};

// The first match met, overlapping matches included; a match lies wholly
// inside the data. The scan does not wrap around. False when there is none.
bool ScanForPattern(const unsigned char* data, uint32_t size, const SearchPattern& pattern, uint32_t caret,
                    SearchDirection direction, uint32_t& match);


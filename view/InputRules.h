#pragma once
#include <windows.h>

struct NumpadKey;

// The rules of typing, apart from the windows the keys come from.

// The letter of the first of the six entries assigned the key, or 0. The Enter
// key counts only as the keypad's own, marked by the extended-key bit.
char NumpadLetter(const NumpadKey (&keys)[6], WPARAM vk, LPARAM keyData);

// The digit 0-15 a typed character stands for, or -1 for none. A double-byte
// character is lead << 8 | trail, as WM_IME_CHAR carries it: the full-width
// 0-9, A-F and a-f of code page 932 are their digits, and every other one is
// no digit, whatever its trail byte looks like.
int TypedDigitValue(WPARAM character);

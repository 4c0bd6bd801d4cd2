#pragma once
#include <windows.h>

struct NumpadKey;

// The rules of typing, apart from the windows the keys come from.

// The letter of the first of the six entries assigned the key, or 0. The Enter
// key counts only as the keypad's own, marked by the extended-key bit.
char NumpadLetter(const NumpadKey (&keys)[6], WPARAM vk, LPARAM keyData);

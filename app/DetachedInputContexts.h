#pragma once
#include <windows.h>

#include <imm.h>

#include <vector>

// Windows kept apart from the input method: typed with it on, they receive
// plain characters and open no composition window. Each gets its own input
// context back before it is destroyed, as the system asks.
class DetachedInputContexts {
public:
    void Detach(HWND window);
    void RestoreAll();

private:
    struct Detached {
        HWND window;
        HIMC context;
    };
    std::vector<Detached> detached;
};

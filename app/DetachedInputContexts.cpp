#include "app/DetachedInputContexts.h"

void DetachedInputContexts::Detach(HWND window)
{
    detached.push_back({window, ImmAssociateContext(window, nullptr)});
}

void DetachedInputContexts::RestoreAll()
{
    for (const Detached& entry : detached)
        ImmAssociateContext(entry.window, entry.context);
    detached.clear();
}

// The view's search: builds the pattern, scans and moves the caret to the hit.
#include <string>

#include "app/FrameWindow.h"
#include "platform/WaitCursor.h"
#include "document/Document.h"
#include "view/CharCode.h"
#include "view/HexView.h"

RefreshCode HexView::SearchData(HWND owner, const char* text, unsigned char mode, SearchDirection direction)
{
    if (document->size == 0) {
        frame->ShowMessage(owner, "検索されるデータのサイズが０です。", MB_ICONHAND);
        return RedrawNothing;
    }
    if (*text == '\0') {
        frame->ShowMessage(owner, "検索文字列が入力されていません。", MB_ICONHAND);
        return RedrawNothing;
    }
    SearchPattern pattern;
    if (!MakeSearchPattern(text, mode, charCode, byteOrder, pattern)) {
        frame->ShowMessage(owner, "数値が不正です。", MB_ICONHAND);
        return RedrawNothing;
    }
    uint32_t match;
    bool found;
    {
        WaitCursor waitCursor;
        found = ScanForPattern(document->data, document->size, pattern, caret, direction, match);
    }
    if (found)
        return GoToOffset(match);
    frame->ShowMessage(owner, ("\"" + std::string(text) + "\"が見つかりません。").c_str(), MB_ICONEXCLAMATION);
    return RedrawNothing;
}

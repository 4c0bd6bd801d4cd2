// The view's mark commands: set or remove a mark, jump between marks, and sum bytes.
#include <cstdio>

#include "app/FrameWindow.h"
#include "document/Document.h"
#include "search/ByteSum.h"
#include "view/HexView.h"

RefreshCode HexView::ToggleMark()
{
    if (caret < document->size)
        marks.Toggle(caret);
    return RedrawAll;
}

RefreshCode HexView::GoToMark(bool forward)
{
    uint32_t mark;
    if (marks.Nearest(caret, document->size, forward, mark))
        return GoToOffset(mark);
    frame->ShowMessage(nullptr, "マークが見つかりません。", MB_ICONEXCLAMATION);
    return RedrawNothing;
}

RefreshCode HexView::ShowByteSum()
{
    uint32_t all = SumBytes(document->data, document->size);
    uint32_t marked = marks.MarkedSum(document->data, document->size);
    char text[128];
    std::snprintf(text, sizeof text, "マークの合計：\t0x%X\r\nマーク以外の合計：\t0x%X\r\n全バイト合計：\t0x%X", marked,
                  all - marked, all);
    frame->ShowMessage(nullptr, text, MB_ICONINFORMATION);
    return RedrawNothing;
}

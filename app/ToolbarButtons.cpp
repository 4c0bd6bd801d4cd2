#include "app/ToolbarButtons.h"

#include <commctrl.h>

#include "resources/resource.h"

const ToolbarButton toolbarButtons[19] = {
    {ID_FILE_NEW, TBSTYLE_BUTTON, TBSTATE_ENABLED, "新規作成"},
    {ID_FILE_OPEN, TBSTYLE_BUTTON, TBSTATE_ENABLED, "開く"},
    {ID_FILE_SAVE, TBSTYLE_BUTTON, 0, "上書き保存"},
    {ID_EDIT_READONLY, TBSTYLE_CHECK, TBSTATE_ENABLED, "編集禁止"},
    {ID_EDIT_CUT, TBSTYLE_BUTTON, TBSTATE_ENABLED, "切り取り"},
    {ID_EDIT_COPY, TBSTYLE_BUTTON, TBSTATE_ENABLED, "コピー"},
    {ID_EDIT_PASTE, TBSTYLE_BUTTON, TBSTATE_ENABLED, "貼り付け"},
    {ID_EDIT_UNDO, TBSTYLE_BUTTON, 0, "元に戻す"},
    {ID_EDIT_FIND, TBSTYLE_BUTTON, TBSTATE_ENABLED, "検索"},
    {ID_EDIT_FINDPREV, TBSTYLE_BUTTON, TBSTATE_ENABLED, "前を検索"},
    {ID_EDIT_FINDNEXT, TBSTYLE_BUTTON, TBSTATE_ENABLED, "次を検索"},
    {ID_EDIT_MARK, TBSTYLE_BUTTON, TBSTATE_ENABLED, "マーク設定／解除"},
    {ID_EDIT_MARKPREV, TBSTYLE_BUTTON, TBSTATE_ENABLED, "前のマーク"},
    {ID_EDIT_MARKNEXT, TBSTYLE_BUTTON, TBSTATE_ENABLED, "次のマーク"},
    {ID_EDIT_JUMP, TBSTYLE_BUTTON, TBSTATE_ENABLED, "ジャンプ"},
    {ID_VIEW_COLORING, TBSTYLE_BUTTON, TBSTATE_ENABLED, "着色表示"},
    {ID_VIEW_CALC, TBSTYLE_BUTTON, TBSTATE_ENABLED, "電卓"},
    {ID_NEXT_CHARCODE, TBSTYLE_BUTTON, TBSTATE_ENABLED, "文字コード"},
    {ID_HELP_FINDER, TBSTYLE_BUTTON, TBSTATE_ENABLED, "トピックの検索"},
};

const int toolbarSeparatorIndices[7] = {3, 5, 10, 18, 20, 22, 24};

const char* ToolbarTooltip(UINT command)
{
    for (const ToolbarButton& button : toolbarButtons)
        if (button.command == command)
            return button.tooltip;
    return nullptr;
}

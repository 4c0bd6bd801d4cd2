#include "keys/CommandTable.h"

#include "resources/resource.h"

namespace {

// Every shortcut the editor makes is a virtual key that does not flash the menu.
constexpr BYTE plain = FVIRTKEY | FNOINVERT;
constexpr BYTE ctrl = plain | FCONTROL;
constexpr BYTE shift = plain | FSHIFT;

} // namespace

const CommandEntry commandTable[commandCount] = {
    {ID_FILE_NEW, "新規作成", 'N', "FileNew", ctrl, 'N'},
    {ID_FILE_OPEN, "開く", 'O', "FileOpen", ctrl, 'O'},
    {ID_FILE_SAVE, "上書き保存", 'S', "FileSave", ctrl, 'S'},
    {ID_FILE_SAVEAS, "名前を付けて保存", 'A', "FileSaveAs", 0, 0},
    {ID_FILE_EXIT, "終了", 'X', "FileExit", 0, 0},
    {ID_EDIT_UNDO, "元に戻す", 'U', "EditUndo", ctrl, 'Z'},
    {ID_EDIT_CUT, "切り取り", 'T', "EditCut", ctrl, 'X'},
    {ID_EDIT_COPY, "コピー", 'C', "EditCopy", ctrl, 'C'},
    {ID_EDIT_PASTE, "貼り付け", 'P', "EditPaste", ctrl, 'V'},
    {ID_EDIT_SELECTALL, "すべて選択", 'A', "EditSelectAll", ctrl, 'A'},
    {ID_EDIT_FIND, "検索", 'F', "EditFind", ctrl, VK_F3},
    {ID_EDIT_FINDPREV, "前を検索", 'D', "EditFindPrev", shift, VK_F3},
    {ID_EDIT_FINDNEXT, "次を検索", 'N', "EditFindNext", plain, VK_F3},
    {ID_EDIT_COMPARE, "ファイルの比較", 'O', "EditCompare", 0, 0},
    {ID_EDIT_MARK, "マーク設定／解除", 'M', "EditMark", ctrl, VK_F2},
    {ID_EDIT_MARKPREV, "前のマーク", 'V', "EditMarkPrev", shift, VK_F2},
    {ID_EDIT_MARKNEXT, "次のマーク", 'K', "EditMarkNext", plain, VK_F2},
    {ID_EDIT_SUM, "バイト合計", 'S', "EditSum", 0, 0},
    {ID_EDIT_HEAD, "先頭へ", 'H', "EditHead", ctrl, VK_HOME},
    {ID_EDIT_LAST, "最後へ", 'L', "EditLast", ctrl, VK_END},
    {ID_EDIT_JUMP, "ジャンプ", 'J', "EditJump", plain, VK_F4},
    {ID_EDIT_READONLY, "編集禁止", 'R', "EditReadOnly", 0, 0},
    {ID_VIEW_TOOLBAR, "ツールバー", 'T', "ViewToolBar", 0, 0},
    {ID_VIEW_STATUSBAR, "ステータスバー", 'S', "ViewStatusBar", 0, 0},
    {ID_VIEW_COLORING, "着色表示", 'C', "ViewColoring", 0, 0},
    {ID_VIEW_CALC, "電卓", 'R', "ViewCalc", 0, 0},
    {ID_SETTING_FONT, "フォント", 'F', "SettingFont", 0, 0},
    {ID_SETTING_COLOR, "表示色", 'C', "SettingColor", 0, 0},
    {ID_SETTING_ASCII, "ASCII", 'A', "SettingAscii", 0, 0},
    {ID_SETTING_SJIS, "Shift-JIS", 'S', "SettingSjis", 0, 0},
    {ID_SETTING_EUC, "EUC", 'E', "SettingEuc", 0, 0},
    {ID_SETTING_UCS2, "Unicode(UCS2)", 'U', "SettingUcs2", 0, 0},
    {ID_SETTING_UTF8, "Unicode(UTF-8)", 'F', "SettingUtf8", 0, 0},
    {ID_SETTING_LENDIAN, "リトルエンディアン", 'L', "SettingLEndian", 0, 0},
    {ID_SETTING_BENDIAN, "ビッグエンディアン", 'B', "SettingBEndian", 0, 0},
    {ID_SETTING_KEY, "キー割り当て", 'K', "SettingKey", 0, 0},
    {ID_SETTING_OPTION, "オプション", 'O', "SettingOption", 0, 0},
    {ID_HELP_FINDER, "トピックの検索", 'H', "HelpFinder", 0, 0},
};

std::string MenuLabel(const CommandEntry& entry)
{
    return std::string(entry.label) + "(&" + entry.mnemonic + ")";
}

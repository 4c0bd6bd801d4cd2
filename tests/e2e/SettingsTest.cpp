#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

// The settings file's lines and values, as the harness reads them.
const auto Lines = e2e::SettingsLines;
const auto Value = e2e::SettingsValue;

// The restored rectangle the settings file holds, as "x,y wxh".
std::string RestoredPlacement(const std::string& text)
{
    auto value = [&](const char* key) { return Value(text, "Settings", key); };
    return value("PosX") + "," + value("PosY") + " " + value("PosW") + "x" + value("PosH");
}

bool IsInsideWorkArea(HWND window)
{
    RECT frame = {};
    GetWindowRect(window, &frame);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT inside = {};
    IntersectRect(&inside, &frame, &monitor.rcWork);
    return EqualRect(&inside, &frame);
}

const char freshSettings[] = R"([Settings]
Maximize=0
PosX=0
PosY=0
PosW=560
PosH=400
ToolBar=1
StatusBar=1
FontName=FixedSys
FontSize=14
FontItalic=0
FontBold=0
TextColor=000000,000000,FFFFFF
BackColor=C0C0C0,FFFFFF,000080
MarkColor=FF0000
Coloring=--,0000FF,--,FF00FF,--,00A000,--,00A0A0,--,A0A000
CharCode=1
ByteOrder=0
Insert=1
ReadOnly=1
BackUp=1
ProcUnicode=1
Calculator=C:\windows\system32\CALC.EXE
FindValue=
FindMode=0
[Accelerators]
FileNew=Ctrl+N
FileOpen=Ctrl+O
FileSave=Ctrl+S
FileSaveAs=
FileExit=
EditUndo=Ctrl+Z
EditCut=Ctrl+X
EditCopy=Ctrl+C
EditPaste=Ctrl+V
EditSelectAll=Ctrl+A
EditFind=Ctrl+F3
EditFindPrev=Shift+F3
EditFindNext=F3
EditCompare=
EditMark=Ctrl+F2
EditMarkPrev=Shift+F2
EditMarkNext=F2
EditSum=
EditHead=Ctrl+Home
EditLast=Ctrl+End
EditJump=F4
EditReadOnly=
ViewToolBar=
ViewStatusBar=
ViewColoring=
ViewCalc=
SettingFont=
SettingColor=
SettingAscii=
SettingSjis=
SettingEuc=
SettingUcs2=
SettingUtf8=
SettingLEndian=
SettingBEndian=
SettingKey=
SettingOption=
HelpFinder=
[Numpad]
A=
B=
C=
D=
E=
F=
[Recent File List]
File1=
File2=
File3=
File4=
File5=
)";

} // namespace

TEST(Settings, FirstCloseWritesTheWholeFileWithDefaults)
{
    Editor editor;
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(Lines(editor.SettingsText()), freshSettings);
}

TEST(Settings, HandEditedValuesReadSafelyAndComeBackCanonical)
{
    Editor editor("", "[Settings]\r\n"
                      "CharCode=260\r\nByteOrder=7\r\nFindMode=9\r\n"
                      "TextColor=FF0000\r\nColoring=0a,123456\r\n"
                      "FindValue=" + std::string(100, 'q') + "\r\n"
                      "FontName=" + std::string(100, 'f') + "\r\n"
                      "Escape=1\r\n"
                      "[Accelerators]\r\n"
                      "FileNew=\r\nFileOpen=ctrl+o\r\nEditUndo=Z+Ctrl\r\nEditCut=Ctrl+Shift+Q\r\n"
                      "EditCopy=Ctrl+PgUp\r\nEditPaste=Ctrl\r\nEditSelectAll=A+B\r\n"
                      "[Numpad]\r\nA=/\r\nB=enter\r\nC=Enter\r\nD=" + std::string(400, '+') + "\r\n");
    EXPECT_EQ(editor.Pane(4), "UTF-8");
    ASSERT_TRUE(editor.Close());
    const std::string text = editor.SettingsText();
    EXPECT_EQ(Value(text, "Settings", "CharCode"), "4");
    EXPECT_EQ(Value(text, "Settings", "ByteOrder"), "0");
    EXPECT_EQ(Value(text, "Settings", "FindMode"), "0");
    EXPECT_EQ(Value(text, "Settings", "TextColor"), "FF0000,000000,000000");
    EXPECT_EQ(Value(text, "Settings", "Coloring"), "0A,123456,--,000000,--,000000,--,000000,--,000000");
    EXPECT_EQ(Value(text, "Settings", "FindValue"), std::string(32, 'q'));
    EXPECT_EQ(Value(text, "Settings", "Escape"), "<missing>");
    EXPECT_EQ(Value(text, "Accelerators", "FileNew"), "");
    EXPECT_EQ(Value(text, "Accelerators", "FileOpen"), "Ctrl+O");
    EXPECT_EQ(Value(text, "Accelerators", "EditUndo"), "Ctrl+Z");
    EXPECT_EQ(Value(text, "Accelerators", "EditCut"), "Shift+Ctrl+Q");
    EXPECT_EQ(Value(text, "Accelerators", "EditCopy"), "");
    EXPECT_EQ(Value(text, "Accelerators", "EditPaste"), "");
    EXPECT_EQ(Value(text, "Accelerators", "EditSelectAll"), "A");
    EXPECT_EQ(Value(text, "Accelerators", "FileExit"), "Esc");
    EXPECT_EQ(Value(text, "Numpad", "A"), "/");
    EXPECT_EQ(Value(text, "Numpad", "B"), "");
    EXPECT_EQ(Value(text, "Numpad", "C"), "Enter");
    EXPECT_EQ(Value(text, "Numpad", "D"), "");
}

TEST(Settings, FontSizesTheViewCannotShowComeBackAsTheDefault)
{
    for (const std::string size : {"2147483647", "-12"}) {
        Editor editor("", "[Settings]\r\nFontSize=" + size + "\r\n");
        ASSERT_TRUE(editor.Close());
        EXPECT_EQ(Value(editor.SettingsText(), "Settings", "FontSize"), "14") << size;
    }
}

TEST(Settings, EscapeClosesTheProgramWhenExitHasNoKey)
{
    Editor editor("", "[Settings]\r\nEscape=1\r\n");
    e2e::PostKey(editor.frame, VK_ESCAPE);
    ASSERT_TRUE(editor.process->WaitExit());
    EXPECT_EQ(Value(editor.SettingsText(), "Accelerators", "FileExit"), "Esc");
    EXPECT_EQ(Value(editor.SettingsText(), "Settings", "Escape"), "<missing>");
}

TEST(Settings, EscapeIsIgnoredWhenExitHasAKey)
{
    Editor editor("", "[Settings]\r\nEscape=1\r\n[Accelerators]\r\nFileExit=F12\r\n");
    e2e::PostKey(editor.frame, VK_ESCAPE);
    EXPECT_FALSE(editor.process->WaitExit(500));
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(Value(editor.SettingsText(), "Accelerators", "FileExit"), "F12");
    EXPECT_EQ(Value(editor.SettingsText(), "Settings", "Escape"), "<missing>");
}

TEST(Settings, AssignedKeyRunsItsCommand)
{
    Editor editor("", "[Accelerators]\r\nEditReadOnly=F5\r\n");
    e2e::PostKey(editor.frame, VK_F5);
    EXPECT_TRUE(e2e::WaitUntil([&] { return editor.Pane(2) == "編集禁止"; }));
}

TEST(Settings, MaximizedFrameKeepsItsRestoredRectangle)
{
    Editor editor("", "[Settings]\r\nMaximize=1\r\nPosX=10\r\nPosY=20\r\nPosW=500\r\nPosH=300\r\n");
    EXPECT_TRUE(IsZoomed(editor.frame));
    ASSERT_TRUE(editor.Close());
    const std::string text = editor.SettingsText();
    EXPECT_EQ(Value(text, "Settings", "Maximize"), "1");
    EXPECT_EQ(Value(text, "Settings", "PosX"), "10");
    EXPECT_EQ(Value(text, "Settings", "PosY"), "20");
    EXPECT_EQ(Value(text, "Settings", "PosW"), "500");
    EXPECT_EQ(Value(text, "Settings", "PosH"), "300");
}

TEST(Settings, PlacementOffEveryScreenMovesOntoOneAndStaysThere)
{
    // Wine itself moves a frame that lies just beside the screen; the last
    // placement is one it leaves off every screen.
    for (const std::string placement : {"PosX=99999999999999999999\r\n", "PosX=1024\r\n",
                                        "PosX=3000\r\nPosY=-2000\r\nPosW=5000\r\nPosH=300\r\n",
                                        "PosX=99999999999999999999\r\nPosY=-99999999999999999999\r\n"
                                        "PosW=abc\r\nPosH=12abc\r\n"}) {
        SCOPED_TRACE(placement);
        Editor editor("", "[Settings]\r\n" + placement);
        EXPECT_TRUE(IsInsideWorkArea(editor.frame));
        ASSERT_TRUE(editor.Close());
        Editor again("", editor.SettingsText());
        ASSERT_TRUE(again.Close());
        EXPECT_EQ(RestoredPlacement(again.SettingsText()), RestoredPlacement(editor.SettingsText()));
    }
    // Partly on the screen is on the screen: the placement stays as stored.
    Editor partly("", "[Settings]\r\nPosX=-300\r\nPosY=600\r\nPosW=560\r\nPosH=400\r\n");
    ASSERT_TRUE(partly.Close());
    EXPECT_EQ(RestoredPlacement(partly.SettingsText()), "-300,600 560x400");
}

TEST(Settings, HiddenBarsAndCharacterCodeSurviveARestart)
{
    Editor editor;
    editor.Command(ID_VIEW_TOOLBAR);
    editor.Command(ID_SETTING_EUC);
    editor.Command(ID_SETTING_BENDIAN);
    ASSERT_TRUE(editor.Close());
    Editor again("", editor.SettingsText());
    EXPECT_FALSE(IsWindowVisible(again.toolBar));
    EXPECT_EQ(e2e::ChildRect(again.view).top, 0);
    EXPECT_EQ(again.Pane(4), "EUC");
}

TEST(RecentFiles, GapsCloseAndTheListIsWrittenBack)
{
    e2e::TestFolder data;
    Editor editor("", "[Recent File List]\r\nFile1=C:\\one.bin\r\nFile2=\r\nFile3=C:\\three.bin\r\n");
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(Value(editor.SettingsText(), "Recent File List", "File1"), "C:\\one.bin");
    EXPECT_EQ(Value(editor.SettingsText(), "Recent File List", "File2"), "C:\\three.bin");
    EXPECT_EQ(Value(editor.SettingsText(), "Recent File List", "File3"), "");
}

TEST(RecentFiles, OpeningMovesFilesToTheFrontAndASixthDropsTheOldest)
{
    e2e::TestFolder data;
    Editor editor;
    for (int i = 1; i <= 6; ++i) {
        std::string name = "f" + std::to_string(i) + ".bin";
        data.Write(name, "x");
        editor.PostCommand(ID_FILE_OPEN);
        ASSERT_TRUE(editor.ChooseFile(data.File(name)));
        ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == name + " - ZORIX Binary Editor"; }));
    }
    // The third entry (f4) becomes the first.
    editor.PostCommand(ID_RECENT_FIRST + 2);
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "f4.bin - ZORIX Binary Editor"; }));
    ASSERT_TRUE(editor.Close());
    const std::string text = editor.SettingsText();
    EXPECT_EQ(Value(text, "Recent File List", "File1"), data.File("f4.bin"));
    EXPECT_EQ(Value(text, "Recent File List", "File2"), data.File("f6.bin"));
    EXPECT_EQ(Value(text, "Recent File List", "File3"), data.File("f5.bin"));
    EXPECT_EQ(Value(text, "Recent File List", "File4"), data.File("f3.bin"));
    EXPECT_EQ(Value(text, "Recent File List", "File5"), data.File("f2.bin"));
}

TEST(RecentFiles, CaseDifferentPathKeepsTheStoredEntry)
{
    e2e::TestFolder data;
    data.Write("Mixed.bin", "x");
    std::string stored = data.File("Mixed.bin");
    Editor editor("", "[Recent File List]\r\nFile1=C:\\other.bin\r\nFile2=" + stored + "\r\n");
    editor.PostCommand(ID_FILE_OPEN);
    std::string lower = data.File("mixed.BIN");
    ASSERT_TRUE(editor.ChooseFile(lower));
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption().find("ZORIX") != 0; }));
    ASSERT_TRUE(editor.Close());
    const std::string text = editor.SettingsText();
    EXPECT_EQ(Value(text, "Recent File List", "File1"), stored);
    EXPECT_EQ(Value(text, "Recent File List", "File2"), "C:\\other.bin");
    EXPECT_EQ(Value(text, "Recent File List", "File3"), "");
}

TEST(RecentFiles, EntryThatFailsToOpenIsRemovedAtOnce)
{
    e2e::TestFolder data;
    data.Write("kept.bin", "x");
    Editor editor("", "[Recent File List]\r\nFile1=" + data.File("kept.bin") + "\r\nFile2=" + data.File("gone.bin") +
                          "\r\n");
    editor.PostCommand(ID_RECENT_FIRST + 1);
    EXPECT_EQ(editor.AnswerMessage(IDOK).rfind("ファイルが開けません。", 0), 0u);
    ASSERT_TRUE(editor.Close());
    const std::string text = editor.SettingsText();
    EXPECT_EQ(Value(text, "Recent File List", "File1"), data.File("kept.bin"));
    EXPECT_EQ(Value(text, "Recent File List", "File2"), "");
}

TEST(Settings, UnwritableFileLosesOnlyTheSettingsAndSaysNothing)
{
    Editor editor("", "[Settings]\r\nCharCode=2\r\n");
    const std::string before = editor.SettingsText();
    EXPECT_EQ(editor.Pane(4), "EUC");
    // Another program holds the file open without sharing it.
    HANDLE lock = CreateFileA(editor.folder.File("zorix.INI").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    editor.Command(ID_SETTING_UTF8);
    e2e::PostCommand(editor.frame, ID_FILE_EXIT);
    EXPECT_TRUE(editor.process->WaitExit());
    CloseHandle(lock);
    EXPECT_EQ(editor.SettingsText(), before);
}

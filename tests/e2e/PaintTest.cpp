#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

// Rows of sixteen bytes: a label, then the same Japanese words in one encoding.
std::string Row(const std::string& label, const std::string& text)
{
    std::string row = label + text;
    row.resize(16, ' ');
    return row;
}

std::string JapaneseSample()
{
    return Row("SJIS ", "\x93\xfa\x96\x7b\x8c\xea\x82\xa0\xb1") +
           Row("EUC  ", "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xa2\x8e\xb1") +
           Row("UCS2", std::string("\xe5\x65\x2c\x67\x9e\x8a\x42\x30\x41\x00\x0a\x00", 12)) +
           Row("UTF8", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\x82") +
           std::string("\x82\xa0 split pair ->\x82\xa0 then C3 at the end\xc3", 39);
}

} // namespace

TEST(Paint, EveryCharacterCodeShowsTheJapaneseSample)
{
    e2e::TestFolder data;
    data.Write("japanese.bin", JapaneseSample());
    Editor editor("\"" + data.File("japanese.bin") + "\"");
    EXPECT_EQ(editor.Caption(), "japanese.bin - ZORIX Binary Editor");
    editor.Resize(760, 300);
    const struct {
        WORD command;
        const char* pane;
        const char* picture;
    } codes[] = {
        {ID_SETTING_SJIS, "S-JIS", "paint-sjis"},   {ID_SETTING_EUC, "EUC", "paint-euc"},
        {ID_SETTING_UCS2, "UCS2", "paint-ucs2"},    {ID_SETTING_UTF8, "UTF-8", "paint-utf8"},
        {ID_SETTING_ASCII, "ASCII", "paint-ascii"},
    };
    for (const auto& code : codes) {
        editor.Command(code.command);
        EXPECT_EQ(editor.Pane(4), code.pane);
        editor.Screenshot(code.picture);
    }
}

TEST(Paint, ColouringRulesFromTheSettingsFile)
{
    e2e::TestFolder data;
    data.Write("bytes.bin", std::string("\x00\x41\x42\xff\x00\x41", 6));
    Editor editor("\"" + data.File("bytes.bin") + "\"",
                  "[Settings]\r\nColoring=41,0000FF,41,00FF00,--,000000,ff,FF00FF,--,000000\r\n");
    editor.Resize(760, 200);
    editor.Screenshot("paint-coloring");
}

// The status bar draws its panes after the view, when no message waits; a
// typed digit changes the byte the caret pane shows.
TEST(Paint, StatusBarShowsTheTypedByte)
{
    e2e::EditedFile file(std::string(32, '\0'));
    const e2e::Picture before(file.editor.statusBar);
    file.editor.Type("7");
    EXPECT_EQ(file.editor.Pane(1), "01110000");
    EXPECT_TRUE(e2e::WaitUntil([&] { return !(e2e::Picture(file.editor.statusBar) == before); }));
}

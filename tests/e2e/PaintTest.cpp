#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

std::string SampleBytes()
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    bytes += "Shift-JIS: \x82\xa0\x82\xa2\x82\xa4 \x93\xfa\x96\x7b\x8c\xea\r\n";
    return bytes;
}

} // namespace

TEST(Paint, ShowsTheFileNamedOnTheCommandLine)
{
    e2e::TestFolder data;
    data.Write("sample.bin", SampleBytes());
    Editor editor("\"" + data.File("sample.bin") + "\"");
    EXPECT_EQ(editor.Caption(), "sample.bin - ZORIX Binary Editor");
    editor.Resize(900, 460);
    editor.Screenshot("paint-sample-sjis");
    editor.Command(ID_SETTING_ASCII);
    editor.Screenshot("paint-sample-ascii");
}

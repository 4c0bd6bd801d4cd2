#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/common/UnixShell.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// A file of the given size whose bytes are never written: the file system keeps it sparse.
bool MakeSparseFile(const std::string& path, LONGLONG size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = size;
    bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

const std::string tenBytes = "0123456789";

} // namespace

TEST(Files, CommandLineOpensAQuotedPathWithABlank)
{
    e2e::TestFolder data;
    CreateDirectoryA(data.File("my data").c_str(), nullptr);
    data.Write("my data\\x.bin", tenBytes);
    Editor editor(Quoted(data.File("my data\\x.bin")));
    EXPECT_EQ(editor.Caption(), "x.bin - ZORIX Binary Editor");
    EXPECT_EQ(editor.Pane(0), "0x00000000 :  48 , 12592 ,  858927408");
    // Files open read-only until the option says otherwise.
    EXPECT_EQ(editor.Pane(2), "編集禁止");
}

TEST(Files, EmptyFileLoadsUnderItsName)
{
    e2e::TestFolder data;
    data.Write("empty.bin", "");
    Editor editor(data.File("empty.bin"));
    EXPECT_EQ(editor.Caption(), "empty.bin - ZORIX Binary Editor");
    EXPECT_EQ(editor.Pane(0), "0x00000000 :   0 ,     0 ,          0");
}

TEST(Files, MissingFileReportsTheSystemsReason)
{
    e2e::TestFolder data;
    Editor editor(Quoted(data.File("missing.bin")));
    std::string message = editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルが開けません。\r\n", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("ファイルが開けません。\r\n").size());
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
}

TEST(Files, OverlongCommandLineIsRefused)
{
    Editor editor("C:\\" + std::string(300, 'a') + ".bin");
    EXPECT_EQ(editor.AnswerMessage(IDOK), "コマンドラインで指定されたファイル名が長すぎます。");
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
}

TEST(Files, FilesOfFourGibibytesAreRefused)
{
    e2e::TestFolder data;
    ASSERT_TRUE(MakeSparseFile(data.File("huge.bin"), 0x100000001LL));
    Editor editor(data.File("huge.bin"));
    EXPECT_EQ(editor.AnswerMessage(IDOK), "ファイルが大きすぎるため開けません。");
    EXPECT_EQ(editor.Caption(), "ZORIX Binary Editor");
    EXPECT_EQ(editor.Pane(0), "0x00000000 :   0 ,     0 ,          0");
    // The refused file is not the document's name: saving asks for one.
    editor.PostCommand(ID_FILE_SAVE);
    HWND picker = editor.process->WaitDialog();
    ASSERT_NE(picker, nullptr);
    EXPECT_NE(e2e::WindowText(picker), "");
    e2e::PressButton(picker, IDCANCEL);
}

TEST(Files, FileLargerThanMemoryIsRefused)
{
    if (sizeof(void*) > 4)
        GTEST_SKIP() << "only a 32-bit editor has too little address space for this file";
    e2e::TestFolder data;
    ASSERT_TRUE(MakeSparseFile(data.File("big.bin"), 0xF0000000LL));
    Editor editor(data.File("big.bin"));
    EXPECT_EQ(editor.AnswerMessage(IDOK), "メモリが足りないため、ファイルを開けません。");
    EXPECT_EQ(editor.Pane(0), "0x00000000 :   0 ,     0 ,          0");
    EXPECT_TRUE(editor.process->IsRunning());
}

TEST(Files, OneAndAHalfGibibyteFileLoads)
{
    e2e::TestFolder data;
    ASSERT_TRUE(MakeSparseFile(data.File("large.bin"), 0x60000000LL));
    Editor editor(data.File("large.bin"));
    // Reading takes long on a busy machine; the caption names the file once it is in.
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "large.bin - ZORIX Binary Editor"; }, 60000));
    ASSERT_TRUE(editor.StaysWithoutDialog(300));
    editor.Command(ID_EDIT_LAST);
    EXPECT_EQ(editor.Pane(0), "0x60000000 :   0 ,     0 ,          0");
}

TEST(Files, SaveAsToANewNameAsksNothingAndMakesNoBackup)
{
    e2e::TestFolder data;
    data.Write("data.bin", tenBytes);
    Editor editor(data.File("data.bin"));
    editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(editor.ChooseFile(data.File("copy.bin")));
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_EQ(data.Read("copy.bin"), tenBytes);
    EXPECT_FALSE(data.Exists("copy.BAK"));
    EXPECT_EQ(editor.Caption(), "copy.bin - ZORIX Binary Editor");
}

TEST(Files, SaveAsOntoAReadOnlyFileAsksOverwriteThenAttribute)
{
    e2e::TestFolder data;
    data.Write("short.bin", tenBytes);
    data.Write("long.bin", std::string(100, 'x'));
    SetFileAttributesA(data.File("long.bin").c_str(), FILE_ATTRIBUTE_READONLY);
    Editor editor(data.File("short.bin"));
    editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(editor.ChooseFile(data.File("long.bin")));
    EXPECT_EQ(editor.AnswerMessage(IDYES), "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(editor.AnswerMessage(IDYES), "ファイルが読み取り専用です。属性を解除しますか？");
    ASSERT_TRUE(e2e::WaitUntil([&] { return data.Read("long.bin") == tenBytes; }));
    EXPECT_EQ(GetFileAttributesA(data.File("long.bin").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(data.Read("long.BAK"), std::string(100, 'x'));
}

TEST(Files, NoToTheAttributeQuestionWritesNothing)
{
    e2e::TestFolder data;
    data.Write("short.bin", tenBytes);
    data.Write("locked.bin", "old");
    SetFileAttributesA(data.File("locked.bin").c_str(), FILE_ATTRIBUTE_READONLY);
    Editor editor(data.File("short.bin"));
    editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(editor.ChooseFile(data.File("locked.bin")));
    EXPECT_EQ(editor.AnswerMessage(IDYES), "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(editor.AnswerMessage(IDNO), "ファイルが読み取り専用です。属性を解除しますか？");
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_EQ(data.Read("locked.bin"), "old");
    EXPECT_FALSE(data.Exists("locked.BAK"));
}

TEST(Files, BackupTakesTheNameOfTheFileNotOfItsFolder)
{
    e2e::TestFolder data;
    CreateDirectoryA(data.File("dir.x").c_str(), nullptr);
    data.Write("dir.x\\data.bin", tenBytes);
    data.Write("dir.x\\README", "readme");
    {
        Editor editor(data.File("dir.x\\data.bin"));
        editor.Command(ID_FILE_SAVE);
        EXPECT_EQ(data.Read("dir.x\\data.BAK"), tenBytes);
    }
    {
        Editor editor(data.File("dir.x\\README"));
        editor.Command(ID_FILE_SAVE);
        EXPECT_EQ(data.Read("dir.x\\README.BAK"), "readme");
        EXPECT_FALSE(data.Exists("dir.BAK"));
    }
}

TEST(Files, SaveThatCannotWriteSaysSo)
{
    e2e::TestFolder data;
    CreateDirectoryA(data.File("gone").c_str(), nullptr);
    data.Write("gone\\data.bin", tenBytes);
    Editor editor(data.File("gone\\data.bin"));
    DeleteFileA(data.File("gone\\data.bin").c_str());
    RemoveDirectoryA(data.File("gone").c_str());
    editor.PostCommand(ID_FILE_SAVE);
    std::string message = editor.AnswerMessage(IDOK);
    EXPECT_EQ(message.rfind("ファイルを保存できませんでした。\r\n", 0), 0u) << message;
}

TEST(Files, OpenThroughThePicker)
{
    e2e::TestFolder data;
    data.Write("picked.bin", tenBytes);
    Editor editor;
    editor.PostCommand(ID_FILE_OPEN);
    ASSERT_TRUE(editor.ChooseFile(data.File("picked.bin")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return editor.Caption() == "picked.bin - ZORIX Binary Editor"; }));
    EXPECT_NE(editor.ToolbarState(ID_EDIT_READONLY) & 0x01 /* TBSTATE_CHECKED */, 0);
}

namespace {

// A folder on a small file system of its own, filled to the last page around
// a file, so that a save which needs any more room fails. Needs root, as CI has.
class FullDisk {
public:
    explicit FullDisk(const std::string& bytes)
    {
        CreateDirectoryA(data.File("disk").c_str(), nullptr);
        mountPoint = unixshell::UnixPath(data.File("disk"));
        mounted = unixshell::Run("mount -t tmpfs -o size=1m tmpfs '" + mountPoint + "'") == 0;
        if (!mounted)
            return;
        data.Write("disk\\data.bin", bytes);
        unixshell::Run("dd if=/dev/zero of='" + mountPoint + "/fill' bs=4096 2>/dev/null");
    }
    ~FullDisk()
    {
        if (mounted)
            unixshell::Run("umount -l '" + mountPoint + "'");
    }
    void MakeRoom() const { DeleteFileA(data.File("disk\\fill").c_str()); }
    std::string Path() const { return data.File("disk\\data.bin"); }
    std::string Read() const { return data.Read("disk\\data.bin"); }

    e2e::TestFolder data;
    std::string mountPoint;
    bool mounted = false;
};

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

} // namespace

// A save that finds the disk full leaves the old file whole, keeps the
// document modified, and writes everything once there is room.
TEST(Files, FullDiskLeavesTheFileAsItWas)
{
    const std::string original = Pattern(300 * 1024);
    struct Case {
        const char* name;
        const char* settings;
        bool atEnd;
        const char* message;
    } cases[] = {
        {"insert at the head", "[Settings]\r\nInsert=1\r\nReadOnly=0\r\nBackUp=0\r\n", false,
         "ファイルを保存できませんでした。\r\n"},
        {"overwrite past the end", e2e::editableSettings, true, "ファイルを保存できませんでした。\r\n"},
        {"no room for the backup", "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=1\r\n", false,
         "バックアップファイルを作成できませんでした。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FullDisk disk(original);
        ASSERT_TRUE(disk.mounted) << "mounting a tmpfs at " << disk.mountPoint << " was refused";
        Editor editor("\"" + disk.Path() + "\"", c.settings);
        if (c.atEnd)
            editor.Command(ID_EDIT_LAST);
        editor.Type("DEADBEEF");
        std::string edited = original;
        if (c.atEnd)
            edited += "\xDE\xAD\xBE\xEF";
        else if (std::string(c.settings).find("Insert=1") != std::string::npos)
            edited.insert(0, "\xDE\xAD\xBE\xEF");
        else
            edited.replace(0, 4, "\xDE\xAD\xBE\xEF");

        editor.PostCommand(ID_FILE_SAVE);
        std::string message = editor.AnswerMessage(IDOK);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_GT(message.size(), std::string(c.message).size()) << "the system's reason follows";
        EXPECT_TRUE(disk.Read() == original) << "the file on disk changed";
        EXPECT_EQ(editor.Caption(), "data.bin * - ZORIX Binary Editor");

        disk.MakeRoom();
        editor.Command(ID_FILE_SAVE);
        EXPECT_TRUE(disk.Read() == edited);
        EXPECT_EQ(editor.Caption(), "data.bin - ZORIX Binary Editor");
        ASSERT_TRUE(editor.Close());
    }
}

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
    editor.Command(ID_EDIT_READONLY);
    editor.Type("41");
    editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(editor.ChooseFile(data.File("locked.bin")));
    EXPECT_EQ(editor.AnswerMessage(IDYES), "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(editor.AnswerMessage(IDNO), "ファイルが読み取り専用です。属性を解除しますか？");
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_EQ(data.Read("locked.bin"), "old");
    EXPECT_FALSE(data.Exists("locked.BAK"));
    editor.Command(ID_EDIT_UNDO);
    EXPECT_EQ(editor.Caption(), "short.bin - ZORIX Binary Editor");
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

// Save asks before overwriting another program's changes; after its own saves, or with the file
// deleted, it asks nothing.
TEST(Files, SaveAsksBeforeOverwritingAnotherProgramsChanges)
{
    const char question[] = "ファイルは他のプログラムによって変更されています。上書きしますか？";
    e2e::EditedFile file(tenBytes);
    file.editor.Type("41");
    file.data.Write("data.bin", "9876543210");
    EXPECT_EQ(file.editor.Answer(ID_FILE_SAVE, IDNO), question);
    EXPECT_EQ(file.data.Read("data.bin"), "9876543210");
    EXPECT_EQ(file.editor.Caption(), "data.bin * - ZORIX Binary Editor");
    EXPECT_EQ(file.editor.Answer(ID_FILE_SAVE, IDYES), question);
    file.editor.Type("42");
    EXPECT_TRUE(file.Saved("AB23456789"));
    DeleteFileA(file.data.File("data.bin").c_str());
    EXPECT_TRUE(file.Saved("AB23456789"));
}

// A name longer than the picker can return is reported, not taken for a cancel.
TEST(Files, NameTooLongForThePickerIsReported)
{
    e2e::EditedFile file(tenBytes);
    file.editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(file.editor.ChooseFile(file.data.File(std::string(MAX_PATH - file.data.Path().size(), 'n'))));
    EXPECT_EQ(file.editor.AnswerMessage(IDOK), "指定されたファイル名が長すぎます。");
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

// A folder on a small file system of its own, filled but for roomLeft bytes around
// a file, so that a save which needs any more room fails. Needs root, as CI has.
class FullDisk {
public:
    FullDisk(const std::string& bytes, unsigned long roomLeft)
    {
        CreateDirectoryA(data.File("disk").c_str(), nullptr);
        mountPoint = unixshell::UnixPath(data.File("disk"));
        mounted = unixshell::Run("mount -t tmpfs -o size=1m tmpfs '" + mountPoint + "'") == 0;
        if (!mounted)
            return;
        data.Write("disk\\data.bin", bytes);
        data.Write("disk\\data.BAK", "older");
        unixshell::Run("cd '" + mountPoint + "' && truncate -s 64K data.bin && (dd if=/dev/zero of=fill bs=4096;"
                       " truncate -s -" + std::to_string(roomLeft) + " fill) 2>/dev/null");
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

// A save that fails for want of room says why and leaves the file (unless it says
// otherwise), an older backup, the read-only attribute and no temporary copy; only a
// failed write to the document's own file puts the saved state out of undo's reach.
// Once there is room it writes everything. data.bin: a page, then a hole to 64 KiB.
TEST(Files, FullDiskLeavesTheFileAsItWas)
{
    const std::string page = Pattern(4096), original = page + std::string(61440, '\0');
    const char partly[] = "ファイルを保存できませんでした。ファイルの内容は一部書き換えられています。\r\n";
    struct Case {
        const char* name;
        const char* settings;
        bool atEnd;
        const char* message;
        const char* saveAs = nullptr;
        unsigned long roomLeft = 0;
        bool savedWithinReach = false, readOnly = false, deleting = false; // read-only: Yes answered; Delete pressed
    } cases[] = {
        {"insert at the head", "[Settings]\r\nInsert=1\r\nReadOnly=0\r\nBackUp=0\r\n", false,
         "ファイルを保存できませんでした。\r\n"},
        {"overwrite past the end", e2e::editableSettings, true, "ファイルを保存できませんでした。\r\n"},
        {"no room for the backup", "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=1\r\n", false,
         "バックアップファイルを作成できませんでした。\r\n", nullptr, 0, true},
        {"shrinking a read-only file", e2e::editableSettings, false, partly, nullptr, 0, false, true, true},
        {"same size, backed up", "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=1\r\n", false, partly, nullptr, 65536},
        {"a new name", e2e::editableSettings, false, "ファイルを保存できませんでした。\r\n", "new.bin", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FullDisk disk(page, c.roomLeft);
        ASSERT_TRUE(disk.mounted) << "mounting a tmpfs at " << disk.mountPoint << " was refused";
        SetFileAttributesA(disk.Path().c_str(), c.readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        Editor editor("\"" + disk.Path() + "\"", c.settings);
        if (c.atEnd)
            editor.Command(ID_EDIT_LAST);
        c.deleting ? e2e::PostKey(editor.frame, VK_DELETE) : editor.Type("41");
        editor.PostCommand(c.saveAs ? ID_FILE_SAVEAS : ID_FILE_SAVE);
        ASSERT_TRUE(!c.saveAs || editor.ChooseFile(disk.data.File("disk\\") + c.saveAs));
        EXPECT_TRUE(!c.readOnly || editor.AnswerMessage(IDYES) == "ファイルが読み取り専用です。属性を解除しますか？");
        std::string message = editor.AnswerMessage(IDOK);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_GT(message.size(), std::string(c.message).size()) << "the system's reason follows";
        EXPECT_TRUE(c.message == partly || disk.Read() == original) << "the file on disk changed";
        EXPECT_TRUE(disk.data.Read("disk\\data.BAK") == (message.find("data.BAK") < message.size() ? original : "older"));
        EXPECT_NE(unixshell::Run("ls '" + disk.mountPoint + "'/*.tmp 2>/dev/null"), 0) << "a copy was left";
        EXPECT_EQ((GetFileAttributesA(disk.Path().c_str()) & FILE_ATTRIBUTE_READONLY) != 0, c.readOnly);
        EXPECT_FALSE(c.saveAs && disk.data.Exists(std::string("disk\\") + c.saveAs));
        EXPECT_EQ(editor.Caption(), "data.bin * - ZORIX Binary Editor");
        editor.Command(ID_EDIT_UNDO);
        EXPECT_EQ(editor.Caption().find('*') == std::string::npos, c.savedWithinReach) << editor.Caption();

        SetFileAttributesA(disk.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        disk.MakeRoom();
        editor.Command(ID_FILE_SAVE);
        EXPECT_TRUE(disk.Read() == original);
        EXPECT_EQ(editor.Caption(), "data.bin - ZORIX Binary Editor");
        ASSERT_TRUE(editor.Close());
    }
}

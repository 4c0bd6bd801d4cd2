#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/common/SmallDisk.h"
#include "tests/e2e/Editor.h"

using e2e::Editor;

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// A file grown to the given size by bytes that are never written: the file system keeps them sparse.
bool MakeSparseFile(const std::string& path, LONGLONG size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = size;
    bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

const std::string tenBytes = "0123456789";

const char insertSettings[] = "[Settings]\r\nInsert=1\r\nReadOnly=0\r\nBackUp=0\r\n";
const char backUpSettings[] = "[Settings]\r\nInsert=0\r\nReadOnly=0\r\nBackUp=1\r\n";

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
    Editor editor(data.File("short.bin"), backUpSettings);
    editor.Type("41");
    editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(editor.ChooseFile(data.File("locked.bin")));
    EXPECT_EQ(editor.AnswerMessage(IDYES), "ファイルは既に存在します。上書きしますか？");
    EXPECT_EQ(editor.AnswerMessage(IDNO), "ファイルが読み取り専用です。属性を解除しますか？");
    EXPECT_TRUE(editor.StaysWithoutDialog());
    EXPECT_EQ(data.Read("locked.bin"), "old");
    EXPECT_FALSE(data.Exists("locked.BAK"));
    // The document keeps its name, so undoing reaches the file it came from.
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

// Save does not overwrite another program's changes unasked; this program's
// own saves and a file deleted meanwhile ask nothing.
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
    file.editor.Type("43");
    EXPECT_TRUE(file.Saved("ABC3456789"));
}

// A name longer than the picker can return is reported, not taken for a cancel.
TEST(Files, NameTooLongForThePickerIsReported)
{
    e2e::EditedFile file(tenBytes);
    file.editor.Type("41");
    file.editor.PostCommand(ID_FILE_SAVEAS);
    ASSERT_TRUE(file.editor.ChooseFile(file.data.File(std::string(MAX_PATH - file.data.Path().size(), 'n'))));
    EXPECT_EQ(file.editor.AnswerMessage(IDOK), "指定されたファイル名が長すぎます。");
    EXPECT_EQ(file.editor.Caption(), "data.bin * - ZORIX Binary Editor");
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

// Files in a folder on a small disk of its own, which the test fills.
struct FullDisk : private e2e::TestFolder, public SmallDisk {
    FullDisk() : SmallDisk(File("disk")) {}
    std::string Path(const std::string& name = "data.bin") const { return File("disk\\" + name); }
    void Write(const std::string& name, const std::string& bytes) const { TestFolder::Write("disk\\" + name, bytes); }
    std::string Read(const std::string& name = "data.bin") const { return TestFolder::Read("disk\\" + name); }
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
        {"insert at the head", insertSettings, false,
         "ファイルを保存できませんでした。\r\n"},
        {"overwrite past the end", e2e::editableSettings, true, "ファイルを保存できませんでした。\r\n"},
        {"no room for the backup", backUpSettings, false,
         "バックアップファイルを作成できませんでした。\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FullDisk disk;
        ASSERT_TRUE(disk.mounted) << "mounting a tmpfs was refused";
        disk.Write("data.bin", original);
        disk.Write("data.BAK", "older");
        disk.Fill();
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
        EXPECT_TRUE(disk.Read("data.BAK") == "older") << "the older backup was lost";
        WIN32_FIND_DATAA found;
        EXPECT_EQ(FindFirstFileA(disk.Path("*.tmp").c_str(), &found), INVALID_HANDLE_VALUE) << "a copy was left";
        EXPECT_EQ(editor.Caption(), "data.bin * - ZORIX Binary Editor");

        disk.MakeRoom();
        editor.Command(ID_FILE_SAVE);
        EXPECT_TRUE(disk.Read() == edited);
        EXPECT_EQ(editor.Caption(), "data.bin - ZORIX Binary Editor");
        ASSERT_TRUE(editor.Close());
    }
}

// A save that fails in writing the document's file leaves no undo step that
// claims the bytes on disk: the document stays modified. One that wrote
// nothing, or wrote to another name, keeps the saved state within reach. data.bin holds one page, then a hole that a full disk
// has no room to fill; '-' is the Delete key.
TEST(Files, FailedSavesKeepTheDocumentModifiedThroughUndo)
{
    const std::string cannotSave = "ファイルを保存できませんでした。\r\n";
    const std::string partly = "ファイルを保存できませんでした。ファイルの内容は一部書き換えられています。\r\n";
    // Two steps are typed, then taken back after the failed save.
    const struct Case {
        const char* name;
        const char* settings;
        unsigned long room;
        const char* keys;
        const char* saveAs;
        int attributeAnswer; // data.bin is read-only when nonzero
        std::string message;
        bool savedWithinReach;
    } cases[] = {
        {"read-only, No", e2e::editableSettings, 0, "4142", nullptr, IDNO, "", true},
        {"read-only, Yes, growing", insertSettings, 0, "4142", nullptr, IDYES, cannotSave, false},
        {"no room for the backup", backUpSettings, 0, "4142", nullptr, 0,
         "バックアップファイルを作成できませんでした。\r\n", true},
        {"shrinking", e2e::editableSettings, 0, "--", nullptr, 0, partly, false},
        {"keeping the size after the backup", backUpSettings, 65536, "4142", nullptr, 0,
         partly + "元の内容はバックアップファイル「data.BAK」に残っています。\r\n", false},
        {"a new name", e2e::editableSettings, 0, "4142", "new.bin", 0, cannotSave, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FullDisk disk;
        ASSERT_TRUE(disk.mounted) << "mounting a tmpfs was refused";
        disk.Write("data.bin", Pattern(4096));
        ASSERT_TRUE(MakeSparseFile(disk.Path(), 65536));
        if (c.attributeAnswer)
            SetFileAttributesA(disk.Path().c_str(), FILE_ATTRIBUTE_READONLY);
        disk.Fill(c.room);
        Editor editor(Quoted(disk.Path()), c.settings);
        for (const char* key = c.keys; *key; ++key)
            *key == '-' ? e2e::PostKey(editor.frame, VK_DELETE) : editor.Type(std::string(1, *key));
        editor.PostCommand(c.saveAs ? ID_FILE_SAVEAS : ID_FILE_SAVE);
        if (c.saveAs) {
            ASSERT_TRUE(editor.ChooseFile(disk.Path(c.saveAs)));
        }
        if (c.attributeAnswer) {
            EXPECT_EQ(editor.AnswerMessage(c.attributeAnswer), "ファイルが読み取り専用です。属性を解除しますか？");
        }
        const std::string message = c.message.empty() ? "" : editor.AnswerMessage(IDOK);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        EXPECT_TRUE(editor.StaysWithoutDialog(300));
        const char modifiedTitle[] = "data.bin * - ZORIX Binary Editor";
        EXPECT_EQ(editor.Caption(), modifiedTitle);
        editor.Command(ID_EDIT_UNDO);
        EXPECT_EQ(editor.Caption(), modifiedTitle);
        editor.Command(ID_EDIT_UNDO);
        EXPECT_EQ(editor.Caption(), c.savedWithinReach ? "data.bin - ZORIX Binary Editor" : modifiedTitle);
        EXPECT_EQ((GetFileAttributesA(disk.Path().c_str()) & FILE_ATTRIBUTE_READONLY) != 0, c.attributeAnswer != 0);
        EXPECT_FALSE(c.saveAs && GetFileAttributesA(disk.Path(c.saveAs).c_str()) != INVALID_FILE_ATTRIBUTES);
    }
}

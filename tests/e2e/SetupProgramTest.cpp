#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/UnixShell.h"
#include "tests/e2e/Harness.h"

namespace {

using e2e::TestFolder;

const int KindCount = 3;
enum Kind { Desktop, SendTo, Startup };
const char* const folderValues[KindCount] = {"Desktop", "SendTo", "Startup"};
const int boxIds[KindCount] = {1000, 1001, 1002};
const std::string shortcutNames[KindCount] = {"ZORIX バイナリエディタ", "ZORIX で開く", "ZORIX"};

// A registry value as it was, to be put back.
struct SavedValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

SavedValue SaveValue(HKEY key, const char* name)
{
    SavedValue saved;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
        saved.data.resize(size);
        saved.present = RegQueryValueExA(key, name, nullptr, &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
    }
    return saved;
}

void RestoreValue(HKEY key, const char* name, const SavedValue& saved)
{
    if (saved.present)
        RegSetValueExA(key, name, 0, saved.type, saved.data.data(), static_cast<DWORD>(saved.data.size()));
    else
        RegDeleteValueA(key, name);
}

// The names of the files in a folder (given with its trailing backslash).
std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

void DeleteFilesIn(const std::string& folder)
{
    for (const std::string& name : FilesIn(folder))
        DeleteFileA((folder + name).c_str());
}

// Points the per-user shell folders at scratch folders, so no test leaves
// shortcuts in the real ones, and puts them back afterwards. Wine rewrites
// "Shell Folders" from "User Shell Folders" whenever a folder is looked up,
// so both are pointed. Wine's desktop may start watching the desktop folder
// and then holds it open, so the scratch folders are kept and only emptied.
// Tests in parallel processes share them and the registry, so they take turns.
class ShellFolderRedirect {
public:
    ShellFolderRedirect() : turn(CreateMutexA(nullptr, FALSE, "zorix-setup-e2e"))
    {
        WaitForSingleObject(turn, 60000);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        const std::string base = std::string(temp) + "zorix-setup-e2e\\";
        CreateDirectoryA(base.c_str(), nullptr);
        const char* const names[2] = {"Shell Folders", "User Shell Folders"};
        for (int k = 0; k < 2; ++k)
            RegCreateKeyExA(HKEY_CURRENT_USER,
                            (std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\") + names[k]).c_str(),
                            0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &keys[k], nullptr);
        for (int kind = 0; kind < KindCount; ++kind) {
            for (int k = 0; k < 2; ++k)
                saved[k][kind] = SaveValue(keys[k], folderValues[kind]);
            folders[kind] = base + folderValues[kind] + "\\";
            CreateDirectoryA(folders[kind].c_str(), nullptr);
            DeleteFilesIn(folders[kind]);
            for (HKEY key : keys)
                RegSetValueExA(key, folderValues[kind], 0, REG_SZ, reinterpret_cast<const BYTE*>(folders[kind].c_str()),
                               static_cast<DWORD>(folders[kind].size() + 1));
        }
    }

    ~ShellFolderRedirect()
    {
        for (int k = 0; k < 2; ++k) {
            for (int kind = 0; kind < KindCount; ++kind)
                RestoreValue(keys[k], folderValues[kind], saved[k][kind]);
            RegCloseKey(keys[k]);
        }
        for (const std::string& folder : folders)
            DeleteFilesIn(folder);
        ReleaseMutex(turn);
        CloseHandle(turn);
    }

    ShellFolderRedirect(const ShellFolderRedirect&) = delete;
    ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;

    // With its trailing backslash.
    const std::string& Folder(int kind) const { return folders[kind]; }

    void Forget(int kind) const
    {
        for (HKEY key : keys)
            RegDeleteValueA(key, folderValues[kind]);
    }

private:
    HANDLE turn;
    HKEY keys[2] = {};
    SavedValue saved[2][KindCount];
    std::string folders[KindCount];
};

std::string Settings(const std::string& lines)
{
    return "[Settings]\r\n" + lines;
}

std::string AllThreeShortcuts(const std::string& file)
{
    return Settings("Title=ZORIX セットアップ\r\nDesktop=" + shortcutNames[Desktop] + "\r\nSendTo=" +
                    shortcutNames[SendTo] + "\r\nStartup=" + shortcutNames[Startup] + "\r\nFile=" + file + "\r\n");
}

// The setup program, under the given name and beside its INI file, in a
// folder of its own that also holds the program its shortcuts point at. It
// is started from another folder, so only its own location can lead it there.
class SetupProgram {
public:
    explicit SetupProgram(const std::string& settings, const std::string& baseName = "SETUP")
        : programFolder(root.File("program\\")),
          programPath(programFolder + baseName + ".EXE"),
          settingsName("program\\" + baseName + ".INI")
    {
        CreateDirectoryA(programFolder.c_str(), nullptr);
        CreateDirectoryA((programFolder + "bin").c_str(), nullptr);
        root.Write("program\\bin\\エディタ.exe", "MZ");
        CopyFileA((e2e::BuildFolder() + "setup.exe").c_str(), programPath.c_str(), FALSE);
        if (!settings.empty())
            WriteSettings(settings);
    }

    void WriteSettings(const std::string& settings) const { root.Write(settingsName, settings); }

    // Starts the program and waits for its dialog (or its message box).
    HWND Start()
    {
        process = std::make_unique<e2e::Process>(programPath, "", root.Path());
        return process->WaitTopWindow("#32770");
    }

    // Presses a button of the dialog; true when the program then ends with code 0.
    bool Finish(HWND dialog, int button) const
    {
        e2e::PressButton(dialog, button);
        DWORD code = 0xFFFFFFFF;
        return process->WaitExit() && GetExitCodeProcess(process->Handle(), &code) && code == 0;
    }

    std::string Link(int kind, const std::string& name = "") const
    {
        return shellFolders.Folder(kind) + (name.empty() ? shortcutNames[kind] : name) + ".lnk";
    }

    TestFolder root;
    ShellFolderRedirect shellFolders;
    const std::string programFolder;
    const std::string programPath;
    const std::string settingsName;
    std::unique_ptr<e2e::Process> process;
};

HWND Box(HWND dialog, int kind)
{
    return e2e::DialogItem(dialog, boxIds[kind]);
}

bool IsTicked(HWND dialog, int kind)
{
    return SendMessageA(Box(dialog, kind), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Clicks the box the way the mouse does, and waits until it shows the change.
bool Toggle(HWND dialog, int kind)
{
    const bool before = IsTicked(dialog, kind);
    PostMessageA(Box(dialog, kind), BM_CLICK, 0, 0);
    return e2e::WaitUntil([&] { return IsTicked(dialog, kind) != before; });
}

// What Debian's lnkinfo, an independent reader of the link format, prints for
// one shortcut, as code page 932 text.
std::string LnkInfo(const TestFolder& scratch, const std::string& link)
{
    static int runs = 0;
    const std::string report = scratch.File("lnkinfo-" + std::to_string(runs++) + ".txt");
    unixshell::Run("lnkinfo -c windows-932 '" + unixshell::UnixPath(link) + "' > '" + unixshell::UnixPath(report) +
                   "' 2>&1");
    std::ifstream in(report, std::ios::binary);
    return e2e::ToCodePage932(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
                              CP_UTF8);
}

// The value lnkinfo prints after "label:" (its labels are padded with tabs).
std::string LnkInfoField(const std::string& report, const std::string& label)
{
    size_t at = report.find("\t" + label + "\t");
    if (at == std::string::npos)
        return "<no " + label + ">";
    at = report.find(": ", at) + 2;
    return report.substr(at, report.find('\n', at) - at);
}

// The show command, a 32-bit value at 0x3C of the link header (lnkinfo does
// not print it); -1 when the file does not start with a link header.
long ShowCommandOf(const std::string& link)
{
    static const unsigned char linkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    if (link.size() < 0x4C || link[0] != 0x4C || std::memcmp(&link[4], linkClsid, 16) != 0)
        return -1;
    DWORD value;
    std::memcpy(&value, &link[0x3C], sizeof value);
    return static_cast<long>(value);
}

struct LinkFacts {
    std::string target;
    std::string workingFolder;
    long showCommand;
    std::string report;
};

LinkFacts ReadLink(const TestFolder& root, const std::string& link)
{
    LinkFacts facts;
    facts.report = LnkInfo(root, link);
    facts.target = LnkInfoField(facts.report, "Local path");
    facts.workingFolder = LnkInfoField(facts.report, "Working directory");
    facts.showCommand = ShowCommandOf(ReadBytes(link));
    return facts;
}

// Lets a posted click be handled and painted before the picture is taken.
void Screenshot(HWND dialog, const std::string& name)
{
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    Sleep(200);
    e2e::SaveScreenshot(dialog, name);
}

} // namespace

TEST(SetupProgram, TickedBoxesCreateShortcutsToTheFileBesideTheProgram)
{
    SetupProgram setup(AllThreeShortcuts("bin\\エディタ.exe"));
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(dialog), "ZORIX セットアップ");
    for (int kind = 0; kind < KindCount; ++kind) {
        EXPECT_TRUE(IsWindowEnabled(Box(dialog, kind)));
        EXPECT_FALSE(IsTicked(dialog, kind));
        ASSERT_TRUE(Toggle(dialog, kind));
    }
    Screenshot(dialog, "setup-all-ticked");
    ASSERT_TRUE(setup.Finish(dialog, IDOK));

    for (int kind = 0; kind < KindCount; ++kind) {
        SCOPED_TRACE(folderValues[kind]);
        ASSERT_TRUE(Exists(setup.Link(kind)));
        LinkFacts link = ReadLink(setup.root, setup.Link(kind));
        EXPECT_EQ(link.target, setup.programFolder + "bin\\エディタ.exe") << link.report;
        EXPECT_EQ(link.workingFolder, setup.programFolder) << link.report;
        EXPECT_EQ(link.showCommand, SW_SHOWNORMAL);
    }
}

TEST(SetupProgram, ReopeningShowsExistingShortcutsAndOnlyOkChangesThem)
{
    SetupProgram setup(AllThreeShortcuts("bin\\old.exe"));
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Toggle(dialog, Desktop));
    ASSERT_TRUE(Toggle(dialog, Startup));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));

    dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsTicked(dialog, Desktop));
    EXPECT_FALSE(IsTicked(dialog, SendTo));
    EXPECT_TRUE(IsTicked(dialog, Startup));
    ASSERT_TRUE(Toggle(dialog, Desktop));
    ASSERT_TRUE(Toggle(dialog, SendTo));
    ASSERT_TRUE(setup.Finish(dialog, IDCANCEL));
    EXPECT_TRUE(Exists(setup.Link(Desktop))) << "deleted by Cancel";
    EXPECT_FALSE(Exists(setup.Link(SendTo))) << "created by Cancel";

    // OK rewrites a shortcut left ticked with the current target.
    setup.WriteSettings(AllThreeShortcuts("bin\\エディタ.exe"));
    dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Toggle(dialog, Startup));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));
    EXPECT_FALSE(Exists(setup.Link(Startup)));
    EXPECT_FALSE(Exists(setup.Link(SendTo)));
    LinkFacts link = ReadLink(setup.root, setup.Link(Desktop));
    EXPECT_EQ(link.target, setup.programFolder + "bin\\エディタ.exe") << link.report;
}

TEST(SetupProgram, AnEmptyOrMissingNameDisablesItsBoxAndOkLeavesThatFolderAlone)
{
    // Without a name the shortcut's file would be ".lnk": not the program's.
    SetupProgram setup(Settings("Desktop=\r\nSendTo=ZORIX で開く\r\nFile=bin\\エディタ.exe\r\n"));
    WriteBytes(setup.shellFolders.Folder(Desktop) + ".lnk", "someone else's");
    WriteBytes(setup.shellFolders.Folder(Startup) + ".lnk", "someone else's");
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Box(dialog, Desktop)));
    EXPECT_FALSE(IsWindowEnabled(Box(dialog, Startup)));
    EXPECT_TRUE(IsWindowEnabled(Box(dialog, SendTo)));
    EXPECT_FALSE(IsTicked(dialog, Desktop));
    ASSERT_TRUE(Toggle(dialog, SendTo));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));

    EXPECT_TRUE(Exists(setup.Link(SendTo)));
    for (int kind : {Desktop, Startup}) {
        SCOPED_TRACE(folderValues[kind]);
        EXPECT_EQ(FilesIn(setup.shellFolders.Folder(kind)), std::vector<std::string>{".lnk"});
        EXPECT_EQ(ReadBytes(setup.shellFolders.Folder(kind) + ".lnk"), "someone else's");
    }
}

TEST(SetupProgram, CaptionComesFromTitleOrIsQuentar)
{
    SetupProgram setup(Settings("Desktop=ZORIX\r\n"));
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(dialog), "QUENTAR");
    ASSERT_TRUE(setup.Finish(dialog, IDCANCEL));

    // 200 two-byte characters do not fit the 256-byte buffer.
    std::string longTitle;
    for (int i = 0; i < 200; ++i)
        longTitle += "漢";
    setup.WriteSettings(Settings("Title=" + longTitle + "\r\n"));
    dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    std::string caption = e2e::WindowText(dialog);
    EXPECT_GE(caption.size(), 200u);
    EXPECT_LE(caption.size(), 255u);
    EXPECT_EQ(caption.size() % 2, 0u) << "cut inside a character";
    EXPECT_EQ(caption, longTitle.substr(0, caption.size()));
    ASSERT_TRUE(setup.Finish(dialog, IDCANCEL));
}

TEST(SetupProgram, MissingSettingsFileShowsTheMessageAndEnds)
{
    SetupProgram setup("");
    HWND box = setup.Start();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), "設定ファイルが見つかりません。");
    EXPECT_EQ(setup.process->TopWindows("#32770").size(), 1u) << "the dialog showed before the message";
    Screenshot(box, "setup-missing-settings");
    ASSERT_TRUE(setup.Finish(box, IDOK));
}

TEST(SetupProgram, SettingsFileIsNamedAfterTheProgram)
{
    // The trail byte of "ソ" is a backslash: the program's folder must not end inside it.
    SetupProgram setup(Settings("Title=ソフトの設定\r\nStartup=ZORIX\r\nFile=bin\\エディタ.exe\r\n"), "ソフト");
    setup.root.Write("program\\SETUP.INI", Settings("Title=wrong file\r\n"));
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(dialog), "ソフトの設定");
    ASSERT_TRUE(Toggle(dialog, Startup));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));

    LinkFacts link = ReadLink(setup.root, setup.Link(Startup));
    EXPECT_EQ(link.target, setup.programFolder + "bin\\エディタ.exe") << link.report;
    EXPECT_EQ(link.workingFolder, setup.programFolder) << link.report;
}

TEST(SetupProgram, KindsWithoutAFolderOrAFittingPathAreSkipped)
{
    const std::string longName(240, 'N');
    SetupProgram setup(Settings("Desktop=ZORIX\r\nSendTo=ZORIX\r\nStartup=" + longName + "\r\nFile=bin\\エディタ.exe\r\n"));
    setup.shellFolders.Forget(SendTo);
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    for (int kind = 0; kind < KindCount; ++kind)
        ASSERT_TRUE(Toggle(dialog, kind));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));
    EXPECT_TRUE(Exists(setup.Link(Desktop, "ZORIX")));
    EXPECT_TRUE(FilesIn(setup.shellFolders.Folder(Startup)).empty()) << "written under a cut path";

    // A target too long for its buffer leaves the existing shortcut as it was.
    setup.WriteSettings(Settings("Desktop=ZORIX\r\nFile=" + std::string(250, 'F') + "\r\n"));
    dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsTicked(dialog, Desktop));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));
    LinkFacts link = ReadLink(setup.root, setup.Link(Desktop, "ZORIX"));
    EXPECT_EQ(link.target, setup.programFolder + "bin\\エディタ.exe") << "rewritten with a cut target";
}

TEST(SetupProgram, NamesThatAreNoFileNamesDisableTheirBoxes)
{
    // "..\" would lead out of the Desktop folder, "c:d" names a drive; the
    // trail byte of "表" is a backslash but no separator.
    SetupProgram setup(Settings("Desktop=..\\Escaped\r\nSendTo=c:d\r\nStartup=表\r\nFile=bin\\エディタ.exe\r\n"));
    const std::string outside = setup.shellFolders.Folder(Desktop) + "..\\Escaped.lnk";
    WriteBytes(outside, "someone else's");
    HWND dialog = setup.Start();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Box(dialog, Desktop)));
    EXPECT_FALSE(IsWindowEnabled(Box(dialog, SendTo)));
    EXPECT_TRUE(IsWindowEnabled(Box(dialog, Startup)));
    ASSERT_TRUE(Toggle(dialog, Startup));
    ASSERT_TRUE(setup.Finish(dialog, IDOK));

    EXPECT_EQ(ReadBytes(outside), "someone else's");
    DeleteFileA(outside.c_str());
    EXPECT_TRUE(FilesIn(setup.shellFolders.Folder(SendTo)).empty());
    EXPECT_EQ(FilesIn(setup.shellFolders.Folder(Startup)), std::vector<std::string>{"表.lnk"});
}

TEST(Release, UnpackedZipSetsUpItsShortcutAndOpensFiles)
{
    TestFolder root;
    ShellFolderRedirect shellFolders;
    const std::string folder = root.File("my tools\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_EQ(unixshell::Run("cd '" + unixshell::UnixPath(folder) + "' && cmake -E tar xf '" ZORIX_BUILD_DIR
                             "/zorix-1.07.zip'"),
              0);
    const std::string program = folder + "zorix-1.07\\";
    for (const char* name : {"zorix.exe", "zorix.CHM", "setup.exe", "setup.INI", "readme.txt"})
        EXPECT_TRUE(Exists(program + name)) << name;

    e2e::Process setup(program + "setup.exe", "", root.Path());
    HWND dialog = setup.WaitTopWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(e2e::WindowText(dialog), "ZORIX Binary Editor セットアップ");
    EXPECT_FALSE(IsWindowEnabled(Box(dialog, Startup)));
    ASSERT_TRUE(Toggle(dialog, Desktop));
    e2e::PressButton(dialog, IDOK);
    ASSERT_TRUE(setup.WaitExit());
    LinkFacts link = ReadLink(root, shellFolders.Folder(Desktop) + "ZORIX Binary Editor.lnk");
    EXPECT_EQ(link.target, program + "zorix.exe") << link.report;

    // The editor the shortcut starts opens a file.
    root.Write("sample.bin", "ZORIX");
    e2e::Process editor(link.target, "\"" + root.File("sample.bin") + "\"", link.workingFolder);
    HWND frame = editor.WaitTopWindow("ZORIXBinaryEditorClass");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WindowText(frame) == "sample.bin - ZORIX Binary Editor"; }));
}

#pragma once
// The editor started in a fresh folder of its own (so it has its own settings file).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ScreenDensity.h"
#include "tests/e2e/Harness.h"

namespace e2e {

class Editor {
public:
    // settings: the text of the settings file beside the program, none when empty.
    // programName: the name the program is copied under, with its extension.
    explicit Editor(const std::string& arguments = "", const std::string& settings = "",
                    const std::string& programName = "zorix.exe");
    ~Editor();

    TestFolder folder;
    const std::string programName;
    std::unique_ptr<Process> process;
    HWND frame = nullptr;
    HWND view = nullptr;
    HWND toolBar = nullptr;
    HWND statusBar = nullptr;

    std::string Caption() const { return WindowText(frame); }
    std::string Pane(int pane) const { return StatusPaneText(*process, statusBar, pane); }
    // Runs a command to its end; for commands that open no dialog.
    void Command(WORD id) const;
    // Queues a command; for commands that open a dialog or a message box.
    void PostCommand(WORD id) const { e2e::PostCommand(frame, id); }
    // Posts a command that opens a dialog and waits for the dialog.
    HWND OpenDialog(WORD id) const;
    // Types the characters as if from the keyboard and waits until they are handled.
    void Type(const std::string& characters) const;
    LRESULT ToolbarState(WORD id) const;
    // Whether the toolbar button of the command can be pressed.
    bool Enabled(WORD id) const;
    // Asks the editor to close and waits for the process to end.
    bool Close() const;
    void Resize(int width, int height) const;
    // Waits for a message box (shown over the dialog, if one is given),
    // answers it with the button and returns its text.
    std::string AnswerMessage(int button, HWND over = nullptr) const;
    // Queues a command that shows a message box and answers it; the message text.
    std::string Answer(WORD id, int button = IDOK) const
    {
        PostCommand(id);
        return AnswerMessage(button);
    }
    // The caret offset, as the status bar shows it.
    unsigned long Caret() const;
    // Waits for the file picker and chooses the path in it.
    bool ChooseFile(const std::string& path, HWND over = nullptr) const;
    // True when no dialog or message box shows up within the time.
    bool StaysWithoutDialog(DWORD timeoutMs = 700) const { return process->WaitDialog(timeoutMs) == nullptr; }
    // Drops the files on the frame, as the shell does when they are dragged onto it.
    void DropFiles(const std::vector<std::string>& paths) const;
    // The file beside the program named after it, with the given extension.
    std::string CompanionName(const std::string& extension) const;
    std::string SettingsText() const { return folder.Read(CompanionName("INI")); }
    // The value of a key in the settings file as it is now.
    std::string Setting(const std::string& section, const std::string& key) const;
    std::string Screenshot(const std::string& name) const { return SaveScreenshot(frame, name); }
    // Where the first digit of a byte, or its character, lies on the screen
    // while the top row is shown, for the display font of a fresh start.
    RECT CellOnScreen(uint32_t offset, bool characterColumn = false, int dpi = SystemDpi()) const;
    // Keeps the frame, and the dialogs it owns, above the windows of tests
    // running beside this one, so that pictures of the screen show this editor.
    void StayOnTop() const;
};

// Settings under which files open for editing, typing overwrites and saving keeps no backup.
extern const char editableSettings[];

// The editor on data.bin, a file of the given bytes in a folder of its own.
struct EditedFile {
    explicit EditedFile(const std::string& bytes, const std::string& settings = editableSettings);
    // Saves by the command and tells whether the file then holds the bytes.
    bool Saved(const std::string& expected) const;

    TestFolder data;
    Editor editor;
};

// The settings file's lines without carriage returns and blank lines.
std::string SettingsLines(const std::string& text);
// The value of a key as the settings file text holds it, or "<missing>".
std::string SettingsValue(const std::string& text, const std::string& section, const std::string& key);

} // namespace e2e

#pragma once
#include <windows.h>

#include <memory>

#include "app/DetachedInputContexts.h"
#include "keys/KeyTable.h"
#include "platform/ScreenDensity.h"
#include "search/PatternScan.h"
#include "settings/RecentFileList.h"
#include "view/RefreshCode.h"

// A numeric-keypad key that types one hexadecimal letter in the view.
struct NumpadKey {
    char letter;
    WORD vk;
};

// The frame window: its child windows, the user's options, and the commands
// that act on the frame as a whole.
class FrameWindow {
public:
    FrameWindow();
    ~FrameWindow();

    NumpadKey numpadKeys[6];
    HWND hwndFrame = nullptr;
    HWND hwndView = nullptr;
    HWND hwndToolBar = nullptr;
    HWND hwndStatusBar = nullptr;
    BOOL insertMode = TRUE;
    BOOL insertAtStart = TRUE;
    BOOL readOnlyOnLoad = TRUE;
    BOOL backUp = TRUE;
    BOOL procUnicode = TRUE;
    char calculator[MAX_PATH] = {};
    char findValue[33] = {};
    unsigned char findMode = 0;
    // The density of the screen the frame is on: every length the design
    // gives in pixels is grown to it.
    int dpi = designDpi;
    std::unique_ptr<KeyTable> keyTable;
    std::unique_ptr<RecentFileList> recentFiles;
    // Only hexadecimal digits are typed into the frame, which holds the focus, and the view.
    DetachedInputContexts inputContexts;

    const char* GetCalculatorPath() const { return calculator; }
    void SetCalculatorPath(const char* path);
    const char* GetFindValue() const { return findValue; }
    void SetFindValue(const char* text);
    void SetFindMode(unsigned char mode) { findMode = mode; }
    void SetInsertMode(BOOL flag) { insertMode = flag; }
    void SetInsertAtStart(BOOL flag) { insertAtStart = flag; }
    void SetReadOnlyOnLoad(BOOL flag) { readOnlyOnLoad = flag; }
    void SetBackUp(BOOL flag) { backUp = flag; }
    void SetProcUnicode(BOOL flag) { procUnicode = flag; }

    // Window messages of the frame.
    RefreshCode OnCommand(WORD id);
    void OnClose();
    void OnDestroy();

    // Child windows, menu states, status bar and caption.
    BOOL CreateChildWindows(HWND frame);
    void LayoutChildren();
    void OnSettingChange(WPARAM wParam, LPARAM lParam);
    // The frame moved to a screen of another density, or the density changed:
    // the frame takes the rectangle the system suggests for it.
    RefreshCode OnDpiChanged(int newDpi, const RECT& suggested);
    void SetBarVisible(WORD id, BOOL show);
    void SetMenuCheck(WORD id, BOOL flag);
    void EnableCommand(WORD id, BOOL flag);
    void UpdateReadOnlyState();
    void UpdatePositionPanes();
    void UpdateModePanes();
    void UpdateTitle();
    void OnToolTipText(NMHDR* notification);
    void UpdateAllWindows();

    // The one message box of the editor; a nonzero error code appends the system's text.
    int ShowMessage(HWND owner, const char* text, UINT style, DWORD errorCode = 0);

    // The settings file: read once at start-up, written once at close.
    void LoadSettings();
    void SaveSettings();

    // Files: the command line, the pickers and the recent-file list.
    void OpenCommandLineFile(const char* commandLine);
    RefreshCode OpenCommand();
    void SaveCommand(bool asNew);
    RefreshCode OpenRecentFile(UINT id);
    void ClearRecentFiles();

    // Frame commands: a file dropped on the frame, help, calculator and about box.
    RefreshCode OnDropFiles(HDROP drop);
    void ShowHelp();
    void StartCalculator();
    void ShowAbout();

private:
    HMENU FileMenu() const;
    void RememberRecentFile(const char* path);
    // Asks about unsaved changes, then empties the document and the view.
    bool StartNewDocument();
    // Opens path in place of the document, unless the user keeps the unsaved changes.
    RefreshCode OpenAsDocument(const char* path);
    RefreshCode FileNew();
    RefreshCode FileOpen();
    RefreshCode EditReadOnly();
    RefreshCode EditFind();
    RefreshCode EditFindAgain(SearchDirection direction);
    RefreshCode EditCompare();
    RefreshCode EditJump();
    RefreshCode ToggleBar(WORD id, HWND bar);
    RefreshCode SettingFont();
    // The settings dialogs.
    RefreshCode KeyAssignmentCommand();
    RefreshCode SettingOption();
    RefreshCode SettingColor();
    RefreshCode ViewColoring();
    RefreshCode CharCodeChanged();
    RefreshCode ByteOrderChanged();
    bool PaneShows(int pane, const char* text) const;
    void SetPaneText(int pane, const char* text);
    // The toolbar made again with the pictures and buttons of the density,
    // keeping the states of the buttons and whether it shows.
    void RecreateToolBar();
    // The status bar's font and panes for the density.
    void FitStatusBar();

    // The status bar's font at the density, when the frame gives it one.
    HFONT statusFont = nullptr;
};

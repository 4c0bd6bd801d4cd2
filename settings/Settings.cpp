// Reading and writing the settings file beside the program, once at start-up
// and once at close. Every value has a default, so any hand-edited or missing
// value gives a defined result.
#include <cstring>
#include <string>

#include "app/Application.h"
#include "document/PathText.h"
#include "keys/KeyTable.h"
#include "platform/ScreenAreas.h"
#include "platform/ScreenDensity.h"
#include "resources/resource.h"
#include "settings/OnScreenPlacement.h"
#include "settings/SettingsFormat.h"
#include "view/CharCode.h"
#include "view/DisplayColors.h"

namespace {

const char settingsSection[] = "Settings";
const char numpadSection[] = "Numpad";
const char* const numpadLetters[6] = {"A", "B", "C", "D", "E", "F"};

// The settings file and the calls that read and write its Settings section.
class SettingsFile {
public:
    SettingsFile() { ProgramCompanionPath("INI", path); }

    const char* Path() const { return path; }
    int Int(const char* key, int fallback) const { return GetPrivateProfileIntA(settingsSection, key, fallback, path); }
    bool Flag(const char* key, bool fallback) const { return Int(key, fallback) != 0; }
    std::string Text(const char* key, const char* fallback, size_t capacity) const
    {
        std::string text(capacity, '\0');
        GetPrivateProfileStringA(settingsSection, key, fallback, &text[0], static_cast<DWORD>(capacity), path);
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    void Write(const char* key, const char* value) const
    {
        WritePrivateProfileStringA(settingsSection, key, value, path);
    }
    void WriteInt(const char* key, int value) const { Write(key, std::to_string(value).c_str()); }
    void WriteFlag(const char* key, bool value) const { WriteInt(key, value ? 1 : 0); }

private:
    PathBuffer path = {};
};

std::string SystemCalculatorPath()
{
    char folder[MAX_PATH] = {};
    if (IsWindowsNT())
        GetSystemDirectoryA(folder, sizeof folder);
    else
        GetWindowsDirectoryA(folder, sizeof folder);
    return DefaultCalculatorPath(folder);
}

// The stored placement is in pixels, as the frame had it; the size of a
// first start is the design's, grown to the screen's density.
WINDOWPLACEMENT StoredPlacement(const SettingsFile& file, int dpi)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = file.Flag("Maximize", false) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    const SIZE least = {SystemMetricAtDpi(SM_CXMINTRACK, dpi), SystemMetricAtDpi(SM_CYMINTRACK, dpi)};
    const RECT stored = StoredRestoredRect(file.Int("PosX", 0), file.Int("PosY", 0),
                                           file.Int("PosW", ScaledToDpi(560, dpi)),
                                           file.Int("PosH", ScaledToDpi(400, dpi)), least);
    placement.rcNormalPosition = KeepOnWorkAreas(stored, MonitorWorkAreas());
    return placement;
}

void ReadColors(const SettingsFile& file)
{
    std::array<COLORREF, 3> text = ReadColorTriple(file.Text("TextColor", "000000,000000,FFFFFF", 256).c_str());
    std::array<COLORREF, 3> back = ReadColorTriple(file.Text("BackColor", "C0C0C0,FFFFFF,000080", 256).c_str());
    for (int i = 0; i < 3; ++i) {
        SetDisplayColor(AddressText + 2 * i, text[i]);
        SetDisplayColor(AddressBack + 2 * i, back[i]);
    }
    SetDisplayColor(MarkText, ReadColorField(file.Text("MarkColor", "FF0000", 256).c_str(), 0));
    std::string coloring = file.Text("Coloring", "--,0000FF,--,FF00FF,--,00A000,--,00A0A0,--,A0A000", 256);
    for (int i = 0; i < 5; ++i)
        coloringRules[i] = ReadColoringRule(coloring.c_str(), i);
}

void WriteColors(const SettingsFile& file)
{
    file.Write("TextColor",
               FormatColorTriple({displayColors[AddressText], displayColors[DataText], displayColors[SelectedText]})
                   .c_str());
    file.Write("BackColor",
               FormatColorTriple({displayColors[AddressBack], displayColors[DataBack], displayColors[SelectionBack]})
                   .c_str());
    file.Write("MarkColor", FormatColor(displayColors[MarkText]).c_str());
    file.Write("Coloring", FormatColoring(coloringRules).c_str());
}

} // namespace

void FrameWindow::LoadSettings()
{
    SettingsFile file;
    WINDOWPLACEMENT placement = StoredPlacement(file, dpi);
    SetBarVisible(ID_VIEW_TOOLBAR, file.Flag("ToolBar", true));
    SetBarVisible(ID_VIEW_STATUSBAR, file.Flag("StatusBar", true));
    theView.CreateDisplayFont(file.Text("FontName", "FixedSys", 32).c_str(),
                              FontSizeFromSetting(file.Int("FontSize", DefaultFontSize)),
                              file.Flag("FontBold", false), file.Flag("FontItalic", false), dpi);
    const int dpiBeforePlacing = dpi;
    SetWindowPlacement(hwndFrame, &placement);
    // Placed on a screen of another density, the frame took the size the
    // system suggested for it there; the stored size is the one to have.
    if (dpi != dpiBeforePlacing)
        SetWindowPlacement(hwndFrame, &placement);
    ReadColors(file);
    SetCharCode(file.Int("CharCode", ShiftJis));
    SetByteOrder(file.Int("ByteOrder", LittleEndian));

    insertAtStart = insertMode = file.Flag("Insert", true);
    readOnlyOnLoad = file.Flag("ReadOnly", true);
    backUp = file.Flag("BackUp", true);
    procUnicode = file.Flag("ProcUnicode", true);
    SetCalculatorPath(file.Text("Calculator", SystemCalculatorPath().c_str(), MAX_PATH).c_str());
    SetFindValue(file.Text("FindValue", "", sizeof findValue).c_str());
    SetFindMode(FindModeFromSetting(file.Int("FindMode", 0)));

    keyTable->ReadAssignments(file.Path(), file.Flag("Escape", false));
    keyTable->SetAllMenuTexts(GetMenu(hwndFrame));
    for (int i = 0; i < 6; ++i) {
        char name[256] = {};
        GetPrivateProfileStringA(numpadSection, numpadLetters[i], "", name, sizeof name, file.Path());
        numpadKeys[i].vk = NumpadKeyFromName(name);
    }
    recentFiles->ReadList();
    recentFiles->BuildMenu(FileMenu(), ID_RECENT_FIRST);
    UpdateModePanes();
}

void FrameWindow::SaveSettings()
{
    SettingsFile file;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hwndFrame, &placement);
    const RECT& restored = placement.rcNormalPosition;
    file.WriteFlag("Maximize", IsZoomed(hwndFrame));
    file.WriteInt("PosX", restored.left);
    file.WriteInt("PosY", restored.top);
    file.WriteInt("PosW", restored.right - restored.left);
    file.WriteInt("PosH", restored.bottom - restored.top);
    file.WriteFlag("ToolBar", IsWindowVisible(hwndToolBar));
    file.WriteFlag("StatusBar", IsWindowVisible(hwndStatusBar));

    file.Write("FontName", theView.GetFontFaceName().c_str());
    file.WriteInt("FontSize", theView.GetFontPointSize());
    file.WriteFlag("FontItalic", theView.IsFontItalic());
    file.WriteFlag("FontBold", theView.IsFontBold());
    WriteColors(file);
    file.WriteInt("CharCode", charCode);
    file.WriteInt("ByteOrder", byteOrder);
    file.WriteFlag("Insert", insertAtStart);
    file.WriteFlag("ReadOnly", readOnlyOnLoad);
    file.WriteFlag("BackUp", backUp);
    // Escape is read once, for files of older versions; its key is saved with the others.
    file.Write("Escape", nullptr);
    file.WriteFlag("ProcUnicode", procUnicode);
    file.Write("Calculator", calculator);
    file.Write("FindValue", findValue);
    file.WriteInt("FindMode", findMode);

    keyTable->WriteAssignments(file.Path());
    for (int i = 0; i < 6; ++i)
        WritePrivateProfileStringA(numpadSection, numpadLetters[i], NumpadKeyName(numpadKeys[i].vk), file.Path());
    recentFiles->WriteList();
}

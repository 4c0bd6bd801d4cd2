#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "search/MarkTable.h"
#include "search/PatternScan.h"
#include "platform/ClipboardWatch.h"
#include "platform/ScreenDensity.h"
#include "view/CharDecoder.h"
#include "view/RefreshCode.h"
#include "view/WheelSum.h"

class FrameWindow;
class Document;
class GlyphRun;

// The hex view: caret, selection, marks and scroll position over the document.
// Every operation that changes what is shown returns a RefreshCode for Refresh.
class HexView {
public:
    HexView();
    ~HexView();

    FrameWindow* frame = nullptr;
    Document* document = nullptr;
    HWND window = nullptr;
    HBRUSH brushes[3] = {};
    HFONT font = nullptr;
    // The screen density the font was made for; the caret mark and the
    // painted width follow it too.
    int dpi = designDpi;
    uint32_t caret = 0;
    uint32_t previousCaret = 0;
    // The byte the last typed digit changed, for RedrawEditedByte and RedrawFromEditedByte.
    uint32_t editedByte = 0;
    uint8_t lowNibble = 0;
    uint8_t previousLowNibble = 0;
    uint32_t topRow = 0;
    uint32_t selectionAnchor = 0;
    uint32_t selectionEnd = 0;
    MarkTable marks;
    BOOL skipNextCell = FALSE;
    enum ShiftState : uint8_t { ShiftIdle = 0, ShiftArmed = 1, ShiftExtending = 2 };
    uint8_t shiftState = ShiftIdle;
    // The lead byte of a double-byte character typed as two WM_CHAR, until its trail byte comes.
    unsigned char leadByte = 0;
    BOOL dragging = FALSE;
    ClipboardWatch clipboard;

    uint32_t SelectionStart() const;
    uint32_t SelectionStop() const;
    bool HasSelection() const { return selectionAnchor != selectionEnd; }

    // Rows of sixteen bytes that are completely filled.
    uint32_t FullRows() const;
    // The top row that shows the last row of data as the last whole row.
    uint32_t MaxTopRow() const;
    void EnsureCaretVisible();
    // The drawn part of the caret's row in screen coordinates; empty while
    // the row is scrolled out of the window.
    RECT CaretRowOnScreen() const;

    RefreshCode GoToOffset(uint32_t offset);
    void ResetView();
    void SettleAfterEdit();
    RefreshCode ScrollPageUp();
    RefreshCode ScrollPageDown();
    RefreshCode OnVScroll(WPARAM wParam);
    RefreshCode OnMouseWheel(WPARAM wParam);

    // Keyboard and mouse input; the frame routes the keys, the view window the mouse.
    RefreshCode OnKeyDown(WPARAM key, LPARAM keyData);
    void OnKeyUp(WPARAM key);
    // The frame lost the keyboard focus: key releases go elsewhere now.
    void ForgetShift();
    RefreshCode OnChar(WPARAM character);
    // A whole character from the input method: a byte, or a double-byte character as lead << 8 | trail.
    RefreshCode OnImeChar(WPARAM character);
    RefreshCode TrackShiftSelection();
    // Wider than an offset, so that offsets past 2 GiB stay apart from the codes.
    enum HitCode : int64_t { AboveRows = -3, BelowRows = -2, OutsideHex = -1 };
    // The byte under the mouse pointer (the append position included), or a HitCode.
    int64_t HitTest() const;
    int64_t HitTestPoint(POINT client) const;
    RefreshCode OnLButtonDown();
    RefreshCode OnMouseMove();
    void OnLButtonUp();

    // Commands on the bytes.
    RefreshCode EditUndo();
    RefreshCode EditCut();
    RefreshCode EditCopy();
    RefreshCode EditPaste();
    RefreshCode EditSelectAll();
    // Find, marks and the byte sum, defined in search/.
    RefreshCode SearchData(HWND owner, const char* text, unsigned char mode, SearchDirection direction);
    RefreshCode ToggleMark();
    RefreshCode GoToMark(bool forward);
    RefreshCode ShowByteSum();

    // Painting: everything the view shows is drawn here.
    enum CaretMark { CurrentCaretMark, PreviousCaretMark };
    void Paint();
    void ToggleCaretMark(HDC dc, CaretMark which);
    bool IsMarked(uint32_t offset) const { return marks.Contains(offset); }

    // The display font, which every column position derives from, made for
    // the density of the screen the view is on.
    void CreateDisplayFont(const char* faceName, int points, bool bold, bool italic, int screenDpi);
    void MeasureFont();
    // False when the user cancelled the font picker.
    bool ChooseDisplayFont();
    // The font made again for another density, at the same point size.
    void ChangeFontDensity(int screenDpi);
    std::string GetFontFaceName() const;
    int GetFontPointSize() const;
    bool IsFontBold() const;
    bool IsFontItalic() const;

    void MeasureRows();
    void UpdateScrollBar();
    void Refresh(RefreshCode code);

private:
    // Advances of the printable ASCII characters in the display font, measured at each paint.
    int asciiAdvance['~' - ' ' + 1] = {};
    // The code page the display font reads ANSI text in, asked at each paint.
    UINT textCodePage = CP_ACP;
    WheelSum wheel;
    // What the window shows since the last Refresh, which a scroll starts from.
    uint32_t shownTopRow = 0;
    uint32_t shownCaret = 0;
    uint8_t shownLowNibble = 0;
    // Set while Refresh runs, so that the paint it causes leaves the command states and panes to it.
    bool refreshing = false;

    RefreshCode MoveCaret(uint32_t offset);
    RefreshCode StepCaret(uint32_t offset);
    RefreshCode Backspace();
    RefreshCode DeleteKey();
    RefreshCode DeleteAtCaret();
    RefreshCode DeleteSelection();
    void TypeNumpadLetter(WPARAM key, LPARAM keyData);
    RefreshCode TypeCharacter(WPARAM character);
    RefreshCode TypeHighDigit(int digit);
    RefreshCode TypeLowDigit(int digit);
    RefreshCode DragTo(int64_t hit);

    void ReplaceFont(const LOGFONTA& description, int screenDpi);
    void MeasureAsciiAdvances(HDC dc);
    int AdvanceOf(char c) const;
    void PaintHeader(HDC dc);
    void PaintRow(HDC dc, uint32_t i);
    void PaintDigits(HDC dc, uint32_t first, uint32_t end, int y, GlyphRun& digits);
    void PaintCharacters(HDC dc, uint32_t first, uint32_t end, int y, GlyphRun& characters);
    void CarryDecoding(uint32_t i);
    void InvertCaretMark(HDC dc, uint32_t offset, int nibble);
    void InvalidateRows(uint32_t firstRow, uint32_t lastRow);
    bool RefreshEditedRows(RefreshCode code);
    RefreshCode ScrollLineUp();
    RefreshCode ScrollLineDown();
    RefreshCode TrackThumb(int position);
    void ShowTopRow();
    void MoveCaretMark();
    RECT RowArea(int top) const;
    void InvalidateFrom(int top);
    void UpdateEditCommands();
};

// The scroll bar's range, page and position for a document of fullRows rows;
// the range is capped at 32767 and the position scaled onto it.
struct ScrollBarState {
    int nMax;
    UINT nPage;
    int nPos;
};
ScrollBarState ComputeScrollBar(uint32_t fullRows, uint32_t topRow, uint16_t visibleRows);

// The document rows whose cells can show something else after the byte at
// edited was overwritten, or inserted, which moves every byte after it.
struct RowSpan {
    uint32_t first;
    uint32_t last;
};
RowSpan RowsShowingEdit(CharCode code, ByteView bytes, uint32_t edited, bool inserted);

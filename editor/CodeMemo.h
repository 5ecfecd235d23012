// The code editor: TCodeCustomMemo holds the text, the caret, the selection and the view, and
// talks to its window only through the Host of editor/Platform.h. TCodeMemo is the published
// editor the workbench places on its window.
#pragma once

#include "editor/CodeStyleIF.h"
#include "editor/DisplaySettings.h"
#include "editor/Font.h"
#include "editor/LineStore.h"
#include "editor/Mouse.h"
#include "editor/Platform.h"

#include <functional>
#include <memory>
#include <string>

enum class TScrollMode { smAuto, smStrict };

class TCodeGutter;

class TCodeCustomMemo {
public:
    using TNotifyEvent = std::function<void(TCodeCustomMemo&)>;
    using TColumnEvent = std::function<void(TCodeCustomMemo&, int)>;
    using TLineEvent = std::function<void(TCodeCustomMemo&, int)>;
    using TUrlEvent = std::function<void(TCodeCustomMemo&, const std::string&)>;

    explicit TCodeCustomMemo(Host& host);
    virtual ~TCodeCustomMemo();
    TCodeCustomMemo(const TCodeCustomMemo&) = delete;
    TCodeCustomMemo& operator=(const TCodeCustomMemo&) = delete;

    TCodeMemoStrings& Lines() { return *FLines; }
    const TCodeMemoStrings& Lines() const { return *FLines; }
    Host& GetHost() { return FHost; }

    // Caret and selection.
    int CurX() const { return FCurX; }
    int CurY() const { return FCurY; }
    void SetCurX(int x);
    void SetCurY(int y);
    int SelStartX() const { return FSelStartX; }
    int SelStartY() const { return FSelStartY; }
    int SelEndX() const { return FSelEndX; }
    int SelEndY() const { return FSelEndY; }
    int SelMarkX() const { return FSelMarkX; }
    int SelMarkY() const { return FSelMarkY; }
    // Sets both ends of the selection as given (anchor first); no events.
    void SetSelectionBounds(int startX, int startY, int endX, int endY);
    bool SelectionEmpty() const { return FSelStartX == FSelEndX && FSelStartY == FSelEndY; }
    void ClearSelection();
    void ExtendSelection();

    // View.
    int TopLine() const { return FTopLine; }
    void SetTopLine(int line);
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int col);
    int MaxLineLength() const { return FMaxLineLength; }
    void SetMaxLineLength(int length) { FMaxLineLength = length; }
    int CharWidth() const { return FCharWidth; }
    int LineHeight() const { return FLineHeight; }
    // The rectangle in which lines are drawn.
    virtual TRect TextArea();
    int VisibleCols();
    int VisibleRows();
    void ScrollCaretIntoView();
    void UpdateScrollBars();

    // Mouse and scroll bars. Coordinates are client pixels.
    // The cell (column, row) of the text area under a point, relative to LeftCol and TopLine.
    TPoint PointToCell(int x, int y);
    // The offset of a position in the text, counting CR LF between lines.
    long long TextOffset(int col, int line) const;
    void MouseDown(TMouseButton button, bool shift, int x, int y);
    void MouseMove(bool leftDown, int x, int y);
    void MouseUp(TMouseButton button, int x, int y);
    void DoubleClick();
    // One wheel step.
    void MouseWheel(bool down);
    void ScrollBarAction(TScrollBarKind kind, TScrollCode code, int position);
    bool Selecting() const { return FSelecting; }
    bool DragPending() const { return FDragPending; }

    // Options.
    int TabSize() const { return FTabSize; }
    void SetTabSize(int size);
    bool AutoExpand() const { return FAutoExpand; }
    void SetAutoExpand(bool value) { FAutoExpand = value; }
    bool TrimTrailingSpaces() const { return FTrimTrailingSpaces; }
    void SetTrimTrailingSpaces(bool value) { FTrimTrailingSpaces = value; }
    TScrollMode ScrollMode() const { return FScrollMode; }
    void SetScrollMode(TScrollMode mode) { FScrollMode = mode; }

    // Change notification: false during bulk changes, which silences LinesChanged.
    bool NotifyChanges() const { return FNotifyChanges; }
    void SetNotifyChanges(bool value) { FNotifyChanges = value; }
    // The line store's OnChange handler.
    void LinesChanged();

    // Per-line flags.
    void SetBreakpoint(int index, bool value);
    void SetModified(int index, bool value);
    // Empties the text: no lines afterwards.
    void ClearAll();
    // Deletes the caret's line (a single line is emptied instead).
    virtual void DeleteLine();

    // The tokenizer's cached state for the first visible line.
    bool TopStateCacheValid() const { return FTopStateCacheValid; }
    void InvalidateTopStateCache() { FTopStateCacheValid = false; }

    // What editing asks of the syntax styler. Without a styler only the space is a delimiter
    // and there are no block keywords.
    // Word moves (Ctrl+Left/Right) stop at these characters.
    bool IsWordDelimiter(char c) const;
    // Bounds of words for the word at the caret, double clicks and block matching.
    bool IsDelimiter(char c) const;
    // The block start and end keywords ("" when there are none).
    std::string BlockStartWord() const;
    std::string BlockEndWord() const;

    // ---- Display: the styler binding, painting and the gutter ----------------------------------

    // The styler that colours the text (not owned). Binding lower-cases and sorts its keyword
    // lists (unless CaseSensitive), forgets the top line's scan state and repaints.
    TCodeCustomMemoStyler* SyntaxStyles() const { return FSyntaxStyles; }
    void SetSyntaxStyles(TCodeCustomMemoStyler* styler);
    // Painting uses the styler only when one is bound and UseStyler is set.
    bool UseStyler() const { return FUseStyler; }
    void SetUseStyler(bool value);
    bool StylerUsed() const { return FSyntaxStyles && FUseStyler; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    bool UrlAware() const { return FUrlAware; }
    void SetUrlAware(bool value);
    TCharStyle& UrlStyle() { return FUrlStyle; }
    const TCharStyle& UrlStyle() const { return FUrlStyle; }
    // Called by the bound styler's destructor.
    void StylerDestroyed(TCodeCustomMemoStyler& styler);

    // The editor font. A face whose "W" and "i" differ in width is replaced by "FixedSys" when
    // the font is measured: CharWidth is the width of "W", LineHeight the height of "W_" + 1.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font);
    // Measures the font on surface now (Paint does it when it has not been done).
    void MeasureFont(Surface& surface);
    bool FontMeasured() const { return FFontMeasured; }

    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor c);
    TColor SelColor() const { return FSelColor; }
    void SetSelColor(TColor c);
    TColor SelBkColor() const { return FSelBkColor; }
    void SetSelBkColor(TColor c);
    // Colours of lines marked Breakpoint (compiled lines).
    TColor BreakpointColor() const { return FBreakpointColor; }
    void SetBreakpointColor(TColor c);
    TColor BreakpointTextColor() const { return FBreakpointTextColor; }
    void SetBreakpointTextColor(TColor c);
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int column);
    TColor RightMarginColor() const { return FRightMarginColor; }
    void SetRightMarginColor(TColor c);
    bool ShowRightMargin() const { return FShowRightMargin; }
    void SetShowRightMargin(bool value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);

    // The matching-block marks: editing stores the pair it matched around the caret in
    // FBlockStart / FBlockEnd; painting shows them when BlockShow is on.
    bool BlockShow() const { return FBlockShow; }
    void SetBlockShow(bool value);
    TColor BlockColor() const { return FBlockColor; }
    void SetBlockColor(TColor c);
    TColor BlockLineColor() const { return FBlockLineColor; }
    void SetBlockLineColor(TColor c);
    const TBlockMatch& BlockMarkStart() const { return FBlockStart; }
    const TBlockMatch& BlockMarkEnd() const { return FBlockEnd; }
    void SetBlockMarks(const TBlockMatch& start, const TBlockMatch& end) {
        FBlockStart = start;
        FBlockEnd = end;
    }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor c);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);
    // The blank strip between the gutter and the text.
    int LeftMarginWidth() const { return FLeftMarginWidth; }

    TCodeGutter& Gutter() { return *FGutter; }
    const TCodeGutter& Gutter() const { return *FGutter; }
    TCodeActiveLineSettings& ActiveLineSettings() { return FActiveLineSettings; }
    const TCodeActiveLineSettings& ActiveLineSettings() const { return FActiveLineSettings; }
    // The active line's index, -1 when none.
    int ActiveLine() const { return FActiveLine; }
    void SetActiveLine(int line);

    // Where a visible scroll bar lies in the client area (empty when it is hidden).
    TRect ScrollBarRect(TScrollBarKind kind);
    // Paints the whole control on surface, in client coordinates.
    void Paint(Surface& surface);

    // The line store tells of every change: checkpoints of lines after line may be stale, and
    // the top line's cached scan state is dropped when the change lies above the top line.
    void CheckpointsChangedAfter(int line);
    // Checkpoints of lines up to this index are known to be current.
    int CheckpointLimit() const { return FCheckpointLimit; }

    // Paints the gutter row of line LineNo in rct; the constructor sets the built-in painter.
    std::function<void(TCodeCustomMemo&, Surface&, int, const TRect&)> OnGutterDraw;
    // A click in the gutter on line LineNo; the default moves the caret to that line.
    TColumnEvent OnGutterClick;

    // Runs after every caret move.
    virtual void CaretChanged();
    // Empties the undo history.
    virtual void ClearUndo() {}
    void HideParameterHint();

    // The input focus: the system caret exists only while the editor has it.
    void FocusIn();
    // Losing the focus; toOwnScrollBar keeps the caret when the focus goes to a scroll bar of
    // the editor itself.
    void FocusOut(bool toOwnScrollBar);
    bool HiddenCaret() const { return FHiddenCaret; }
    void SetHiddenCaret(bool value) { FHiddenCaret = value; }
    // A timer started through the host ran out.
    virtual void TimerExpired(int id);

    // Repaint requests.
    void Invalidate() { FHost.Invalidate(); }
    void InvalidateLine(int line);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnStatusChange;
    TNotifyEvent OnCursorChange;
    TNotifyEvent OnTopLeftChanged;
    TColumnEvent OnColumnChange;
    TUrlEvent OnURLClick;
    TNotifyEvent OnDblClick;

protected:
    void ReleaseStyler();
    // Places the system caret at the caret's cell, when the caret exists.
    void UpdateSystemCaret();
    void AttachLines();
    void DetachLines();
    // Rewrites line without its trailing bytes of value 32 or below, silently.
    void TrimLineLeft(int line);
    // Moves the caret to a clicked cell, as a left click does.
    void PlaceCaretAtCell(TPoint cell);

    Host& FHost;
    std::unique_ptr<TCodeMemoStrings> FLines;

    int FCurX = 0;
    int FCurY = 0;
    int FSelStartX = 0;
    int FSelStartY = 0;
    int FSelEndX = 0;
    int FSelEndY = 0;
    int FSelMarkX = 0;
    int FSelMarkY = 0;
    int FTopLine = 0;
    int FLeftCol = 0;
    int FMaxLineLength = 0;
    int FCharWidth = 8;
    int FLineHeight = 16;
    int FTabSize = 4;
    bool FAutoExpand = true;
    bool FTrimTrailingSpaces = false;
    bool FNotifyChanges = true;
    bool FTopStateCacheValid = false;
    bool FCaretCreated = false;
    bool FHiddenCaret = false;
    bool FHintVisible = false;
    bool FVertBarVisible = false;
    bool FHorzBarVisible = false;
    bool FSelecting = false;
    bool FDragPending = false;
    bool FIgnoreNextMouseMove = false;
    bool FOverLink = false;
    bool FUrlAware = true;
    TPoint FDragCell;
    TScrollMode FScrollMode = TScrollMode::smAuto;

    // Display.
    TCodeCustomMemoStyler* FSyntaxStyles = nullptr;
    bool FUseStyler = false;
    bool FCaseSensitive = false;
    TCharStyle FUrlStyle{clBlue, clWhite, fsUnderline};
    TFont FFont{"COURIER NEW", -13, clBlack, 0};
    bool FFontMeasured = false;
    TColor FBkColor = clWhite;
    TColor FSelColor = clWhite;
    TColor FSelBkColor = 0x800000;
    TColor FBreakpointColor = clRed;
    TColor FBreakpointTextColor = clWhite;
    int FRightMargin = 80;
    TColor FRightMarginColor = 0xE2E2E2;
    bool FShowRightMargin = true;
    bool FHideSelection = true;
    bool FBlockShow = true;
    TColor FBlockColor = clAqua;
    TColor FBlockLineColor = clNone;
    TBlockMatch FBlockStart;
    TBlockMatch FBlockEnd;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = false;
    TColor FBorderColor = clGray;
    TScrollStyle FScrollBars = ssBoth;
    int FLeftMarginWidth = 2;
    std::unique_ptr<TCodeGutter> FGutter;
    TCodeActiveLineSettings FActiveLineSettings{*this};
    int FActiveLine = -1;
    TScanState FTopState;
    int FTopStateLine = -1;
    int FCheckpointLimit = -1;

    friend class TCodeMemoStrings;
};

class TCodeMemo : public TCodeCustomMemo {
public:
    explicit TCodeMemo(Host& host) : TCodeCustomMemo(host) {}
};

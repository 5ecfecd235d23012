// The code editor: TCodeCustomMemo holds the text, the caret, the selection and the view, and
// talks to its window only through the Host of editor/Platform.h. TCodeMemo is the published
// editor the workbench places on its window.
#pragma once

#include "base/ScopeGuard.h"
#include "editor/Font.h"
#include "editor/Platform.h"
#include "editor/buffer/LineStore.h"
#include "editor/buffer/LineStoreOwner.h"
#include "editor/commands/BlockMatch.h"
#include "editor/commands/CaretSelection.h"
#include "editor/commands/KeyCodes.h"
#include "editor/style/CodeStyleIF.h"
#include "editor/style/LongLineScans.h"
#include "editor/view/DisplaySettings.h"
#include "editor/view/FoldingAndCompletion.h"
#include "editor/view/Markers.h"
#include "editor/view/Mouse.h"
#include "editor/view/Problems.h"
#include "editor/view/SearchHighlight.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCodeUndoList;
struct TKeyBinding;
struct TUndo;

enum class TScrollMode { smAuto, smStrict };
enum TAutoHintParameters { hpAuto, hpManual, hpNone };
enum TAutoHintParameterPosition { hpBelowCode, hpAboveCode };

class TCodeGutter;
// Replaces a completed word by another: OldValue[i] becomes NewValue[i].
struct TAutoCorrect {
    bool Active = true;
    std::vector<std::string> OldValue;
    std::vector<std::string> NewValue;
};

class TCodeCustomMemo : private TLineStoreOwner {
public:
    using TNotifyEvent = std::function<void(TCodeCustomMemo&)>;
    using TColumnEvent = std::function<void(TCodeCustomMemo&, int)>;
    using TLineEvent = std::function<void(TCodeCustomMemo&, int)>;
    using TUrlEvent = std::function<void(TCodeCustomMemo&, const std::string&)>;
    using TAllowEvent = std::function<void(TCodeCustomMemo&, bool& allow)>;
    using TWordCompleteEvent =
        std::function<void(TCodeCustomMemo&, const std::string& word, std::string& newWord)>;
    using TKeyEvent = std::function<void(TCodeCustomMemo&, int& key, TShiftState shift)>;
    using TKeyPressEvent = std::function<void(TCodeCustomMemo&, char& key)>;
    using TUndoChangeEvent = std::function<void(TCodeCustomMemo&, bool canUndo, bool canRedo)>;
    using TCellEvent = std::function<void(TCodeCustomMemo&, int line, int column)>;

    explicit TCodeCustomMemo(Host& host);
    virtual ~TCodeCustomMemo();
    TCodeCustomMemo(const TCodeCustomMemo&) = delete;
    TCodeCustomMemo& operator=(const TCodeCustomMemo&) = delete;

    TCodeMemoStrings& Lines() { return *FLines; }
    const TCodeMemoStrings& Lines() const { return *FLines; }
    Host& GetHost() { return FHost; }

    // Caret and selection.
    int CurX() const { return FSel.Caret.X; }
    int CurY() const { return FSel.Caret.Y; }
    void SetCurX(int x);
    void SetCurY(int y);
    int SelStartX() const { return FSel.Anchor.X; }
    int SelStartY() const { return FSel.Anchor.Y; }
    int SelEndX() const { return FSel.End.X; }
    int SelEndY() const { return FSel.End.Y; }
    int SelMarkX() const { return FSel.Mark.X; }
    int SelMarkY() const { return FSel.Mark.Y; }
    const TCaretSelection& CaretSelection() const { return FSel; }
    // Places the caret, the selection and the mark as given: no padding, scrolling or events.
    void SetCaretSelection(const TCaretSelection& value) { FSel = value; }
    // Sets both ends of the selection as given (anchor first); no events.
    void SetSelectionBounds(int startX, int startY, int endX, int endY);
    bool SelectionEmpty() const { return FSel.Empty(); }
    void ClearSelection() override;
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
    TRect TextArea();
    int VisibleCols();
    int VisibleRows();
    void ScrollCaretIntoView();
    void UpdateScrollBars();

    // Mouse and scroll bars. Coordinates are client pixels.
    // The cell (column, row) of the text area under a point, relative to LeftCol and TopLine.
    TPoint PointToCell(int x, int y);
    // With ctrl (and no shift) a click in the text places the caret and raises OnCtrlClick.
    void MouseDown(TMouseButton button, bool shift, int x, int y, bool ctrl = false);
    void MouseMove(bool leftDown, int x, int y);
    void MouseUp(TMouseButton button, int x, int y);
    void DoubleClick();
    // One wheel step.
    void MouseWheel(bool down);
    void ScrollBarAction(TScrollBarKind kind, TScrollCode code, int position);
    bool Selecting() const { return FSelecting; }
    bool DragPending() const { return FDragPending; }

    // Options.
    int TabSize() const override { return FTabSize; }
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
    void LinesChanged() override;

    // Per-line flags.
    void SetBreakpoint(int index, bool value);
    void SetModified(int index, bool value);
    // Empties the text: no lines afterwards.
    void ClearAll();
    // Deletes the caret's line (a single line is emptied instead); undoable.
    void DeleteLine();

    // The tokenizer's cached state for the first visible line.
    bool TopStateCacheValid() const { return FTopStateCacheValid; }
    void InvalidateTopStateCache() { FTopStateCacheValid = false; }
    // What painting keeps of very long lines between repaints.
    TLongLineScans& LongLineScans() { return FLongLineScans; }

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
    void CheckpointsChangedAfter(int line) override;
    // Checkpoints of lines up to this index are known to be current.
    int CheckpointLimit() const { return FCheckpointLimit; }

    // Paints the gutter row of line LineNo in rct; the constructor sets the built-in painter.
    std::function<void(TCodeCustomMemo&, Surface&, int, const TRect&)> OnGutterDraw;
    // A click in the gutter on line LineNo; the default moves the caret to that line.
    TColumnEvent OnGutterClick;
    // Pads the caret line with spaces up to a caret that stands beyond its end.
    void PadCaretLine();

    // Runs after every caret move.
    void CaretChanged();
    // Empties the undo history.
    void ClearUndo();
    // Shows, moves or hides the parameter hint for the caret: after caret moves (manual false,
    // with AutoHintParameters hpAuto) and on Ctrl+Shift+Space (manual, unless hpNone).
    void UpdateParameterHint(bool manual);
    void HideParameterHint();
    bool ParameterHintVisible() const { return FHintVisible; }
    TAutoHintParameters AutoHintParameters() const { return FAutoHintParameters; }
    void SetAutoHintParameters(TAutoHintParameters value);
    TAutoHintParameterPosition AutoHintParameterPosition() const { return FAutoHintPosition; }
    void SetAutoHintParameterPosition(TAutoHintParameterPosition value) {
        FAutoHintPosition = value;
    }
    // Milliseconds after which a shown hint hides itself.
    int AutoHintParameterDelay() const { return FAutoHintParameterDelay; }
    void SetAutoHintParameterDelay(int ms) { FAutoHintParameterDelay = ms; }
    // The timer that hides the hint.
    static constexpr int kHintTimer = 1;

    // A timer started through the host ran out.
    void TimerExpired(int id);

    // Repaint requests.
    void Invalidate() override { FHost.Invalidate(); }
    void InvalidateLine(int line);

    // ---- Selection and text positions ----
    // Selects the whole text; the caret does not move.
    void SelectAll();
    // The selection as start (earlier) and end.
    void NormalizedSelection(int& startX, int& startY, int& endX, int& endY) const;
    // The selected bytes; lines joined with CR LF.
    std::string GetSelText() const;
    // Offset of (col, line) in the text with CR LF between lines; col counts at most the line.
    int PosToOffset(int col, int line) const;
    int SelStartOffset() const;
    int SelLength() const;
    // The EM_GETSEL answer: the selection's start offset and its end offset.
    void GetSel(int& start, int& end) const;

    // ---- Editing commands (nothing when read-only) ----
    void InsertChar(char ch);
    void NewLine();
    // Deletes the byte at the caret or joins the next line. (x, y) is the caret before the
    // command: the caret itself for Delete, the position before the step left for Backspace.
    void DeleteChar(int x, int y);
    void Backspace();
    void DeleteWordLeft();
    void TabKey(bool shift);
    void DeleteSelection(bool repaint);
    // Inserts s at the caret (after deleting the selection); CR LF breaks lines.
    void InsertText(std::string_view s);
    // Replaces, inserts and removes whole lines (TLineBatchStep) as one undo step, with one
    // change notification. Gutter markers and line records go with their lines (a marker on a
    // removed line goes with it), the caret stays on its line and the selection collapses.
    void EditLines(std::vector<TLineBatchStep> steps);
    // EditLines without the undo record; returns the batch that takes it back.
    std::vector<TLineBatchStep> ApplyLineBatch(std::vector<TLineBatchStep> steps);
    // The word around the caret, bounded by delimiters.
    std::string WordAtCaret() const;
    // Gives a text without lines its empty line and brings the caret line onto the text, as
    // every command that inserts does first.
    void ClampCaretLine();

    // ---- Caret movement ----
    // Arrow keys; with ssCtrl by words, with ssShift extending the selection.
    void MoveCaret(int dx, int dy, TShiftState shift);
    void WordRight();
    void WordLeft();
    void HomeKey(TShiftState shift);
    void EndKey(TShiftState shift);
    // Page Up (direction -1) and Page Down (+1).
    void PageKey(int direction, TShiftState shift);

    // ---- Clipboard ----
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    // ---- Undo ----
    TCodeUndoList& UndoList() { return *FUndoList; }
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    int UndoLimit() const { return FUndoLimit; }
    void SetUndoLimit(int limit);

    // ---- Keyboard and the context menu ----
    void KeyDown(int& key, TShiftState shift);
    void KeyPress(char& ch);
    void KeyUp(int key, TShiftState shift);
    // The input focus: the system caret exists only while the editor has it. Losing the focus
    // to the editor's own scroll bars keeps the caret.
    void FocusGained();
    void FocusLost(bool toOwnScrollBar);
    // What the editor asks of the dialog it sits on: arrow keys, characters and, with WantTab,
    // Tab (131; 129 without WantTab).
    int DialogCode() const { return FWantTab ? 131 : 129; }
    // The mouse cursor over the editor; the context menu shows the arrow and restores this one.
    TCursorShape CursorShape() const { return FCursorShape; }
    void SetCursorShape(TCursorShape shape) {
        FCursorShape = shape;
        FHost.SetCursor(shape);
    }
    // The editor's own menu at client point p (a right click in the text area).
    void ShowContextMenu(TPoint p);
    // The items of that menu, with their greyed states as they are now.
    std::vector<TMenuItem> ContextMenuItems();

    // ---- Options ----
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool Overwrite() const { return FOverwrite; }
    void SetOverwrite(bool value);
    bool AutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool value) { FAutoIndent = value; }
    bool DelErase() const { return FDelErase; }
    void SetDelErase(bool value) { FDelErase = value; }
    bool EnhancedHomeKey() const { return FEnhancedHomeKey; }
    void SetEnhancedHomeKey(bool value) { FEnhancedHomeKey = value; }
    bool HiddenCaret() const { return FHiddenCaret; }
    void SetHiddenCaret(bool value) { FHiddenCaret = value; }
    bool WantTab() const { return FWantTab; }
    void SetWantTab(bool value) { FWantTab = value; }
    TAutoCorrect& AutoCorrect() { return FAutoCorrect; }
    TCodeFolding& CodeFolding() { return FCodeFolding; }
    TAutoCompletion& AutoCompletion() { return FAutoCompletion; }
    TCodeMarkerList& MarkerList() { return FMarkerList; }
    const TCodeMarkerList& MarkerList() const { return FMarkerList; }
    // The problem ranges shown under the text and in the gutter; edits keep them in step.
    const TCodeProblemList& Problems() const { return FProblems; }
    // Replaces every problem range and repaints.
    void SetProblems(std::vector<TCodeProblem> problems);
    // Puts the caret on the start of the next problem after it (direction 1) or the previous
    // one (-1), wrapping around the text, and scrolls it into view.
    void GoToProblem(int direction);
    // The matches painted with a background of their own (an empty pattern: none).
    const TSearchHighlight& SearchHighlight() const { return FSearchHighlight; }
    void SetSearchHighlight(TSearchPattern pattern, int currentLine = -1, int currentCol = 0);
    // Selects columns start to end of line with the caret at end, scrolled into view.
    void SelectInLine(int line, int start, int end);

    // The matching block keywords found around the caret (Line -1: none).
    const TBlockMatch& BlockStartMatch() const { return FBlockStart; }
    const TBlockMatch& BlockEndMatch() const { return FBlockEnd; }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnStatusChange;
    TNotifyEvent OnCursorChange;
    TNotifyEvent OnTopLeftChanged;
    TNotifyEvent OnActiveLineChange;
    TNotifyEvent OnFind;
    TNotifyEvent OnReplace;
    TColumnEvent OnColumnChange;
    TUrlEvent OnURLClick;
    TNotifyEvent OnDblClick;
    TAllowEvent OnOverwriteToggle;
    TWordCompleteEvent OnWordComplete;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TUndoChangeEvent OnUndoChange;
    // A left click with Ctrl held on the text: the clicked line and column (0-based, of the
    // text, past the line's end too).
    TCellEvent OnCtrlClick;

protected:
    // Change notification off for the length of a scope.
    struct TQuiet : TScopedValue<bool> {
        explicit TQuiet(TCodeCustomMemo& memo) : TScopedValue(memo.FNotifyChanges, false) {}
    };

    void ReleaseStyler();
    // Places the system caret at the caret's cell, when the caret exists.
    void UpdateSystemCaret();
    void AttachLines();
    void DetachLines();
    // Rewrites line without its trailing bytes of value 32 or below, silently.
    void TrimLineLeft(int line);
    // Moves the caret to a clicked cell, as a left click does.
    void PlaceCaretAtCell(TPoint cell);
    // Runs a key's caret move. With Shift, and the caret where the last key left it, the
    // selection grows to the new caret; otherwise it collapses there. With ctrlShiftAnchors
    // (Ctrl+Shift+Home and End) the selection then starts where the caret was.
    void MoveByKey(TShiftState shift, bool ctrlShiftAnchors, const std::function<void()>& move);
    // The editing commands' shared steps (Editing.cpp).
    void AddUndo(std::unique_ptr<TUndo> record);
    void DeleteCharAt(int x, int y, bool backspace);
    void MarkCaretLineModified();
    // Runs a command of the key map, unless it edits and the editor is read-only.
    void RunKeyCommand(const TKeyBinding& binding, TShiftState shift);
    void ApplyAutoCorrect();
    void ToggleOverwrite();
    void FindBlockMatch();

    std::unique_ptr<TCodeUndoList> FUndoList;
    TCodeMarkerList FMarkerList;
    TCodeProblemList FProblems;
    TSearchHighlight FSearchHighlight;
    // Set while an editing command moves the problems itself (a line broken or joined).
    bool FProblemsMovedByCommand = false;
    TCodeFolding FCodeFolding{[this] { FHost.Invalidate(); }};
    TAutoCompletion FAutoCompletion;
    TAutoCorrect FAutoCorrect;
    TBlockMatch FBlockStart;
    TBlockMatch FBlockEnd;
    // The block keywords last found, and what they were found in.
    struct TBlockTokens {
        std::uint64_t TextVersion = 0;
        int First = 0;
        int Last = -1;
        std::string StartWord;
        std::string EndWord;
        std::vector<TBlockToken> Tokens;
    };
    TBlockTokens FBlockTokens;
    TCursorShape FCursorShape = TCursorShape::IBeam;
    int FUndoLimit = 100;
    bool FReadOnly = false;
    bool FOverwrite = false;
    bool FAutoIndent = true;
    bool FDelErase = true;
    bool FEnhancedHomeKey = false;
    bool FSwallowKeyPress = false;
    bool FHiddenCaret = false;
    bool FWantTab = true;

    Host& FHost;
    std::unique_ptr<TCodeMemoStrings> FLines;

    TCaretSelection FSel;
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
    bool FHintVisible = false;
    bool FLastKeyCtrl = false;
    TAutoHintParameters FAutoHintParameters = hpAuto;
    TAutoHintParameterPosition FAutoHintPosition = hpBelowCode;
    int FAutoHintParameterDelay = 2500;
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
    TLongLineScans FLongLineScans;

private:
    // The rest of what the line store asks of its editor (CodeMemo.cpp).
    void ChangeAt(int line) override;
    void ResetCaret() override;
    void DeleteLineAt(TCodeMemoStrings& lines, int index) override;
    void ShowTopLeft() override;
    void TextAssigning() override;
    void TextAssigned() override;
    void TextLoading() override;
    void TextLoaded() override;
    void LinesInsertedAt(int index, int count) override;
    void LinesRemovedAt(int first, int count) override;
    void LineEdited(int line, int at, int removed, int inserted) override;
};

class TCodeMemo : public TCodeCustomMemo {
public:
    explicit TCodeMemo(Host& host) : TCodeCustomMemo(host) {}
};

// The editor's construction, its link to the line store and the per-line flags.
#include "editor/CodeMemo.h"

#include "editor/undo/UndoList.h"
#include "editor/view/Gutter.h"

#include <algorithm>

TCodeCustomMemo::TCodeCustomMemo(Host& host)
    : FUndoList(std::make_unique<TCodeUndoList>(*this)), FHost(host),
      FLines(std::make_unique<TCodeMemoStrings>(static_cast<TLineStoreOwner&>(*this))),
      FGutter(std::make_unique<TCodeGutter>(*this)) {
    OnGutterDraw = [](TCodeCustomMemo& memo, Surface& surface, int line, const TRect& rct) {
        memo.Gutter().PaintLine(surface, line, rct);
    };
    OnGutterClick = [](TCodeCustomMemo& memo, int line) { memo.SetCurY(line); };
    AttachLines();
    FLines->Add("");
}

TCodeCustomMemo::~TCodeCustomMemo() {
    ReleaseStyler();
    DetachLines();
}

void TCodeCustomMemo::AttachLines() {
    FLines->OnChange = [this](TCodeMemoStrings&) { LinesChanged(); };
}

void TCodeCustomMemo::DetachLines() {
    FLines->OnChange = nullptr;
}

void TCodeCustomMemo::LinesChanged() {
    if (!FNotifyChanges)
        return;
    if (OnChange)
        OnChange(*this);
    FHost.Invalidate();
    if (FLines->LineLengths().Count() == FLines->Count())
        FMaxLineLength = FLines->LineLengths().Max();
    UpdateScrollBars();
    FHost.Invalidate();
}

void TCodeCustomMemo::ChangeAt(int line) {
    if (line < FTopLine)
        InvalidateTopStateCache();
}

void TCodeCustomMemo::LinesInsertedAt(int index, int count) {
    if (!FProblemsMovedByCommand)
        FProblems.LinesInserted(index, count);
}

void TCodeCustomMemo::LinesRemovedAt(int first, int count) {
    if (!FProblemsMovedByCommand)
        FProblems.LinesRemoved(first, count);
}

void TCodeCustomMemo::LineEdited(int line, int at, int removed, int inserted) {
    if (!FProblemsMovedByCommand && !FProblems.Empty())
        FProblems.LineEdited(line, at, removed, inserted);
}

void TCodeCustomMemo::SetProblems(std::vector<TCodeProblem> problems) {
    FProblems.Set(std::move(problems));
    FHost.Invalidate();
}

void TCodeCustomMemo::SetSearchHighlight(TSearchPattern pattern, int currentLine, int currentCol) {
    FSearchHighlight.Pattern = std::move(pattern);
    FSearchHighlight.CurrentLine = currentLine;
    FSearchHighlight.CurrentCol = currentCol;
    FHost.Invalidate();
}

void TCodeCustomMemo::ResetCaret() {
    SetSelectionBounds(0, 0, 0, 0);
    SetCurY(0);
    SetCurX(0);
    FHost.Invalidate();
}

void TCodeCustomMemo::DeleteLineAt(TCodeMemoStrings&, int index) {
    int x = CurX();
    int y = CurY();
    int n = FLines->Count();
    SetCurY(index);
    DeleteLine();
    SetCurX(n == 1 ? 0 : x);
    SetCurY(index < y ? y - 1 : y);
}

void TCodeCustomMemo::ShowTopLeft() {
    InvalidateTopStateCache();
    SetTopLine(0);
    SetLeftCol(0);
}

void TCodeCustomMemo::TextAssigning() {
    ClearAll();
    InvalidateTopStateCache();
}

namespace {

std::string WithoutTrailingSpaces(std::string_view s) {
    auto end = s.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : s.substr(0, end + 1));
}

} // namespace

void TCodeCustomMemo::TextAssigned() {
    if (FTrimTrailingSpaces)
        for (int i = 0; i < FLines->Count(); ++i)
            FLines->Put(i, WithoutTrailingSpaces(FLines->Line(i)));
    if (OnSelectionChange)
        OnSelectionChange(*this);
    FHost.Invalidate();
    FMaxLineLength = FLines->LineLengths().Max();
}

void TCodeCustomMemo::TextLoading() {
    ClearSelection();
    ClearUndo();
    SetCurY(0);
    SetCurX(0);
    FNotifyChanges = false;
    DetachLines();
}

void TCodeCustomMemo::TextLoaded() {
    InvalidateTopStateCache();
    SetCurY(0);
    SetCurX(0);
    FMaxLineLength = FLines->LineLengths().Max();
    AttachLines();
    FNotifyChanges = true;
    LinesChanged();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetBreakpoint(int index, bool value) {
    // Setting a flag tells the lines' change handler nothing, so it need not be detached.
    TLineProp* prop = FLines->GetLineProp(index);
    if (!prop)
        prop = FLines->CreateLineProp(index);
    prop->Breakpoint = value;
    FHost.Invalidate();
}

void TCodeCustomMemo::SetModified(int index, bool value) {
    if (index >= FLines->Count())
        return;
    TLineProp* prop = FLines->GetLineProp(index);
    if (!prop)
        prop = FLines->CreateLineProp(index);
    if (prop->Modified != value) {
        prop->Modified = value;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::ClearAll() {
    SetCurX(0);
    SetCurY(0);
    FLeftCol = 0;
    FTopLine = 0;
    FNotifyChanges = false;
    FLines->Clear();
    FHost.Invalidate();
    FSel.Anchor = FSel.End = {};
    FNotifyChanges = true;
    LinesChanged();
}

void TCodeCustomMemo::DeleteLine() {
    // Lines.Delete comes through here too, and works whatever the editor's options.
    if (FReadOnly && !FLines->Deleting())
        return;
    int y0 = CurY();
    if (y0 < 0 || y0 >= FLines->Count())
        return;
    int x0 = CurX();
    std::string text = FLines->Get(y0);
    bool onlyLine = FLines->Count() == 1;
    SetCurX(0);
    if (onlyLine) {
        FLines->Put(0, "");
    } else if (CurY() == FLines->Count() - 1) {
        SetCurY(CurY() - 1);
        FLines->RemoveLine(CurY() + 1);
    } else {
        FLines->RemoveLine(CurY());
    }
    FMarkerList.Remove(y0);
    ClearSelection();
    FHost.Invalidate();
    auto record = std::make_unique<TDeleteLineUndo>(x0, y0, std::move(text), CurX(), CurY());
    record->OnlyLine = onlyLine;
    AddUndo(std::move(record));
}

void TCodeCustomMemo::AddUndo(std::unique_ptr<TUndo> record) {
    FUndoList->Add(std::move(record));
}

void TCodeCustomMemo::ClearUndo() {
    FUndoList->Clear();
}

bool TCodeCustomMemo::CanUndo() const {
    return FUndoList->CanUndo();
}

bool TCodeCustomMemo::CanRedo() const {
    return FUndoList->CanRedo();
}

void TCodeCustomMemo::Undo() {
    FUndoList->Undo();
}

void TCodeCustomMemo::Redo() {
    FUndoList->Redo();
    FHost.Invalidate();
}

void TCodeCustomMemo::SetUndoLimit(int limit) {
    if (limit == FUndoLimit)
        return;
    FUndoLimit = std::clamp(limit, 1, 100);
    FUndoList->SetLimit(FUndoLimit);
}

void TCodeCustomMemo::SetOverwrite(bool value) {
    if (value != FOverwrite) {
        FOverwrite = value;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::CaretChanged() {
    FindBlockMatch();
    if (FAutoHintParameters == hpAuto && !FLastKeyCtrl)
        UpdateParameterHint(false);
    if (OnCursorChange)
        OnCursorChange(*this);
}

void TCodeCustomMemo::FindBlockMatch() {
    TBlockPair pair;
    int count = FLines->Count();
    if (count > 0 && CurY() >= 0 && CurY() < count) {
        TBlockSearch search;
        search.StartWord = BlockStartWord();
        search.EndWord = BlockEndWord();
        if (!search.StartWord.empty() && !search.EndWord.empty()) {
            search.LineAt = [this](int line) { return FLines->Line(line); };
            search.IsDelimiter = [this](char c) { return IsDelimiter(c); };
            search.FirstLine = std::clamp(FTopLine, 0, count - 1);
            search.LastLine = std::clamp(FTopLine + VisibleRows(), 0, count - 1);
            // The keywords stay what they were while the text and the lines searched do: a
            // caret move then finds its pair without reading the lines again.
            TBlockTokens& known = FBlockTokens;
            if (known.TextVersion != FLines->TextVersion() || known.First != search.FirstLine ||
                known.Last != search.LastLine || known.StartWord != search.StartWord ||
                known.EndWord != search.EndWord) {
                known =
                    TBlockTokens{FLines->TextVersion(), search.FirstLine, search.LastLine,
                                 search.StartWord,      search.EndWord,   FindBlockTokens(search)};
            }
            pair = FindBlockPair(known.Tokens, known.First, known.Last, CurX(), CurY());
        }
    }
    if (pair.Start == FBlockStart && pair.End == FBlockEnd)
        return;
    for (const TBlockMatch* m : {&FBlockStart, &FBlockEnd, &pair.Start, &pair.End})
        if (m->Line >= 0)
            InvalidateLine(m->Line);
    FBlockStart = pair.Start;
    FBlockEnd = pair.End;
}

void TCodeCustomMemo::InvalidateLine(int line) {
    TRect area = TextArea();
    int top = area.Top + 1 + (line - FTopLine) * FLineHeight;
    if (top + FLineHeight < area.Top || top > area.Bottom)
        return;
    FHost.InvalidateRect(TRect{area.Left, top, area.Right, top + FLineHeight});
}

void TCodeCustomMemo::SetTabSize(int size) {
    if (size != FTabSize) {
        FTabSize = size;
        FHost.Invalidate();
    }
}

// The caret and the selection.
#include "editor/CodeMemo.h"
#include "editor/commands/TextSlices.h"

#include <algorithm>

void TCodeCustomMemo::SetCurX(int x) {
    if (x == CurX())
        return;
    if (x < 0) {
        if (CurY() > 0) {
            SetCurY(CurY() - 1);
            x = FLines->Count() > CurY() ? FLines->LineLength(CurY()) : 0;
        } else {
            x = 0;
        }
    }
    FSel.Caret.X = x;
    if (CurY() >= 0 && CurY() < FLines->Count()) {
        TQuiet quiet(*this);
        if (x > FMaxLineLength) {
            FLeftCol = std::max(0, x - VisibleCols());
            FMaxLineLength = x;
        } else {
            FMaxLineLength = FLines->LineLengths().Max();
        }
        int length = FLines->LineLength(CurY());
        if (x > length) {
            if (FAutoExpand) {
                std::string padded(FLines->Line(CurY()));
                padded.append(static_cast<std::size_t>(x - length), ' ');
                FLines->Put(CurY(), padded);
            } else {
                x = length;
            }
        }
        FHost.Invalidate();
    }
    FSel.Caret.X = x;
    ScrollCaretIntoView();
    if (OnStatusChange)
        OnStatusChange(*this);
    CaretChanged();
    UpdateSystemCaret();
    if (OnColumnChange)
        OnColumnChange(*this, CurX());
}

void TCodeCustomMemo::SetCurY(int y) {
    if (y == CurY())
        return;
    if (FLines->Count() == 0)
        FLines->Add("");
    y = std::clamp(y, 0, FLines->Count() - 1);
    int left = CurY();
    FSel.Caret.Y = y;
    TrimLineLeft(left);
    HideParameterHint();
    if (OnActiveLineChange)
        OnActiveLineChange(*this);
    // Re-applying the unchanged column does nothing: the caret keeps its column even where the
    // new line is shorter.
    ScrollCaretIntoView();
    if (OnStatusChange)
        OnStatusChange(*this);
    CaretChanged();
}

void TCodeCustomMemo::TrimLineLeft(int line) {
    if (line < 0 || line >= FLines->Count())
        return;
    std::string_view text = FLines->Line(line);
    std::string_view trimmed = WithoutTrailingBlanks(text);
    if (trimmed.size() == text.size())
        return;
    TQuiet quiet(*this);
    FLines->Put(line, std::string(trimmed));
}

void TCodeCustomMemo::SetSelectionBounds(int startX, int startY, int endX, int endY) {
    FSel.Anchor = {startX, startY};
    FSel.End = {endX, endY};
}

void TCodeCustomMemo::ClearSelection() {
    bool wasEmpty = SelectionEmpty();
    FSel.CollapseTo(FSel.Caret);
    if (!wasEmpty) {
        if (OnSelectionChange)
            OnSelectionChange(*this);
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::ExtendSelection() {
    int previous = FSel.Mark.Y;
    FSel.ExtendTo(FSel.Caret);
    if (OnSelectionChange)
        OnSelectionChange(*this);
    int first = std::max(std::min(previous, CurY()), FTopLine);
    int last = std::min(std::max(previous, CurY()), FTopLine + VisibleRows() + 1);
    for (int line = first; line <= last; ++line)
        InvalidateLine(line);
}

void TCodeCustomMemo::UpdateSystemCaret() {
    if (!FCaretCreated)
        return;
    TRect area = TextArea();
    FHost.SetCaretPos(area.Left + (CurX() - FLeftCol) * FCharWidth,
                      area.Top + (CurY() - FTopLine) * FLineHeight + 2);
}

void TCodeCustomMemo::FocusGained() {
    if (FCaretCreated)
        return;
    FHost.CreateCaret(2, FLineHeight - 2);
    FCaretCreated = true;
    UpdateSystemCaret();
    if (!FHiddenCaret)
        FHost.ShowCaret();
}

void TCodeCustomMemo::FocusLost(bool toOwnScrollBar) {
    if (toOwnScrollBar)
        return;
    if (FCaretCreated) {
        FHost.DestroyCaret();
        FCaretCreated = false;
    }
    HideParameterHint();
}

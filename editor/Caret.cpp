// The caret and the selection.
#include "editor/CodeMemo.h"
#include "editor/TextSlices.h"

#include <algorithm>

void TCodeCustomMemo::SetCurX(int x) {
    if (x == FCurX)
        return;
    if (x < 0) {
        if (FCurY > 0) {
            SetCurY(FCurY - 1);
            x = FLines->Count() > FCurY ? FLines->LineLength(FCurY) : 0;
        } else {
            x = 0;
        }
    }
    FCurX = x;
    if (FCurY >= 0 && FCurY < FLines->Count()) {
        TQuiet quiet(*this);
        if (x > FMaxLineLength) {
            FLeftCol = std::max(0, x - VisibleCols());
            FMaxLineLength = x;
        } else {
            FMaxLineLength = FLines->LineLengths().Max();
        }
        int length = FLines->LineLength(FCurY);
        if (x > length) {
            if (FAutoExpand) {
                std::string padded(FLines->Line(FCurY));
                padded.append(static_cast<std::size_t>(x - length), ' ');
                FLines->Put(FCurY, padded);
            } else {
                x = length;
            }
        }
        FHost.Invalidate();
    }
    FCurX = x;
    ScrollCaretIntoView();
    if (OnStatusChange)
        OnStatusChange(*this);
    CaretChanged();
    UpdateSystemCaret();
    if (OnColumnChange)
        OnColumnChange(*this, FCurX);
}

void TCodeCustomMemo::SetCurY(int y) {
    if (y == FCurY)
        return;
    if (FLines->Count() == 0)
        FLines->Add("");
    y = std::clamp(y, 0, FLines->Count() - 1);
    int left = FCurY;
    FCurY = y;
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
    FSelStartX = startX;
    FSelStartY = startY;
    FSelEndX = endX;
    FSelEndY = endY;
}

void TCodeCustomMemo::ClearSelection() {
    bool wasEmpty = SelectionEmpty();
    FSelStartX = FSelEndX = FSelMarkX = FCurX;
    FSelStartY = FSelEndY = FSelMarkY = FCurY;
    if (!wasEmpty) {
        if (OnSelectionChange)
            OnSelectionChange(*this);
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::ExtendSelection() {
    int previous = FSelMarkY;
    FSelEndX = FSelMarkX = FCurX;
    FSelEndY = FSelMarkY = FCurY;
    if (OnSelectionChange)
        OnSelectionChange(*this);
    int first = std::max(std::min(previous, FCurY), FTopLine);
    int last = std::min(std::max(previous, FCurY), FTopLine + VisibleRows() + 1);
    for (int line = first; line <= last; ++line)
        InvalidateLine(line);
}

void TCodeCustomMemo::UpdateSystemCaret() {
    if (!FCaretCreated)
        return;
    TRect area = TextArea();
    FHost.SetCaretPos(area.Left + (FCurX - FLeftCol) * FCharWidth,
                      area.Top + (FCurY - FTopLine) * FLineHeight + 2);
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

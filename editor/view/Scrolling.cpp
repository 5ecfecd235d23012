// The view: text area geometry, keeping the caret in view, and the scroll bars.
#include "editor/CodeMemo.h"

#include "editor/view/Gutter.h"

#include <algorithm>

TRect TCodeCustomMemo::TextArea() {
    TRect client = FHost.ClientRect();
    int gutter = FGutter->GutterWidth() > 2 && FGutter->Visible() ? FGutter->GutterWidth() + 2 : 2;
    TRect area{gutter + FLeftMarginWidth, 2, client.Right - 2, client.Bottom - 2};
    if (FVertBarVisible && (FScrollBars == ssVertical || FScrollBars == ssBoth))
        area.Right -= FHost.ScrollBarWidth();
    if (FHorzBarVisible && (FScrollBars == ssHorizontal || FScrollBars == ssBoth))
        area.Bottom -= FHost.ScrollBarWidth();
    int grow = FBorderStyle == bsNone ? 2 : (FCtl3D ? 0 : 1);
    return TRect{area.Left - grow, area.Top - grow, area.Right + grow, area.Bottom + grow};
}

int TCodeCustomMemo::VisibleCols() {
    TRect area = TextArea();
    return std::max(0, (area.Right - 1 - area.Left) / std::max(1, FCharWidth));
}

int TCodeCustomMemo::VisibleRows() {
    TRect area = TextArea();
    return std::max(0, (area.Bottom - 1 - area.Top) / std::max(1, FLineHeight));
}

void TCodeCustomMemo::ScrollCaretIntoView() {
    bool changed = false;
    if (CurX() < FLeftCol) {
        FLeftCol = std::max(0, CurX() - 2);
        changed = true;
    }
    int lastCol = FLeftCol + VisibleCols() - 1;
    if (CurX() > lastCol) {
        if (!FHorzBarVisible && FScrollMode == TScrollMode::smStrict)
            FSel.Caret.X = lastCol;
        else
            FLeftCol = FLeftCol + CurX() - lastCol + 2;
        changed = true;
    }
    if (CurY() < FTopLine) {
        FTopLine = CurY();
        changed = true;
    }
    int lastLine = FTopLine + VisibleRows() - 1;
    if (CurY() > lastLine) {
        if (!FVertBarVisible && FScrollMode == TScrollMode::smStrict)
            FSel.Caret.Y = lastLine;
        else
            FTopLine = FTopLine + CurY() - lastLine;
        changed = true;
    }
    if (changed)
        FHost.Invalidate();
    // The bars follow every caret move.
    UpdateScrollBars();
}

void TCodeCustomMemo::SetTopLine(int line) {
    if (line < 0)
        return;
    int old = FTopLine;
    int rows = VisibleRows();
    // Moving up is always honoured: otherwise a view that has reached the end of a long text
    // could never be scrolled back up with the wheel.
    if (line + rows < FLines->Count() || line < FTopLine)
        FTopLine = line;
    else
        FTopLine = std::max(0, FLines->Count() - rows / 2);
    if (FVertBarVisible)
        FHost.SetScrollBar(TScrollBarKind::Vertical, 0, FLines->Count() - 1, rows, FTopLine);
    FHost.Invalidate();
    if (FTopLine != old && OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

void TCodeCustomMemo::SetLeftCol(int col) {
    col = std::max(0, col);
    if (col != FLeftCol) {
        FLeftCol = col;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::UpdateScrollBars() {
    if (!FNotifyChanges)
        return;
    for (int pass = 0; pass < 3; ++pass) {
        bool vertBefore = FVertBarVisible;
        bool horzBefore = FHorzBarVisible;
        int rows = VisibleRows();
        int count = FLines->Count();
        if (rows < 1 || rows >= count) {
            FVertBarVisible = false;
            FTopLine = 0;
        } else {
            FVertBarVisible = true;
            FHost.SetScrollBar(TScrollBarKind::Vertical, 0, count - 1, rows, FTopLine);
        }
        int cols = VisibleCols();
        if (cols > 0 && cols < FMaxLineLength) {
            FHorzBarVisible = true;
            FHost.SetScrollBar(TScrollBarKind::Horizontal, 0, FMaxLineLength, cols + 1, FLeftCol);
        } else {
            FLeftCol = 0;
            if (CurX() < cols)
                FHorzBarVisible = false;
        }
        if (vertBefore != FVertBarVisible)
            FHost.ShowScrollBar(TScrollBarKind::Vertical, FVertBarVisible);
        if (horzBefore != FHorzBarVisible)
            FHost.ShowScrollBar(TScrollBarKind::Horizontal, FHorzBarVisible);
        if (vertBefore == FVertBarVisible && horzBefore == FHorzBarVisible)
            break;
    }
    if (FVertBarVisible) {
        int rows = VisibleRows();
        FTopLine = std::clamp(FTopLine, 0, std::max(0, FLines->Count() - 1 - rows + 1));
    }
    if (FHorzBarVisible) {
        int cols = VisibleCols();
        FLeftCol = std::clamp(FLeftCol, 0, std::max(0, FMaxLineLength - (cols + 1) + 2));
    }
    if (OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

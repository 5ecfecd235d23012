// Mouse buttons, moves, double clicks, the wheel and the scroll bars.
#include "editor/view/Mouse.h"

#include "editor/CodeMemo.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsLinkDelimiter(char c) {
    return c == ' ' || c == '"' || c == '\'' || c == ',';
}

// Division truncating toward zero, as cell coordinates are computed.
int CellOf(int pixels, int cell) {
    return pixels / std::max(1, cell);
}

} // namespace

bool IsLinkToken(std::string_view token) {
    static const std::string_view prefixes[] = {"http://",  "mailto:", "www.",
                                                "https://", "ftp://",  "nntp://"};
    for (std::string_view prefix : prefixes) {
        if (token.size() < prefix.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < prefix.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(token[i])) == prefix[i];
        if (same)
            return true;
    }
    return false;
}

std::string_view TokenAt(std::string_view line, int col) {
    if (col < 0 || static_cast<std::size_t>(col) >= line.size())
        return {};
    auto at = static_cast<std::size_t>(col);
    bool delimiter = IsLinkDelimiter(line[at]);
    std::size_t start = at, end = at + 1;
    while (start > 0 && IsLinkDelimiter(line[start - 1]) == delimiter)
        --start;
    while (end < line.size() && IsLinkDelimiter(line[end]) == delimiter)
        ++end;
    return line.substr(start, end - start);
}

TPoint TCodeCustomMemo::PointToCell(int x, int y) {
    TRect area = TextArea();
    return TPoint{CellOf(x - area.Left, FCharWidth), CellOf(y - area.Top, FLineHeight)};
}

void TCodeCustomMemo::PlaceCaretAtCell(TPoint cell) {
    if (FCaretCreated)
        FHost.HideCaret();
    cell.X = std::max(0, cell.X);
    cell.Y = std::max(0, cell.Y);
    int left = CurY();
    if (FLines->Count() > 0)
        FSel.Caret.Y = std::clamp(cell.Y + FTopLine, 0, FLines->Count() - 1);
    FIgnoreNextMouseMove = true;
    SetCurX(cell.X + FLeftCol);
    if (CurY() != left) {
        TrimLineLeft(left);
        CaretChanged();
    }
    ScrollCaretIntoView();
}

void TCodeCustomMemo::MouseDown(TMouseButton button, bool shift, int x, int y, bool ctrl) {
    if (!FHost.HasFocus())
        FHost.SetFocus();
    if (button != TMouseButton::mbLeft)
        return;
    TRect area = TextArea();
    TPoint p{x, y};
    if (area.Contains(p)) {
        TPoint cell = PointToCell(x, y);
        if (!SelectionEmpty()) {
            // Text offsets grow with (line, column within the line): comparing those is
            // comparing offsets, without counting the lines above.
            auto position = [this](TTextPos p) {
                int count = FLines->Count();
                if (p.Y >= count)
                    return TTextPos{0, count};
                return TTextPos{std::clamp(p.X, 0, FLines->LineLength(p.Y)), p.Y};
            };
            TTextPos at = position({cell.X + FLeftCol, cell.Y + FTopLine});
            TTextPos a = position(FSel.Anchor);
            TTextPos b = position(FSel.End);
            if (at > std::min(a, b) && at < std::max(a, b)) {
                FDragPending = true;
                FDragCell = cell;
                return;
            }
        }
        PlaceCaretAtCell(cell);
        if (ctrl && !shift && OnCtrlClick) {
            // The click places the caret and hands the cell on; it starts no selection.
            ClearSelection();
            OnCtrlClick(*this, CurY(), cell.X + FLeftCol);
            return;
        }
        if (shift)
            ExtendSelection();
        else
            ClearSelection();
        FSelecting = true;
        if (FUrlAware && CurY() < FLines->Count()) {
            std::string_view token = TokenAt(FLines->Line(CurY()), CurX());
            if (IsLinkToken(token)) {
                if (OnURLClick)
                    OnURLClick(*this, std::string(token));
                else
                    FHost.OpenUrl(std::string(token));
            }
        }
    }
    if (x < area.Left && y >= area.Top && y < area.Bottom) {
        int line = PointToCell(x, y).Y + FTopLine;
        if (line >= 0 && line < FLines->Count()) {
            if (OnGutterClick)
                OnGutterClick(*this, line);
            else
                SetCurY(line);
        }
    }
}

void TCodeCustomMemo::MouseMove(bool leftDown, int x, int y) {
    if (FIgnoreNextMouseMove) {
        FIgnoreNextMouseMove = false;
        return;
    }
    if (FDragPending) {
        FDragPending = false;
        FHost.StartDrag();
    }
    TPoint cell = PointToCell(x, y);
    int line = cell.Y + FTopLine;
    bool overLink = false;
    if (FUrlAware && cell.Y >= 0 && line >= 0 && line < FLines->Count() && cell.X >= 0)
        overLink = IsLinkToken(TokenAt(FLines->Line(line), cell.X + FLeftCol));
    if (overLink != FOverLink) {
        FOverLink = overLink;
        FHost.SetCursor(overLink ? TCursorShape::Hand : TCursorShape::IBeam);
    }
    if (leftDown && FSelecting) {
        int oldX = SelEndX(), oldY = SelEndY();
        SetCurY(line);
        if (cell.X < 0) {
            SetCurX(0);
            SetLeftCol(0);
        } else if (CurY() < FLines->Count()) {
            SetCurX(std::min(FLines->LineLength(CurY()), cell.X + FLeftCol));
        }
        ExtendSelection();
        if (oldX != SelEndX() || oldY != SelEndY())
            FHost.Invalidate();
    }
}

void TCodeCustomMemo::MouseUp(TMouseButton button, int, int) {
    if (button != TMouseButton::mbLeft)
        return;
    if (FCaretCreated)
        FHost.ShowCaret();
    FSelecting = false;
    if (FDragPending) {
        FDragPending = false;
        ClearSelection();
        FSel.Anchor = FSel.End = FSel.Caret;
        PlaceCaretAtCell(FDragCell);
        ClearSelection();
        FIgnoreNextMouseMove = false;
        if (FCaretCreated)
            FHost.ShowCaret();
    }
}

void TCodeCustomMemo::DoubleClick() {
    if (OnDblClick)
        OnDblClick(*this);
    if (CurY() < 0 || CurY() >= FLines->Count())
        return;
    std::string_view line = FLines->Line(CurY());
    if (CurX() >= static_cast<int>(line.size()) ||
        IsDelimiter(line[static_cast<std::size_t>(CurX())]))
        return;
    int start = CurX(), end = CurX() + 1;
    while (start > 0 && !IsDelimiter(line[static_cast<std::size_t>(start - 1)]))
        --start;
    while (end < static_cast<int>(line.size()) && !IsDelimiter(line[static_cast<std::size_t>(end)]))
        ++end;
    FSel.Anchor = {start, CurY()};
    FSel.End = {end, CurY()};
    if (OnSelectionChange)
        OnSelectionChange(*this);
    FHost.Invalidate();
}

void TCodeCustomMemo::MouseWheel(bool down) {
    int rows = VisibleRows();
    int count = FLines->Count();
    if (down) {
        if (FTopLine + rows >= count)
            return;
        SetTopLine(FTopLine + 4);
    } else if (FTopLine < 5) {
        if (rows >= count)
            return;
        SetTopLine(0);
    } else {
        SetTopLine(FTopLine - 4);
    }
}

void TCodeCustomMemo::ScrollBarAction(TScrollBarKind kind, TScrollCode code, int position) {
    if (!FHost.HasFocus())
        FHost.SetFocus();
    bool vertical = kind == TScrollBarKind::Vertical;
    int old = vertical ? FTopLine : FLeftCol;
    int maximum = vertical ? std::max(0, FLines->Count() - 1) : FMaxLineLength;
    int page = vertical ? VisibleRows() : VisibleCols();
    int pos = old;
    switch (code) {
    case TScrollCode::scLineUp:
        pos = old - 1;
        break;
    case TScrollCode::scLineDown:
        pos = old + 1;
        break;
    case TScrollCode::scPageUp:
        pos = old - page;
        break;
    case TScrollCode::scPageDown:
        pos = old + page;
        break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack:
        pos = position;
        break;
    case TScrollCode::scTop:
        pos = 0;
        break;
    case TScrollCode::scBottom:
        pos = maximum;
        break;
    case TScrollCode::scEndScroll:
        return;
    }
    pos = std::clamp(pos, 0, maximum);
    if (pos == old)
        return;
    if (vertical)
        FTopLine = pos;
    else
        FLeftCol = pos;
    FHost.SetScrollBar(kind, 0, maximum, vertical ? page : page + 1, pos);
    FHost.Invalidate();
    UpdateSystemCaret();
    if (OnTopLeftChanged)
        OnTopLeftChanged(*this);
}

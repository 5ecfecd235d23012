// Selecting all, the selected text and text offsets.
#include "editor/CodeMemo.h"
#include "editor/commands/TextSlices.h"

#include <algorithm>

void TCodeCustomMemo::SelectAll() {
    int last = std::max(0, FLines->Count() - 1);
    FSel.Anchor = {0, 0};
    FSel.End = {FLines->Count() > 0 ? FLines->LineLength(last) : 0, last};
    if (OnSelectionChange)
        OnSelectionChange(*this);
    FHost.Invalidate();
}

void TCodeCustomMemo::NormalizedSelection(int& startX, int& startY, int& endX, int& endY) const {
    TTextRange range = FSel.Normalized();
    startX = range.Start.X;
    startY = range.Start.Y;
    endX = range.End.X;
    endY = range.End.Y;
}

std::string TCodeCustomMemo::GetSelText() const {
    if (SelectionEmpty())
        return {};
    int sx, sy, ex, ey;
    NormalizedSelection(sx, sy, ex, ey);
    int count = FLines->Count();
    if (sy < 0 || ey >= count)
        return {};
    if (sy == ey)
        return std::string(Slice(FLines->Line(sy), sx, ex));
    std::string text(Slice(FLines->Line(sy), sx));
    for (int y = sy + 1; y < ey; ++y) {
        text += "\r\n";
        text += FLines->Line(y);
    }
    text += "\r\n";
    text += Slice(FLines->Line(ey), 0, ex);
    return text;
}

int TCodeCustomMemo::PosToOffset(int col, int line) const {
    long long offset = 0;
    int count = FLines->Count();
    int last = std::min(line, count);
    for (int y = 0; y < last; ++y)
        offset += FLines->LineLength(y) + 2;
    if (line >= 0 && line < count)
        offset += std::clamp(col, 0, FLines->LineLength(line));
    return static_cast<int>(offset);
}

int TCodeCustomMemo::SelStartOffset() const {
    int sx, sy, ex, ey;
    NormalizedSelection(sx, sy, ex, ey);
    return PosToOffset(sx, sy);
}

int TCodeCustomMemo::SelLength() const {
    return static_cast<int>(GetSelText().size());
}

void TCodeCustomMemo::GetSel(int& start, int& end) const {
    start = SelStartOffset();
    end = start + SelLength();
}

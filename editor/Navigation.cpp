// Caret movement by keys: arrows, words, Home and End, Page Up and Page Down.
#include "editor/CodeMemo.h"
#include "editor/TextSlices.h"

#include <algorithm>

void TCodeCustomMemo::MoveCaret(int dx, int dy, TShiftState shift) {
    bool extend = (shift & ssShift) && FCurX == FSelMarkX && FCurY == FSelMarkY;
    if (shift & ssCtrl) {
        if (dx > 0)
            WordRight();
        else if (dx < 0)
            WordLeft();
    } else {
        SetCurY(FCurY + dy);
        if ((shift & ssShift) && FCurY >= 0 && FCurY < FLines->Count())
            SetCurX(std::min(FLines->LineLength(FCurY), FCurX + dx));
        else
            SetCurX(FCurX + dx);
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

void TCodeCustomMemo::WordRight() {
    if (FLines->Count() == 0 || FCurY < 0 || FCurY >= FLines->Count())
        return;
    std::string_view line = WithoutTrailingBlanks(FLines->Line(FCurY));
    int length = static_cast<int>(line.size());
    int x = FCurX + 1;
    while (x < length && (!IsWordDelimiter(line[static_cast<std::size_t>(x - 1)]) ||
                          line[static_cast<std::size_t>(x)] == ' '))
        ++x;
    if (x > length && FCurY + 1 < FLines->Count()) {
        SetCurY(FCurY + 1);
        SetCurX(0);
    } else {
        SetCurX(x);
    }
}

void TCodeCustomMemo::WordLeft() {
    if (FLines->Count() == 0 || FCurY < 0 || FCurY >= FLines->Count())
        return;
    SetCurX(FCurX - 1);
    std::string_view line = WithoutTrailingBlanks(FLines->Line(FCurY));
    int length = static_cast<int>(line.size());
    int x = FCurX;
    while (x > 0 && x <= length) {
        bool delimiterLeft = IsWordDelimiter(line[static_cast<std::size_t>(x - 1)]);
        bool spaceAt = x < length && line[static_cast<std::size_t>(x)] == ' ';
        if (delimiterLeft && !spaceAt)
            break;
        --x;
    }
    SetCurX(x);
}

void TCodeCustomMemo::HomeKey(TShiftState shift) {
    bool extend = (shift & ssShift) && FCurX == FSelMarkX && FCurY == FSelMarkY;
    int oldX = FCurX;
    int oldY = FCurY;
    if (shift & ssCtrl) {
        SetCurY(0);
        SetCurX(0);
    }
    if (!FEnhancedHomeKey) {
        SetCurX(0);
        SetLeftCol(0);
    } else if (FCurY >= 0 && FCurY < FLines->Count()) {
        std::string_view line = FLines->Line(FCurY);
        int x = std::min(FCurX - 1, static_cast<int>(line.size()));
        while (x > 0 && !(line[static_cast<std::size_t>(x - 1)] == ' ' &&
                          (static_cast<std::size_t>(x) >= line.size() ||
                           line[static_cast<std::size_t>(x)] != ' ')))
            --x;
        SetCurX(std::max(x, 0));
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
    if ((shift & ssCtrl) && (shift & ssShift)) {
        FSelStartX = oldX;
        FSelStartY = oldY;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::EndKey(TShiftState shift) {
    bool extend = (shift & ssShift) && FCurX == FSelMarkX && FCurY == FSelMarkY;
    int oldX = FCurX;
    int oldY = FCurY;
    if (FLines->Count() > 0) {
        if (shift & ssCtrl) {
            SetCurY(FLines->Count() - 1);
            SetCurX(FLines->LineLength(FCurY));
        }
        if (FCurY >= 0 && FCurY < FLines->Count())
            SetCurX(static_cast<int>(WithoutTrailingBlanks(FLines->Line(FCurY)).size()));
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
    if ((shift & ssCtrl) && (shift & ssShift)) {
        FSelStartX = oldX;
        FSelStartY = oldY;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::PageKey(int direction, TShiftState shift) {
    bool extend = (shift & ssShift) && FCurX == FSelMarkX && FCurY == FSelMarkY;
    int rows = TextArea().Height() / std::max(1, FLineHeight) - 1;
    SetCurY(FCurY + direction * rows);
    if (shift & ssCtrl) {
        if (direction < 0) {
            SetCurY(0);
            SetCurX(0);
        } else if (FLines->Count() > 0) {
            SetCurY(FLines->Count() - 1);
            SetCurX(FLines->LineLength(FCurY));
        }
    }
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

// Caret movement by keys: arrows, words, Home and End, Page Up and Page Down.
#include "editor/CodeMemo.h"
#include "editor/commands/TextSlices.h"

#include <algorithm>

void TCodeCustomMemo::MoveByKey(TShiftState shift, bool ctrlShiftAnchors,
                                const std::function<void()>& move) {
    bool extend = (shift & ssShift) && FSel.CaretAtMark();
    TTextPos old = FSel.Caret;
    move();
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
    if (ctrlShiftAnchors && (shift & ssCtrl) && (shift & ssShift)) {
        FSel.Anchor = old;
        FHost.Invalidate();
    }
}

void TCodeCustomMemo::MoveCaret(int dx, int dy, TShiftState shift) {
    MoveByKey(shift, false, [&] {
        if (shift & ssCtrl) {
            if (dx > 0)
                WordRight();
            else if (dx < 0)
                WordLeft();
        } else {
            SetCurY(CurY() + dy);
            if ((shift & ssShift) && CurY() >= 0 && CurY() < FLines->Count())
                SetCurX(std::min(FLines->LineLength(CurY()), CurX() + dx));
            else
                SetCurX(CurX() + dx);
        }
    });
}

void TCodeCustomMemo::WordRight() {
    if (FLines->Count() == 0 || CurY() < 0 || CurY() >= FLines->Count())
        return;
    std::string_view line = WithoutTrailingBlanks(FLines->Line(CurY()));
    int length = static_cast<int>(line.size());
    int x = CurX() + 1;
    while (x < length && (!IsWordDelimiter(line[static_cast<std::size_t>(x - 1)]) ||
                          line[static_cast<std::size_t>(x)] == ' '))
        ++x;
    if (x > length && CurY() + 1 < FLines->Count()) {
        SetCurY(CurY() + 1);
        SetCurX(0);
    } else {
        SetCurX(x);
    }
}

void TCodeCustomMemo::WordLeft() {
    if (FLines->Count() == 0 || CurY() < 0 || CurY() >= FLines->Count())
        return;
    SetCurX(CurX() - 1);
    std::string_view line = WithoutTrailingBlanks(FLines->Line(CurY()));
    int length = static_cast<int>(line.size());
    int x = CurX();
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
    MoveByKey(shift, true, [&] {
        if (shift & ssCtrl) {
            SetCurY(0);
            SetCurX(0);
        }
        if (!FEnhancedHomeKey) {
            SetCurX(0);
            SetLeftCol(0);
        } else if (CurY() >= 0 && CurY() < FLines->Count()) {
            std::string_view line = FLines->Line(CurY());
            int x = std::min(CurX() - 1, static_cast<int>(line.size()));
            while (x > 0 && !(line[static_cast<std::size_t>(x - 1)] == ' ' &&
                              (static_cast<std::size_t>(x) >= line.size() ||
                               line[static_cast<std::size_t>(x)] != ' ')))
                --x;
            SetCurX(std::max(x, 0));
        }
    });
}

void TCodeCustomMemo::EndKey(TShiftState shift) {
    MoveByKey(shift, true, [&] {
        if (FLines->Count() == 0)
            return;
        if (shift & ssCtrl) {
            SetCurY(FLines->Count() - 1);
            SetCurX(FLines->LineLength(CurY()));
        }
        if (CurY() >= 0 && CurY() < FLines->Count())
            SetCurX(static_cast<int>(WithoutTrailingBlanks(FLines->Line(CurY())).size()));
    });
}

void TCodeCustomMemo::PageKey(int direction, TShiftState shift) {
    MoveByKey(shift, false, [&] {
        int rows = TextArea().Height() / std::max(1, FLineHeight) - 1;
        SetCurY(CurY() + direction * rows);
        if (shift & ssCtrl) {
            if (direction < 0) {
                SetCurY(0);
                SetCurX(0);
            } else if (FLines->Count() > 0) {
                SetCurY(FLines->Count() - 1);
                SetCurX(FLines->LineLength(CurY()));
            }
        }
    });
}

void TCodeCustomMemo::SelectInLine(int line, int start, int end) {
    if (line < 0 || line >= FLines->Count())
        return;
    MoveByKey(0, false, [&] {
        SetCurY(line);
        SetCurX(start);
    });
    MoveByKey(ssShift, false, [&] { SetCurX(end); });
    FHost.Invalidate();
}

void TCodeCustomMemo::GoToProblem(int direction) {
    const TCodeProblem* problem =
        direction < 0 ? FProblems.Previous(CurY(), CurX()) : FProblems.Next(CurY(), CurX());
    if (!problem || problem->Line >= FLines->Count())
        return;
    const int line = problem->Line;
    const int col = problem->Start;
    MoveByKey(0, false, [&] {
        SetCurY(line);
        SetCurX(col);
    });
    FHost.Invalidate();
}

// The undo history and how each kind of record undoes, redoes and merges its change.
#include "editor/undo/UndoList.h"

#include "editor/CodeMemo.h"

#include <algorithm>

namespace {

bool SamePos(int x1, int y1, int x2, int y2) {
    return x1 == x2 && y1 == y2;
}

// The byte left of the caret, or -1 where there is none.
int ByteLeftOfCaret(TCodeCustomMemo& memo) {
    int x = memo.CurX();
    int y = memo.CurY();
    if (x <= 0 || y < 0 || y >= memo.Lines().Count())
        return -1;
    std::string_view line = memo.Lines().Line(y);
    if (static_cast<std::size_t>(x - 1) >= line.size())
        return -1;
    return static_cast<unsigned char>(line[static_cast<std::size_t>(x - 1)]);
}

void MoveCaretTo(TCodeCustomMemo& memo, int x, int y) {
    memo.SetCurY(y);
    memo.SetCurX(x);
}

// Where a record starts its replay, the caret stands on real bytes: trailing spaces of the
// record that the caret trimmed on leaving the line come back.
void MoveCaretToStart(TCodeCustomMemo& memo, int x, int y) {
    MoveCaretTo(memo, x, y);
    if (memo.CurY() >= 0 && memo.CurY() < memo.Lines().Count())
        memo.PadCaretLine();
}

} // namespace

// ---- Merging --------------------------------------------------------------------------------

bool TUndo::Merge(const TUndo&) {
    return false;
}

namespace {

// Typing merges a record of the same kind that starts where record ends: its text and its
// per-byte list are appended, and the caret ends where it ended.
template <class Record, class List>
bool MergeTyping(Record& record, const TUndo& next, List Record::*perByte) {
    auto* other = dynamic_cast<const Record*>(&next);
    if (!other || !SamePos(other->BeforeX, other->BeforeY, record.AfterX, record.AfterY))
        return false;
    record.Text += other->Text;
    (record.*perByte)
        .insert((record.*perByte).end(), (other->*perByte).begin(), (other->*perByte).end());
    record.AfterX = other->AfterX;
    record.AfterY = other->AfterY;
    return true;
}

} // namespace

bool TInsertCharUndo::Merge(const TUndo& next) {
    return MergeTyping(*this, next, &TInsertCharUndo::Breaks);
}

bool TOverwriteCharUndo::Merge(const TUndo& next) {
    return MergeTyping(*this, next, &TOverwriteCharUndo::Replaced);
}

bool TDeleteCharUndo::Merge(const TUndo& next) {
    auto* other = dynamic_cast<const TDeleteCharUndo*>(&next);
    if (!other || other->Backspace != Backspace ||
        !SamePos(other->BeforeX, other->BeforeY, AfterX, AfterY))
        return false;
    Text = other->Text + Text;
    AfterX = other->AfterX;
    AfterY = other->AfterY;
    return true;
}

// ---- Undo and redo by kind ------------------------------------------------------------------

void TInsertCharUndo::Undo() {
    TCodeCustomMemo& memo = *Memo;
    std::size_t breakIndex = Breaks.size();
    for (std::size_t i = Text.size(); i-- > 0;) {
        char c = Text[i];
        if (c == '\r') {
            const TLineBreakTrim* trim = breakIndex > 0 ? &Breaks[--breakIndex] : nullptr;
            if (memo.CurX() != 0)
                continue;
            int y = memo.CurY();
            memo.Backspace();
            if (memo.CurY() == y || !trim)
                continue;
            // Put back the blanks the line break removed.
            int x = memo.CurX();
            std::string line(memo.Lines().Line(memo.CurY()));
            std::size_t at = std::min(line.size(), static_cast<std::size_t>(x));
            line.insert(at, trim->Left + trim->Right);
            line += trim->Tail;
            memo.Lines().Put(memo.CurY(), line);
            memo.SetCurX(x + static_cast<int>(trim->Left.size()));
        } else if (ByteLeftOfCaret(memo) == static_cast<unsigned char>(c)) {
            memo.Backspace();
        }
    }
}

void TInsertCharUndo::Redo() {
    TCodeCustomMemo& memo = *Memo;
    std::size_t breakIndex = 0;
    for (char c : Text) {
        if (c != '\r') {
            memo.InsertChar(c);
            continue;
        }
        memo.NewLine();
        if (breakIndex < Breaks.size()) {
            const std::string& right = Breaks[breakIndex++].Right;
            std::string_view line = memo.Lines().Line(memo.CurY());
            if (!right.empty() && line.substr(0, right.size()) == right)
                memo.Lines().Put(memo.CurY(), line.substr(right.size()));
        }
    }
}

void TOverwriteCharUndo::Undo() {
    TCodeCustomMemo& memo = *Memo;
    for (std::size_t i = Text.size(); i-- > 0;) {
        if (ByteLeftOfCaret(memo) != static_cast<unsigned char>(Text[i]))
            continue;
        int replaced = i < Replaced.size() ? Replaced[i] : -1;
        if (replaced < 0) {
            memo.Backspace();
            continue;
        }
        int x = memo.CurX();
        std::string line(memo.Lines().Line(memo.CurY()));
        line[static_cast<std::size_t>(x - 1)] = static_cast<char>(replaced);
        memo.Lines().Put(memo.CurY(), line);
        memo.SetCurX(x - 1);
    }
}

void TOverwriteCharUndo::Redo() {
    TCodeCustomMemo& memo = *Memo;
    bool overwrite = memo.Overwrite();
    memo.SetOverwrite(true);
    for (char c : Text)
        memo.InsertChar(c);
    memo.SetOverwrite(overwrite);
}

void TDeleteCharUndo::Undo() {
    TCodeCustomMemo& memo = *Memo;
    for (char c : Text) {
        if (!Backspace)
            MoveCaretTo(memo, BeforeX, BeforeY);
        if (c == '\r')
            memo.NewLine();
        else
            memo.InsertChar(c);
    }
}

void TDeleteCharUndo::Redo() {
    TCodeCustomMemo& memo = *Memo;
    for (std::size_t i = Text.size(); i-- > 0;) {
        if (Backspace) {
            memo.Backspace();
            continue;
        }
        // Blanks after the caret may have been trimmed since, or not yet: a deleted blank that
        // is gone already stays gone, and a line end is joined where the blanks end.
        std::string_view line = memo.Lines().Line(memo.CurY());
        std::size_t x = static_cast<std::size_t>(memo.CurX());
        bool onlyBlanks = true;
        for (std::size_t j = x; j < line.size() && onlyBlanks; ++j)
            onlyBlanks = static_cast<unsigned char>(line[j]) <= 32;
        if (Text[i] == '\r' && onlyBlanks && x < line.size())
            memo.Lines().Put(memo.CurY(), line.substr(0, x));
        else if (Text[i] != '\r' && x >= line.size())
            continue;
        memo.DeleteChar(memo.CurX(), memo.CurY());
    }
}

void TDeleteLineUndo::Undo() {
    TCodeCustomMemo& memo = *Memo;
    memo.ClearSelection();
    if (OnlyLine) {
        memo.InsertText(Text);
    } else if (AfterY < BeforeY) {
        memo.SetCurX(memo.Lines().LineLength(memo.CurY()));
        memo.InsertText("\r\n" + Text);
    } else {
        memo.InsertText(Text + "\r\n");
    }
}

void TDeleteLineUndo::Redo() {
    Memo->DeleteLine();
}

void TDeleteBufUndo::Undo() {
    TCodeCustomMemo& memo = *Memo;
    memo.ClearSelection();
    int x = memo.CurX();
    int y = memo.CurY();
    memo.InsertText(Text);
    memo.GetHost().SetFocus();
    // The text goes back where it was deleted unless the lines were emptied since: then it is
    // selected where it went, as the recorded lines may be gone.
    if (SamePos(x, y, SelStartX, SelStartY))
        memo.SetSelectionBounds(SelStartX, SelStartY, SelEndX, SelEndY);
    else
        memo.SetSelectionBounds(x, y, memo.CurX(), memo.CurY());
    if (memo.OnSelectionChange)
        memo.OnSelectionChange(memo);
    memo.Invalidate();
}

void TDeleteBufUndo::Redo() {
    Memo->SetSelectionBounds(SelStartX, SelStartY, SelEndX, SelEndY);
    Memo->DeleteSelection(true);
}

void TPasteUndo::Undo() {
    Memo->SetSelectionBounds(BeforeX, BeforeY, AfterX, AfterY);
    Memo->DeleteSelection(true);
}

void TPasteUndo::Redo() {
    Memo->ClearSelection();
    Memo->InsertText(Text);
}

void TLineBatchUndo::Undo() {
    Steps = Memo->ApplyLineBatch(std::move(Steps));
}

void TLineBatchUndo::Redo() {
    Steps = Memo->ApplyLineBatch(std::move(Steps));
}

// ---- TCodeUndoList --------------------------------------------------------------------------

TCodeUndoList::~TCodeUndoList() = default;

void TCodeUndoList::Add(std::unique_ptr<TUndo> record) {
    if (FPerforming || !record)
        return;
    if (FPosition > 0) {
        FItems.erase(FItems.begin(), FItems.begin() + FPosition);
        FPosition = 0;
    }
    if (!FItems.empty() && FItems.front()->Merge(*record))
        return;
    record->Memo = &FMemo;
    FItems.insert(FItems.begin(), std::move(record));
    if (Count() > FLimit)
        FItems.pop_back();
    Notify();
}

void TCodeUndoList::Undo() {
    if (!CanUndo())
        return;
    Perform(*FItems[static_cast<std::size_t>(FPosition)], false);
    ++FPosition;
    Notify();
}

void TCodeUndoList::Redo() {
    if (!CanRedo())
        return;
    --FPosition;
    Perform(*FItems[static_cast<std::size_t>(FPosition)], true);
    Notify();
}

void TCodeUndoList::Clear() {
    FItems.clear();
    FPosition = 0;
    Notify();
}

void TCodeUndoList::SetLimit(int limit) {
    if (limit == FLimit)
        return;
    FLimit = limit < 1 ? 10 : std::min(limit, 100);
    Clear();
}

void TCodeUndoList::Perform(TUndo& record, bool redo) {
    if (!record.Memo)
        return;
    TCodeCustomMemo& memo = *record.Memo;
    // Replayed edits neither indent nor overwrite: the records hold exactly what changed.
    struct TRestore {
        TCodeCustomMemo& Memo;
        bool& Performing;
        bool AutoIndent;
        bool Overwrite;
        ~TRestore() {
            Performing = false;
            Memo.SetAutoIndent(AutoIndent);
            Memo.SetOverwrite(Overwrite);
        }
    } restore{memo, FPerforming, memo.AutoIndent(), memo.Overwrite()};
    memo.SetAutoIndent(false);
    memo.SetOverwrite(false);
    FPerforming = true;
    // Records name lines of the text they were made on; a text emptied since then gets its
    // empty line first, so that every record finds the caret on a line.
    memo.ClampCaretLine();
    if (redo) {
        MoveCaretToStart(memo, record.BeforeX, record.BeforeY);
        record.Redo();
        MoveCaretTo(memo, record.AfterX, record.AfterY);
    } else {
        MoveCaretToStart(memo, record.AfterX, record.AfterY);
        record.Undo();
        MoveCaretTo(memo, record.BeforeX, record.BeforeY);
    }
}

void TCodeUndoList::Notify() {
    if (FMemo.OnUndoChange)
        FMemo.OnUndoChange(FMemo, CanUndo(), CanRedo());
}

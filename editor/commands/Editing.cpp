// The editing commands: typing, Enter, Delete, Backspace, line deletion, Tab, deleting the
// selection and inserting blocks of text. Each records what it changed in the undo list.
#include "editor/CodeMemo.h"
#include "editor/commands/TextSlices.h"
#include "editor/undo/UndoList.h"

#include <algorithm>

void TCodeCustomMemo::ClampCaretLine() {
    if (FLines->Count() == 0)
        FLines->Add("");
    if (CurY() >= FLines->Count())
        SetCurY(FLines->Count() - 1);
    if (CurY() < 0)
        FSel.Caret.Y = 0;
}

// A caret beyond the end of its line stands on spaces, as AutoExpand would have put there.
void TCodeCustomMemo::PadCaretLine() {
    int length = FLines->LineLength(CurY());
    if (CurX() > length) {
        TQuiet quiet(*this);
        std::string line(FLines->Line(CurY()));
        line.append(static_cast<std::size_t>(CurX() - length), ' ');
        FLines->Put(CurY(), line);
    }
}

void TCodeCustomMemo::InsertChar(char ch) {
    if (FReadOnly)
        return;
    ClampCaretLine();
    int x0 = CurX();
    int y0 = CurY();
    const std::string_view old = FLines->Line(y0);
    int length = static_cast<int>(old.size());
    int at = x0;
    int recordX = x0;
    std::string inserted;
    int replaced = -1;
    if (ch == '\t') {
        if (FOverwrite && x0 + FTabSize < length) {
            // Overwriting Tab only moves the caret; nothing to undo.
            SetCurX(x0 + FTabSize);
            ClearSelection();
            return;
        }
        if (FOverwrite) {
            // The spaces go at the line's end; the record says so, so that redo appends too.
            at = recordX = length;
            inserted.assign(static_cast<std::size_t>(FTabSize + x0 - length), ' ');
        } else {
            inserted.assign(static_cast<std::size_t>(FTabSize), ' ');
        }
    } else {
        inserted.assign(1, ch);
        if (FOverwrite && x0 < length)
            replaced = static_cast<unsigned char>(old[static_cast<std::size_t>(x0)]);
    }
    // The new line is put together in one go: lines can be megabytes long.
    const auto head = static_cast<std::size_t>(std::min(at, length));
    const std::size_t tail = replaced >= 0 ? head + 1 : head;
    std::string line;
    line.reserve(std::max<std::size_t>(static_cast<std::size_t>(at), old.size()) + inserted.size());
    line.append(old.substr(0, head));
    line.append(static_cast<std::size_t>(at) - head, ' ');
    line.append(inserted);
    if (tail < old.size())
        line.append(old.substr(tail));
    {
        TQuiet quiet(*this);
        FLines->PutEdited(y0, line, static_cast<int>(head), static_cast<int>(tail - head));
        SetCurX(at + static_cast<int>(inserted.size()));
        ClearSelection();
        if (FOverwrite && ch != '\t') {
            auto record =
                std::make_unique<TOverwriteCharUndo>(recordX, y0, inserted, CurX(), CurY());
            record->Replaced.push_back(replaced);
            AddUndo(std::move(record));
        } else {
            AddUndo(std::make_unique<TInsertCharUndo>(recordX, y0, inserted, CurX(), CurY()));
        }
    }
    LinesChanged();
}

void TCodeCustomMemo::NewLine() {
    if (FReadOnly)
        return;
    ClampCaretLine();
    int x0 = CurX();
    int y0 = CurY();
    std::string_view line = FLines->Line(y0);
    std::size_t indent = 0;
    if (FAutoIndent)
        indent = std::min(LeadingSpaces(line), static_cast<std::size_t>(std::max(x0, 0)));
    std::string before(Slice(line, 0, x0));
    std::string rest(Slice(line, x0));
    // What the break removes besides splitting, kept so that undo can put it back.
    TLineBreakTrim trim;
    trim.Left = before.substr(before.size() - TrailingBlanks(before));
    trim.Tail = rest.substr(rest.size() - TrailingBlanks(rest));
    rest.resize(rest.size() - trim.Tail.size());
    if (FAutoIndent) {
        trim.Right = rest.substr(0, LeadingSpaces(rest));
        rest.erase(0, trim.Right.size());
    }
    std::string indentText(indent, ' ');
    {
        TQuiet quiet(*this);
        {
            // The problems after the break go down with their text.
            TScopedValue moved(FProblemsMovedByCommand, true);
            FLines->Put(y0, before);
            FLines->InsertLine(y0 + 1, indentText + rest);
        }
        FProblems.LineSplit(y0, x0 + static_cast<int>(trim.Right.size()), static_cast<int>(indent));
        if (FMarkerList.AnyAfter(y0))
            FMarkerList.LinesInserted(y0);
        SetCurY(y0 + 1);
        SetCurX(static_cast<int>(indent));
        ClearSelection();
    }
    auto record = std::make_unique<TInsertCharUndo>(x0, y0, "\r" + indentText, CurX(), CurY());
    record->Breaks.push_back(std::move(trim));
    AddUndo(std::move(record));
    LinesChanged();
}

void TCodeCustomMemo::DeleteCharAt(int x, int y, bool backspace) {
    ClearSelection();
    const std::string_view old = FLines->Line(CurY());
    int length = static_cast<int>(old.size());
    if (CurX() < length) {
        const auto at = static_cast<std::size_t>(CurX());
        std::string removed(1, old[at]);
        std::string line;
        line.reserve(old.size() - 1);
        line.append(old.substr(0, at));
        line.append(old.substr(at + 1));
        {
            TQuiet quiet(*this);
            FLines->PutEdited(CurY(), line, CurX(), 1);
        }
        AddUndo(std::make_unique<TDeleteCharUndo>(x, y, removed, CurX(), CurY(), backspace));
    } else if (CurY() + 1 < FLines->Count()) {
        // The next line comes to the caret, also where the caret stands beyond the line's end.
        std::string line(old);
        line.append(static_cast<std::size_t>(CurX() - length), ' ');
        line += FLines->Line(CurY() + 1);
        {
            TQuiet quiet(*this);
            TScopedValue moved(FProblemsMovedByCommand, true);
            FLines->Put(CurY(), line);
            FLines->RemoveLine(CurY() + 1);
        }
        FProblems.LinesJoined(CurY(), std::max(length, CurX()));
        AddUndo(std::make_unique<TDeleteCharUndo>(x, y, "\r", CurX(), CurY(), backspace));
    }
    LinesChanged();
}

void TCodeCustomMemo::DeleteChar(int x, int y) {
    if (FReadOnly || FLines->Count() == 0 || CurY() < 0 || CurY() >= FLines->Count())
        return;
    DeleteCharAt(x, y, x != CurX() || y != CurY());
}

void TCodeCustomMemo::Backspace() {
    if (FReadOnly || FLines->Count() == 0 || CurY() < 0 || CurY() >= FLines->Count())
        return;
    int x = CurX();
    int y = CurY();
    // Beyond the line's end the caret stands on spaces: Backspace deletes one of them.
    PadCaretLine();
    if (x == 0 && y > 0) {
        // Joining: the line above loses its trailing blanks first, as the caret would trim
        // them on any visit, so that where the lines meet does not depend on the caret's path.
        std::string_view above = FLines->Line(y - 1);
        if (std::size_t blanks = TrailingBlanks(above)) {
            TQuiet quiet(*this);
            FLines->Put(y - 1, above.substr(0, above.size() - blanks));
        }
    }
    MoveCaret(-1, 0, 0);
    if (CurX() == x && CurY() == y)
        return;
    bool joined = CurY() != y;
    DeleteCharAt(x, y, true);
    if (joined && FMarkerList.AnyAfter(y))
        FMarkerList.LinesDeleted(y);
}

void TCodeCustomMemo::DeleteWordLeft() {
    if (FReadOnly || FLines->Count() == 0 || CurY() < 0 || CurY() >= FLines->Count())
        return;
    PadCaretLine();
    int y0 = CurY();
    std::string original(FLines->Line(y0));
    for (;;) {
        int x = CurX();
        int y = CurY();
        Backspace();
        if ((CurX() == x && CurY() == y) || CurY() != y0)
            break;
        if (CurX() > 0 && static_cast<std::size_t>(CurX() - 1) < original.size() &&
            original[static_cast<std::size_t>(CurX() - 1)] == ' ')
            break;
    }
}

void TCodeCustomMemo::TabKey(bool shift) {
    if (shift) {
        SetCurX(std::max(0, CurX() - FTabSize));
        return;
    }
    if (FReadOnly)
        return;
    InsertChar('\t');
    FHost.Invalidate();
}

void TCodeCustomMemo::DeleteSelection(bool repaint) {
    if (FReadOnly || SelectionEmpty())
        return;
    int count = FLines->Count();
    auto outside = [count](int y) { return y < 0 || y >= count; };
    if (count == 0 || outside(SelStartY()) || outside(SelEndY())) {
        SetSelectionBounds(0, 0, 0, 0);
        return;
    }
    int sx, sy, ex, ey;
    NormalizedSelection(sx, sy, ex, ey);
    sx = std::max(sx, 0);
    int x0 = CurX();
    int y0 = CurY();
    std::string text = GetSelText();
    {
        TQuiet quiet(*this);
        std::string joined(Slice(FLines->Line(sy), 0, sx));
        joined.append(static_cast<std::size_t>(sx) - joined.size(), ' ');
        joined += Slice(FLines->Line(ey), ex);
        FLines->Put(sy, joined);
        SetCurY(sy);
        SetCurX(sx);
        ClearSelection();
        FLines->RemoveLines(sy + 1, ey - sy);
        if (OnSelectionChange)
            OnSelectionChange(*this);
        if (repaint)
            FHost.Invalidate();
    }
    LinesChanged();
    auto record = std::make_unique<TDeleteBufUndo>(x0, y0, std::move(text), CurX(), CurY());
    record->SelStartX = sx;
    record->SelStartY = sy;
    record->SelEndX = ex;
    record->SelEndY = ey;
    AddUndo(std::move(record));
    ClearSelection();
}

void TCodeCustomMemo::InsertText(std::string_view s) {
    if (FReadOnly)
        return;
    DeleteSelection(false);
    ClampCaretLine();
    // Stored lines hold no TABs: expand them first so that positions and the record agree.
    std::string text = ExpandTabs(s, FTabSize);
    if (text.empty())
        return;
    PadCaretLine();
    int x0 = CurX();
    int y0 = CurY();
    std::string_view line = FLines->Line(y0);
    std::string before(Slice(line, 0, x0));
    std::string rest(Slice(line, x0));
    {
        TQuiet quiet(*this);
        std::size_t firstBreak = text.find("\r\n");
        if (firstBreak == std::string::npos) {
            FLines->Put(y0, before + text + rest);
            SetCurX(x0 + static_cast<int>(text.size()));
        } else {
            FLines->Put(y0, before + text.substr(0, firstBreak));
            std::vector<std::string_view> parts;
            std::size_t start = firstBreak + 2;
            for (std::size_t next; (next = text.find("\r\n", start)) != std::string::npos;
                 start = next + 2)
                parts.push_back(std::string_view(text).substr(start, next - start));
            std::string last = text.substr(start);
            std::string lastLine = last + rest;
            parts.push_back(lastLine);
            FLines->InsertLines(y0 + 1, parts);
            int y = y0 + static_cast<int>(parts.size());
            SetCurY(y);
            SetCurX(static_cast<int>(last.size()));
            ScrollCaretIntoView();
        }
    }
    LinesChanged();
    ClearSelection();
    AddUndo(std::make_unique<TPasteUndo>(x0, y0, std::move(text), CurX(), CurY()));
    FHost.Invalidate();
}

namespace {

// Where the lines of the text before a batch stand after it: the lines inserted at or above a
// line push it down, the lines removed above it pull it up.
class TBatchLineMap {
public:
    explicit TBatchLineMap(const std::vector<TLineBatchStep>& steps) {
        for (const TLineBatchStep& step : steps) {
            if (step.Kind == TLineBatchStep::Insert)
                FInserted.push_back(step.Line);
            else if (step.Kind == TLineBatchStep::Remove)
                FRemoved.push_back(step.Line);
        }
        for (auto* lines : {&FInserted, &FRemoved})
            std::sort(lines->begin(), lines->end());
    }
    bool Removed(int line) const {
        return std::binary_search(FRemoved.begin(), FRemoved.end(), line);
    }
    int NewLine(int line) const {
        auto inserted = std::upper_bound(FInserted.begin(), FInserted.end(), line);
        auto removed = std::lower_bound(FRemoved.begin(), FRemoved.end(), line);
        return line + static_cast<int>(inserted - FInserted.begin()) -
               static_cast<int>(removed - FRemoved.begin());
    }

private:
    std::vector<int> FInserted, FRemoved;
};

} // namespace

std::vector<TLineBatchStep> TCodeCustomMemo::ApplyLineBatch(std::vector<TLineBatchStep> steps) {
    if (steps.empty())
        return {};
    TBatchLineMap map(steps);
    std::vector<TLineBatchStep> inverse;
    {
        TQuiet quiet(*this);
        inverse = FLines->ApplyBatch(std::move(steps));
    }
    auto& markers = FMarkerList.Markers();
    std::erase_if(markers, [&](const TCodeMarker& m) { return map.Removed(m.LineNumber); });
    for (TCodeMarker& marker : markers)
        marker.LineNumber = map.NewLine(marker.LineNumber);
    ClearSelection();
    FSel.Caret.Y = std::clamp(map.NewLine(CurY()), 0, std::max(0, FLines->Count() - 1));
    LinesChanged();
    FHost.Invalidate();
    return inverse;
}

void TCodeCustomMemo::EditLines(std::vector<TLineBatchStep> steps) {
    if (FReadOnly || steps.empty())
        return;
    int x0 = CurX();
    int y0 = CurY();
    std::vector<TLineBatchStep> inverse = ApplyLineBatch(std::move(steps));
    auto record = std::make_unique<TLineBatchUndo>(x0, y0, std::string(), CurX(), CurY());
    record->Steps = std::move(inverse);
    AddUndo(std::move(record));
}

std::string TCodeCustomMemo::WordAtCaret() const {
    if (CurY() < 0 || CurY() >= FLines->Count())
        return {};
    std::string_view line = FLines->Line(CurY());
    std::size_t x = std::min(line.size(), static_cast<std::size_t>(std::max(CurX(), 0)));
    std::size_t start = x;
    while (start > 0 && !IsDelimiter(line[start - 1]))
        --start;
    std::size_t end = x;
    while (end < line.size() && !IsDelimiter(line[end]))
        ++end;
    return std::string(line.substr(start, end - start));
}

void TCodeCustomMemo::ApplyAutoCorrect() {
    if (!OnWordComplete && !(FAutoCorrect.Active && !FAutoCorrect.OldValue.empty()))
        return;
    std::string word = WordAtCaret();
    if (word.empty())
        return;
    std::string newWord = word;
    const auto& oldValues = FAutoCorrect.OldValue;
    auto it = std::find(oldValues.begin(), oldValues.end(), word);
    if (it != oldValues.end()) {
        auto index = static_cast<std::size_t>(it - oldValues.begin());
        if (index < FAutoCorrect.NewValue.size())
            newWord = FAutoCorrect.NewValue[index];
    }
    if (OnWordComplete)
        OnWordComplete(*this, word, newWord);
    if (newWord == word)
        return;
    // The word ends at the caret when a word-end character is typed after it.
    std::string line(FLines->Line(CurY()));
    std::size_t x = std::min(line.size(), static_cast<std::size_t>(std::max(CurX(), 0)));
    std::size_t start = x >= word.size() ? x - word.size() : 0;
    line.replace(start, x - start, newWord);
    {
        TQuiet quiet(*this);
        FLines->Put(CurY(), line);
    }
    SetCurX(CurX() + static_cast<int>(newWord.size()) - static_cast<int>(word.size()));
    LinesChanged();
}

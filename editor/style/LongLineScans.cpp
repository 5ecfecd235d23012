// The cursors kept for long lines: carried over edits, settled by the scans that reach them, and
// tokenizing the visible part of such a line from them.
#include "editor/style/LongLineScans.h"

#include <algorithm>
#include <limits>

namespace {

using TKept = TLongLineScans::TKept;
using TTrust = TLongLineScans::TTrust;
using TSink = std::function<void(const TRun&)>;

// The first kept cursor past offset.
std::vector<TKept>::iterator After(std::vector<TKept>& cursors, int offset) {
    return std::upper_bound(cursors.begin(), cursors.end(), offset,
                            [](int o, const TKept& kept) { return o < kept.Cursor.Offset; });
}

// Takes edit into what is known of its line. A cursor stands between pieces: the piece boundary
// at its offset depends on the bytes on both sides of it, its state on every byte before. So
// one before the edit's first byte holds as it did; one whose byte before it lies past the
// removed bytes is still a boundary, moved with its bytes and in doubt; the others go.
void Carry(TLongLineScans::TLine& known, const TCodeMemoStrings::TLineEdit& edit) {
    std::vector<TKept>& cursors = known.Cursors;
    const int removedEnd = edit.At + edit.Removed;
    const int shift = edit.Inserted - edit.Removed;
    auto first = std::lower_bound(cursors.begin(), cursors.end(), edit.At,
                                  [](const TKept& kept, int o) { return kept.Cursor.Offset < o; });
    auto moved = After(cursors, removedEnd);
    if (moved == cursors.end())
        known.End.reset();
    for (auto it = moved; it != cursors.end(); ++it) {
        TTokenizeCursor& cursor = it->Cursor;
        cursor.Offset += shift;
        // The run still forming moves with its bytes, or takes in the edit when it began before.
        if (cursor.Pending.Offset >= removedEnd)
            cursor.Pending.Offset += shift;
        else
            cursor.Pending.Length += shift;
        if (it == moved)
            it->Trust = TTrust::Check;
        else if (it->Trust == TTrust::Holds)
            it->Trust = TTrust::Follows;
    }
    cursors.erase(first, moved);
}

// The scan's cursor stands where kept does: one in doubt is settled. Going on from equal cursors
// gives equal runs, so when they are equal the edit before kept changed nothing after it.
void Meet(TLongLineScans::TLine& known, std::vector<TKept>::iterator kept,
          const TTokenizeCursor& cursor) {
    if (kept->Trust == TTrust::Holds)
        return;
    auto next = std::next(kept);
    kept->Trust = TTrust::Holds;
    if (kept->Cursor == cursor) {
        for (; next != known.Cursors.end() && next->Trust == TTrust::Follows; ++next)
            next->Trust = TTrust::Holds;
        return;
    }
    kept->Cursor = cursor;
    if (next == known.Cursors.end())
        known.End.reset();
    else if (next->Trust == TTrust::Follows)
        next->Trust = TTrust::Check;
}

// Takes cursor, which holds, on to the first piece start at or after stopBefore, or to the end of
// the line: it settles the kept cursors it meets, and keeps a copy of itself kSpacing past the
// last kept one. With a sink every run on the way goes to it; without one, the scan jumps from
// a kept cursor that holds to the next.
void Scan(const TLineTokenizer& tokenizer, std::string_view line, TLongLineScans::TLine& known,
          TTokenizeCursor& cursor, int stopBefore, const TSink* sink) {
    static const TSink none = [](const TRun&) {};
    std::vector<TKept>& cursors = known.Cursors;
    while (!cursor.Done && cursor.Offset < stopBefore) {
        auto next = After(cursors, cursor.Offset);
        if (!sink) {
            for (; next != cursors.end() && next->Trust == TTrust::Holds &&
                   next->Cursor.Offset <= stopBefore;
                 ++next)
                cursor = next->Cursor;
            if (cursor.Offset >= stopBefore)
                return;
        }
        const int lastKept = next == cursors.begin() ? 0 : std::prev(next)->Cursor.Offset;
        const int keepAt = lastKept + TLongLineScans::kSpacing;
        int target = std::min(stopBefore, keepAt);
        if (next != cursors.end())
            target = std::min(target, next->Cursor.Offset);
        tokenizer.Advance(line, cursor, std::max(target, cursor.Offset + 1), sink ? *sink : none);
        if (cursor.Done)
            return;
        if (next != cursors.end() && cursor.Offset == next->Cursor.Offset)
            Meet(known, next, cursor);
        else if (cursor.Offset >= keepAt)
            cursors.insert(next, TKept{cursor, TTrust::Holds});
    }
}

} // namespace

void TLongLineScans::Forget(const TCodeMemoStrings& lines) {
    std::optional<std::span<const TCodeMemoStrings::TLineEdit>> edits =
        lines.LineEditsSince(FVersion);
    if (!edits) {
        FLines.clear();
    } else {
        for (const TCodeMemoStrings::TLineEdit& edit : *edits)
            for (TLine& known : FLines)
                if (known.Index == edit.Line)
                    Carry(known, edit);
    }
    FVersion = lines.TextVersion();
}

TLongLineScans::TLine& TLongLineScans::For(int index, const ScanState& start,
                                           const TCodeMemoStrings& lines,
                                           const TLineTokenizer::TRules& rules) {
    if (rules != FConfiguration) {
        FLines.clear();
        FConfiguration = rules;
    }
    if (lines.TextVersion() != FVersion)
        Forget(lines);
    auto it = std::find_if(FLines.begin(), FLines.end(), [&](const TLine& known) {
        return known.Index == index && known.Start == start;
    });
    if (it != FLines.end()) {
        std::rotate(it, it + 1, FLines.end());
        return FLines.back();
    }
    if (FLines.size() == kMaxLines)
        FLines.erase(FLines.begin());
    FLines.push_back(TLine{index, start, {}, std::nullopt});
    return FLines.back();
}

std::optional<ScanState> TokenizeVisible(const TLineTokenizer& tokenizer, std::string_view line,
                                         TLongLineScans::TLine& known, int firstCol, int endCol,
                                         bool wantEnd, const TSink& sink) {
    // From the nearest kept cursor at or before the first visible column, settled first by a
    // scan from the nearest one that holds.
    std::vector<TKept>& cursors = known.Cursors;
    TTokenizeCursor cursor = TLineTokenizer::StartOfLine(known.Start);
    if (auto after = After(cursors, firstCol); after != cursors.begin())
        Scan(tokenizer, line, known, cursor, std::prev(after)->Cursor.Offset, nullptr);

    // Runs that finish before the first visible column are handed on as they come; the sink
    // skips them without drawing.
    Scan(tokenizer, line, known, cursor, endCol, &sink);
    // The run still forming at the right edge shows as far as it has got.
    if (!cursor.Done && cursor.Pending.Length > 0)
        sink(cursor.Pending);
    if (!wantEnd)
        return std::nullopt;
    // The end state found before holds once the last cursor does.
    if (!cursors.empty())
        Scan(tokenizer, line, known, cursor, cursors.back().Cursor.Offset, nullptr);
    if (!known.EndHolds()) {
        Scan(tokenizer, line, known, cursor, std::numeric_limits<int>::max(), nullptr);
        known.End = cursor.State;
    }
    return known.End;
}

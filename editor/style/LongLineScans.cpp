// The cursors kept for long lines, and tokenizing the visible part of such a line.
#include "editor/style/LongLineScans.h"

#include <algorithm>
#include <limits>

void TLongLineScans::Forget(const TCodeMemoStrings& lines) {
    std::optional<std::span<const TCodeMemoStrings::TLineEdit>> edits =
        lines.LineEditsSince(FVersion);
    if (!edits) {
        FLines.clear();
    } else {
        // A cursor stands between pieces; the piece boundary at its offset depends on the
        // bytes on both sides of it, and its state on every byte before.
        for (const TCodeMemoStrings::TLineEdit& edit : *edits) {
            for (TLine& known : FLines) {
                if (known.Index != edit.Line)
                    continue;
                std::erase_if(known.Cursors, [&](const TTokenizeCursor& cursor) {
                    return cursor.Offset >= edit.At;
                });
                known.End.reset();
            }
        }
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

namespace {

// Advances cursor up to stopBefore, keeping a copy of it every kSpacing columns on the way.
void AdvanceKeeping(const TLineTokenizer& tokenizer, std::string_view line,
                    TLongLineScans::TLine& known, TTokenizeCursor& cursor, int stopBefore,
                    const std::function<void(const TRun&)>& sink) {
    constexpr int spacing = TLongLineScans::kSpacing;
    while (!cursor.Done && cursor.Offset < stopBefore) {
        int next = std::min(stopBefore, (cursor.Offset / spacing + 1) * spacing);
        tokenizer.Advance(line, cursor, next, sink);
        int lastKept = known.Cursors.empty() ? 0 : known.Cursors.back().Offset;
        if (!cursor.Done && cursor.Offset >= lastKept + spacing)
            known.Cursors.push_back(cursor);
    }
}

} // namespace

std::optional<ScanState> TokenizeVisible(const TLineTokenizer& tokenizer, std::string_view line,
                                         TLongLineScans::TLine& known, int firstCol, int endCol,
                                         bool wantEnd,
                                         const std::function<void(const TRun&)>& sink) {
    // The nearest kept cursor at or before the first visible column.
    auto after = std::upper_bound(
        known.Cursors.begin(), known.Cursors.end(), firstCol,
        [](int col, const TTokenizeCursor& cursor) { return col < cursor.Offset; });
    TTokenizeCursor cursor = after == known.Cursors.begin()
                                 ? TLineTokenizer::StartOfLine(known.Start)
                                 : *std::prev(after);

    // Runs that finish before the first visible column are handed on as they come; the sink
    // skips them without drawing.
    AdvanceKeeping(tokenizer, line, known, cursor, endCol, sink);
    // The run still forming at the right edge shows as far as it has got.
    if (!cursor.Done && cursor.Pending.Length > 0)
        sink(cursor.Pending);
    if (!wantEnd)
        return std::nullopt;
    if (!known.End) {
        static const std::function<void(const TRun&)> none = [](const TRun&) {};
        AdvanceKeeping(tokenizer, line, known, cursor, std::numeric_limits<int>::max(), none);
        known.End = cursor.State;
    }
    return known.End;
}

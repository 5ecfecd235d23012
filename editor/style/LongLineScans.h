// Tokenizer cursors kept between repaints for very long lines: a repaint then tokenizes such a
// line only from the nearest cursor before the first visible column to the right edge, and
// knows the state the next line starts with without tokenizing the rest again.
#pragma once

#include "editor/style/Tokenizer.h"

#include <cstdint>
#include <optional>
#include <vector>

class TLongLineScans {
public:
    // Lines shorter than this are tokenized whole at every repaint.
    static constexpr int kMinLength = 4096;
    // Distance between the cursors kept along a line.
    static constexpr int kSpacing = 16384;

    // What is known of one line tokenized from one start state.
    struct TLine {
        int Index = -1;
        ScanState Start;
        std::vector<TTokenizeCursor> Cursors; // by offset, each kSpacing or more past the last
        std::optional<ScanState> End;         // the state the next line starts with
    };

    // The entry of line index of lines, tokenized from start with rules; an empty one when
    // nothing is known. What a change of the text since the last call made untrue is forgotten
    // first: after edits of one line each, what lies past the first byte each changed; after
    // any other change, or with other rules, everything.
    TLine& For(int index, const ScanState& start, const TCodeMemoStrings& lines,
               const TLineTokenizer::TRules& rules);
    void Clear() { FLines.clear(); }

private:
    void Forget(const TCodeMemoStrings& lines);

    static constexpr std::size_t kMaxLines = 8;
    std::vector<TLine> FLines; // the most recently used last
    std::uint64_t FVersion = 0;
    TLineTokenizer::TRules FConfiguration;
};

// Tokenizes a long line for a repaint that shows columns [firstCol, endCol): runs that touch
// them go to sink; runs wholly left of firstCol may too. Returns the next line's start state
// when wantEnd, using and filling the entry's cursors and end state.
std::optional<ScanState> TokenizeVisible(const TLineTokenizer& tokenizer, std::string_view line,
                                         TLongLineScans::TLine& known, int firstCol, int endCol,
                                         bool wantEnd,
                                         const std::function<void(const TRun&)>& sink);

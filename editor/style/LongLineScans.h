// Tokenizer cursors kept between repaints for very long lines: a repaint then tokenizes such a
// line only from the nearest cursor before the first visible column to the right edge, and
// knows the state the next line starts with without tokenizing the rest again. An edit of the
// line keeps the cursors before it and moves those after it along with their bytes; a moved
// cursor is in doubt until a scan from before the edit reaches it and finds the same cursor
// there, which proves that the edit changed nothing of the tokenizing further on.
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

    enum class TTrust : std::uint8_t {
        Holds,   // what tokenizing the line as it is gives at its offset
        Check,   // moved over an edit before it: a scan that reaches it compares
        Follows, // moved with the Check before it, and holds once that one is found to
    };
    struct TKept {
        TTokenizeCursor Cursor;
        TTrust Trust = TTrust::Holds;
    };

    // What is known of one line tokenized from one start state.
    struct TLine {
        int Index = -1;
        ScanState Start;
        std::vector<TKept> Cursors; // by offset, about kSpacing apart
        // The state the next line starts with; it holds when the last cursor does, as no edit
        // lies between them.
        std::optional<ScanState> End;
        bool EndHolds() const {
            return End && (Cursors.empty() || Cursors.back().Trust == TTrust::Holds);
        }
    };

    // The entry of line index of lines, tokenized from start with rules; an empty one when
    // nothing is known. The changes of the text since the last call are taken into account
    // first: each edit of one line drops the cursors among its bytes and moves those after it;
    // any other change, or other rules, drops everything.
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

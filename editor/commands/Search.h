// Finding and replacing text in the editor's lines: a pattern with match case and whole words,
// the next or previous match from a place (round the text, saying when it went round), the
// matches of one line, their count over a range of lines, and the replacements. Text is
// Windows-1251 bytes; case is folded with CharCase, Cyrillic included. Matches never span
// lines and never overlap: after a match the search goes on at its end.
#pragma once

#include "editor/buffer/LineStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct TSearchOptions {
    bool MatchCase = false;
    bool WholeWords = false; // a match neither starts nor ends inside a word

    bool operator==(const TSearchOptions&) const = default;
};

class TSearchPattern {
public:
    TSearchPattern() = default;
    TSearchPattern(std::string_view text, TSearchOptions options);

    bool Empty() const { return FText.empty(); }
    int Length() const { return static_cast<int>(FText.size()); }
    const TSearchOptions& Options() const { return FOptions; }

    // The column of the first match in line that starts at from or later and before limit;
    // -1 when there is none. Only the bytes up to the end of such a match are read, and one
    // beyond for whole words.
    int FindIn(std::string_view line, int from, int limit) const;
    int FindIn(std::string_view line, int from = 0) const {
        return FindIn(line, from, static_cast<int>(line.size()));
    }
    // The column of the last match of line that starts before before; -1 when there is none.
    int FindLastIn(std::string_view line, int before) const;
    int CountIn(std::string_view line) const;
    // True when a match starts at col.
    bool MatchesAt(std::string_view line, int col) const;

private:
    bool WordBoundsAt(std::string_view line, int col) const;

    std::string FText; // folded to lower case unless the case must match
    TSearchOptions FOptions;
    std::array<unsigned char, 256> FFold{};
};

struct TSearchMatch {
    int Line = -1; // -1: no match anywhere
    int Col = 0;
    bool Wrapped = false; // the search went round the end (or the start) of the text

    bool Found() const { return Line >= 0; }
    bool operator==(const TSearchMatch&) const = default;
};

// The first match that starts at (col, line) or after it, else the first from the start of the
// text (Wrapped). The match at the place itself counts, so that a search from a selection's end
// finds the one after it.
TSearchMatch FindNextMatch(const TCodeMemoStrings& lines, const TSearchPattern& pattern, int line,
                           int col);
// The last match that starts before (col, line), else the last of the text (Wrapped).
TSearchMatch FindPreviousMatch(const TCodeMemoStrings& lines, const TSearchPattern& pattern,
                               int line, int col);
// The matches of lines first up to end, end excluded.
long long CountMatches(const TCodeMemoStrings& lines, const TSearchPattern& pattern, int first,
                       int end);
// line with every match replaced by replacement; count gets the number replaced.
std::string ReplaceAllInLine(std::string_view line, const TSearchPattern& pattern,
                             std::string_view replacement, int& count);
// The whole-line replacements that replace every match of the text, for one undo step; count
// gets the number of matches replaced.
std::vector<TLineBatchStep> ReplaceAllSteps(const TCodeMemoStrings& lines,
                                            const TSearchPattern& pattern,
                                            std::string_view replacement, long long& count);

// Counts the matches of a text in slices, so that a caller on a window's thread never holds a
// key up: Start, then Continue with a number of lines per slice until Done. Times are the
// caller's (milliseconds on any clock): Touch marks an edit of the pattern or of the text, and
// Due says when the quiet time after the last one has passed and a count should start.
class TMatchCounter {
public:
    explicit TMatchCounter(int quietMs) : FQuietMs(quietMs) {}

    void Touch(long long nowMs) {
        FTouchedAt = nowMs;
        FPending = true;
        FRunning = false;
        FDone = false;
    }
    bool Due(long long nowMs) const { return FPending && nowMs - FTouchedAt >= FQuietMs; }

    // Counts from the start of the text; Before() then tells the matches before (col, line).
    void Start(TSearchPattern pattern, int line = 0, int col = 0);
    // Counts up to lineBudget more lines; true when the count is complete.
    bool Continue(const TCodeMemoStrings& lines, int lineBudget);
    bool Running() const { return FRunning; }
    bool Done() const { return FDone; }
    long long Count() const { return FCount; }
    long long Before() const { return FBefore; }

private:
    int FQuietMs;
    long long FTouchedAt = 0;
    bool FPending = false;
    bool FRunning = false;
    bool FDone = false;
    TSearchPattern FPattern;
    int FNextLine = 0;
    long long FCount = 0;
    long long FBefore = 0;
    int FLine = 0;
    int FCol = 0;
};

// Finding, counting and replacing in the editor's lines: table rows of text, pattern, options,
// the place searched from and what is found.
#include "editor/commands/Search.h"

#include "editor/buffer/LineStoreOwner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Store {
    explicit Store(const std::string& text) {
        std::vector<std::string> lines;
        std::stringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        Lines.Assign(lines);
    }
    TNullLineStoreOwner Owner;
    TCodeMemoStrings Lines{Owner};
};

constexpr TSearchOptions kAny{};
constexpr TSearchOptions kCase{true, false};
constexpr TSearchOptions kWords{false, true};

// "\xC4\xE0\xED\xED\xFB\xE5" is "Данные", "\xE4\xE0\xED\xED\xFB\xE5" "данные" in Windows-1251.
struct FindRow {
    const char* Text;
    const char* Pattern;
    TSearchOptions Options;
    int Line, Col; // searched from
    TSearchMatch Next, Previous;
    long long Count;
    long long Before; // matches before the place
};

const FindRow kFindRows[] = {
    {"pause\nPAUSE_64\npause", "pause", kAny, 0, 0, {0, 0, false}, {2, 0, true}, 3, 0},
    {"pause\nPAUSE_64\npause", "pause", kCase, 0, 1, {2, 0, false}, {0, 0, false}, 2, 1},
    {"pause\nPAUSE_64\npause", "pause", kWords, 1, 0, {2, 0, false}, {0, 0, false}, 2, 1},
    {"go goto go_1 go", "go", kWords, 0, 1, {0, 13, false}, {0, 0, false}, 2, 1},
    // Cyrillic case is folded as Latin is; whole words know Cyrillic letters.
    {"\xC4\xE0\xED\xED\xFB\xE5 \xE4\xE0\xED\xED\xFB\xE5\xE9",
     "\xE4\xE0\xED\xED\xFB\xE5",
     kAny,
     0,
     1,
     {0, 7, false},
     {0, 0, false},
     2,
     1},
    {"\xC4\xE0\xED\xED\xFB\xE5 \xE4\xE0\xED\xED\xFB\xE5\xE9",
     "\xE4\xE0\xED\xED\xFB\xE5",
     kWords,
     0,
     1,
     {0, 0, true},
     {0, 0, false},
     1,
     1},
    // Going round: the next after the last, and the match at the place itself after all others.
    {"ab\nxx\nab", "ab", kAny, 2, 1, {0, 0, true}, {2, 0, false}, 2, 2},
    {"abab", "ab", kAny, 0, 2, {0, 2, false}, {0, 0, false}, 2, 1},
    {"aaaa", "aa", kAny, 0, 0, {0, 0, false}, {0, 2, true}, 2, 0}, // matches do not overlap
    {"one\ntwo", "three", kAny, 0, 0, {}, {}, 0, 0},
    {"one\ntwo", "", kAny, 0, 0, {}, {}, 0, 0},
};

TEST(Search, FindsNextPreviousAndCounts) {
    for (const FindRow& row : kFindRows) {
        SCOPED_TRACE(std::string(row.Text) + " / " + row.Pattern);
        Store s(row.Text);
        const TSearchPattern pattern(row.Pattern, row.Options);
        EXPECT_EQ(FindNextMatch(s.Lines, pattern, row.Line, row.Col), row.Next);
        EXPECT_EQ(FindPreviousMatch(s.Lines, pattern, row.Line, row.Col), row.Previous);
        EXPECT_EQ(CountMatches(s.Lines, pattern, 0, s.Lines.Count()), row.Count);
        // Counted in slices of one line, as the find bar counts.
        TMatchCounter counter(0);
        counter.Start(pattern, row.Line, row.Col);
        while (!counter.Continue(s.Lines, 1)) {
        }
        EXPECT_EQ(counter.Count(), row.Count);
        EXPECT_EQ(counter.Before(), row.Before);
    }
}

struct ReplaceRow {
    const char* Text;
    const char* Pattern;
    TSearchOptions Options;
    const char* Replacement;
    const char* After;
    long long Count;
    int Steps; // lines replaced
};

const ReplaceRow kReplaceRows[] = {
    {"pause_64\nstop\nPause_64 pause_64", "pause_64", kAny, "pause_128",
     "pause_128\nstop\npause_128 pause_128", 3, 2},
    {"pause_64\nPause_64", "pause_64", kCase, "x", "x\nPause_64", 1, 1},
    {"go goto", "go", kWords, "goto", "goto goto", 1, 1},
    {"aaa", "a", kAny, "aa", "aaaaaa", 3, 1}, // the replacement is not searched again
    {"abc", "z", kAny, "y", "abc", 0, 0},
};

TEST(Search, ReplacesAllAsWholeLines) {
    for (const ReplaceRow& row : kReplaceRows) {
        SCOPED_TRACE(row.Text);
        Store s(row.Text);
        long long count = 0;
        const std::vector<TLineBatchStep> steps = ReplaceAllSteps(
            s.Lines, TSearchPattern(row.Pattern, row.Options), row.Replacement, count);
        EXPECT_EQ(count, row.Count);
        EXPECT_EQ(static_cast<int>(steps.size()), row.Steps);
        for (const TLineBatchStep& step : steps)
            s.Lines.Put(step.Line, step.Text);
        Store after(row.After);
        EXPECT_EQ(s.Lines.ToVector(), after.Lines.ToVector());
    }
}

// The count waits for the quiet time after the last touch, and a touch during a count stops it.
TEST(Search, CountWaitsForQuietTime) {
    Store s("a\na\na");
    TMatchCounter counter(150);
    EXPECT_FALSE(counter.Due(1000));
    counter.Touch(1000);
    counter.Touch(1100);
    EXPECT_FALSE(counter.Due(1249));
    EXPECT_TRUE(counter.Due(1250));
    counter.Start(TSearchPattern("a", kAny));
    EXPECT_FALSE(counter.Continue(s.Lines, 2));
    counter.Touch(1300);
    EXPECT_FALSE(counter.Running());
    EXPECT_FALSE(counter.Done());
    counter.Start(TSearchPattern("a", kAny));
    EXPECT_TRUE(counter.Continue(s.Lines, 5));
    EXPECT_EQ(counter.Count(), 3);
}

} // namespace

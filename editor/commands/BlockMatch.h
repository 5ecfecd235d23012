// Matching block keywords around the caret: the block start and block end words (compared
// without regard to case, standing as whole words between delimiters) that open and close the
// block the caret is in.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One found keyword; Line -1 means none.
struct TBlockMatch {
    int Line = -1;
    int Col = 0;
    int Len = 0;
    bool operator==(const TBlockMatch&) const = default;
};

struct TBlockPair {
    TBlockMatch Start;
    TBlockMatch End;
};

struct TBlockSearch {
    std::function<std::string_view(int)> LineAt;
    std::function<bool(char)> IsDelimiter;
    std::string StartWord;
    std::string EndWord;
    int FirstLine = 0; // the lines searched, inclusive
    int LastLine = -1;
};

// One keyword found in the searched lines.
struct TBlockToken {
    int Line;
    int Col;
    int Len;
    bool Start; // a block start word, else a block end word
};

// Every keyword of the searched lines, in text order.
std::vector<TBlockToken> FindBlockTokens(const TBlockSearch& search);

// The pair around the caret at (caretX, caretY). A caret touching a keyword (standing on it or
// right after it) belongs to that keyword's block. When either end is missing, both are none.
TBlockPair FindBlockPair(const TBlockSearch& search, int caretX, int caretY);
// The same, from the keywords FindBlockTokens found in the lines first to last.
TBlockPair FindBlockPair(const std::vector<TBlockToken>& tokens, int first, int last, int caretX,
                         int caretY);

// Matching block keywords around the caret.
#include "editor/BlockMatch.h"

#include <cctype>
#include <vector>

namespace {

struct TToken {
    int Line;
    int Col;
    int Len;
    bool Start;
};

bool SameWord(std::string_view text, std::size_t at, const std::string& word) {
    if (word.empty() || at + word.size() > text.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
            std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

std::vector<TToken> Tokens(const TBlockSearch& s) {
    std::vector<TToken> tokens;
    for (int line = s.FirstLine; line <= s.LastLine; ++line) {
        std::string_view text = s.LineAt(line);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i > 0 && !s.IsDelimiter(text[i - 1]))
                continue;
            for (bool start : {true, false}) {
                const std::string& word = start ? s.StartWord : s.EndWord;
                if (!SameWord(text, i, word))
                    continue;
                std::size_t end = i + word.size();
                if (end < text.size() && !s.IsDelimiter(text[end]))
                    continue;
                tokens.push_back(
                    TToken{line, static_cast<int>(i), static_cast<int>(word.size()), start});
                i = end - 1;
                break;
            }
        }
    }
    return tokens;
}

TBlockMatch Match(const TToken& t) {
    return TBlockMatch{t.Line, t.Col, t.Len};
}

// The end closing the block open after tokens[from - 1], searching tokens from on.
int FindEnd(const std::vector<TToken>& tokens, std::size_t from) {
    int depth = 0;
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].Start)
            ++depth;
        else if (depth-- == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// The start opening the block that closes after tokens[from + 1], searching back from from.
int FindStart(const std::vector<TToken>& tokens, int from) {
    int depth = 0;
    for (int i = from; i >= 0; --i) {
        if (!tokens[static_cast<std::size_t>(i)].Start)
            ++depth;
        else if (depth-- == 0)
            return i;
    }
    return -1;
}

} // namespace

TBlockPair FindBlockPair(const TBlockSearch& search, int caretX, int caretY) {
    TBlockPair none;
    if (search.StartWord.empty() || search.EndWord.empty() || caretY < search.FirstLine ||
        caretY > search.LastLine)
        return none;
    std::vector<TToken> tokens = Tokens(search);
    // Tokens before index split lie before the caret.
    std::size_t split = 0;
    while (split < tokens.size() && (tokens[split].Line < caretY ||
                                     (tokens[split].Line == caretY && tokens[split].Col < caretX)))
        ++split;
    int start = -1;
    int end = -1;
    auto touches = [&](std::size_t i) {
        const TToken& t = tokens[i];
        return t.Line == caretY && t.Col <= caretX && caretX <= t.Col + t.Len;
    };
    if (split < tokens.size() && touches(split) && tokens[split].Start) {
        start = static_cast<int>(split);
        end = FindEnd(tokens, split + 1);
    } else if (split > 0 && touches(split - 1) && !tokens[split - 1].Start) {
        end = static_cast<int>(split - 1);
        start = FindStart(tokens, end - 1);
    } else if (split > 0 && touches(split - 1) && tokens[split - 1].Start) {
        start = static_cast<int>(split - 1);
        end = FindEnd(tokens, split);
    } else if (split < tokens.size() && touches(split) && !tokens[split].Start) {
        end = static_cast<int>(split);
        start = FindStart(tokens, end - 1);
    } else {
        end = FindEnd(tokens, split);
        start = FindStart(tokens, static_cast<int>(split) - 1);
    }
    if (start < 0 || end < 0)
        return none;
    return TBlockPair{Match(tokens[static_cast<std::size_t>(start)]),
                      Match(tokens[static_cast<std::size_t>(end)])};
}

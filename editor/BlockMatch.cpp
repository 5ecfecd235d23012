// Matching block keywords around the caret.
#include "editor/BlockMatch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using TToken = TBlockToken;

bool SameWord(std::string_view text, std::size_t at, const std::string& word) {
    if (word.empty() || at + word.size() > text.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
            std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

// Finds, in order, the positions of a line that hold one of a few bytes, each byte found with
// memchr: lines can be megabytes long, and the bytes looked for are rare.
class TByteFinder {
public:
    TByteFinder(std::string_view text, const std::vector<char>& bytes) : FText(text) {
        for (char b : bytes)
            FNext.push_back({b, Find(b, 0)});
    }
    // The next position, or npos when there is none; positions are handed out once each.
    std::size_t Next() {
        std::size_t best = std::string_view::npos;
        for (const auto& [b, at] : FNext)
            best = std::min(best, at);
        for (auto& [b, at] : FNext)
            if (at == best && best != std::string_view::npos)
                at = Find(b, best + 1);
        return best;
    }
    // Positions before at are not wanted any more.
    void SkipTo(std::size_t at) {
        for (auto& [b, next] : FNext)
            if (next != std::string_view::npos && next < at)
                next = Find(b, at);
    }

private:
    std::size_t Find(char b, std::size_t from) const {
        if (from >= FText.size())
            return std::string_view::npos;
        const void* p = std::memchr(FText.data() + from, b, FText.size() - from);
        return p ? static_cast<std::size_t>(static_cast<const char*>(p) - FText.data())
                 : std::string_view::npos;
    }

    std::string_view FText;
    std::vector<std::pair<char, std::size_t>> FNext;
};

} // namespace

std::vector<TBlockToken> FindBlockTokens(const TBlockSearch& s) {
    if (s.StartWord.empty() || s.EndWord.empty())
        return {};
    std::array<bool, 256> delimiter{};
    for (int c = 0; c < 256; ++c)
        delimiter[static_cast<std::size_t>(c)] = s.IsDelimiter(static_cast<char>(c));
    // Either keyword can only begin with its first letter in one of its two cases.
    std::vector<char> firstBytes;
    for (const std::string* word : {&s.StartWord, &s.EndWord})
        for (int c : {std::tolower(static_cast<unsigned char>((*word)[0])),
                      std::toupper(static_cast<unsigned char>((*word)[0]))})
            if (std::find(firstBytes.begin(), firstBytes.end(), static_cast<char>(c)) ==
                firstBytes.end())
                firstBytes.push_back(static_cast<char>(c));

    std::vector<TToken> tokens;
    for (int line = s.FirstLine; line <= s.LastLine; ++line) {
        std::string_view text = s.LineAt(line);
        TByteFinder finder(text, firstBytes);
        for (std::size_t i = finder.Next(); i != std::string_view::npos; i = finder.Next()) {
            if (i > 0 && !delimiter[static_cast<unsigned char>(text[i - 1])])
                continue;
            for (bool start : {true, false}) {
                const std::string& word = start ? s.StartWord : s.EndWord;
                if (!SameWord(text, i, word))
                    continue;
                std::size_t end = i + word.size();
                if (end < text.size() && !delimiter[static_cast<unsigned char>(text[end])])
                    continue;
                tokens.push_back(
                    TToken{line, static_cast<int>(i), static_cast<int>(word.size()), start});
                finder.SkipTo(end);
                break;
            }
        }
    }
    return tokens;
}

namespace {

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
    if (search.StartWord.empty() || search.EndWord.empty())
        return TBlockPair{};
    return FindBlockPair(FindBlockTokens(search), search.FirstLine, search.LastLine, caretX,
                         caretY);
}

TBlockPair FindBlockPair(const std::vector<TBlockToken>& tokens, int first, int last, int caretX,
                         int caretY) {
    TBlockPair none;
    if (caretY < first || caretY > last)
        return none;
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

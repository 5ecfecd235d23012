// Matching block keywords around the caret.
#include "editor/commands/BlockMatch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The first position from from on that holds one of four bytes, or npos. Lines can be megabytes
// long and the bytes looked for are rare, so sixteen bytes are compared at a time.
std::size_t FindAnyOf(std::string_view text, std::size_t from, const std::array<char, 4>& bytes) {
#if defined(__SSE2__)
    const __m128i b0 = _mm_set1_epi8(bytes[0]);
    const __m128i b1 = _mm_set1_epi8(bytes[1]);
    const __m128i b2 = _mm_set1_epi8(bytes[2]);
    const __m128i b3 = _mm_set1_epi8(bytes[3]);
    for (; from + 16 <= text.size(); from += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, b0), _mm_cmpeq_epi8(v, b1)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, b2), _mm_cmpeq_epi8(v, b3)));
        if (const int mask = _mm_movemask_epi8(hit))
            return from + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; from < text.size(); ++from)
        if (std::find(bytes.begin(), bytes.end(), text[from]) != bytes.end())
            return from;
    return std::string_view::npos;
}

} // namespace

std::vector<TBlockToken> FindBlockTokens(const TBlockSearch& s) {
    if (s.StartWord.empty() || s.EndWord.empty())
        return {};
    std::array<bool, 256> delimiter{};
    for (int c = 0; c < 256; ++c)
        delimiter[static_cast<std::size_t>(c)] = s.IsDelimiter(static_cast<char>(c));
    // Either keyword can only begin with its first letter in one of its two cases.
    std::array<char, 4> firstBytes{};
    std::size_t k = 0;
    for (const std::string* word : {&s.StartWord, &s.EndWord})
        for (int c : {std::tolower(static_cast<unsigned char>((*word)[0])),
                      std::toupper(static_cast<unsigned char>((*word)[0]))})
            firstBytes[k++] = static_cast<char>(c);

    std::vector<TToken> tokens;
    for (int line = s.FirstLine; line <= s.LastLine; ++line) {
        std::string_view text = s.LineAt(line);
        for (std::size_t i = FindAnyOf(text, 0, firstBytes); i != std::string_view::npos;
             i = FindAnyOf(text, i + 1, firstBytes)) {
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
                i = end - 1;
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

// Finding and replacing in the editor's lines.
#include "editor/commands/Search.h"

#include "editor/style/CharCase.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || c == '_' || AnsiLowerChar(c) != AnsiUpperChar(c);
}

} // namespace

TSearchPattern::TSearchPattern(std::string_view text, TSearchOptions options)
    : FText(options.MatchCase ? std::string(text) : AnsiLowerCase(text)), FOptions(options) {
    for (int i = 0; i < 256; ++i)
        FFold[static_cast<std::size_t>(i)] = static_cast<unsigned char>(
            options.MatchCase ? static_cast<char>(i) : AnsiLowerChar(static_cast<char>(i)));
}

bool TSearchPattern::WordBoundsAt(std::string_view line, int col) const {
    if (!FOptions.WholeWords)
        return true;
    const auto end = static_cast<std::size_t>(col) + FText.size();
    return (col == 0 || !IsWordByte(line[static_cast<std::size_t>(col - 1)])) &&
           (end >= line.size() || !IsWordByte(line[end]));
}

bool TSearchPattern::MatchesAt(std::string_view line, int col) const {
    if (FText.empty() || col < 0 || static_cast<std::size_t>(col) + FText.size() > line.size())
        return false;
    const char* at = line.data() + col;
    for (std::size_t i = 0; i < FText.size(); ++i)
        if (static_cast<char>(FFold[static_cast<unsigned char>(at[i])]) != FText[i])
            return false;
    return WordBoundsAt(line, col);
}

int TSearchPattern::FindIn(std::string_view line, int from, int limit) const {
    const int n = Length();
    if (n == 0)
        return -1;
    from = std::max(from, 0);
    const int last = std::min(limit - 1, static_cast<int>(line.size()) - n); // the last start
    if (from > last)
        return -1;
    const auto* data = reinterpret_cast<const unsigned char*>(line.data());
    const auto first = static_cast<unsigned char>(FText[0]);
    // Candidates by their first byte: with case folded, both cases of it.
    const unsigned char other =
        FOptions.MatchCase ? first : static_cast<unsigned char>(AnsiUpperChar(FText[0]));
    for (int col = from; col <= last; ++col) {
        const unsigned char* hit = nullptr;
        const auto span = static_cast<std::size_t>(last - col + 1);
        if (other == first) {
            hit = static_cast<const unsigned char*>(std::memchr(data + col, first, span));
        } else {
            const unsigned char* p = data + col;
            const unsigned char* end = p + span;
            while (p < end && *p != first && *p != other)
                ++p;
            hit = p < end ? p : nullptr;
        }
        if (!hit)
            return -1;
        col = static_cast<int>(hit - data);
        if (MatchesAt(line, col))
            return col;
    }
    return -1;
}

int TSearchPattern::FindLastIn(std::string_view line, int before) const {
    int found = -1;
    for (int col = FindIn(line, 0, before); col >= 0; col = FindIn(line, col + Length(), before))
        found = col;
    return found;
}

int TSearchPattern::CountIn(std::string_view line) const {
    int count = 0;
    for (int col = FindIn(line); col >= 0; col = FindIn(line, col + Length()))
        ++count;
    return count;
}

TSearchMatch FindNextMatch(const TCodeMemoStrings& lines, const TSearchPattern& pattern, int line,
                           int col) {
    const int count = lines.Count();
    if (pattern.Empty() || count == 0)
        return {};
    line = std::clamp(line, 0, count - 1);
    // A match that starts before col counts again only as the last one, after going round.
    for (int i = 0; i <= count; ++i) {
        const int y = (line + i) % count;
        const bool wrapped = line + i >= count;
        const std::string_view text = lines.Line(y);
        const int from = i == 0 ? col : 0;
        const int limit = i == count ? col : static_cast<int>(text.size());
        if (const int x = pattern.FindIn(text, from, limit); x >= 0)
            return {y, x, wrapped};
    }
    return {};
}

TSearchMatch FindPreviousMatch(const TCodeMemoStrings& lines, const TSearchPattern& pattern,
                               int line, int col) {
    const int count = lines.Count();
    if (pattern.Empty() || count == 0)
        return {};
    line = std::clamp(line, 0, count - 1);
    for (int i = 0; i <= count; ++i) {
        const int y = ((line - i) % count + count) % count;
        const bool wrapped = line - i < 0;
        const std::string_view text = lines.Line(y);
        int x = -1;
        if (i == 0)
            x = pattern.FindLastIn(text, col);
        else if (i < count)
            x = pattern.FindLastIn(text, static_cast<int>(text.size()));
        else // back on the first line: the matches from col on
            for (int c = pattern.FindIn(text, col); c >= 0;
                 c = pattern.FindIn(text, c + pattern.Length()))
                x = c;
        if (x >= 0)
            return {y, x, wrapped};
    }
    return {};
}

long long CountMatches(const TCodeMemoStrings& lines, const TSearchPattern& pattern, int first,
                       int end) {
    long long count = 0;
    if (pattern.Empty())
        return 0;
    end = std::min(end, lines.Count());
    for (int y = std::max(first, 0); y < end; ++y)
        count += pattern.CountIn(lines.Line(y));
    return count;
}

std::string ReplaceAllInLine(std::string_view line, const TSearchPattern& pattern,
                             std::string_view replacement, int& count) {
    std::string result;
    count = 0;
    std::size_t done = 0;
    for (int col = pattern.FindIn(line); col >= 0;
         col = pattern.FindIn(line, col + pattern.Length())) {
        result.append(line.substr(done, static_cast<std::size_t>(col) - done));
        result.append(replacement);
        done = static_cast<std::size_t>(col + pattern.Length());
        ++count;
    }
    result.append(line.substr(done));
    return result;
}

std::vector<TLineBatchStep> ReplaceAllSteps(const TCodeMemoStrings& lines,
                                            const TSearchPattern& pattern,
                                            std::string_view replacement, long long& count) {
    std::vector<TLineBatchStep> steps;
    count = 0;
    if (pattern.Empty())
        return steps;
    for (int y = 0; y < lines.Count(); ++y) {
        const std::string_view text = lines.Line(y);
        if (pattern.FindIn(text) < 0)
            continue;
        int n = 0;
        steps.push_back(
            {y, TLineBatchStep::Replace, ReplaceAllInLine(text, pattern, replacement, n)});
        count += n;
    }
    return steps;
}

void TMatchCounter::Start(TSearchPattern pattern, int line, int col) {
    FPattern = std::move(pattern);
    FLine = line;
    FCol = col;
    FBefore = 0;
    FPending = false;
    FRunning = true;
    FDone = false;
    FNextLine = 0;
    FCount = 0;
}

bool TMatchCounter::Continue(const TCodeMemoStrings& lines, int lineBudget) {
    if (!FRunning)
        return FDone;
    const int end = std::min(lines.Count(), FNextLine + std::max(lineBudget, 1));
    if (FNextLine <= FLine && FLine < end) {
        FCount += CountMatches(lines, FPattern, FNextLine, FLine);
        FBefore = FCount;
        const std::string_view text = lines.Line(FLine);
        for (int c = FPattern.FindIn(text, 0, FCol); c >= 0;
             c = FPattern.FindIn(text, c + FPattern.Length(), FCol))
            ++FBefore;
        FCount += CountMatches(lines, FPattern, FLine, end);
    } else {
        FCount += CountMatches(lines, FPattern, FNextLine, end);
    }
    FNextLine = end;
    if (FNextLine >= lines.Count()) {
        FRunning = false;
        FDone = true;
    }
    return FDone;
}

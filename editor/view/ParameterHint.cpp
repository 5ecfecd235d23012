// Finding and cutting parameter hints.
#include "editor/view/ParameterHint.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<THintCall> FindHintCall(std::string_view line, int caretCol,
                                      const THintChars& chars) {
    int i = std::min(caretCol, static_cast<int>(line.size())) - 1;
    // Nothing is found unless an opening character, nearer than any closing one, stands before
    // the caret; both are looked for first, so that a long line is not walked byte by byte.
    if (i < 0)
        return std::nullopt;
    auto last = [&](char c) {
        const void* p = memrchr(line.data(), c, static_cast<std::size_t>(i) + 1);
        return p ? static_cast<int>(static_cast<const char*>(p) - line.data()) : -1;
    };
    const int start = last(chars.Start);
    if (start < 0 || last(chars.End) >= start)
        return std::nullopt;
    int delimiters = 0;
    int spaces = 0;
    for (; i >= 0; --i) {
        char c = line[static_cast<std::size_t>(i)];
        if (c == chars.End)
            return std::nullopt;
        if (c == chars.Start)
            break;
        if (c == chars.WriteDelimiter)
            ++delimiters;
        spaces = c == ' ' ? spaces + 1 : 0;
        if (spaces == 5)
            return std::nullopt;
    }
    if (i < 0)
        return std::nullopt;
    int end = i;
    int wordStart = end;
    while (wordStart > 0) {
        char c = line[static_cast<std::size_t>(wordStart - 1)];
        if (c == ' ' || c == chars.Start || c == chars.End)
            break;
        --wordStart;
    }
    std::string_view word = Trim(line.substr(static_cast<std::size_t>(wordStart),
                                             static_cast<std::size_t>(end - wordStart)));
    // An opening character with no name before it calls no routine.
    if (word.empty())
        return std::nullopt;
    return THintCall{std::string(word), delimiters};
}

std::optional<std::string> FindSignature(const std::vector<std::string>& signatures,
                                         std::string_view word, bool caseSensitive) {
    std::string key = caseSensitive ? std::string(word) : Upper(word);
    for (const auto& signature : signatures) {
        std::string candidate = caseSensitive ? signature : Upper(signature);
        if (candidate.compare(0, key.size(), key) == 0)
            return signature;
    }
    return std::nullopt;
}

THintParts SplitSignature(std::string_view signature, int index, const THintChars& chars) {
    auto open = signature.find(chars.Start);
    std::string_view inner =
        open == std::string_view::npos ? signature : signature.substr(open + 1);
    if (auto close = inner.find(chars.End); close != std::string_view::npos)
        inner = inner.substr(0, close);

    // Each part runs up to and including its delimiter.
    std::size_t partStart = 0;
    int part = 0;
    std::size_t middleStart = inner.size(), middleEnd = inner.size();
    for (std::size_t k = 0; k <= inner.size(); ++k) {
        bool atEnd = k == inner.size();
        if (!atEnd && inner[k] != chars.WriteDelimiter && inner[k] != chars.Delimiter)
            continue;
        std::size_t partEnd = atEnd ? k : k + 1;
        if (part == index) {
            middleStart = partStart;
            middleEnd = partEnd;
            break;
        }
        ++part;
        partStart = partEnd;
    }
    THintParts parts;
    parts.First = std::string(inner.substr(0, middleStart));
    parts.Middle = std::string(inner.substr(middleStart, middleEnd - middleStart));
    parts.Last = std::string(inner.substr(middleEnd));
    parts.Bold = parts.Middle.empty() ? 1 : 2;
    return parts;
}

std::optional<THintParts> ParameterHintFor(std::string_view line, int caretCol,
                                           const std::vector<std::string>& signatures,
                                           bool caseSensitive, const THintChars& chars) {
    // Letter case changes none of the characters the scan looks for, so the line is scanned as
    // it is; FindSignature compares the word without regard to case when asked to.
    auto call = FindHintCall(line, caretCol, chars);
    if (!call)
        return std::nullopt;
    auto signature = FindSignature(signatures, call->Word, caseSensitive);
    if (!signature)
        return std::nullopt;
    return SplitSignature(*signature, call->ParameterIndex, chars);
}

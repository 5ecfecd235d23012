// Small views into a line's bytes that the caret, the editing commands and the word moves share.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// s[from, to) with both ends clamped to s; to < 0 means the end of s.
inline std::string_view Slice(std::string_view s, int from, int to = -1) {
    std::size_t size = s.size();
    std::size_t a = std::min(size, static_cast<std::size_t>(std::max(from, 0)));
    std::size_t b = to < 0 ? size : std::min(size, static_cast<std::size_t>(to));
    return b > a ? s.substr(a, b - a) : std::string_view();
}

// How many bytes of value 32 or below (spaces and control bytes) end s.
inline std::size_t TrailingBlanks(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && static_cast<unsigned char>(s[s.size() - 1 - n]) <= 32)
        ++n;
    return n;
}

// s without its trailing blanks.
inline std::string_view WithoutTrailingBlanks(std::string_view s) {
    return s.substr(0, s.size() - TrailingBlanks(s));
}

// How many spaces begin s.
inline std::size_t LeadingSpaces(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && s[n] == ' ')
        ++n;
    return n;
}

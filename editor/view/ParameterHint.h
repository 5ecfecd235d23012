// The parameter hint: finding the routine whose arguments the caret stands in, and cutting its
// signature into the parts the hint window shows, the current parameter in bold.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The characters a hint works with.
struct THintChars {
    char Start = '(';
    char End = ')';
    char Delimiter = ';';
    char WriteDelimiter = ',';
};

// What the hint window shows: three parts in a row, one of them bold (0 none, 1 the first,
// 2 the middle, 3 the last).
struct THintParts {
    std::string First;
    std::string Middle;
    std::string Last;
    int Bold = 0;
    bool operator==(const THintParts&) const = default;
};

// The routine name before the opening character the caret stands after, and how many write
// delimiters lie between them; nothing when the caret is not inside an argument list.
struct THintCall {
    std::string Word;
    int ParameterIndex = 0;
};
std::optional<THintCall> FindHintCall(std::string_view line, int caretCol, const THintChars& chars);

// The signature of word among the known ones: the first that begins with it.
std::optional<std::string> FindSignature(const std::vector<std::string>& signatures,
                                         std::string_view word, bool caseSensitive);

// The parts of a signature with parameter number index (0 for the first) in bold.
THintParts SplitSignature(std::string_view signature, int index, const THintChars& chars);

// The whole look-up: the parts to show for the caret in line, or nothing (the window hides).
std::optional<THintParts> ParameterHintFor(std::string_view line, int caretCol,
                                           const std::vector<std::string>& signatures,
                                           bool caseSensitive, const THintChars& chars);

// Problem ranges: spans of a line that the editor's owner found fault with (an error or a
// warning, with a message), underlined by the painter and signed in the gutter. The owner sets
// the whole list at once; the editor keeps the ranges in step with its edits, as it keeps
// gutter markers, until the owner sets them again.
#pragma once

#include "editor/Graphics.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class TProblemKind : std::uint8_t { Error, Warning };

struct TCodeProblem {
    int Line = 0;  // 0-based
    int Start = 0; // byte columns of the line as it stands, leading spaces included;
    int End = 0;   // End excluded
    TProblemKind Kind = TProblemKind::Warning;
    std::string Message; // UTF-8

    bool operator==(const TCodeProblem&) const = default;
};

// The underline's colour: red for errors, amber for warnings; both stand out on light and dark
// backgrounds alike.
TColor ProblemColor(TProblemKind kind);

class TCodeProblemList {
public:
    // Replaces every problem. The list is sorted by line and start column here; empty spans
    // are dropped.
    void Set(std::vector<TCodeProblem> problems);
    void Clear() { FProblems.clear(); }
    const std::vector<TCodeProblem>& All() const { return FProblems; }
    bool Empty() const { return FProblems.empty(); }
    int Count() const { return static_cast<int>(FProblems.size()); }

    // The problems of line, by start column.
    std::span<const TCodeProblem> OfLine(int line) const;
    // The first problem of line whose span holds column col, or nullptr.
    const TCodeProblem* At(int line, int col) const;
    // The first problem that starts after (line, col), else the first of all (nullptr when
    // there is none); Previous the last that starts before it, else the last of all.
    const TCodeProblem* Next(int line, int col) const;
    const TCodeProblem* Previous(int line, int col) const;

    // Edits of the text. Lines inserted before line at, and lines removed from first on (their
    // problems go), move the problems below.
    void LinesInserted(int at, int count);
    void LinesRemoved(int first, int count);
    // On line, removed bytes from column at on gave way to inserted others: spans after the
    // edit shift, a span the edit falls inside grows or shrinks with it, and a span left empty
    // goes.
    void LineEdited(int line, int at, int removed, int inserted);
    // Line was broken at column col: the spans from col on move to the new next line, where
    // that text starts at column newStart; a span across the break goes.
    void LineSplit(int line, int col, int newStart);
    // The next line was appended to line, its text starting at column col.
    void LinesJoined(int line, int col);

private:
    std::vector<TCodeProblem>::iterator FirstOf(int line);
    // Every problem of a line from line on moves by delta lines.
    void ShiftFrom(int line, int delta);

    std::vector<TCodeProblem> FProblems;
};
